#include "platform/paths.h"

#include "platform/error.h"

#include <cerrno>
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

std::string appPath(std::string_view appDir, std::string_view name)
{
    std::string joined(appDir);
    joined += '/';
    joined += nativePath(name);
    return joined;
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
