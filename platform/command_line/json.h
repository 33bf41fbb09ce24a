// JSON for the command lines' --json output: objects whose keys keep the
// order they are added in, numbers at full precision in the C locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// A JSON value's text, built from the pieces below.
class Json {
public:
    static Json Null() { return Json("null"); }
    static Json Bool(bool b) { return Json(b ? "true" : "false"); }
    // The shortest decimal that reads back as `value`; null for NaN and
    // infinities, which JSON has no number for.
    static Json Number(double value);
    static Json NumberOrNull(std::optional<double> value) { return value ? Number(*value) : Null(); }
    static Json Integer(long long value) { return Json(std::to_string(value)); }
    // `text` quoted and escaped; text that is not UTF-8 is made so first.
    static Json String(std::string_view text);
    static Json StringOrNull(const std::optional<std::string>& text) { return text ? String(*text) : Null(); }
    static Json Array(const std::vector<Json>& items);

    const std::string& Text() const { return text_; }

private:
    explicit Json(std::string text) : text_(std::move(text)) {}
    friend class JsonObject;
    std::string text_;
};

class JsonObject {
public:
    JsonObject& Add(std::string_view key, const Json& value);
    Json Value() const;
    // The object and a line end: what a command line prints.
    std::string Line() const { return Value().Text() + "\n"; }

private:
    std::vector<std::pair<std::string, std::string>> members_;
};

} // namespace cli
