#pragma once
// The desktop's icons: the program's in the hicolor theme sizes, and one for
// each of its file types. Drawn pixel by pixel, so there is no scalable one.
#include "data/art.h"

namespace veldor::art {

inline constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// size x size, pure white where the icon is transparent.
Picture desktopAppIcon(int size);
Picture sceneFileIcon(int size); // a page with a picture on it
Picture packFileIcon(int size);  // a fan of three pictures

// Every icon as a PNG with transparency, in folders
// "ui/icons/hicolor/<n>x<n>/{apps,mimetypes}" as the theme lays them out.
std::vector<GeneratedFile> desktopIcons();

} // namespace veldor::art
