// SPDX-License-Identifier: MIT
// hexbrawl-script [SCRIPT]: plays a script of player actions headlessly and prints
// the game's state as JSON.
#include <fstream>
#include <iostream>

#include "tools/script/scenario.h"

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    if (argc > 2) {
        std::cerr << "usage: hexbrawl-script [SCRIPT]\n";
        return 2;
    }
    if (argc == 2) {
        std::ifstream file(argv[1], std::ios::binary);
        if (!file) {
            std::cerr << "hexbrawl-script: cannot read " << argv[1] << '\n';
            return 1;
        }
        return hexbrawl::runscript(file, std::cout, std::cerr);
    }
    return hexbrawl::runscript(std::cin, std::cout, std::cerr);
}
