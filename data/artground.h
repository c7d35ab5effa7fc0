#pragma once
// Land-drawing helpers shared by the built-in and the sample pack grounds.
#include "data/artdraw.h"

#include <functional>

namespace veldor::art {

// Every pixel from top[x] (rounded up) to the bottom takes f(x, y).
void fillBelow(Picture& s, const std::vector<double>& top, const std::function<Color(int, int)>& f);
// Trees standing on baseY, `height` pixels tall.
void drawConifer(Picture& s, double x, double baseY, double height, Color leaf);
void drawRoundTree(Picture& s, double x, double baseY, double height, Color leaf, std::uint64_t seed);

} // namespace veldor::art
