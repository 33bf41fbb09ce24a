#include "wayline/window/speed_entry.h"

#include "geo/position_text.h"
#include "platform/desktop/error_report.h"
#include "platform/widgets/mask_edit.h"

#include <algorithm>
#include <charconv>

namespace wayline {
namespace {

constexpr char Mask[] = "###.##";
constexpr double LargestShown = 999.99; // knots
constexpr int FieldWidth = 90;          // pixels: six figures, not the form's width

std::string Shown(const std::optional<double>& knots)
{
    if (!knots)
        return "";
    std::string text = geo::DecimalText(std::min(*knots, LargestShown), 2);
    return std::string(text.size() < 6 ? 6 - text.size() : 0, ' ') + text; // the figures to the right
}

} // namespace

SpeedEntry::SpeedEntry(QWidget* window, const QString& objectName, const QString& name)
{
    Field = new platform::MaskEdit(window);
    Field->setObjectName(objectName);
    Field->setAccessibleName(name);
    Field->SetSignsAllowed(false);
    Field->SetEditMask(Mask);
    Field->setMaximumWidth(FieldWidth);
    Field->SetText(Shown(knots_));
    shown_ = Field->Text();
    connect(Field, &platform::MaskEdit::exited, this, [this] { platform::Guard([this] { Exit(); }); });
}

void SpeedEntry::SetKnots(const std::optional<double>& knots)
{
    knots_ = knots;
    Field->SetText(Shown(knots_));
    shown_ = Field->Text();
}

std::optional<double> SpeedEntry::Read(const std::string& text)
{
    std::string figures;
    std::ranges::copy_if(text, std::back_inserter(figures), [](char c) { return c != ' '; });
    if (figures.find_first_of("0123456789") == std::string::npos)
        return std::nullopt;
    if (figures.front() == '.')
        figures.insert(figures.begin(), '0');
    double knots = 0;
    std::from_chars(figures.data(), figures.data() + figures.size(), knots); // digits and one point: always read
    return knots;
}

void SpeedEntry::Exit()
{
    // A speed shown rounded stays exact until what is shown is changed.
    if (Field->Text() == shown_)
        return;
    const std::optional<double> knots = Read(Field->Text());
    const bool differs = knots != knots_;
    SetKnots(knots);
    if (differs)
        emit changed();
}

} // namespace wayline
