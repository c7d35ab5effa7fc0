// The map of windows in core/ui/forms.h: every window's class is declared
// in the file the map names, so that a reader sent there finds it.
#include <gtest/gtest.h>

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

} // namespace
