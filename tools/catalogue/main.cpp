// SPDX-License-Identifier: MIT
// hexbrawl-catalogue [SEED]: lists the spells a run invents, page by page.
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "game/kinds.h"
#include "tools/script/scenario.h"

int main(int argc, char** argv)
{
    std::uint32_t seed = static_cast<std::uint32_t>(std::time(nullptr));
    if (argc > 1)
        seed = static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 10));
    hexbrawl::Session session;
    session.start(seed);
    const auto& catalog = session.form().catalog;
    std::printf("The spells of seed %u\n", seed);
    for (const hexbrawl::KindFacts& kind : hexbrawl::kinds) {
        const int page = hexbrawl::pageof(kind.kind);
        std::printf("\n== %.*s ==\n%-5s %-40s %5s %5s %6s %6s %9s\n", static_cast<int>(kind.tab.size()),
                    kind.tab.data(), "Level", "Name", "Price", "Walk", "Range", "Aim", "Effect");
        for (int i = 0; i < hexbrawl::pagesize; ++i) {
            const hexbrawl::Tability& a = catalog[page * hexbrawl::pagesize + i];
            std::printf("%-5d %-40s %5d %5d %6d %6d %4d..%-4d\n", a.level, a.name.c_str(), 3 * a.level, a.walkcost,
                        hexbrawl::truncate(a.range), hexbrawl::truncate(a.aim), a.mineffect, a.maxeffect);
        }
    }
    return 0;
}
