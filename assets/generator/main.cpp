// SPDX-License-Identifier: MIT
// hexbrawl-assetgen <assets directory>: remakes pictures/, sounds/ and title.jpg.
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>

#include "generator.h"

namespace assetgen {

std::uint64_t seedfor(const std::string& name)
{
    std::uint64_t hash = 1469598103934665603ull;  // FNV-1a
    for (unsigned char c : name)
        hash = (hash ^ c) * 1099511628211ull;
    return hash;
}

}  // namespace assetgen

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <assets directory>\n", argv[0]);
        return 2;
    }
    // Fonts need a GUI application, but never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    namespace fs = std::filesystem;
    const fs::path root(argv[1]);
    try {
        fs::create_directories(root / "pictures");
        fs::create_directories(root / "sounds");
        for (const hexbrawl::PictureEntry& entry : hexbrawl::pictures()) {
            const QImage picture = assetgen::drawpicture(entry);
            assetgen::writebitmap((root / "pictures" / (std::string(entry.name) + ".bmp")).string(), picture, entry);
        }
        for (const hexbrawl::WaveEntry& entry : hexbrawl::waves()) {
            const auto samples = assetgen::synthesise(entry);
            assetgen::writewave((root / "sounds" / (std::string(entry.name) + ".wav")).string(), samples, entry);
        }
        const QImage title = assetgen::drawtitle();
        const std::string titlepath = (root / "title.jpg").string();
        if (!title.save(QString::fromStdString(titlepath), "JPEG", 90))
            throw std::runtime_error("cannot write " + titlepath);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "hexbrawl-assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
