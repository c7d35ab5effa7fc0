#include "core/ui/picturenames.h"

#include "core/ui/smallwindow.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace veldor {

namespace {

// Every name the program and the packs it installs bring along.
constexpr const char* kOwnNames[] = {
    // Built-in grounds, skies and objects (the balloon's caption keeps its
    // old spelling; its title is spelt right).
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Stoney Cliff"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Small Mountain Range"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Hill Forests"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Deserted Island"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "City Scape"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Dull Grey Clouds"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Dark Clouds"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Orange Sunset"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Clear Blue"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Cloudy Day"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Torus Rock"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Apple"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Hot Air Baloon"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Hot Air Balloon"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Golf Ball"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Yellow Flower"),
    // The packs.
    QT_TRANSLATE_NOOP("veldor::PictureNames", "The Veldor Team"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Winter and Desert"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Snowy, sandy and starlit scenes to try with your own pictures."),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Starry Night"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Desert Noon"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Northern Lights"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Pink Dawn"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Snow Clouds"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Snowy Hills"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Sand Dunes"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Frozen Lake"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Red Canyon"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Winter Village"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Pine Tree"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Cottage"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Cactus"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Sailing Boat"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Snowman"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Autumn"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Golden woods, harvest fields and a big orange moon."),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Golden Afternoon"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Misty Morning"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Autumn Storm"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Harvest Moon"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Rainbow Shower"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Maple Hills"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Pumpkin Field"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Birch Lake"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Red Barn Farm"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Vineyard Rows"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Pumpkin"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Maple Leaf"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Mushroom"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Acorn"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Scarecrow"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Seaside"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Beaches, cliffs and harbours under summer skies."),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Summer Noon"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Tropical Sunset"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Sea Haze"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Stormy Sea"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Pastel Evening"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Sandy Beach"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Lighthouse Cliff"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Palm Cove"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Harbour Town"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Rocky Coast"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Lighthouse"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Beach Ball"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Seagull"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Starfish"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Beach Umbrella"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Moonlight"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Night skies full of stars over sleeping lands."),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Full Moon"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Milky Way"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Twilight"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Meteor Shower"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Silver Clouds"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Moonlit Hills"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Night City"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Campfire Clearing"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Sleeping Village"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Pine Forest"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Owl"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Lantern"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Rocket"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Candle"),
    QT_TRANSLATE_NOOP("veldor::PictureNames", "Crescent Moon"),
};

const char* ownName(const std::string& bytes)
{
    const auto found = std::find_if(std::begin(kOwnNames), std::end(kOwnNames),
                                    [&](const char* name) { return bytes == name; });
    return found != std::end(kOwnNames) ? *found : nullptr;
}

} // namespace

QString shownName(const std::string& bytes)
{
    if (const char* name = ownName(bytes))
        return QCoreApplication::translate("veldor::PictureNames", name);
    return bytesToText(bytes);
}

bool isOwnName(const std::string& bytes) { return ownName(bytes) != nullptr; }

} // namespace veldor
