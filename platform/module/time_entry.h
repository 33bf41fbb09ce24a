// A time of day typed to the second, "hh:mm:ss" (a sight's UT, a watch
// time): digits in a fixed mask, refused with the reason when it is no
// time of day ("Wrong Hours !", "Wrong Minutes !", "Wrong Seconds !"), the
// field keeping the focus with its text selected, and Escape bringing back
// what is stored.
#pragma once

#include <QObject>

#include <functional>
#include <string>

class QWidget;

namespace platform {

class MaskEdit;

class TimeEntry : public QObject {
    Q_OBJECT

public:
    using StatusSink = std::function<void(const std::string& message)>;

    // Makes the field in `window`, named `objectName` and heard as `name`.
    TimeEntry(QWidget* window, const QString& objectName, const QString& name, StatusSink status);

    MaskEdit* Field = nullptr;

    int Seconds() const { return seconds_; } // since midnight, 0..86399
    void SetSeconds(int seconds);            // outside 0..86399: held to the day

signals:
    void changed();

private:
    void Exit();

    StatusSink status_;
    int seconds_ = 0;
};

} // namespace platform
