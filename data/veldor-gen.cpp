// veldor-gen APPDIR UIDIR: writes every picture and sample file the program
// ships with. APPDIR receives the installed files (and packs/), UIDIR the
// pictures that are built into the windows and, in icons/, the desktop's icons.
// veldor-gen --pack-sources DIR: writes the source folders of the packs that
// the build makes with veldor-pack, one folder per pack in DIR.
// veldor-gen --library PACKDIR FONT LIST: writes the library's packs into
// PACKDIR, the objects drawn from the emoji font FONT, and the names of the
// files it wrote into LIST, one a line.
// veldor-gen --names FILE: writes the library's names as a list that Qt's
// lupdate reads and the windows look names up in (core/ui/librarynames.h).
#include "data/art.h"
#include "data/artlibrary.h"
#include "data/artpacks.h"
#include "platform/bmp.h"
#include "platform/error.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

void writeBytes(const std::filesystem::path& path, const std::string& bytes)
{
    const std::filesystem::path temp = path.string() + ".part";
    {
        std::ofstream f(temp, std::ios::binary | std::ios::trunc);
        f.write(bytes.data(), std::streamsize(bytes.size()));
        if (!f.flush())
            throw veldor::Error("Cannot create file " + path.string());
    }
    std::filesystem::rename(temp, path);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--names") {
        std::string text = "// Made by `veldor-gen --names` from the library's tables; the\n"
                           "// veldor_lupdate target writes it again. Not to be edited.\n";
        for (const std::string& name : veldor::art::libraryNames()) {
            std::string quoted;
            for (const char c : name)
                quoted += (c == '"' || c == '\\') ? std::string{'\\', c} : std::string{c};
            text += "QT_TRANSLATE_NOOP(\"veldor::PictureNames\", \"" + quoted + "\"),\n";
        }
        try {
            writeBytes(argv[2], text);
            return 0;
        } catch (const std::exception& e) {
            std::cerr << "veldor-gen: " << e.what() << '\n';
            return 1;
        }
    }
    if (argc != 3) {
        if (argc == 5 && std::string(argv[1]) == "--library") {
            try {
                const std::filesystem::path packDir = argv[2];
                std::filesystem::create_directories(packDir);
                std::string list;
                for (const veldor::art::GeneratedFile& file : veldor::art::libraryFiles(argv[3])) {
                    writeBytes(packDir / file.name, file.bytes);
                    list += file.name + "\n";
                }
                writeBytes(argv[4], list);
                return 0;
            } catch (const std::exception& e) {
                std::cerr << "veldor-gen: " << e.what() << '\n';
                return 1;
            }
        }
        std::cerr << "usage: veldor-gen APPDIR UIDIR | veldor-gen --pack-sources DIR | veldor-gen --library PACKDIR FONT LIST | veldor-gen --names FILE\n";
        return 2;
    }
    const std::filesystem::path appDir = argv[1];
    const std::filesystem::path uiDir = argv[2];
    try {
        if (std::string(argv[1]) == "--pack-sources") {
            const std::filesystem::path sourceDir = argv[2];
            for (const veldor::art::GeneratedFile& file : veldor::art::extraPackSources()) {
                std::filesystem::create_directories(sourceDir / file.folder);
                writeBytes(sourceDir / file.folder / file.name, file.bytes);
            }
            return 0;
        }
        for (const veldor::art::GeneratedFile& file : veldor::art::generateAll()) {
            std::filesystem::path dir;
            if (file.folder == "ui")
                dir = uiDir;
            else if (file.folder.starts_with("ui/"))
                dir = uiDir / file.folder.substr(3);
            else if (file.folder == "app")
                dir = appDir;
            else
                dir = appDir / std::filesystem::path(file.folder).lexically_relative("app");
            std::filesystem::create_directories(dir);
            const std::filesystem::path path = dir / file.name;
            if (file.picture)
                veldor::saveBmpFile(*file.picture, path.string());
            else
                writeBytes(path, file.bytes);
        }
    } catch (const std::exception& e) {
        std::cerr << "veldor-gen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
