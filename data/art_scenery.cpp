// The library's skies and grounds: flat, banded pictures in one style, drawn
// from small designs. The main feature of a sky (sun, moon, planet) stays in
// its top rows and every ground stays below them, so any ground of the
// library leaves any sky's feature in view.
#include "data/artlibrary.h"

#include "data/artdraw.h"
#include "data/artground.h"

#include <cmath>

namespace veldor::art {

namespace {

constexpr int W = kPictureWidth;
constexpr int H = kPictureHeight;
constexpr double kPi = 3.14159265358979323846;
// Land never rises above this row; suns and moons sit above it.
constexpr int kLandTop = 160;

enum class Feature { None, Sun, Moon, Crescent, Planet, Rainbow, Aurora, Earth };
enum class Weather { Clear, Clouds, Rain, Snow, Storm, Fog };

struct SkyDesign {
    Color top, horizon;
    Feature feature;
    double fx, fy, fr; // centre and radius of the feature
    Color featureColor;
    int clouds;
    Color cloudColor;
    Weather weather;
    int stars;
};

enum class Land { Hills, Mountains, Sea, Beach, Dunes, Mesas, Cliffs, Fields, Town, Craters, Lake, Island, Ice };
enum class Detail { None, RoundTrees, Conifers, Flowers, Houses, LitWindows, Palms, Boats, Fence, Rocks, Cactus, BareTrees, Lighthouse };

struct GroundDesign {
    Land land;
    Color far, near, accent;
    Detail detail;
    Color detailColor;
};

struct PackDesign {
    SceneryPack text;
    SkyDesign skies[5];
    GroundDesign grounds[5];
};

constexpr Color C(int r, int g, int b) { return rgb(r, g, b); }

// Skies: top colour, horizon colour, feature (x, y, r, colour), clouds
// (count, colour), weather, stars. Lights: warm skies add red, night and
// storm skies take light away, so that the land matches its sky.
const std::vector<PackDesign>& designs()
{
    static const std::vector<PackDesign> packs = {
        {{"Seasons 1", "seasons1", "Spring and summer days", {{"Spring Morning", 10, 10, 0}, {"Summer Noon", 15, 15, 5}, {"Blossom Breeze", 10, 5, 10}, {"Warm Evening", 30, 5, -15}, {"Clear Blue", 0, 5, 15}},
          {"Spring Meadow", "Summer Fields", "Blossom Orchard", "Green Valley", "Poppy Hill"}},
         {{C(96, 160, 224), C(192, 224, 240), Feature::Sun, 470, 70, 34, C(255, 236, 128), 3, C(240, 244, 248), Weather::Clouds, 0},
          {C(32, 112, 208), C(160, 208, 240), Feature::Sun, 320, 52, 40, C(255, 240, 96), 1, C(240, 244, 248), Weather::Clear, 0},
          {C(160, 192, 232), C(240, 216, 232), Feature::Sun, 140, 80, 30, C(255, 232, 160), 5, C(248, 232, 240), Weather::Clouds, 0},
          {C(96, 96, 176), C(248, 176, 96), Feature::Sun, 520, 110, 38, C(255, 200, 96), 2, C(240, 160, 128), Weather::Clouds, 0},
          {C(48, 128, 224), C(176, 216, 248), Feature::Sun, 90, 60, 32, C(255, 244, 144), 0, C(255, 255, 255), Weather::Clear, 0}},
         {{Land::Hills, C(128, 192, 96), C(80, 160, 64), C(64, 128, 48), Detail::Flowers, C(240, 224, 64)},
          {Land::Fields, C(192, 200, 96), C(224, 192, 64), C(160, 176, 64), Detail::RoundTrees, C(64, 128, 48)},
          {Land::Hills, C(144, 184, 112), C(96, 160, 80), C(72, 136, 56), Detail::RoundTrees, C(240, 176, 208)},
          {Land::Mountains, C(112, 144, 176), C(80, 160, 80), C(56, 120, 56), Detail::Conifers, C(32, 96, 48)},
          {Land::Hills, C(120, 176, 88), C(96, 152, 64), C(72, 128, 48), Detail::Flowers, C(224, 48, 48)}}},
        {{"Seasons 2", "seasons2", "Autumn and winter days", {{"Autumn Afternoon", 20, 5, -10}, {"Misty Morning", 5, 5, 10}, {"Winter Sun", 0, 5, 20}, {"Snowfall", -10, -5, 15}, {"Frosty Evening", 5, -10, 20}},
          {"Autumn Woods", "Harvest Hills", "Bare Trees", "Snowy Fields", "Frozen Pond"}},
         {{C(112, 160, 208), C(240, 208, 160), Feature::Sun, 480, 76, 32, C(255, 216, 112), 2, C(240, 224, 208), Weather::Clouds, 0},
          {C(176, 192, 208), C(232, 228, 220), Feature::Sun, 200, 72, 28, C(248, 240, 208), 0, C(255, 255, 255), Weather::Fog, 0},
          {C(128, 176, 224), C(224, 236, 244), Feature::Sun, 420, 90, 26, C(255, 248, 208), 1, C(240, 244, 248), Weather::Clouds, 0},
          {C(144, 152, 176), C(208, 212, 224), Feature::None, 0, 0, 0, 0, 4, C(224, 228, 236), Weather::Snow, 0},
          {C(64, 72, 144), C(224, 160, 176), Feature::Moon, 520, 60, 22, C(240, 240, 224), 0, C(255, 255, 255), Weather::Clear, 20}},
         {{Land::Hills, C(176, 112, 64), C(200, 128, 48), C(144, 80, 32), Detail::RoundTrees, C(224, 112, 32)},
          {Land::Fields, C(208, 176, 96), C(192, 144, 64), C(160, 112, 48), Detail::Fence, C(112, 72, 40)},
          {Land::Hills, C(144, 128, 104), C(120, 104, 80), C(96, 80, 64), Detail::BareTrees, C(72, 56, 48)},
          {Land::Hills, C(224, 232, 240), C(208, 220, 236), C(176, 192, 216), Detail::Conifers, C(48, 88, 72)},
          {Land::Lake, C(216, 228, 240), C(176, 208, 232), C(200, 216, 236), Detail::BareTrees, C(80, 64, 56)}}},
        {{"Weather 1", "weather1", "Rain, storms, wind and fog", {{"Rain Clouds", -20, -15, 0}, {"Thunderstorm", -40, -35, -10}, {"Rainbow", 10, 10, 5}, {"Windy Day", 0, 5, 10}, {"Foggy Day", 10, 10, 10}},
          {"Wet Meadow", "Stormy Sea", "Green Hills", "Windy Heath", "Foggy Hills"}},
         {{C(112, 120, 136), C(176, 180, 188), Feature::None, 0, 0, 0, 0, 6, C(144, 148, 160), Weather::Rain, 0},
          {C(48, 48, 72), C(120, 112, 128), Feature::None, 0, 0, 0, 0, 5, C(88, 88, 104), Weather::Storm, 0},
          {C(96, 152, 208), C(200, 224, 240), Feature::Rainbow, 315, 300, 260, 0, 2, C(232, 236, 244), Weather::Clouds, 0},
          {C(80, 144, 216), C(192, 220, 240), Feature::Sun, 80, 64, 26, C(255, 240, 160), 6, C(240, 244, 248), Weather::Clouds, 0},
          {C(184, 192, 200), C(228, 228, 228), Feature::Sun, 440, 80, 24, C(244, 240, 224), 0, C(255, 255, 255), Weather::Fog, 0}},
         {{Land::Hills, C(96, 144, 96), C(64, 120, 72), C(48, 96, 56), Detail::Flowers, C(144, 112, 192)},
          {Land::Sea, C(64, 88, 112), C(48, 72, 96), C(176, 192, 208), Detail::Rocks, C(72, 72, 80)},
          {Land::Hills, C(112, 176, 96), C(80, 152, 72), C(56, 120, 56), Detail::Houses, C(208, 96, 64)},
          {Land::Hills, C(144, 120, 128), C(120, 104, 96), C(96, 80, 72), Detail::Rocks, C(104, 96, 96)},
          {Land::Mountains, C(176, 184, 192), C(144, 160, 160), C(120, 136, 136), Detail::Conifers, C(96, 120, 112)}}},
        {{"Night 1", "night1", "Moon, stars and the dark", {{"Starry Night", -40, -40, 0}, {"Full Moon", -30, -30, 10}, {"Crescent Moon", -40, -35, 5}, {"Twilight", -15, -25, 10}, {"Northern Lights", -35, -10, 0}},
          {"Dark Hills", "Night Town", "Moonlit Lake", "Pine Forest", "Quiet Village"}},
         {{C(8, 16, 48), C(32, 48, 96), Feature::None, 0, 0, 0, 0, 0, C(255, 255, 255), Weather::Clear, 120},
          {C(16, 24, 64), C(56, 72, 120), Feature::Moon, 460, 70, 36, C(248, 244, 216), 2, C(64, 80, 120), Weather::Clouds, 60},
          {C(8, 16, 56), C(48, 56, 112), Feature::Crescent, 140, 64, 30, C(248, 240, 176), 0, C(255, 255, 255), Weather::Clear, 90},
          {C(40, 48, 112), C(224, 128, 96), Feature::Crescent, 500, 50, 20, C(248, 240, 208), 1, C(160, 96, 128), Weather::Clouds, 25},
          {C(8, 24, 48), C(24, 64, 80), Feature::Aurora, 0, 0, 0, C(96, 240, 160), 0, C(255, 255, 255), Weather::Clear, 80}},
         {{Land::Hills, C(40, 56, 72), C(24, 40, 48), C(16, 32, 40), Detail::None, 0},
          {Land::Town, C(48, 48, 72), C(32, 32, 48), C(40, 40, 56), Detail::LitWindows, C(248, 216, 96)},
          {Land::Lake, C(32, 48, 64), C(40, 64, 104), C(200, 200, 160), Detail::Conifers, C(16, 40, 32)},
          {Land::Mountains, C(40, 56, 80), C(24, 48, 48), C(16, 40, 40), Detail::Conifers, C(16, 48, 32)},
          {Land::Hills, C(48, 64, 72), C(32, 48, 56), C(24, 40, 48), Detail::Houses, C(96, 72, 64)}}},
        {{"Night 2", "night2", "Late evenings and deep nights", {{"Purple Dusk", -10, -30, 15}, {"Moonrise", -25, -25, 5}, {"Midnight Blue", -45, -40, 0}, {"Shooting Stars", -40, -35, 5}, {"Lantern Night", -20, -30, -10}},
          {"Castle Hill", "Sleepy Farm", "Night Harbour", "Silent Snow", "City Lights"}},
         {{C(64, 32, 112), C(208, 112, 160), Feature::Moon, 100, 70, 24, C(248, 232, 240), 2, C(144, 80, 144), Weather::Clouds, 30},
          {C(24, 32, 80), C(160, 104, 96), Feature::Moon, 320, 110, 40, C(248, 208, 144), 0, C(255, 255, 255), Weather::Clear, 50},
          {C(0, 8, 40), C(16, 40, 96), Feature::Crescent, 540, 60, 24, C(240, 240, 208), 0, C(255, 255, 255), Weather::Clear, 150},
          {C(8, 8, 32), C(32, 32, 80), Feature::None, 0, 0, 0, 0, 0, C(255, 255, 255), Weather::Clear, 140},
          {C(48, 24, 48), C(120, 64, 56), Feature::Moon, 480, 64, 26, C(248, 224, 176), 1, C(96, 48, 64), Weather::Clouds, 40}},
         {{Land::Hills, C(48, 48, 80), C(32, 40, 56), C(24, 32, 48), Detail::Houses, C(72, 72, 96)},
          {Land::Fields, C(40, 56, 48), C(32, 48, 40), C(24, 40, 32), Detail::LitWindows, C(240, 200, 96)},
          {Land::Sea, C(24, 40, 64), C(16, 32, 56), C(64, 96, 128), Detail::Boats, C(96, 64, 48)},
          {Land::Hills, C(160, 176, 208), C(128, 144, 184), C(104, 120, 160), Detail::Conifers, C(24, 48, 48)},
          {Land::Town, C(32, 32, 56), C(24, 24, 40), C(32, 32, 48), Detail::LitWindows, C(255, 224, 128)}}},
        {{"Seaside 1", "seaside1", "Sun, sand and sea", {{"Beach Day", 15, 10, 0}, {"Tropical Sun", 25, 15, -10}, {"Sea Breeze", 0, 10, 15}, {"Sunset Over The Sea", 35, 0, -20}, {"Cloudy Coast", -5, 0, 10}},
          {"Sandy Beach", "Calm Sea", "Rocky Shore", "Harbour", "Palm Island"}},
         {{C(32, 144, 224), C(176, 224, 248), Feature::Sun, 500, 60, 34, C(255, 240, 112), 2, C(248, 248, 248), Weather::Clouds, 0},
          {C(0, 160, 224), C(160, 232, 240), Feature::Sun, 120, 56, 40, C(255, 224, 64), 0, C(255, 255, 255), Weather::Clear, 0},
          {C(96, 168, 224), C(208, 232, 244), Feature::Sun, 300, 80, 26, C(255, 248, 176), 4, C(244, 248, 252), Weather::Clouds, 0},
          {C(112, 64, 144), C(255, 160, 80), Feature::Sun, 315, 120, 44, C(255, 208, 96), 3, C(224, 112, 112), Weather::Clouds, 0},
          {C(128, 152, 176), C(208, 216, 224), Feature::Sun, 540, 90, 24, C(248, 240, 208), 7, C(216, 220, 228), Weather::Clouds, 0}},
         {{Land::Beach, C(48, 144, 192), C(232, 208, 144), C(32, 112, 176), Detail::None, 0},
          {Land::Sea, C(32, 128, 192), C(16, 96, 160), C(144, 208, 232), Detail::Boats, C(208, 64, 48)},
          {Land::Beach, C(48, 128, 176), C(136, 128, 120), C(32, 104, 160), Detail::Rocks, C(104, 96, 88)},
          {Land::Sea, C(40, 120, 176), C(24, 96, 152), C(160, 208, 232), Detail::Houses, C(224, 96, 64)},
          {Land::Island, C(32, 144, 192), C(232, 208, 144), C(24, 120, 176), Detail::Palms, C(48, 144, 64)}}},
        {{"Seaside 2", "seaside2", "Cliffs, waves and lighthouses", {{"Bright Morning", 10, 10, 5}, {"Gulls And Clouds", 0, 5, 10}, {"Golden Hour", 30, 15, -15}, {"Grey Sea Day", -10, -5, 5}, {"Pink Sunrise", 25, 0, 10}},
          {"White Cliffs", "Big Waves", "Lighthouse Point", "Shell Beach", "Lagoon"}},
         {{C(64, 160, 232), C(200, 232, 248), Feature::Sun, 80, 70, 30, C(255, 244, 144), 1, C(248, 248, 248), Weather::Clouds, 0},
          {C(96, 160, 216), C(216, 232, 244), Feature::Sun, 560, 64, 24, C(255, 244, 176), 6, C(244, 248, 252), Weather::Clouds, 0},
          {C(144, 112, 96), C(255, 200, 112), Feature::Sun, 440, 110, 40, C(255, 216, 96), 2, C(240, 176, 112), Weather::Clouds, 0},
          {C(128, 136, 144), C(192, 196, 200), Feature::None, 0, 0, 0, 0, 6, C(168, 172, 180), Weather::Clouds, 0},
          {C(144, 128, 192), C(255, 192, 192), Feature::Sun, 200, 120, 36, C(255, 216, 176), 3, C(248, 200, 216), Weather::Clouds, 0}},
         {{Land::Cliffs, C(48, 128, 184), C(232, 232, 216), C(96, 160, 80), Detail::None, 0},
          {Land::Sea, C(24, 104, 168), C(16, 80, 144), C(208, 232, 240), Detail::None, 0},
          {Land::Sea, C(32, 120, 176), C(104, 96, 88), C(192, 224, 240), Detail::Lighthouse, C(208, 48, 48)},
          {Land::Beach, C(56, 152, 200), C(240, 216, 176), C(40, 128, 184), Detail::Flowers, C(240, 160, 176)},
          {Land::Lake, C(64, 160, 96), C(48, 176, 184), C(200, 236, 240), Detail::Palms, C(40, 136, 64)}}},
        {{"Desert 1", "desert1", "Dunes, canyons and cactus", {{"Desert Sun", 30, 15, -20}, {"Hot Noon", 35, 25, -10}, {"Dusty Sky", 20, 10, -10}, {"Desert Sunset", 40, 5, -25}, {"Desert Night", -35, -35, 0}},
          {"Sand Dunes", "Red Canyon", "Cactus Plain", "Oasis", "Stone Towers"}},
         {{C(64, 144, 224), C(240, 224, 176), Feature::Sun, 480, 60, 36, C(255, 236, 96), 0, C(255, 255, 255), Weather::Clear, 0},
          {C(112, 176, 232), C(248, 240, 208), Feature::Sun, 300, 40, 44, C(255, 248, 128), 0, C(255, 255, 255), Weather::Clear, 0},
          {C(176, 160, 128), C(232, 208, 160), Feature::Sun, 120, 80, 30, C(255, 224, 160), 3, C(224, 200, 160), Weather::Clouds, 0},
          {C(144, 64, 96), C(255, 176, 64), Feature::Sun, 200, 120, 42, C(255, 192, 64), 2, C(208, 96, 80), Weather::Clouds, 0},
          {C(16, 16, 48), C(64, 48, 96), Feature::Moon, 480, 60, 28, C(248, 240, 200), 0, C(255, 255, 255), Weather::Clear, 130}},
         {{Land::Dunes, C(232, 192, 120), C(216, 168, 96), C(192, 144, 80), Detail::None, 0},
          {Land::Mesas, C(200, 96, 56), C(176, 80, 48), C(224, 144, 96), Detail::Cactus, C(64, 128, 64)},
          {Land::Fields, C(224, 192, 136), C(208, 176, 112), C(192, 160, 96), Detail::Cactus, C(56, 136, 64)},
          {Land::Lake, C(224, 192, 128), C(48, 144, 176), C(200, 232, 240), Detail::Palms, C(48, 128, 56)},
          {Land::Mesas, C(208, 144, 96), C(192, 120, 80), C(232, 176, 128), Detail::Rocks, C(160, 96, 64)}}},
        {{"Snow 1", "snow1", "Ice, snow and high mountains", {{"Crisp Blue", 0, 10, 25}, {"Snow Clouds", -5, 0, 15}, {"Polar Night", -40, -25, 10}, {"Alpine Sunrise", 25, 10, 15}, {"Blizzard", -5, 0, 10}},
          {"Snowy Peaks", "Ice Floes", "Ski Slope", "Frozen Lake", "Igloo Camp"}},
         {{C(48, 128, 224), C(208, 232, 248), Feature::Sun, 520, 60, 30, C(255, 248, 176), 0, C(255, 255, 255), Weather::Clear, 0},
          {C(152, 160, 184), C(216, 220, 232), Feature::None, 0, 0, 0, 0, 6, C(224, 228, 236), Weather::Snow, 0},
          {C(8, 16, 48), C(32, 80, 96), Feature::Aurora, 0, 0, 0, C(160, 96, 240), 0, C(255, 255, 255), Weather::Clear, 90},
          {C(96, 112, 192), C(255, 200, 176), Feature::Sun, 100, 110, 34, C(255, 216, 160), 2, C(240, 192, 200), Weather::Clouds, 0},
          {C(176, 184, 200), C(224, 228, 236), Feature::None, 0, 0, 0, 0, 3, C(208, 212, 224), Weather::Snow, 0}},
         {{Land::Mountains, C(144, 168, 208), C(208, 224, 240), C(240, 244, 248), Detail::Conifers, C(32, 80, 72)},
          {Land::Ice, C(32, 80, 144), C(232, 240, 248), C(200, 224, 240), Detail::None, 0},
          {Land::Hills, C(232, 236, 244), C(216, 228, 240), C(192, 208, 232), Detail::Fence, C(208, 64, 48)},
          {Land::Lake, C(224, 232, 244), C(176, 208, 232), C(216, 232, 244), Detail::Conifers, C(32, 80, 64)},
          {Land::Fields, C(224, 232, 244), C(208, 220, 240), C(184, 200, 224), Detail::Houses, C(232, 240, 248)}}},
        {{"Town 1", "town1", "Streets, parks and rooftops", {{"Town Morning", 10, 10, 5}, {"Busy Afternoon", 10, 5, 0}, {"Rainy Town", -20, -15, 0}, {"Town Sunset", 30, 5, -10}, {"Smoky Sky", -10, -10, -15}},
          {"Rooftops", "Park", "High Street", "Skyscrapers", "Old Town"}},
         {{C(80, 160, 224), C(200, 228, 244), Feature::Sun, 140, 60, 30, C(255, 240, 144), 3, C(244, 248, 252), Weather::Clouds, 0},
          {C(64, 144, 216), C(184, 216, 240), Feature::Sun, 520, 70, 32, C(255, 236, 128), 2, C(240, 244, 248), Weather::Clouds, 0},
          {C(112, 120, 136), C(176, 180, 192), Feature::None, 0, 0, 0, 0, 6, C(144, 148, 160), Weather::Rain, 0},
          {C(128, 80, 144), C(255, 176, 96), Feature::Sun, 460, 110, 38, C(255, 200, 96), 2, C(224, 128, 128), Weather::Clouds, 0},
          {C(160, 152, 128), C(208, 200, 176), Feature::Sun, 300, 80, 24, C(240, 208, 160), 5, C(176, 168, 152), Weather::Clouds, 0}},
         {{Land::Town, C(176, 96, 80), C(144, 80, 64), C(120, 120, 128), Detail::LitWindows, C(224, 232, 240)},
          {Land::Hills, C(112, 176, 96), C(96, 160, 80), C(144, 144, 152), Detail::RoundTrees, C(56, 128, 56)},
          {Land::Town, C(208, 176, 144), C(192, 152, 120), C(112, 112, 120), Detail::LitWindows, C(176, 216, 240)},
          {Land::Town, C(120, 136, 160), C(96, 112, 136), C(88, 88, 96), Detail::LitWindows, C(192, 224, 248)},
          {Land::Town, C(200, 160, 112), C(176, 128, 96), C(128, 112, 96), Detail::LitWindows, C(96, 64, 48)}}},
        {{"Countryside 1", "country1", "Farms, fields and villages", {{"Farm Morning", 10, 10, 0}, {"Haymaking Day", 20, 15, -5}, {"Harvest Moon", -25, -25, 0}, {"Country Clouds", 0, 5, 10}, {"Orchard Evening", 25, 5, -10}},
          {"Red Barn Farm", "Patchwork Fields", "Village Green", "Orchard", "Windy Farm"}},
         {{C(96, 168, 232), C(216, 236, 248), Feature::Sun, 80, 64, 30, C(255, 240, 144), 2, C(244, 248, 252), Weather::Clouds, 0},
          {C(80, 152, 224), C(232, 232, 200), Feature::Sun, 320, 50, 36, C(255, 232, 112), 0, C(255, 255, 255), Weather::Clear, 0},
          {C(16, 24, 64), C(80, 64, 96), Feature::Moon, 520, 60, 40, C(255, 200, 96), 0, C(255, 255, 255), Weather::Clear, 60},
          {C(96, 152, 208), C(208, 224, 240), Feature::Sun, 560, 80, 24, C(255, 244, 176), 7, C(244, 248, 252), Weather::Clouds, 0},
          {C(120, 112, 176), C(248, 184, 128), Feature::Sun, 100, 110, 36, C(255, 208, 112), 2, C(232, 160, 144), Weather::Clouds, 0}},
         {{Land::Fields, C(128, 176, 88), C(104, 160, 72), C(176, 48, 40), Detail::Houses, C(192, 48, 40)},
          {Land::Fields, C(160, 192, 96), C(208, 184, 96), C(96, 160, 72), Detail::Fence, C(120, 80, 48)},
          {Land::Hills, C(120, 184, 96), C(96, 168, 80), C(72, 144, 64), Detail::Houses, C(232, 224, 200)},
          {Land::Hills, C(128, 176, 96), C(104, 160, 80), C(80, 136, 64), Detail::RoundTrees, C(208, 48, 48)},
          {Land::Fields, C(144, 184, 104), C(176, 200, 96), C(112, 160, 72), Detail::Fence, C(232, 232, 224)}}},
        {{"Space 1", "space1", "Planets, moons and stars", {{"Deep Space", -50, -50, -10}, {"Earthrise", -30, -30, 0}, {"Ringed Planet", -35, -40, -5}, {"Two Moons", -30, -30, 10}, {"Nebula", -20, -45, 10}},
          {"Moon Craters", "Red Planet", "Ice World", "Alien Jungle", "Space Base"}},
         {{C(0, 0, 16), C(8, 8, 40), Feature::None, 0, 0, 0, 0, 0, C(255, 255, 255), Weather::Clear, 200},
          {C(0, 0, 16), C(16, 16, 48), Feature::Earth, 470, 72, 40, C(48, 112, 208), 0, C(255, 255, 255), Weather::Clear, 160},
          {C(8, 0, 32), C(40, 16, 72), Feature::Planet, 160, 70, 34, C(232, 176, 96), 0, C(255, 255, 255), Weather::Clear, 150},
          {C(16, 8, 48), C(56, 32, 96), Feature::Moon, 120, 50, 24, C(224, 224, 240), 0, C(255, 255, 255), Weather::Clear, 140},
          {C(32, 0, 64), C(144, 48, 128), Feature::Aurora, 0, 0, 0, C(240, 96, 200), 0, C(255, 255, 255), Weather::Clear, 120}},
         {{Land::Craters, C(160, 160, 168), C(136, 136, 144), C(104, 104, 112), Detail::Rocks, C(120, 120, 128)},
          {Land::Craters, C(192, 96, 64), C(168, 80, 48), C(136, 64, 40), Detail::Rocks, C(144, 72, 48)},
          {Land::Ice, C(64, 96, 160), C(192, 216, 240), C(160, 192, 232), Detail::Rocks, C(144, 176, 216)},
          {Land::Hills, C(96, 48, 144), C(64, 160, 128), C(48, 128, 112), Detail::Flowers, C(240, 96, 224)},
          {Land::Craters, C(176, 168, 160), C(152, 144, 136), C(120, 112, 104), Detail::LitWindows, C(96, 224, 240)}}},
    };
    return packs;
}

// --- Skies -------------------------------------------------------------------

// A vertical gradient in flat bands, as a poster would print it.
void bandedSky(Picture& s, Color top, Color horizon)
{
    constexpr int bands = 14;
    constexpr int horizonRow = 280;
    for (int y = 0; y < H; ++y) {
        const double t = std::min(1.0, double(y) / horizonRow);
        const int band = std::min(bands - 1, int(t * bands));
        fillRect(s, 0, y, W, y + 1, mix(top, horizon, double(band) / (bands - 1)));
    }
}

void cloud(Picture& s, Rng& rng, double x, double y, double size, Color c)
{
    const Color shade = scale(c, 0.88);
    const int puffs = rng.range(3, 5);
    for (int i = 0; i < puffs; ++i) {
        const double px = x + (i - (puffs - 1) / 2.0) * size * 0.55;
        const double r = size * rng.between(0.35, 0.55);
        fillEllipse(s, px, y - r * 0.3, r, r * 0.8, c);
    }
    fillRect(s, int(x - size * puffs * 0.3), int(y), int(x + size * puffs * 0.3), int(y + size * 0.3), shade);
    fillEllipse(s, x, y + size * 0.05, size * puffs * 0.3, size * 0.28, c);
}

Picture drawSky(const SkyDesign& d, std::uint64_t seed)
{
    Picture s(W, H);
    Rng rng(seed);
    bandedSky(s, d.top, d.horizon);
    for (int i = 0; i < d.stars; ++i) {
        const int x = rng.range(0, W - 2), y = rng.range(0, 250);
        const Color c = rng.range(0, 4) == 0 ? C(255, 240, 192) : C(240, 240, 255);
        if (rng.range(0, 5) == 0)
            fillRect(s, x, y, x + 2, y + 2, c);
        else
            s.setPixel(x, y, c);
    }
    switch (d.feature) {
    case Feature::None:
        break;
    case Feature::Sun:
        fillEllipse(s, d.fx, d.fy, d.fr * 1.35, d.fr * 1.35, mix(d.featureColor, gradientAt({{0, d.top}, {1, d.horizon}}, d.fy / 280), 0.6));
        fillEllipse(s, d.fx, d.fy, d.fr, d.fr, d.featureColor);
        break;
    case Feature::Moon:
    case Feature::Earth:
        fillEllipse(s, d.fx, d.fy, d.fr * 1.25, d.fr * 1.25, mix(d.featureColor, d.top, 0.75));
        fillEllipse(s, d.fx, d.fy, d.fr, d.fr, d.featureColor);
        if (d.feature == Feature::Moon) {
            const Color crater = scale(d.featureColor, 0.86);
            fillEllipse(s, d.fx - d.fr * 0.3, d.fy - d.fr * 0.2, d.fr * 0.22, d.fr * 0.2, crater);
            fillEllipse(s, d.fx + d.fr * 0.35, d.fy + d.fr * 0.3, d.fr * 0.16, d.fr * 0.15, crater);
            fillEllipse(s, d.fx + d.fr * 0.1, d.fy - d.fr * 0.5, d.fr * 0.1, d.fr * 0.1, crater);
        } else {
            const Color land = C(72, 160, 80);
            fillEllipse(s, d.fx - d.fr * 0.3, d.fy - d.fr * 0.2, d.fr * 0.35, d.fr * 0.45, land);
            fillEllipse(s, d.fx + d.fr * 0.35, d.fy + d.fr * 0.25, d.fr * 0.3, d.fr * 0.3, land);
            fillEllipse(s, d.fx + d.fr * 0.2, d.fy - d.fr * 0.55, d.fr * 0.4, d.fr * 0.14, C(240, 244, 248));
        }
        break;
    case Feature::Crescent: {
        fillEllipse(s, d.fx, d.fy, d.fr, d.fr, d.featureColor);
        const Color behind = gradientAt({{0, d.top}, {1, d.horizon}}, d.fy / 280);
        fillEllipse(s, d.fx + d.fr * 0.45, d.fy - d.fr * 0.2, d.fr * 0.9, d.fr * 0.9, behind);
        break;
    }
    case Feature::Planet:
        fillEllipse(s, d.fx, d.fy, d.fr, d.fr, d.featureColor);
        for (int band = -1; band <= 1; ++band)
            fillRect(s, int(d.fx - d.fr * 0.9), int(d.fy + band * d.fr * 0.4 - 3), int(d.fx + d.fr * 0.9),
                     int(d.fy + band * d.fr * 0.4 + 3), scale(d.featureColor, 0.85));
        for (int i = 0; i < 3; ++i) {
            const double r = d.fr * (1.5 + i * 0.15);
            for (int a = 0; a < 720; ++a) {
                const double t = a * kPi / 360;
                const double x = d.fx + r * std::cos(t), y = d.fy + r * 0.28 * std::sin(t);
                if (std::sin(t) < 0 && std::hypot(x - d.fx, y - d.fy) < d.fr)
                    continue; // behind the planet
                fillRect(s, int(x), int(y), int(x) + 2, int(y) + 2, C(224, 200, 160));
            }
        }
        break;
    case Feature::Rainbow: {
        const Color bow[] = {C(224, 64, 64), C(240, 144, 48), C(240, 224, 64), C(80, 176, 80), C(64, 128, 224), C(128, 80, 192)};
        for (int i = 0; i < 6; ++i)
            for (int y = 0; y < H; ++y)
                for (int x = 0; x < W; ++x) {
                    const double r = std::hypot(x - d.fx, (y - d.fy) * 1.0);
                    if (r <= d.fr - i * 10 && r > d.fr - (i + 1) * 10)
                        s.setPixel(x, y, bow[i]);
                }
        break;
    }
    case Feature::Aurora:
        for (int band = 0; band < 3; ++band) {
            const double phase = rng.between(0, 6.28);
            const Color c = mix(d.featureColor, d.top, 0.25 + band * 0.2);
            for (int x = 0; x < W; ++x) {
                const double y = 60 + band * 24 + 18 * std::sin(x / 70.0 + phase);
                fillRect(s, x, int(y), x + 1, int(y + 16 + 10 * std::sin(x / 31.0 + phase)), c);
            }
        }
        break;
    }
    for (int i = 0; i < d.clouds; ++i) {
        const double x = 40 + (W - 80) * (i + rng.between(0.1, 0.9)) / std::max(1, d.clouds);
        double y = rng.between(40, 150);
        // Clouds pass beside the sun or moon, never over it.
        if (d.feature != Feature::None && std::abs(x - d.fx) < d.fr * 2.2)
            y = d.fy + d.fr * 1.8 + 20;
        cloud(s, rng, x, std::min(y, 200.0), rng.between(26, 40), d.cloudColor);
    }
    if (d.weather == Weather::Rain || d.weather == Weather::Storm) {
        const Color rain = mix(d.cloudColor, C(200, 210, 230), 0.5);
        for (int i = 0; i < 260; ++i) {
            const double x = rng.between(0, W), y = rng.between(120, H);
            drawLine(s, x, y, x - 4, y + 12, 1, rain);
        }
    }
    if (d.weather == Weather::Storm) {
        std::vector<Pt> bolt = {{380, 110}, {356, 170}, {372, 170}, {344, 240}, {392, 156}, {374, 156}, {398, 110}};
        fillPolygon(s, bolt, C(255, 240, 128));
    }
    if (d.weather == Weather::Snow)
        for (int i = 0; i < 320; ++i) {
            const double x = rng.between(0, W), y = rng.between(0, H);
            fillEllipse(s, x, y, 2.2, 2.2, C(248, 248, 252));
        }
    if (d.weather == Weather::Fog)
        for (int i = 0; i < 4; ++i)
            fillRect(s, 0, 200 + i * 34, W, 200 + i * 34 + 14, mix(d.horizon, C(240, 240, 240), 0.5));
    return s;
}

// --- Grounds -----------------------------------------------------------------

std::vector<double> hillLine(Rng& rng, double base, double amp, double period)
{
    std::vector<double> top = ridgeColumns(rng, W, base, base, amp * 0.4, 0.5);
    const double phase = rng.between(0, 6.28);
    for (int x = 0; x < W; ++x)
        top[std::size_t(x)] = std::max<double>(kLandTop, top[std::size_t(x)] - amp * std::sin(x / period + phase));
    return top;
}

void flat(Picture& s, const std::vector<double>& top, Color c)
{
    fillBelow(s, top, [c](int, int) { return c; });
}

std::vector<double> level(double y) { return std::vector<double>(W, y); }

void drawHouse(Picture& s, double x, double base, double size, Color wall, Color roof)
{
    fillRect(s, int(x - size / 2), int(base - size * 0.7), int(x + size / 2), int(base), wall);
    fillPolygon(s, {{x - size * 0.62, base - size * 0.68}, {x + size * 0.62, base - size * 0.68}, {x, base - size * 1.15}}, roof);
    fillRect(s, int(x - size * 0.1), int(base - size * 0.35), int(x + size * 0.1), int(base), scale(roof, 0.7));
}

void drawPalmTree(Picture& s, double x, double base, double height, Color leaf)
{
    drawLine(s, x, base, x + height * 0.15, base - height, height * 0.08, C(136, 96, 56));
    const double cx = x + height * 0.15, cy = base - height;
    for (int i = 0; i < 6; ++i) {
        const double a = kPi * (0.1 + i * 0.16);
        drawCurve(s, {cx, cy}, {cx + std::cos(a) * height * 0.35, cy - height * 0.25},
                  {cx + std::cos(a) * height * 0.55, cy + height * 0.12}, height * 0.07, leaf);
    }
}

void drawBoat(Picture& s, double x, double y, double size, Color hull)
{
    fillPolygon(s, {{x - size, y}, {x + size, y}, {x + size * 0.7, y + size * 0.35}, {x - size * 0.7, y + size * 0.35}}, hull);
    drawLine(s, x, y, x, y - size * 1.2, 2, C(96, 72, 48));
    fillPolygon(s, {{x + 2, y - size * 1.1}, {x + 2, y - size * 0.15}, {x + size * 0.8, y - size * 0.15}}, C(240, 236, 224));
}

Picture drawGround(const GroundDesign& d, std::uint64_t seed)
{
    Picture s(W, H);
    Rng rng(seed);
    std::vector<double> nearTop; // where details stand
    switch (d.land) {
    case Land::Hills:
    case Land::Fields: {
        flat(s, hillLine(rng, 205, 16, 90), d.far);
        nearTop = hillLine(rng, 245, 14, 120);
        flat(s, nearTop, d.near);
        if (d.land == Land::Fields)
            for (int i = 0; i < 8; ++i) { // furrows
                const double y0 = 270 + i * 9;
                fillRect(s, 0, int(y0), W, int(y0 + 3), d.accent);
            }
        else
            flat(s, hillLine(rng, 305, 10, 70), d.accent);
        break;
    }
    case Land::Mountains: {
        std::vector<double> peaks = ridgeColumns(rng, W, 200, 190, 70, 0.55);
        for (double& v : peaks)
            v = std::max<double>(kLandTop, v);
        flat(s, peaks, d.far);
        // Snow caps on what rises above the snow line.
        fillBelow(s, peaks, [&](int x, int y) { return y < peaks[std::size_t(x)] + 14 && peaks[std::size_t(x)] < 190 ? C(236, 240, 244) : d.far; });
        nearTop = hillLine(rng, 262, 12, 100);
        flat(s, nearTop, d.near);
        flat(s, hillLine(rng, 310, 8, 60), d.accent);
        break;
    }
    case Land::Sea:
    case Land::Ice: {
        flat(s, level(230), d.far);
        fillRect(s, 0, 230, W, 236, scale(d.far, 1.15));
        for (int i = 0; i < 40; ++i) { // wave crests
            const int x = rng.range(0, W - 40), y = rng.range(240, 330);
            fillRect(s, x, y, x + rng.range(16, 40), y + 2, d.accent);
        }
        nearTop = level(330);
        if (d.land == Land::Ice)
            for (int i = 0; i < 7; ++i) {
                const double x = 40 + i * 90 + rng.between(-20, 20), y = rng.between(250, 310);
                fillPolygon(s, {{x - 40, y}, {x + 44, y}, {x + 30, y + 16}, {x - 30, y + 16}}, d.near);
                fillRect(s, int(x - 30), int(y + 12), int(x + 30), int(y + 16), d.accent);
            }
        else
            flat(s, level(318), d.near);
        break;
    }
    case Land::Beach:
    case Land::Island: {
        flat(s, level(226), d.far);
        for (int i = 0; i < 24; ++i) {
            const int x = rng.range(0, W - 30), y = rng.range(232, 270);
            fillRect(s, x, y, x + rng.range(12, 30), y + 2, scale(d.far, 1.3));
        }
        if (d.land == Land::Island) {
            nearTop = std::vector<double>(W, H + 1.0);
            for (int x = 0; x < W; ++x) {
                const double dx = (x - 330) / 180.0;
                if (std::abs(dx) < 1)
                    nearTop[std::size_t(x)] = 270 - 34 * std::sqrt(1 - dx * dx);
            }
            flat(s, nearTop, d.near);
            flat(s, level(320), d.accent);
        } else {
            nearTop = hillLine(rng, 290, 10, 110);
            flat(s, nearTop, d.near);
            fillBelow(s, nearTop, [&](int x, int y) { return y < nearTop[std::size_t(x)] + 4 ? C(232, 236, 236) : d.near; });
        }
        break;
    }
    case Land::Dunes: {
        for (int layer = 0; layer < 3; ++layer) {
            std::vector<double> top = hillLine(rng, 215 + layer * 40, 18 - layer * 3, 60 + layer * 30);
            const Color c = layer == 0 ? d.far : layer == 1 ? d.near : d.accent;
            // Light on the left of each crest, shade on the right.
            fillBelow(s, top, [&](int x, int) {
                const int a = std::max(0, x - 2), b = std::min(W - 1, x + 2);
                return top[std::size_t(a)] > top[std::size_t(b)] ? c : scale(c, 0.88);
            });
            nearTop = top;
        }
        break;
    }
    case Land::Mesas:
    case Land::Cliffs: {
        std::vector<double> top(W, 250);
        double x = rng.between(-30, 40);
        while (x < W) {
            const double w = rng.between(70, 150), h = rng.between(kLandTop, 215);
            for (int i = int(std::max(0.0, x)); i < std::min<double>(W, x + w); ++i) {
                const double edge = std::min(i - x, x + w - i);
                top[std::size_t(i)] = std::min(top[std::size_t(i)], std::max(h, 250 - edge * 3.0));
            }
            x += w + rng.between(20, 90);
        }
        flat(s, top, d.near);
        // Mesas show their rock in layers; cliffs carry grass on top only.
        const int period = d.land == Land::Cliffs ? 1000 : 22;
        fillBelow(s, top, [&](int x, int y) { return (y - int(top[std::size_t(x)])) % period < 5 ? d.accent : d.near; });
        nearTop = hillLine(rng, 280, 8, 90);
        flat(s, nearTop, d.far);
        break;
    }
    case Land::Town: {
        flat(s, level(300), d.accent);
        fillRect(s, 0, 318, W, 322, C(232, 224, 96)); // road line
        double x = 0;
        nearTop = level(300);
        while (x < W) {
            const double w = rng.between(36, 70), h = rng.between(60, 140);
            const double top = std::max<double>(kLandTop, 300 - h);
            const Color wall = rng.range(0, 1) ? d.far : d.near;
            fillRect(s, int(x), int(top), int(x + w - 3), 300, wall);
            if (rng.range(0, 2) == 0)
                fillPolygon(s, {{x - 2, top}, {x + w - 1, top}, {x + w / 2 - 1, top - 18}}, scale(wall, 0.7));
            for (double wy = top + 10; wy < 288; wy += 18)
                for (double wx = x + 7; wx < x + w - 14; wx += 14)
                    fillRect(s, int(wx), int(wy), int(wx + 7), int(wy + 9), d.detailColor);
            x += w;
        }
        break;
    }
    case Land::Craters: {
        flat(s, hillLine(rng, 220, 10, 80), d.far);
        nearTop = hillLine(rng, 250, 8, 130);
        flat(s, nearTop, d.near);
        for (int i = 0; i < 14; ++i) {
            const double x = rng.between(20, W - 20), y = rng.between(262, 330), r = rng.between(10, 34);
            fillEllipse(s, x, y, r, r * 0.32, d.accent);
            fillEllipse(s, x + r * 0.1, y + r * 0.06, r * 0.8, r * 0.22, scale(d.accent, 0.85));
        }
        break;
    }
    case Land::Lake: {
        flat(s, hillLine(rng, 215, 14, 90), d.far);
        fillRect(s, 0, 250, W, H, d.near);
        for (int i = 0; i < 18; ++i) {
            const int x = rng.range(0, W - 50), y = rng.range(256, 300);
            fillRect(s, x, y, x + rng.range(20, 50), y + 2, d.accent);
        }
        nearTop = hillLine(rng, 312, 8, 90);
        flat(s, nearTop, d.far);
        break;
    }
    }

    auto groundAt = [&](double x) { return nearTop.empty() ? 300.0 : nearTop[std::size_t(std::clamp(int(x), 0, W - 1))]; };
    switch (d.detail) {
    case Detail::None:
    case Detail::LitWindows:
        if (d.detail == Detail::LitWindows && d.land != Land::Town)
            for (int i = 0; i < 4; ++i) {
                const double x = 80 + i * 150 + rng.between(-30, 30);
                drawHouse(s, x, groundAt(x) + 8, 40, scale(d.near, 0.8), scale(d.near, 0.6));
                fillRect(s, int(x - 12), int(groundAt(x) - 16), int(x - 4), int(groundAt(x) - 8), d.detailColor);
                fillRect(s, int(x + 4), int(groundAt(x) - 16), int(x + 12), int(groundAt(x) - 8), d.detailColor);
            }
        break;
    case Detail::RoundTrees:
        for (int i = 0; i < 9; ++i) {
            const double x = rng.between(20, W - 20);
            drawRoundTree(s, x, groundAt(x) + 10, rng.between(36, 60), d.detailColor, seed + std::uint64_t(i));
        }
        break;
    case Detail::Conifers:
        for (int i = 0; i < 16; ++i) {
            const double x = rng.between(10, W - 10);
            drawConifer(s, x, groundAt(x) + 12, rng.between(34, 64), d.detailColor);
        }
        break;
    case Detail::BareTrees:
        for (int i = 0; i < 7; ++i) {
            const double x = rng.between(30, W - 30), base = groundAt(x) + 10, h = rng.between(50, 80);
            drawLine(s, x, base, x, base - h, 5, d.detailColor);
            drawLine(s, x, base - h * 0.5, x - h * 0.3, base - h * 0.85, 3, d.detailColor);
            drawLine(s, x, base - h * 0.6, x + h * 0.28, base - h * 0.95, 3, d.detailColor);
            drawLine(s, x, base - h * 0.8, x + h * 0.12, base - h * 1.05, 2, d.detailColor);
        }
        break;
    case Detail::Flowers:
        for (int i = 0; i < 90; ++i) {
            const double x = rng.between(0, W), y = rng.between(groundAt(x) + 6, H - 4);
            fillEllipse(s, x, y, 3, 3, d.detailColor);
        }
        break;
    case Detail::Houses:
        for (int i = 0; i < 4; ++i) {
            const double x = 70 + i * 160 + rng.between(-30, 30);
            drawHouse(s, x, groundAt(x) + 10, rng.between(34, 48), d.detailColor, scale(d.detailColor, 0.6));
        }
        break;
    case Detail::Palms:
        for (int i = 0; i < 3; ++i) {
            const double x = d.land == Land::Island ? 270 + i * 50 : 60 + i * 220;
            drawPalmTree(s, x, groundAt(x) + 6, rng.between(70, 90), d.detailColor);
        }
        break;
    case Detail::Boats:
        for (int i = 0; i < 3; ++i)
            drawBoat(s, 100 + i * 200 + rng.between(-30, 30), rng.between(244, 290), rng.between(16, 26), d.detailColor);
        break;
    case Detail::Fence:
        for (int x = 6; x < W; x += 26) {
            const double base = groundAt(x) + 26;
            fillRect(s, x, int(base - 30), x + 5, int(base), d.detailColor);
        }
        for (int x = 0; x < W; ++x) {
            const double base = groundAt(x) + 26;
            fillRect(s, x, int(base - 24), x + 1, int(base - 20), d.detailColor);
            fillRect(s, x, int(base - 12), x + 1, int(base - 8), d.detailColor);
        }
        break;
    case Detail::Rocks:
        for (int i = 0; i < 10; ++i) {
            const double x = rng.between(10, W - 10), y = groundAt(x) + rng.between(10, 40), r = rng.between(8, 20);
            fillEllipse(s, x, y, r, r * 0.7, d.detailColor);
            fillEllipse(s, x - r * 0.2, y - r * 0.2, r * 0.6, r * 0.4, scale(d.detailColor, 1.15));
        }
        break;
    case Detail::Lighthouse: {
        // A rocky islet with a striped tower, on the right of the bay.
        fillEllipse(s, 500, 262, 80, 26, d.near);
        for (int band = 0; band < 5; ++band) {
            const double y0 = 250 - band * 18, y1 = y0 - 18;
            const double w0 = 16 - band * 1.5, w1 = 16 - (band + 1) * 1.5;
            fillPolygon(s, {{500 - w0, y0}, {500 + w0, y0}, {500 + w1, y1}, {500 - w1, y1}}, band % 2 ? C(240, 236, 228) : d.detailColor);
        }
        fillRect(s, 490, 146, 511, 160, C(248, 224, 96));
        fillPolygon(s, {{486, 146}, {514, 146}, {500, 134}}, d.detailColor);
        break;
    }
    case Detail::Cactus:
        for (int i = 0; i < 6; ++i) {
            const double x = rng.between(20, W - 20), base = groundAt(x) + rng.between(20, 50), h = rng.between(36, 60);
            drawLine(s, x, base, x, base - h, 9, d.detailColor);
            drawLine(s, x - 12, base - h * 0.45, x - 12, base - h * 0.75, 7, d.detailColor);
            drawLine(s, x - 12, base - h * 0.45, x, base - h * 0.45, 7, d.detailColor);
            drawLine(s, x + 12, base - h * 0.55, x + 12, base - h * 0.85, 7, d.detailColor);
            drawLine(s, x + 12, base - h * 0.55, x, base - h * 0.55, 7, d.detailColor);
        }
        break;
    }
    // Nothing drawn above the land line: the sky's sun or moon stays in view.
    fillRect(s, 0, 0, W, kLandTop - 30, kWhite);
    sealAgainstKey(s);
    return s;
}

} // namespace

const std::vector<SceneryPack>& sceneryPacks()
{
    static const std::vector<SceneryPack> packs = [] {
        std::vector<SceneryPack> out;
        for (const PackDesign& d : designs())
            out.push_back(d.text);
        return out;
    }();
    return packs;
}

Picture sceneryPackSky(int pack, int slot)
{
    return drawSky(designs().at(std::size_t(pack)).skies[std::clamp(slot, 0, 4)], 91000 + std::uint64_t(pack) * 10 + std::uint64_t(slot));
}

Picture sceneryPackGround(int pack, int slot)
{
    return drawGround(designs().at(std::size_t(pack)).grounds[std::clamp(slot, 0, 4)],
                      92000 + std::uint64_t(pack) * 10 + std::uint64_t(slot));
}

} // namespace veldor::art
