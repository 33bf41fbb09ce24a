// A captioned group of radio buttons with one selected item.
#pragma once

#include <QGroupBox>
#include <QStringList>

class QAbstractButton;
class QButtonGroup;

namespace platform {

class RadioGroup : public QGroupBox {
    Q_OBJECT

public:
    explicit RadioGroup(QWidget* parent = nullptr);

    // Lays out one button a line under the caption; no item is selected.
    void SetItems(const QStringList& items);

    // The selected item, -1 for none. Setting it from code fires nothing.
    int ItemIndex() const;
    void SetItemIndex(int index);

    // The button of one item, for the keyboard and for tests.
    QAbstractButton* Item(int index) const;

signals:
    // OnClick: the user selected an item, with the mouse or the keyboard.
    void clicked();

private:
    QButtonGroup* buttons_;
    bool settingFromCode_ = false;
};

} // namespace platform
