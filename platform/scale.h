#pragma once
// Shrinking a picture for thumbnails with an area-averaging filter: every
// destination pixel is the mean of the source area it covers, partly
// covered source pixels counting by the fraction they cover.
#include "platform/picture.h"

namespace veldor {

// The picture scaled to fit a box x box square with its aspect kept; each
// side is rounded to the nearest pixel and at least 1. A picture that
// already fits is returned unchanged (never enlarged). box must be >= 1.
Picture shrinkToFit(const Picture& source, int box);

} // namespace veldor
