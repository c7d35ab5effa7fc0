#pragma once
// The size of the picture every scene is composed into: what the renderer
// draws, the effects work on, export and print take, and pack pictures are
// made for.
namespace veldor {

inline constexpr int kPictureWidth = 630;
inline constexpr int kPictureHeight = 340;

} // namespace veldor
