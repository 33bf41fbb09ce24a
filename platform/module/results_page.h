// A module's printed page: a title, what was asked, and what it gives, as
// "Name : value" lines, or a table; drawn on one page through the print
// canvas at the page's eighths and fortieths, as the dead-reckoning page is.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace platform {

class PrintCanvas;

struct ResultsPage {
    using Lines = std::vector<std::pair<std::string, std::string>>;
    std::string Title;   // bold, at the top
    Lines Inputs;        // what the results were computed from
    Lines Results;       // in the order the window shows them
    // A table below the lines, its columns spread evenly over the width:
    // headings, then one row a line (an almanac's month, a tide table).
    std::vector<std::string> Headings;
    std::vector<std::vector<std::string>> Rows;
    std::vector<std::string> Notes; // small print at the foot: conventions, the data's notice
};

// Draws `page` (texts in the canvas's 8-bit encoding). Lines that would run
// past the foot of the page are left off, and the last line says how many.
void DrawResultsPage(PrintCanvas& canvas, const ResultsPage& page);

} // namespace platform
