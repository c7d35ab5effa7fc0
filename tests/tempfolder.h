#pragma once
// What the headless tests that touch files share: a folder of their own for
// each test, and the message of the error a call throws.

#include "platform/error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace veldor {

// A fixture with a fresh, empty folder for the running test, removed with
// everything in it afterwards. Named after the suite, the test and the
// process, so that test programs run side by side never share one. Made in
// the constructor and removed in the destructor, so that a fixture's own
// SetUp and TearDown need not remember to call these.
class TempFolderTest : public ::testing::Test {
protected:
    TempFolderTest()
    {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path()
            / ("veldor-" + std::string(test->test_suite_name()) + "-" + std::to_string(::getpid()) + "-"
               + test->name());
        // Leftovers of a run that was killed before it could clean up.
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    ~TempFolderTest() override
    {
        // A test may leave the folder read-only; its files could not go then.
        std::error_code ignored;
        std::filesystem::permissions(dir_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(dir_, ignored);
    }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    // The names in the folder, sorted.
    std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir_))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::filesystem::path dir_;
};

// The message of the Error `f` throws, or "(nothing thrown)".
inline std::string thrownText(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Error& e) {
        return e.what();
    }
    return "(nothing thrown)";
}

} // namespace veldor
