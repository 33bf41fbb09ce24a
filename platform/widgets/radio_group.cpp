#include "platform/widgets/radio_group.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace platform {

RadioGroup::RadioGroup(QWidget* parent) : QGroupBox(parent), buttons_(new QButtonGroup(this))
{
    connect(buttons_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked && !settingFromCode_)
            emit clicked();
    });
}

void RadioGroup::SetItems(const QStringList& items)
{
    for (QAbstractButton* b : buttons_->buttons()) {
        buttons_->removeButton(b);
        delete b;
    }
    delete layout();
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 2, 4, 2);
    column->setSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        buttons_->addButton(button, i);
        column->addWidget(button);
    }
}

int RadioGroup::ItemIndex() const
{
    return buttons_->checkedId();
}

void RadioGroup::SetItemIndex(int index)
{
    settingFromCode_ = true;
    if (QAbstractButton* b = buttons_->button(index))
        b->setChecked(true);
    settingFromCode_ = false;
}

QAbstractButton* RadioGroup::Item(int index) const
{
    return buttons_->button(index);
}

} // namespace platform
