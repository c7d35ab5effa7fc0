// How the source is laid out where the build cannot check it: the map of
// windows in core/ui/forms.h names the files that hold them, and the
// windows' folders build on core/ui without a circle.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {

std::string readSource(const std::string& name)
{
    std::ifstream in(std::string(VELDOR_TEST_SOURCE_DIR) + "/" + name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(Layout, TheWindowMapNamesTheFilesThatHoldTheWindows)
{
    const std::string map = readSource("core/ui/forms.h");
    // "// | Tsky | Please Select Sky | sky picker | sources/ui/skyform.* |"
    const std::regex row(R"(// \| (T\w+) +\|[^|]*\|[^|]*\| ([\w/]+)\.\* +\|)");
    int windows = 0;
    for (std::sregex_iterator m(map.begin(), map.end(), row), end; m != end; ++m, ++windows) {
        const std::string cls = (*m)[1], header = (*m)[2].str() + ".h";
        const std::string text = readSource(header);
        EXPECT_FALSE(text.empty()) << cls << ": " << header << " is not there";
        EXPECT_NE(text.find("class " + cls + " "), std::string::npos) << cls << " is not declared in " << header;
    }
    EXPECT_EQ(windows, 20);
}

// core/ui is the base of the windows: it includes no other folder's ui/,
// and every other ui/ folder includes only its own and core/ui's.
TEST(Layout, WindowFoldersBuildOnCoreUiWithoutACircle)
{
    namespace fs = std::filesystem;
    const std::regex include(R"re(#include "(\w+)/ui/)re");
    for (const char* folder : {"core", "files", "editing", "sources", "effects", "output"}) {
        const fs::path dir = fs::path(VELDOR_TEST_SOURCE_DIR) / folder / "ui";
        for (const fs::directory_entry& file : fs::directory_iterator(dir)) {
            const std::string name = std::string(folder) + "/ui/" + file.path().filename().string();
            const std::string text = readSource(name);
            for (std::sregex_iterator m(text.begin(), text.end(), include), end; m != end; ++m) {
                const std::string to = (*m)[1];
                EXPECT_TRUE(to == folder || to == "core") << name << " includes " << to << "/ui/";
            }
        }
    }
}

} // namespace
