// SPDX-License-Identifier: MIT
// hexbrawl-catalogue [SEED]: lists the spells a run invents, page by page.
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "tools/script/scenario.h"

int main(int argc, char** argv)
{
    std::uint32_t seed = static_cast<std::uint32_t>(std::time(nullptr));
    if (argc > 1)
        seed = static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 10));
    hexbrawl::Session session;
    session.start(seed);
    const auto& catalog = session.form().catalog;
    static const char* pages[] = {"Ranged", "Block", "Reflect", "Teleport"};
    std::printf("The spells of seed %u\n", seed);
    for (int page = 0; page < 4; ++page) {
        std::printf("\n== %s ==\n%-5s %-40s %5s %5s %6s %6s %9s\n", pages[page], "Level", "Name", "Price", "Walk",
                    "Range", "Aim", "Effect");
        for (int i = 0; i < 100; ++i) {
            const hexbrawl::Tability& a = catalog[page * 100 + i];
            std::printf("%-5d %-40s %5d %5d %6d %6d %4d..%-4d\n", a.level, a.name.c_str(), 3 * a.level, a.walkcost,
                        hexbrawl::truncate(a.range), hexbrawl::truncate(a.aim), a.mineffect, a.maxeffect);
        }
    }
    return 0;
}
