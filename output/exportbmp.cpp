#include "output/exportbmp.h"

#include "platform/bmp.h"
#include "platform/stretch.h"

namespace veldor {

void exportStandard(const Surface& picture, const std::string& path)
{
    saveBmpFile(picture, path);
}

void exportStretched(const Surface& picture, Surface& scratch, const std::string& path)
{
    // The file must be 640x480 whatever another step left in the scratch.
    if (scratch.width() != 640 || scratch.height() != 480)
        scratch = Surface(640, 480, kWhite);
    stretchCopy(scratch, 0, 0, 640, 480, picture, 0, 0, 630, 340);
    saveBmpFile(scratch, path);
}

} // namespace veldor
