#include "platform/command_line/arguments.h"

#include "geo/shown_text.h"

#include <algorithm>

namespace cli {

Arguments::Arguments(std::string program, std::vector<Option> options, std::string operands)
    : program_(std::move(program)), options_(std::move(options)), operandsText_(std::move(operands))
{
}

const Option* Arguments::Find(const std::string& name) const
{
    const auto found = std::ranges::find(options_, name, &Option::Name);
    return found == options_.end() ? nullptr : &*found;
}

void Arguments::Parse(const std::vector<std::string>& words)
{
    given_.clear();
    operands_.clear();
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || !word.starts_with("--")) {
            operands_.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        const Option* option = Find(name);
        if (!option)
            throw InputError("unknown option '" + geo::ShownText(name) + "'");
        if (!option->Repeated && (Flag(name) || Value(name)))
            throw InputError("the option " + name + " is given twice");
        std::string value;
        if (option->Value.empty()) {
            if (equals != std::string::npos)
                throw InputError("the option " + name + " takes no value");
        } else if (equals != std::string::npos) {
            value = word.substr(equals + 1);
        } else if (i + 1 < words.size()) {
            value = words[++i];
        } else {
            throw InputError("the option " + name + " needs a value (" + option->Value + ")");
        }
        given_.emplace_back(name, value);
    }
    for (const Option& o : options_)
        if (o.Required && !Flag(o.Name))
            throw InputError(!o.Missing.empty() ? o.Missing
                                                : "the option " + o.Name + (o.Value.empty() ? "" : " " + o.Value) + " is needed");
}

bool Arguments::Flag(const std::string& name) const
{
    return std::ranges::any_of(given_, [&name](const auto& g) { return g.first == name; });
}

std::optional<std::string> Arguments::Value(const std::string& name) const
{
    const auto found = std::ranges::find(given_, name, &std::pair<std::string, std::string>::first);
    if (found == given_.end())
        return std::nullopt;
    return found->second;
}

std::vector<std::string> Arguments::Values(const std::string& name) const
{
    std::vector<std::string> values;
    for (const auto& [given, value] : given_)
        if (given == name)
            values.push_back(value);
    return values;
}

std::string Arguments::Usage() const
{
    std::string usage = "usage: " + program_;
    for (const Option& o : options_) {
        const std::string option = o.Name + (o.Value.empty() ? "" : " " + o.Value);
        usage += " " + (o.Required ? option : "[" + option + "]") + (o.Repeated ? "..." : "");
    }
    if (!operandsText_.empty())
        usage += " " + operandsText_;
    return usage;
}

} // namespace cli
