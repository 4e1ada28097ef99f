// SPDX-License-Identifier: MIT
// Planting a tree: the full-grown ones of start-up and of every match start, and
// the saplings of the turn starts.
#include <string>

#include "game/tform1.h"

namespace hexbrawl {

void TForm1::planttree(Tobstacle& tree, const TreeGrowth& growth)
{
    tree.image = "tree" + std::to_string(random.randomint(3) + 1);
    tree.hits = random.randomint(growth.hitspread) + growth.hitbase;
    tree.x = random.randomgauss(375, 200);
    tree.y = random.randomgauss(375, 200);
    tree.width = random.randomgauss(growth.width, growth.widthsd);
    tree.height = random.randomgauss(growth.height, growth.heightsd);
}

}  // namespace hexbrawl
