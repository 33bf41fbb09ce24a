#include "datumshift/window/page_text.h"

#include "datumshift/core/result_texts.h"
#include "platform/desktop/latin1.h"

#include <QString>

namespace datumshift {

std::string Latin1(const std::string& utf8)
{
    return platform::FromQt(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

std::vector<std::string> Wrapped(const std::string& text, std::size_t length)
{
    std::vector<std::string> lines;
    std::string line;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t blank = text.find(' ', at);
        const std::string word = text.substr(at, blank == std::string::npos ? std::string::npos : blank - at);
        at = blank == std::string::npos ? text.size() : blank + 1;
        if (word.empty())
            continue;
        if (!line.empty() && line.size() + 1 + word.size() > length) {
            lines.push_back(line);
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

platform::ResultsPage ShiftPage(const PageInput& input, const std::optional<DatumShift>& shift,
                                const std::string& refusal, geo::AngleFormat format)
{
    platform::ResultsPage page;
    page.Title = "Datum Transformation : " + input.From + " to " + input.To;
    page.Inputs = {{"From datum", input.From},
                   {"To datum", input.To},
                   {"Latitude", input.Latitude},
                   {"Longitude", input.Longitude},
                   {"Strict", input.Strict ? "yes: a fallback is refused" : "no"}};
    if (!shift) {
        page.Notes = Wrapped("Refused: " + Latin1(refusal), PageLineLength);
        return page;
    }
    std::string note;
    for (const auto& [name, value] : ResultTexts(*shift, format)) {
        if (name == "Note")
            note = Latin1(value);
        else
            page.Results.emplace_back(name, Latin1(value));
    }
    page.Notes = Wrapped(note, PageLineLength);
    if (!page.Notes.empty())
        page.Notes.emplace_back();
    for (std::string& line :
         Wrapped("The shift is measured along the geodesic on " + Latin1(shift->From.Ellipsoid) + ", the ellipsoid of " +
                     Latin1(shift->From.Name) + "; longitudes count from each datum's own prime meridian. "
                     "Computed by PROJ with the EPSG database, offline.",
                 PageLineLength))
        page.Notes.push_back(std::move(line));
    return page;
}

} // namespace datumshift
