#include "platform/paths.h"

#include "platform/error.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace veldor {

std::string nativePath(std::string_view name)
{
    std::string out(name);
    for (char& c : out)
        if (c == '\\')
            c = '/';
    return out;
}

bool climbsAbove(std::string_view name)
{
    long depth = 0;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find_first_of("\\/", start);
        if (end == std::string_view::npos)
            end = name.size();
        const std::string_view step = name.substr(start, end - start);
        if (step == "..") {
            if (--depth < 0)
                return true;
        } else if (!step.empty() && step != ".") {
            ++depth;
        }
        start = end + 1;
    }
    return false;
}

std::string appPath(std::string_view appDir, std::string_view name)
{
    std::string joined(appDir);
    joined += '/';
    joined += nativePath(name);
    if (climbsAbove(name))
        raiseCannotOpen(joined);
    return joined;
}

std::string userStateFolder()
{
    // As the XDG base directories say: a relative value is ignored.
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state && state[0] == '/')
        return std::string(state) + "/veldor";
    const char* home = std::getenv("HOME");
    if (!home || !home[0])
        return {};
    return std::string(home) + "/.local/state/veldor";
}

std::string userDataFolder()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && data[0] == '/')
        return std::string(data) + "/veldor";
    const char* home = std::getenv("HOME");
    if (!home || !home[0])
        return {};
    return std::string(home) + "/.local/share/veldor";
}

bool fileExists(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string currentDirectory()
{
    std::vector<char> buffer(4096);
    for (;;) {
        if (::getcwd(buffer.data(), buffer.size()))
            return std::string(buffer.data());
        if (errno != ERANGE)
            raiseIoError(errno);
        buffer.resize(buffer.size() * 2);
    }
}

void setCurrentDirectory(const std::string& dir)
{
    if (::chdir(dir.c_str()) != 0)
        raiseIoError(errno);
}

} // namespace veldor
