#pragma once
// Composes the picture from the scene: sky; objects behind the ground; the
// ground, bottom-aligned, white transparent, tinted; objects in front. Every
// picture file is read afresh at each call, once however many rows name it
// while what is kept fits a budget (again where needed beyond it), and
// nothing is kept from one call to the next.
#include "platform/surface.h"

#include <functional>

namespace veldor {

struct SceneState;

// The main window's drawing surfaces.
struct MainSurfaces {
    Surface mainImage;                       // the picture
    Surface tempimage;                       // a picture file as loaded
    Surface tempimage2{640, 480, kWhite};    // scratch
};

// What a rendering does with a picture file that cannot be read (missing,
// unreadable, refused): the window reports it; a preview of someone else's
// scene, whose pictures may only exist on their machine, leaves it out (a
// sky left out is white).
enum class UnreadablePictures { Fail, LeaveOut };

// The drawing part of a rendering: stores the default names into the scene,
// loads the sky into mainImage and draws the layers. Does not touch the
// current directory or any window. A picture that cannot be loaded throws
// veldor::Error; the layers drawn so far stay in the picture. `onProgress`,
// where given, is called between layers and objects, so that a window can
// tell the user that the work lasts.
void renderScene(SceneState& scene, MainSurfaces& surfaces,
                 UnreadablePictures unreadable = UnreadablePictures::Fail,
                 const std::function<void()>& onProgress = {});

// A colour tinted by the light: channel + tint, computed wide, then clamped
// to 0..255. Pure white sources are never drawn, so callers test for white
// on the source before tinting.
Color tinted(Color source, std::int32_t tintRed, std::int32_t tintGreen, std::int32_t tintBlue);

// Draws the picture `object` (as loaded) stretched into the rectangle
// (left, top, width x height) of `picture`, white transparent, tinted. Only
// the part that lands in the picture is computed.
void drawObject(Surface& picture, const Surface& object, std::int32_t left, std::int32_t top,
                std::int32_t width, std::int32_t height, std::int32_t tintRed,
                std::int32_t tintGreen, std::int32_t tintBlue);

} // namespace veldor
