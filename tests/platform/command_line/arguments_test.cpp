// The command lines' kit: what every module's options take and refuse, and
// JSON that scripts can read whatever the text holds.
#include "platform/command_line/arguments.h"
#include "platform/command_line/json.h"

#include <gtest/gtest.h>

#include <cmath>

#include <string>
#include <vector>

namespace {

TEST(Arguments, TakeOptionsAsScriptsWriteThemAndRefuseWithAReason)
{
    const struct {
        std::vector<std::string> words;
        const char* refusal; // empty: taken
        const char *value, *operands;
    } cases[] = {
        {{"--name", "WGS 84", "a", "b"}, "", "WGS 84", "a|b"},
        {{"--name=WGS 84", "a"}, "", "WGS 84", "a"},
        {{"--name=", "a"}, "", "", "a"},
        {{"--flag", "--", "-17.5 178.4", "--name"}, "", "", "-17.5 178.4|--name"},
        {{"a", "--name"}, "the option --name needs a value (NAME)", "", ""},
        {{"--flag=yes"}, "the option --flag takes no value", "", ""},
        {{"--name", "x", "--name", "y"}, "the option --name is given twice", "", ""},
        {{"--flag", "--flag"}, "the option --flag is given twice", "", ""},
        {{"--nmae", "x"}, "unknown option '--nmae'", "", ""},
        {{"--\xFF"}, "unknown option '--\\xFF'", "", ""},
    };
    for (const auto& c : cases) {
        cli::Arguments args("prog", {{"--name", "NAME"}, {"--flag"}, {"--each", "X", true}}, "A B");
        try {
            args.Parse(c.words);
            EXPECT_STREQ(c.refusal, "") << c.words[0];
            EXPECT_EQ(args.Value("--name").value_or(""), c.value);
            std::string operands;
            for (const std::string& o : args.Operands())
                operands += (operands.empty() ? "" : "|") + o;
            EXPECT_EQ(operands, c.operands);
        } catch (const cli::InputError& e) {
            EXPECT_STREQ(e.what(), c.refusal) << c.words[0];
        }
    }
    cli::Arguments args("prog", {{"--name", "NAME"}, {"--flag"}, {"--each", "X", true}}, "A B");
    args.Parse({"--each", "1", "--each=2", "--each", "3"});
    EXPECT_EQ(args.Values("--each"), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(args.Usage(), "usage: prog [--name NAME] [--flag] [--each X]... A B");
    cli::Arguments needs("prog", {{"--from", "CRS", false, true}, {"--json"}}, "POSITION");
    EXPECT_EQ(needs.Usage(), "usage: prog --from CRS [--json] POSITION");
    try {
        needs.Parse({"--json", "50 0"});
        ADD_FAILURE() << "a required option left out";
    } catch (const cli::InputError& e) {
        EXPECT_STREQ(e.what(), "the option --from CRS is needed");
    }
}

TEST(Json, IsValidWhateverItHolds)
{
    EXPECT_EQ(cli::JsonObject()
                  .Add("text", cli::Json::String("a \"quoted\" \\ back\tslash\x01"))
                  .Add("broken", cli::Json::String("\xC3"))
                  .Add("degree", cli::Json::String("50\xC2\xB0"))
                  .Add("none", cli::Json::NumberOrNull(std::nullopt))
                  .Add("nan", cli::Json::Number(NAN))
                  .Add("list", cli::Json::Array({cli::Json::Integer(-3), cli::Json::Bool(false)}))
                  .Line(),
              "{\"text\": \"a \\\"quoted\\\" \\\\ back\\\\x09slash\\\\x01\", \"broken\": \"\\\\xC3\", "
              "\"degree\": \"50\xC2\xB0\", \"none\": null, \"nan\": null, \"list\": [-3, false]}\n");
}

} // namespace
