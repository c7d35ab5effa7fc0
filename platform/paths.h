#pragma once
// File names inside the program are relative to the application folder and
// use "\" as separator; these helpers turn them into paths of this platform.
#include <string>
#include <string_view>

namespace veldor {

// "\" -> "/".
std::string nativePath(std::string_view name);
// appDir + "\" + name, as a path of this platform. appDir already is one
// (it comes from the current directory), so only the name is converted.
std::string appPath(std::string_view appDir, std::string_view name);

bool fileExists(const std::string& path);
std::string currentDirectory();
// `dir` is a path of this platform. Throws the input/output error when the
// directory cannot be made current.
void setCurrentDirectory(const std::string& dir);

} // namespace veldor
