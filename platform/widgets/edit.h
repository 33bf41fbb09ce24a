// A plain single-line edit with the events the windows handle: a change of
// its text (only a real change: writing the same text is none), a mouse
// click (pressed and released on it), and the focus leaving it.
#pragma once

#include "platform/widgets/field.h"

#include <string>

namespace platform {

class Edit : public Field {
    Q_OBJECT

public:
    explicit Edit(QWidget* parent = nullptr);

    std::string Text() const;
    // Runs the change handlers; an error they raise comes out of here.
    void SetText(const std::string& text);

signals:
    void changed(); // OnChange: after every change of the text
    void clicked(); // OnClick

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false; // a click that a refusal dropped is none
};

} // namespace platform
