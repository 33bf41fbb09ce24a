// A date field with a pull-down calendar. Tab leaves it, as it leaves any
// other field, instead of stepping through its day, month and year.
#pragma once

#include <QDateEdit>

namespace platform {

class DatePicker : public QDateEdit {
    Q_OBJECT

public:
    explicit DatePicker(QWidget* parent = nullptr);

protected:
    bool focusNextPrevChild(bool next) override;
};

} // namespace platform
