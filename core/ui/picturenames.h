#pragma once
// The names of the pictures and packs that come with the program, shown in
// the user's language. Scenes and packs keep them as written, in English,
// so that a file is the same whatever language made it.
#include <QString>

#include <string>

namespace veldor {

// `bytes` in the user's language when it is one of our own names (a
// picture's caption or title, a pack's name, maker or description, a library
// pack's "<category> <n>" or its list of captions), and otherwise as
// bytesToText reads it.
QString shownName(const std::string& bytes);

} // namespace veldor
