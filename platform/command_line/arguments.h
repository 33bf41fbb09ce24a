// The suite's command lines, one way for every module: options declared
// once, from which the parsing, the usage line and the refusals come.
//
//   const cli::Arguments args("rangebear", {{"--ellipsoid", "NAME"}, {"--json"}}, "FROM TO");
//   args.Parse(words);          // throws cli::InputError
//   args.Flag("--json"); args.Value("--ellipsoid"); args.Operands();
//
// An option is given as "--name value" or "--name=value"; "--" ends the
// options, so that an operand may start with a dash ("-17.5 178.4").
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace cli {

// Input a command line refuses: what() is the reason, which the program
// prints after its name ("rangebear: unknown option '--x'"), then its usage
// line, and exits with status 2.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Option {
    std::string Name;         // "--ellipsoid"
    std::string Value = {};   // its value's placeholder ("NAME"); empty for a flag
    bool Repeated = false;    // may be given more than once ("--sight")
    bool Required = false;    // must be given ("--from CRS"); the usage line shows it without brackets
    std::string Missing = {}; // what a required option's absence is refused with, when not the usual
};

class Arguments {
public:
    // `operands` is how the usage line names the words that are no option.
    Arguments(std::string program, std::vector<Option> options, std::string operands);

    // Reads `words` (without the program's name). Throws InputError for an
    // unknown option, an option without its value, one given twice, or a
    // required one missing.
    void Parse(const std::vector<std::string>& words);

    bool Flag(const std::string& name) const;
    std::optional<std::string> Value(const std::string& name) const;
    std::vector<std::string> Values(const std::string& name) const; // a repeated option's, in order
    const std::vector<std::string>& Operands() const { return operands_; }

    const std::string& Program() const { return program_; }
    // "usage: rangebear [--ellipsoid NAME] [--json] FROM TO"
    std::string Usage() const;

private:
    const Option* Find(const std::string& name) const;

    std::string program_;
    std::vector<Option> options_;
    std::string operandsText_;
    std::vector<std::pair<std::string, std::string>> given_; // name, value ("" for a flag)
    std::vector<std::string> operands_;
};

} // namespace cli
