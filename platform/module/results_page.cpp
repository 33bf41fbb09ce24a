#include "platform/module/results_page.h"

#include "platform/print/print_service.h"

namespace platform {
namespace {

constexpr int TitlePoints = 10, TextPoints = 8;
constexpr int Eighths = 8, Lines = 40;

} // namespace

void DrawResultsPage(PrintCanvas& canvas, const ResultsPage& page)
{
    const int u = canvas.Width() / Eighths, v = canvas.Height() / Lines;
    canvas.SetFont("Arial", TitlePoints, true);
    canvas.TextOut(u, 0, page.Title);
    canvas.SetFont("Arial", TextPoints, false);

    // Everything below the title, a line a fortieth; the foot is the
    // fortieth line.
    std::vector<std::pair<bool, std::vector<std::string>>> lines; // (a table row, its cells)
    const auto blank = [&lines] { lines.push_back({false, {""}}); };
    blank();
    for (const auto& [name, value] : page.Inputs)
        lines.push_back({false, {name + " : " + value}});
    if (!page.Inputs.empty())
        blank();
    for (const auto& [name, value] : page.Results)
        lines.push_back({false, {name + " : " + value}});
    if (!page.Headings.empty()) {
        if (!page.Results.empty())
            blank();
        lines.push_back({true, page.Headings});
        for (const auto& row : page.Rows)
            lines.push_back({true, row});
    }
    if (!page.Notes.empty()) {
        blank();
        for (const std::string& note : page.Notes)
            lines.push_back({false, {note}});
    }

    const std::size_t room = Lines - 2;
    const std::size_t shown = lines.size() <= room ? lines.size() : room - 1;
    const std::size_t columns = page.Headings.empty() ? 1 : page.Headings.size();
    const int width = canvas.Width() - u; // the table starts at the left margin
    for (std::size_t i = 0; i < shown; ++i) {
        const int y = static_cast<int>(i + 1) * v;
        const auto& [table, cells] = lines[i];
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (cells[c].empty())
                continue;
            const int x = table ? u / 2 + static_cast<int>(c) * width / static_cast<int>(columns) : u;
            canvas.TextOut(x, y, cells[c]);
        }
    }
    if (shown < lines.size())
        canvas.TextOut(u, static_cast<int>(shown + 1) * v,
                       "(" + std::to_string(lines.size() - shown) + " more lines do not fit on the page)");
}

} // namespace platform
