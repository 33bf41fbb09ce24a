// A fixed-picture entry field of five characters, in overwrite mode.
//
// Pictures: "##:##" (text: each "#" takes a digit, a blank, a minus sign or
// a point) and "hh:mm" (a time of day: digits and blanks, 00:00 to 23:59).
// The ":" is fixed (typing it at its place steps over it). The caret goes
// to the end when the field is entered and is a block; typing there
// overwrites from the first position. A key or a paste the picture does not
// take changes nothing. A time that is not a time of day shows in the error
// colours, black on red, until it is corrected.
#pragma once

#include "platform/widgets/field.h"

#include <string>

namespace platform {

class PictureField : public Field {
    Q_OBJECT

public:
    enum class Kind { Text, Time };

    explicit PictureField(QWidget* parent = nullptr);

    void SetPicture(const std::string& picture, Kind kind);
    const std::string& Picture() const { return picture_; }

    // The five characters shown, the ":" included.
    std::string Text() const;
    // Sets the shown text, cut or filled with blanks to the picture's width.
    void SetText(const std::string& text);

    // The text is not a time of day (time pictures only): the field shows
    // the error colours, which its palette alone does not tell apart from a
    // desktop scheme's own.
    bool InError() const { return error_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void Entered(Qt::FocusReason reason, bool back) override;
    void PasteText(const std::string& text) override;
    void EraseSelection() override;

private:
    bool Accepts(std::size_t i, char c) const;
    bool TypeInto(std::string& content, std::size_t& cursor, const std::string& text) const;
    void TypeText(const std::string& text);
    void Show(int cursor);
    void UpdateErrorColours();

    std::string picture_ = "##:##";
    Kind kind_ = Kind::Text;
    std::string content_ = "     ";
    bool error_ = false;
};

} // namespace platform
