// The list of generated files with their contents.
#include "data/art.h"
#include "data/articons.h"
#include "platform/png.h"

namespace veldor::art {

namespace {

// CR LF after every line, the last one included, as the program writes them.
std::string lines(std::initializer_list<std::string> items)
{
    std::string out;
    for (const std::string& l : items)
        out += l + "\r\n";
    return out;
}

std::string bytesOf(const std::vector<std::uint8_t>& v) { return std::string(v.begin(), v.end()); }

GeneratedFile picture(std::string folder, std::string name, Picture s)
{
    return {std::move(folder), std::move(name), std::move(s), {}};
}

GeneratedFile data(std::string folder, std::string name, std::string bytes)
{
    return {std::move(folder), std::move(name), std::nullopt, std::move(bytes)};
}

// A window's picture, and the same at twice its size named as Qt looks it
// up for screens of twice the density ("logo@2x.bmp" beside "logo.bmp").
void addUiPicture(std::vector<GeneratedFile>& out, const std::string& name, Picture normal, Picture doubled)
{
    out.push_back(picture("ui", name + ".bmp", std::move(normal)));
    out.push_back(picture("ui", name + "@2x.bmp", std::move(doubled)));
}

} // namespace

std::string demoSceneText()
{
    return lines({"Tolvane Veldor File", "sky2.bmp", "ground3.bmp", "-45", "-65", "-90", "3",
                  // A balloon far away, half sunk behind the horizon.
                  "2", "object2.bmp", "Hot Air Balloon", "90", "190", "40", "40",
                  // A near balloon over the sea.
                  "1", "object2.bmp", "Hot Air Balloon", "420", "40", "110", "110",
                  // A stone ring resting on the island's shore.
                  "1", "object0.bmp", "Torus Rock", "360", "232", "40", "40"});
}

std::string samplePackText()
{
    return lines({"Tolvane Veldor Image Pack", "Winter and Desert", "The Veldor Team",
                  "Snowy, sandy and starlit scenes to try with your own pictures.", kSamplePackPrefix,
                  // Five skies, each a caption and its light.
                  "Starry Night", "-70", "-60", "-20",   //
                  "Desert Noon", "25", "15", "-15",      //
                  "Northern Lights", "-60", "-30", "-30", //
                  "Pink Dawn", "20", "-10", "0",         //
                  "Snow Clouds", "20", "25", "35",       //
                  "Snowy Hills", "Sand Dunes", "Frozen Lake", "Red Canyon", "Winter Village", //
                  "Pine Tree", "Cottage", "Cactus", "Sailing Boat", "Snowman"});
}

std::vector<GeneratedFile> generateAll()
{
    std::vector<GeneratedFile> out;
    const std::string app = "app";
    const std::string packs = "app/packs";
    const std::string ui = "ui";
    const std::string prefix = kSamplePackPrefix;
    for (int i = 0; i < 5; ++i) {
        const std::string n = std::to_string(i);
        Picture sky = builtinSky(i);
        Picture ground = builtinGround(i);
        Picture object = builtinObject(i);
        addUiPicture(out, "thumb_sky" + n, skyThumbnail(sky), skyThumbnail(sky, 2 * kThumbSize));
        addUiPicture(out, "thumb_ground" + n, groundThumbnail(ground), groundThumbnail(ground, 2 * kThumbSize));
        addUiPicture(out, "thumb_object" + n, objectThumbnail(object), objectThumbnail(object, 2 * kThumbSize));
        out.push_back(picture(app, "sky" + n + ".bmp", std::move(sky)));
        out.push_back(picture(app, "ground" + n + ".bmp", std::move(ground)));
        out.push_back(picture(app, "object" + n + ".bmp", std::move(object)));
    }
    out.push_back(picture(app, "none.bmp", Picture(kPictureWidth, kPictureHeight, kWhite)));
    out.push_back(data(app, "demo.vdr", demoSceneText()));

    out.push_back(data(packs, "sample.vpk", samplePackText()));
    for (int i = 0; i < 5; ++i) {
        const std::string n = std::to_string(i);
        Picture sky = packSky(i);
        Picture ground = packGround(i);
        out.push_back(picture(packs, prefix + "ST" + n + ".bmp", skyThumbnail(sky)));
        out.push_back(picture(packs, prefix + "gT" + n + ".bmp", groundThumbnail(ground)));
        out.push_back(picture(packs, prefix + "S" + n + ".bmp", std::move(sky)));
        out.push_back(picture(packs, prefix + "g" + n + ".bmp", std::move(ground)));
        out.push_back(picture(packs, prefix + "o" + n + ".bmp", packObject(i)));
    }

    for (Glyph g : kAllGlyphs)
        addUiPicture(out, std::string("glyph_") + glyphName(g), glyph(g), glyph(g, 2));
    addUiPicture(out, "logo", logo(), logo(2));
    addUiPicture(out, "icon", appIcon(32), appIcon(64));
    const std::string png = bytesOf(veldor::encodePng(appIcon(128)));
    out.push_back(data(ui, "veldor.png", png));
    out.push_back(data(app, "veldor.png", png));
    for (GeneratedFile& icon : desktopIcons())
        out.push_back(std::move(icon));
    return out;
}

} // namespace veldor::art
