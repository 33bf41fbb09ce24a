// The shell's open operation on Windows (run under Wine in the cross
// build): a bare name started from the working directory, with its
// parameters or none, and a missing one changing nothing.
#include "platform/system/shell_execute.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

class ShellExecuteOpen : public testing::Test {
protected:
    // Each test starts the module in a folder of its own, so that tests run
    // side by side never read each other's records.
    void SetUp() override
    {
        previous_ = fs::current_path();
        const fs::path folder = fs::path(RECORD_ARGUMENTS_DIR) /
            (std::string("shell-") + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directory(folder);
        fs::copy_file(fs::path(RECORD_ARGUMENTS_DIR) / RECORD_ARGUMENTS, folder / RECORD_ARGUMENTS);
        fs::current_path(folder);
    }
    void TearDown() override { fs::current_path(previous_); }

    // What the started programs recorded, once `count` of them have.
    std::vector<std::string> Records(std::size_t count)
    {
        std::vector<std::string> records;
        for (int tries = 0; tries < 200 && records.size() < count; ++tries) {
            records.clear();
            for (const fs::directory_entry& e : fs::directory_iterator(".")) {
                const std::string name = e.path().filename().string();
                if (name.rfind("record-", 0) != 0 || e.path().extension() != ".txt")
                    continue;
                std::ifstream in(e.path());
                std::stringstream text;
                text << in.rdbuf();
                // Under Wine a file just renamed may not open yet: read it
                // again on the next try (a record is never empty).
                if (!text.str().empty())
                    records.push_back(text.str());
            }
            if (records.size() < count)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return records;
    }

    fs::path previous_;
};

TEST_F(ShellExecuteOpen, StartsABareNameWithItsParameters)
{
    platform::ShellExecuteOpen(RECORD_ARGUMENTS, "STR");
    EXPECT_EQ(Records(1), std::vector<std::string>{"1\nSTR\n"});
}

TEST_F(ShellExecuteOpen, NoParametersIsNoArgument)
{
    platform::ShellExecuteOpen(RECORD_ARGUMENTS, nullptr);
    EXPECT_EQ(Records(1), std::vector<std::string>{"0\n"});
}

TEST_F(ShellExecuteOpen, AMissingProgramChangesNothing)
{
    platform::ShellExecuteOpen("wayline.exe", nullptr);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_TRUE(Records(0).empty());
}

} // namespace
