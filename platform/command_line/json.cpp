#include "platform/command_line/json.h"

#include "geo/position_text.h"
#include "geo/shown_text.h"

#include <cmath>

namespace cli {

Json Json::Number(double value)
{
    return std::isfinite(value) ? Json(geo::DecimalText(value)) : Null();
}

Json Json::String(std::string_view text)
{
    // ShownText leaves valid UTF-8 and writes control characters as \xNN,
    // so only the quote and the backslash are left to escape.
    std::string out = "\"";
    for (const char c : geo::ShownText(text)) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return Json(out + '"');
}

Json Json::Array(const std::vector<Json>& items)
{
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i)
        out += (i ? ", " : "") + items[i].Text();
    return Json(out + "]");
}

JsonObject& JsonObject::Add(std::string_view key, const Json& value)
{
    members_.emplace_back(Json::String(key).Text(), value.Text());
    return *this;
}

Json JsonObject::Value() const
{
    std::string out = "{";
    for (std::size_t i = 0; i < members_.size(); ++i)
        out += (i ? ", " : "") + members_[i].first + ": " + members_[i].second;
    return Json(out + "}");
}

} // namespace cli
