#pragma once
// The five grounds, skies and objects that come with the program: the
// caption each picker shows and what choosing it stores in the scene. The
// images are bare names in the application folder.
#include <cstdint>

namespace veldor {

inline constexpr int kChoiceSlots = 5;

// Amounts added to the red, green and blue of ground and object pixels.
struct SkyLight {
    std::int32_t red = 0;
    std::int32_t green = 0;
    std::int32_t blue = 0;
    bool operator==(const SkyLight&) const = default;
};

struct BuiltinGround {
    const char* caption;
    const char* file;
};

struct BuiltinSky {
    const char* caption;
    const char* file;
    SkyLight light;
};

// The stored title may differ from the caption the picker shows.
struct BuiltinObject {
    const char* caption;
    const char* file;
    const char* title;
};

inline constexpr BuiltinGround kBuiltinGrounds[kChoiceSlots] = {
    {"Stoney Cliff", "ground0.bmp"},
    {"Small Mountain Range", "ground1.bmp"},
    {"Hill Forests", "ground2.bmp"},
    {"Deserted Island", "ground3.bmp"},
    {"City Scape", "ground4.bmp"},
};

// "No Landscape": an all-white ground, which the renderer leaves transparent.
inline constexpr const char* kNoLandscapeFile = "none.bmp";

inline constexpr BuiltinSky kBuiltinSkies[kChoiceSlots] = {
    {"Dull Grey Clouds", "sky0.bmp", {70, 58, 60}},
    {"Dark Clouds", "sky1.bmp", {-20, -47, -80}},
    {"Orange Sunset", "sky2.bmp", {-45, -65, -90}},
    {"Clear Blue", "sky3.bmp", {0, 0, 10}},
    {"Cloudy Day", "sky4.bmp", {0, 0, 0}},
};

inline constexpr BuiltinObject kBuiltinObjects[kChoiceSlots] = {
    {"Torus Rock", "object0.bmp", "Torus Rock"},
    {"Apple", "object1.bmp", "Apple"},
    // The caption's spelling has always been shown; scenes store the title.
    {"Hot Air Baloon", "object2.bmp", "Hot Air Balloon"},
    {"Golf Ball", "object3.bmp", "Golf Ball"},
    {"Yellow Flower", "object4.bmp", "Yellow Flower"},
};

} // namespace veldor
