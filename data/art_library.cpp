// The library's object packs, from the Noto Color Emoji font, and the text
// of every library pack.
#include "data/artlibrary.h"

#include "data/artbmp8.h"
#include "platform/error.h"
#include "sources/cleanshrink.h"
#include "sources/library.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <sstream>

namespace veldor::art {

namespace {

struct CategoryText {
    const char* name;
    const char* code;
    const char* items; // "1F404 Cow;1F416 Pig;..."
};

// Captions are for children: plain words, British spelling as elsewhere.
const CategoryText kCategories[] = {
    {"Farm Animals", "farm",
     "1F404 Cow;1F416 Pig;1F411 Sheep;1F410 Goat;1F413 Rooster;1F414 Hen;1F424 Baby Chick;1F986 Duck;1F40E Horse;1F402 Ox;1F403 Water Buffalo;1F983 Turkey;1F40F Ram;1FACF Donkey;1F407 Rabbit;1F42E Cow Face;1F437 Pig Face;1F434 Horse Face;1FABF Goose;1F999 Llama"},
    {"Forest Animals", "forest",
     "1F98A Fox;1F43B Bear;1F98C Deer;1F43F Chipmunk;1F994 Hedgehog;1F989 Owl;1F9A1 Badger;1F43A Wolf;1F99D Raccoon;1F9AB Beaver;1F417 Wild Boar;1F9A8 Skunk;1FACE Moose;1F987 Bat;1F438 Frog;1F40C Snail;1F41B Caterpillar;1F98B Butterfly;1F41D Bee;1F41E Ladybird;1F985 Eagle;1F426 Bird;1F41C Ant;1F577 Spider;1F997 Cricket"},
    {"Sea Animals", "sea",
     "1F433 Spouting Whale;1F40B Whale;1F42C Dolphin;1F41F Fish;1F420 Tropical Fish;1F421 Pufferfish;1F988 Shark;1F419 Octopus;1F991 Squid;1F980 Crab;1F99E Lobster;1F990 Shrimp;1F41A Seashell;1F9AD Seal;1F422 Turtle;1FABC Jellyfish;1F427 Penguin;1F9A6 Otter;1FAB8 Coral;1F9AA Oyster"},
    {"Jungle Animals", "jungle",
     "1F412 Monkey;1F98D Gorilla;1F9A7 Orangutan;1F418 Elephant;1F981 Lion;1F42F Tiger Face;1F405 Tiger;1F406 Leopard;1F993 Zebra;1F992 Giraffe;1F99B Hippo;1F98F Rhino;1F40A Crocodile;1F40D Snake;1F99C Parrot;1F9A9 Flamingo;1F9A5 Sloth;1F42A Camel;1F42B Two-Hump Camel;1F998 Kangaroo;1F428 Koala;1F43C Panda;1F98E Lizard;1F99A Peacock;1F435 Monkey Face"},
    {"Pets", "pets",
     "1F408 Cat;1F415 Dog;1F429 Poodle;1F436 Puppy;1F431 Kitten;1F439 Hamster;1F42D Mouse Face;1F401 Mouse;1F430 Bunny;1F9AE Guide Dog;1F43E Paw Prints;1F9B4 Bone;1F425 Chick;1F423 Hatching Chick;1FABA Nest With Eggs"},
    {"People", "people",
     "1F476 Baby;1F9D2 Child;1F466 Boy;1F467 Girl;1F9D1 Person;1F468 Man;1F469 Woman;1F9D3 Older Person;1F474 Grandpa;1F475 Grandma;1F471 Fair-Haired Person;1F9D4 Man With Beard;1F46A Family;1F46B Holding Hands;1F46D Two Friends;1F6B6 Walking;1F3C3 Running;1F483 Dancer;1F57A Dancing Man;1F9CD Standing Person;1F44B Waving Hand;1F64B Hand Up;1F600 Happy Face;1F60E Cool Face;1F917 Hugging Face"},
    {"Jobs and Tools", "jobs",
     "1F46E Police Officer;1F477 Builder;1F482 Guard;1F575 Detective;1F470 Bride;1F935 Person In Suit;1FA7A Stethoscope;1F527 Spanner;1F528 Hammer;1FA9A Saw;1F3A8 Paint Palette;1F58C Paintbrush;1F4EE Postbox;2709 Letter;1F9EF Fire Extinguisher;1F9F9 Broom;26D1 Rescue Helmet;1F393 Graduation Cap;1F52C Microscope;1F4DA Books;270F Pencil;1F58D Crayon;1F4CF Ruler;1F9EA Test Tube;1F4BC Briefcase;1F9F0 Toolbox;1FA9C Ladder;1FAA3 Bucket;1F9F2 Magnet;1F4A1 Light Bulb"},
    {"Vehicles", "vehicles",
     "1F697 Car;1F695 Taxi;1F699 Jeep;1F68C Bus;1F68E Trolleybus;1F3CE Racing Car;1F693 Police Car;1F691 Ambulance;1F692 Fire Engine;1F690 Minibus;1F6FB Pickup Truck;1F69A Delivery Lorry;1F69B Big Lorry;1F69C Tractor;1F6F5 Moped;1F3CD Motorbike;1F6B2 Bicycle;1F6F4 Kick Scooter;1F682 Steam Train;1F686 Train;1F687 Underground Train;1F68A Tram;1F69D Monorail;1F681 Helicopter;2708 Aeroplane;1F6E9 Small Plane;26F5 Sailing Boat;1F6A4 Speedboat;1F6E5 Motor Boat;1F6A2 Ship;26F4 Ferry;1F6F6 Canoe;1F6A1 Cable Car;1F6A0 Mountain Railway;1F6FA Rickshaw"},
    {"Buildings", "buildings",
     "1F3E0 House;1F3E1 House With Garden;1F3D8 Houses;1F3E2 Office Block;1F3E3 Post Office;1F3E5 Hospital;1F3E6 Bank;1F3E8 Hotel;1F3EA Shop;1F3EB School;1F3EC Department Store;1F3ED Factory;1F3EF Japanese Castle;1F3F0 Castle;1F492 Wedding Chapel;1F5FC Tower;1F5FD Statue;26EA Church;1F54C Mosque;1F6D5 Temple;1F54D Synagogue;26E9 Shrine;1F3DB Museum;1F3D7 Crane;1F6D6 Hut;26FA Tent;1F3DA Old House;1F3AA Circus Tent;1F3DF Stadium;1F5FF Stone Head"},
    {"Plants and Trees", "plants",
     "1F333 Tree;1F332 Fir Tree;1F334 Palm Tree;1F335 Cactus;1F331 Seedling;1F33F Herb;2618 Shamrock;1F340 Four-Leaf Clover;1F341 Maple Leaf;1F342 Fallen Leaves;1F343 Leaves In The Wind;1F33E Sheaf Of Rice;1F337 Tulip;1F339 Rose;1F940 Wilted Flower;1F33A Hibiscus;1F338 Cherry Blossom;1F33C Blossom;1F33B Sunflower;1F490 Bouquet;1FAB4 Pot Plant;1F344 Toadstool;1FAB5 Log;1FAB7 Lotus;1FABB Hyacinth;1F330 Chestnut;1F38B Wishing Tree;1F38D Pine Decoration;1FAB9 Empty Nest;1FAA8 Rock"},
    {"Fruit and Vegetables", "fruit",
     "1F34E Apple;1F34F Green Apple;1F350 Pear;1F34A Orange;1F34B Lemon;1F34C Banana;1F349 Watermelon;1F347 Grapes;1F353 Strawberry;1FAD0 Blueberries;1F348 Melon;1F352 Cherries;1F351 Peach;1F96D Mango;1F34D Pineapple;1F965 Coconut;1F95D Kiwi Fruit;1F345 Tomato;1F346 Aubergine;1F951 Avocado;1F966 Broccoli;1F955 Carrot;1F33D Sweetcorn;1F336 Chilli;1F952 Cucumber;1F96C Lettuce;1F9C4 Garlic;1F9C5 Onion;1F954 Potato;1FAD1 Pepper"},
    {"Food", "food",
     "1F35E Bread;1F950 Croissant;1F956 Baguette;1F968 Pretzel;1F9C0 Cheese;1F95A Egg;1F373 Fried Egg;1F95E Pancakes;1F9C7 Waffle;1F354 Burger;1F35F Chips;1F355 Pizza;1F32D Hot Dog;1F96A Sandwich;1F32E Taco;1F35D Spaghetti;1F366 Ice Cream;1F369 Doughnut;1F36A Cookie;1F382 Birthday Cake;1F370 Cake;1F9C1 Cupcake;1F36B Chocolate;1F36C Sweet;1F36D Lollipop;1F36F Honey Pot;1F95B Glass Of Milk;1F9C3 Juice Box;2615 Hot Drink;1F967 Pie"},
    {"Toys and Sports", "sports",
     "26BD Football;26BE Baseball;1F3C0 Basketball;1F3D0 Volleyball;1F3C8 American Football;1F3C9 Rugby Ball;1F3BE Tennis Ball;1F94F Flying Disc;1F3B3 Bowling;1F3CF Cricket Bat;1F3D1 Hockey Stick;1F3D3 Table Tennis;1F3F8 Badminton;1F94A Boxing Glove;1F945 Goal;26F3 Golf Flag;26F8 Ice Skate;1F3A3 Fishing Rod;1F6F9 Skateboard;1F6FC Roller Skate;1F6F7 Sledge;1F94C Curling Stone;1F3BF Skis;1FA81 Kite;1FA80 Yo-Yo;1F9F8 Teddy Bear;1FA86 Nesting Dolls;1F3B2 Dice;1F9E9 Jigsaw Piece;1F3AE Game Controller;1F3C6 Trophy;1F947 Gold Medal;1F3AF Dartboard;1FA83 Boomerang;1F6DD Playground Slide"},
    {"Music", "music",
     "1F3B8 Guitar;1F941 Drum;1F3BA Trumpet;1F3B7 Saxophone;1F3BB Violin;1F3B9 Keyboard;1FA97 Accordion;1FA98 Long Drum;1FA87 Maracas;1FA88 Flute;1F3A4 Microphone;1F3A7 Headphones;1F4FB Radio;1F514 Bell;1F3B5 Musical Note"},
    {"Space", "space",
     "1F680 Rocket;1F6F8 Flying Saucer;1F6F0 Satellite;1F30D Earth;1F30F Earth From Asia;1FA90 Ringed Planet;1F319 Crescent Moon;1F315 Full Moon;1F311 New Moon;1F31B Moon Face;1F31D Smiling Moon;1F31E Smiling Sun;2600 Sun;2B50 Star;1F31F Glowing Star;1F4AB Dizzy Star;2604 Comet;1F320 Shooting Star;1F52D Telescope;1F47D Alien;1F47E Space Invader;1F30E Earth From America;1F318 Waning Moon;1F313 Half Moon;1F316 Gibbous Moon"},
    {"Weather", "weather",
     "2601 Cloud;26C5 Sun Behind Cloud;26C8 Storm Cloud;1F324 Sunny Spells;1F325 Cloudy;1F326 Sun And Rain;1F327 Rain Cloud;1F328 Snow Cloud;1F329 Lightning Cloud;1F32A Tornado;1F32B Fog;1F32C Wind;1F300 Whirlwind;1F308 Rainbow;2602 Umbrella;2614 Umbrella In Rain;26A1 Lightning;2744 Snowflake;2603 Snowman In Snow;26C4 Snowman;1F525 Fire;1F4A7 Raindrop;1F30A Wave;1F321 Thermometer;1F9CA Ice Cube"},
    {"Fantasy", "fantasy",
     "1F9D9 Wizard;1F9DA Fairy;1F9DB Vampire;1F9DC Mermaid;1F9DD Elf;1F9DE Genie;1F9CC Troll;1F984 Unicorn;1F409 Dragon;1F432 Dragon Face;1F995 Long-Neck Dinosaur;1F996 T-Rex;1F47B Ghost;1F479 Ogre;1F916 Robot;1F451 Crown;1F52E Crystal Ball;1FA84 Magic Wand;1F934 Prince;1F478 Princess;1F977 Ninja;1F9B8 Superhero;1F9B9 Villain;1F48E Gem;1F5DD Old Key;1F9DF Zombie;1F47C Angel;1F6E1 Shield;1F5E1 Dagger;1F3F9 Bow And Arrow"},
    {"Seasons and Holidays", "holidays",
     "1F383 Pumpkin Lantern;1F384 Christmas Tree;1F385 Father Christmas;1F936 Mother Christmas;1F381 Present;1F388 Balloon;1F389 Party Popper;1F38A Confetti Ball;1F9E8 Firecracker;1F380 Ribbon;1F390 Wind Chime;1F38F Carp Streamer;1F38E Festival Dolls;1F3EE Red Lantern;1F56F Candle;1FA94 Oil Lamp;1F54E Menorah;1F9E7 Red Envelope;1FAA9 Mirror Ball;1F9E3 Scarf;1F9E4 Gloves;1F9E5 Coat;1F97E Boot;1F452 Sun Hat;1F576 Sunglasses;26F1 Beach Umbrella;1FA71 Swimsuit;1F459 Bikini;1F3F3 White Flag;1F3C1 Chequered Flag"},
    {"Town and Country", "town",
     "1F6A6 Traffic Light;1F6A5 Side Traffic Light;1F6D1 Stop Sign;1F6A7 Roadworks;26FD Petrol Pump;1F68F Bus Stop;1FAA7 Sign;1F6DE Wheel;1F5D1 Bin;1FA91 Chair;1F6D2 Shopping Trolley;1F9FA Basket;1F6AA Door;1FA9F Window;1F6CF Bed;1F6CB Sofa;1F4EB Mailbox;1F570 Clock;23F0 Alarm Clock;1F9F1 Bricks;1FA93 Axe;1F9ED Compass;26CF Pick;1F5FA Map;1F392 School Bag;1F9F3 Suitcase;1F526 Torch;2693 Anchor;1F6DF Life Ring;26F2 Fountain;1F3A1 Big Wheel;1F3A2 Roller Coaster;1F3A0 Carousel Horse;1F3E4 Old Post Office;1F69E Mountain Train"},
};

// One open face per font path for the whole run: opening the 10 MB font for
// each of hundreds of objects would dominate the build.
struct Font {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    std::string path;
    ~Font()
    {
        if (face)
            FT_Done_Face(face);
        if (library)
            FT_Done_FreeType(library);
    }
};

Font& fontAt(const std::string& path)
{
    static Font font;
    if (font.face && font.path == path)
        return font;
    if (!font.library && FT_Init_FreeType(&font.library))
        throw Error("Cannot start the font engine");
    if (font.face) {
        FT_Done_Face(font.face);
        font.face = nullptr;
    }
    if (FT_New_Face(font.library, path.c_str(), 0, &font.face) || font.face->num_fixed_sizes < 1 ||
        FT_Select_Size(font.face, 0))
        throw Error("Cannot open file " + path);
    font.path = path;
    return font;
}

std::string hexName(unsigned cp)
{
    std::ostringstream s;
    s << "U+" << std::hex << std::uppercase << cp;
    return s.str();
}

std::string packText(const std::string& name, const std::string& author, const std::string& description,
                     const std::string& prefix, const std::vector<std::string>& lines6to35)
{
    std::string text = "Tolvane Veldor Image Pack\r\n" + name + "\r\n" + author + "\r\n" + description + "\r\n" + prefix + "\r\n";
    for (const std::string& line : lines6to35)
        text += line + "\r\n";
    return text;
}

// "Cow, Pig, Sheep, Goat and Rooster"
std::string listOf(const std::vector<std::string>& captions)
{
    std::string s;
    for (std::size_t i = 0; i < captions.size(); ++i)
        s += (i == 0 ? "" : i + 1 == captions.size() ? " and " : ", ") + captions[i];
    return s;
}

std::string twoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

const char* const kObjectAuthor = "Noto Emoji by Google (SIL Open Font License), made flat for Veldor";
const char* const kSceneryAuthor = "The Veldor developers";

} // namespace

const std::vector<LibraryCategory>& libraryCategories()
{
    static const std::vector<LibraryCategory> categories = [] {
        std::vector<LibraryCategory> out;
        for (const CategoryText& t : kCategories) {
            LibraryCategory c{t.name, t.code, {}};
            std::istringstream items(t.items);
            std::string item;
            while (std::getline(items, item, ';')) {
                const std::size_t space = item.find(' ');
                c.objects.push_back({unsigned(std::stoul(item.substr(0, space), nullptr, 16)), item.substr(space + 1)});
            }
            out.push_back(std::move(c));
        }
        return out;
    }();
    return categories;
}

Picture emojiObject(const std::string& fontPath, unsigned codepoint)
{
    Font& font = fontAt(fontPath);
    const FT_UInt glyph = FT_Get_Char_Index(font.face, codepoint);
    if (!glyph || FT_Load_Glyph(font.face, glyph, FT_LOAD_COLOR) ||
        font.face->glyph->bitmap.pixel_mode != FT_PIXEL_MODE_BGRA)
        throw Error("The font " + fontPath + " has no colour picture for " + hexName(codepoint));
    const FT_Bitmap& b = font.face->glyph->bitmap;
    const int w = int(b.width), h = int(b.rows);
    // FreeType hands premultiplied BGRA; prepareRgba wants straight RGBA.
    std::vector<std::uint8_t> rgba(std::size_t(w) * std::size_t(h) * 4);
    int x0 = w, y0 = h, x1 = -1, y1 = -1;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::uint8_t* p = b.buffer + std::ptrdiff_t(y) * b.pitch + 4 * x;
            std::uint8_t* q = &rgba[(std::size_t(y) * std::size_t(w) + std::size_t(x)) * 4];
            const int a = p[3];
            for (int c = 0; c < 3; ++c)
                q[c] = std::uint8_t(a ? std::min(255, (p[2 - c] * 255 + a / 2) / a) : 0);
            q[3] = std::uint8_t(a);
            if (a >= PrepareOptions{}.alphaCut) {
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x);
                y1 = std::max(y1, y);
            }
        }
    if (x1 < 0)
        throw Error("The font " + fontPath + " has an empty picture for " + hexName(codepoint));
    // Cropped to what is drawn, so a placed object is as big as its rectangle.
    const int cw = x1 - x0 + 1, ch = y1 - y0 + 1;
    std::vector<std::uint8_t> crop(std::size_t(cw) * std::size_t(ch) * 4);
    for (int y = 0; y < ch; ++y)
        std::copy_n(&rgba[(std::size_t(y + y0) * std::size_t(w) + std::size_t(x0)) * 4], std::size_t(cw) * 4,
                    &crop[std::size_t(y) * std::size_t(cw) * 4]);
    return enlargeOnGrid(prepareRgba(cw, ch, crop.data()));
}

std::vector<GeneratedFile> libraryFiles(const std::string& emojiFontPath)
{
    const std::string packs = "app/packs";
    const std::string author = kObjectAuthor;
    std::vector<GeneratedFile> out;
    for (const LibraryCategory& c : libraryCategories()) {
        for (std::size_t first = 0; first < c.objects.size(); first += 5) {
            const int number = int(first / 5) + 1;
            const std::string prefix = c.code + twoDigits(number) + "_";
            std::vector<std::string> lines(25, ""), captions;
            for (std::size_t i = 0; i < 5 && first + i < c.objects.size(); ++i) {
                const LibraryObject& o = c.objects[first + i];
                captions.push_back(o.caption);
                lines.push_back(o.caption);
                out.push_back({packs, prefix + "o" + std::to_string(i) + ".bmp", std::nullopt,
                               encodeCompactBmp(emojiObject(emojiFontPath, o.codepoint))});
            }
            while (lines.size() < 30)
                lines.push_back("");
            out.push_back({packs, c.code + "-" + twoDigits(number) + ".vpk", std::nullopt,
                           packText(c.name + " " + std::to_string(number), author, listOf(captions), prefix, lines)});
        }
    }
    const std::vector<SceneryPack>& scenery = sceneryPacks();
    for (std::size_t p = 0; p < scenery.size(); ++p) {
        const SceneryPack& pack = scenery[p];
        const std::string prefix = pack.code + "_";
        std::vector<std::string> lines;
        for (int i = 0; i < 5; ++i) {
            const LibrarySky& sky = pack.skies[i];
            lines.insert(lines.end(), {sky.caption, std::to_string(sky.red), std::to_string(sky.green), std::to_string(sky.blue)});
        }
        for (int i = 0; i < 5; ++i)
            lines.push_back(pack.grounds[i]);
        lines.resize(30);
        for (int i = 0; i < 5; ++i) {
            const std::string n = std::to_string(i);
            const Picture sky = sceneryPackSky(int(p), i);
            const Picture ground = sceneryPackGround(int(p), i);
            out.push_back({packs, prefix + "ST" + n + ".bmp", std::nullopt, encodeCompactBmp(skyThumbnail(sky))});
            out.push_back({packs, prefix + "gT" + n + ".bmp", std::nullopt, encodeCompactBmp(groundThumbnail(ground))});
            out.push_back({packs, prefix + "S" + n + ".bmp", std::nullopt, encodeCompactBmp(sky)});
            out.push_back({packs, prefix + "g" + n + ".bmp", std::nullopt, encodeCompactBmp(ground)});
        }
        out.push_back({packs, pack.code + ".vpk", std::nullopt,
                       packText(pack.name, kSceneryAuthor, pack.description, prefix, lines)});
    }
    return out;
}

std::vector<std::string> libraryNames()
{
    std::vector<std::string> names;
    const auto add = [&](const std::string& name) {
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    };
    add(kObjectAuthor);
    add(kSceneryAuthor);
    for (const LibraryCategory& c : libraryCategories()) {
        add(c.name);
        for (const LibraryObject& o : c.objects)
            add(o.caption);
    }
    for (const SceneryPack& pack : sceneryPacks()) {
        add(packCategory(pack.name));
        add(pack.description);
        for (const LibrarySky& sky : pack.skies)
            add(sky.caption);
        for (const std::string& ground : pack.grounds)
            add(ground);
    }
    return names;
}

} // namespace veldor::art
