#include "core/ui/picturenames.h"

#include "core/ui/smallwindow.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

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
    // The library's.
#include "core/ui/librarynames.h"
};

// How an objects pack of the library lists its captions: "Cow, Pig and Hen".
const char* const kListFirst = QT_TRANSLATE_NOOP("veldor::PictureNames", "%1, %2");
const char* const kListLast = QT_TRANSLATE_NOOP("veldor::PictureNames", "%1 and %2");

const char* ownName(std::string_view bytes)
{
    static const std::unordered_map<std::string_view, const char*> names = [] {
        std::unordered_map<std::string_view, const char*> map;
        for (const char* name : kOwnNames)
            map.emplace(name, name);
        return map;
    }();
    const auto found = names.find(bytes);
    return found != names.end() ? found->second : nullptr;
}

QString translated(const char* text) { return QCoreApplication::translate("veldor::PictureNames", text); }

// "Farm Animals 3": a library pack, named by its category and number.
std::optional<QString> numberedName(std::string_view bytes)
{
    const std::size_t space = bytes.rfind(' ');
    if (space == std::string_view::npos || space + 1 == bytes.size() ||
        !std::all_of(bytes.begin() + std::ptrdiff_t(space) + 1, bytes.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const char* name = ownName(bytes.substr(0, space));
    if (!name)
        return std::nullopt;
    return translated(name) + QLatin1Char(' ') + QString::fromLatin1(bytes.substr(space + 1));
}

// "Cow, Pig, Sheep, Goat and Rooster": an objects pack's description, when
// every item is one of our names.
std::optional<QString> listedNames(std::string_view bytes)
{
    const std::size_t last = bytes.rfind(" and ");
    if (last == std::string_view::npos)
        return std::nullopt;
    std::vector<const char*> items;
    for (std::string_view rest = bytes.substr(0, last);;) {
        const std::size_t comma = rest.find(", ");
        items.push_back(ownName(rest.substr(0, comma)));
        if (comma == std::string_view::npos)
            break;
        rest.remove_prefix(comma + 2);
    }
    items.push_back(ownName(bytes.substr(last + 5)));
    if (std::find(items.begin(), items.end(), nullptr) != items.end())
        return std::nullopt;
    QString list = translated(items.front());
    for (std::size_t i = 1; i < items.size(); ++i)
        list = translated(i + 1 == items.size() ? kListLast : kListFirst).arg(list, translated(items[i]));
    return list;
}

} // namespace

QString shownName(const std::string& bytes)
{
    if (const char* name = ownName(bytes))
        return translated(name);
    if (auto name = numberedName(bytes))
        return *name;
    if (auto list = listedNames(bytes))
        return *list;
    return bytesToText(bytes);
}

} // namespace veldor
