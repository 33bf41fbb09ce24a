// A print canvas that records every text with its place and font.
#pragma once

#include "platform/print/printing.h"

#include <string>
#include <vector>

namespace testsupport {

struct PrintedText {
    int x, y;
    std::string text;
    std::string family;
    int points;
    bool bold;
};

class RecordingCanvas : public platform::PrintCanvas {
public:
    RecordingCanvas(int width, int height) : width_(width), height_(height) {}

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetFont(const std::string& family, int points, bool bold) override
    {
        family_ = family;
        points_ = points;
        bold_ = bold;
    }
    void TextOut(int x, int y, const std::string& text) override
    {
        texts.push_back({x, y, text, family_, points_, bold_});
    }

    // The texts printed on line y, left to right as printed.
    std::vector<std::string> Line(int y) const
    {
        std::vector<std::string> line;
        for (const PrintedText& t : texts)
            if (t.y == y)
                line.push_back(t.text);
        return line;
    }

    std::vector<PrintedText> texts;

private:
    int width_, height_;
    std::string family_;
    int points_ = 0;
    bool bold_ = false;
};

} // namespace testsupport
