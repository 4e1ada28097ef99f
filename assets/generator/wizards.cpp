// SPDX-License-Identifier: MIT
// The nine wizard bodies, 20 x 20: pointed hat, robe and staff, each in its
// own colours so that players tell them apart at a glance on the grass.
#include <stdexcept>

#include "generator.h"
#include "pixelart.h"

namespace assetgen {
namespace {

// o outline, H/h hat and its shade, b hat badge, S/s skin, e eyes, W beard,
// R/r robe and its shade, T trim, | staff, c/C staff orb and its glow.
const std::vector<std::string> bearded{
    "................c...", "........o......cCc..", ".......oHo......c...", ".......oHho.....|...",
    "......oHHho.....|...", "......oHbbho....|...", ".....oHbHHHo....|...", ".....oHHbbHho...|...",
    "..oohhhhhhhhhoo.|...", "...ooSSSSSSSoo..|...", "....oSeSSSeSo...|...", "....oSWSsSWSo...|...",
    "...oRWWWWWWWRrrrS...", "..oRRWWWWWWWRroo|...", "..oRRRWWWWWRRro.|...", "..oRRTTTWTTTRro.|...",
    "..oRRRRRTRRRRro.|...", ".oRRRRRRTRRRRrro|...", ".oRRRRRRTRRRRrro|...", ".ooooooooooooooo|...",
};

const std::vector<std::string> beardless{
    "................c...", "........o......cCc..", ".......oHo......c...", ".......oHho.....|...",
    "......oHHho.....|...", "......oHbbho....|...", ".....oHbHHHo....|...", ".....oHHbbHho...|...",
    "..oohhhhhhhhhoo.|...", "...ooSSSSSSSoo..|...", "....oSeSSSeSo...|...", "....oSSSsSSSo...|...",
    "...oRRoSSSoRRrrrS...", "..oRRRRTTTRRRroo|...", "..oRRRRRTRRRRro.|...", "..oRRTTTTTTTRro.|...",
    "..oRRRRRTRRRRro.|...", ".oRRRRRRTRRRRrro|...", ".oRRRRRRTRRRRrro|...", ".ooooooooooooooo|...",
};

// A hooded necromancer: a pale skull face in the hood's shadow.
const std::vector<std::string> hooded{
    "................c...", "...............cCc..", ".......ooooo....c...", "......oHHHHHo...|...",
    ".....oHHHHHHho..|...", "....oHHhhhhhHho.|...", "....oHhSSSSShho.|...", "....oHhSeSeShho.|...",
    "....oHhSSsSShho.|...", "....oHhhSsShhho.|...", "...oHHhhhhhhhHho|...", "...oHHHhhhhhHHho|...",
    "..oRRHHHHHHHHRrrS...", "..oRRRRRRRRRRroo|...", "..oRRRRRRRRRRro.|...", "..oRRTTTTTTTRro.|...",
    "..oRRRRRRRRRRro.|...", ".oRRRRRRRRRRRrro|...", ".oRrRRRrRRrRRrro|...", ".oooo.oooooo.ooo|...",
};

struct Look {
    std::string_view name;
    const std::vector<std::string>* rows;
    QColor hat, robe, trim, badge, orb, skin;
};

const QColor wood(140, 95, 50);
const QColor beard(235, 235, 240);
const QColor eyes(20, 20, 70);

const Look looks[] = {
    {"wizard1", &bearded, QColor(51, 51, 204), QColor(51, 102, 204), QColor(255, 204, 51), QColor(255, 255, 102),
     QColor(150, 200, 255), QColor(230, 190, 150)},
    {"wizard2", &bearded, QColor(180, 20, 30), QColor(200, 35, 40), QColor(255, 200, 60), QColor(255, 230, 150),
     QColor(255, 140, 0), QColor(230, 185, 145)},
    {"wizard3", &beardless, QColor(110, 40, 160), QColor(135, 60, 190), QColor(230, 200, 90), QColor(255, 240, 150),
     QColor(255, 120, 255), QColor(235, 195, 160)},
    {"wizard4", &bearded, QColor(210, 210, 220), QColor(235, 235, 242), QColor(170, 180, 200), QColor(120, 160, 230),
     QColor(255, 255, 255), QColor(230, 190, 150)},
    {"wizard5", &beardless, QColor(210, 95, 20), QColor(235, 125, 30), QColor(120, 40, 10), QColor(255, 225, 80),
     QColor(255, 200, 40), QColor(205, 150, 105)},
    {"wizard6", &beardless, QColor(0, 130, 140), QColor(20, 165, 175), QColor(225, 245, 255), QColor(150, 235, 255),
     QColor(100, 220, 255), QColor(240, 200, 170)},
    {"wizard7", &bearded, QColor(60, 50, 40), QColor(225, 185, 40), QColor(120, 70, 20), QColor(240, 220, 120),
     QColor(255, 250, 160), QColor(200, 145, 100)},
    {"wizard8", &bearded, QColor(100, 70, 35), QColor(70, 140, 55), QColor(200, 170, 90), QColor(150, 230, 90),
     QColor(180, 255, 120), QColor(215, 170, 125)},
    {"wizard9", &hooded, QColor(45, 35, 60), QColor(35, 25, 50), QColor(120, 220, 120), QColor(120, 220, 120),
     QColor(120, 255, 120), QColor(215, 215, 200)},
};

}  // namespace

QImage drawwizard(const hexbrawl::PictureEntry& entry)
{
    for (const Look& look : looks) {
        if (look.name != entry.name)
            continue;
        const bool necromancer = look.rows == &hooded;
        const Palette colours{
            {'o', QColor(24, 24, 24)},
            {'H', look.hat},
            {'h', look.hat.darker(necromancer ? 180 : 135)},
            {'b', look.badge},
            {'S', look.skin},
            {'s', look.skin.darker(120)},
            {'e', necromancer ? QColor(140, 255, 140) : eyes},
            {'W', beard},
            {'R', look.robe},
            {'r', look.robe.darker(140)},
            {'T', look.trim},
            {'|', wood},
            {'c', look.orb},
            {'C', look.orb.lighter(150)},
        };
        return pixelart(entry.width, entry.height, *look.rows, colours);
    }
    throw std::runtime_error("no look for " + std::string(entry.name));
}

}  // namespace assetgen
