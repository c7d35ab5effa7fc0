#pragma once
// File names inside the program are relative to the application folder and
// use "\" as separator; these helpers turn them into paths of this platform.
#include <string>
#include <string_view>

namespace veldor {

// "\" -> "/".
std::string nativePath(std::string_view name);
// Whether the ".." steps of `name` climb above the folder it is relative
// to, "\" and "/" both separating. Decided on the name alone: the per-user
// folder is made of links into the installed one, so resolving links would
// refuse the program's own pictures.
bool climbsAbove(std::string_view name);
// appDir + "\" + name, as a path of this platform. appDir already is one
// (it comes from the current directory), so only the name is converted. A
// name that climbs above appDir raises "Cannot open file <path>": names come
// from scene and pack files, which anyone may send, and must not reach the
// user's other pictures.
std::string appPath(std::string_view appDir, std::string_view name);

bool fileExists(const std::string& path);
// The program's folder for what it keeps between runs that is not the
// user's documents: "veldor" in XDG_STATE_HOME when that is absolute,
// otherwise in $HOME/.local/state; empty when neither is set.
std::string userStateFolder();
// The folder the launcher keeps for the user, with links to everything
// installed and the user's own packs: "veldor" in XDG_DATA_HOME when that is
// absolute, otherwise in $HOME/.local/share; empty when neither is set.
std::string userDataFolder();
std::string currentDirectory();
// `dir` is a path of this platform. Throws the input/output error when the
// directory cannot be made current.
void setCurrentDirectory(const std::string& dir);

} // namespace veldor
