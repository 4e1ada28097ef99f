// SPDX-License-Identifier: MIT
// Presses on the arena: walking in walking mode, casting in aiming mode.
#include <cmath>

#include "game/kinds.h"
#include "game/tform1.h"

namespace hexbrawl {

void TForm1::DrawMouseDown(int X, int Y)
{
    // Outside a match the arena is only a picture behind the Stats Editor.
    if (!matchrunning)
        return;
    const double px = X;
    const double py = Y;

    if (mode == Mode::walking) {
        Tplayer& w = current();
        const double d = std::sqrt((w.x + 10 - px) * (w.x + 10 - px) + (w.y + 10 - py) * (w.y + 10 - py));
        if (!(w.walk * 10.0 < d)) {
            playwave("step");
            // Every started 10 pixels cost a point, and an exact multiple one more.
            w.walk -= truncate(d / 10) + 1;
            w.x = px - 10;
            w.y = py - 10;
            walkreadout();
            locationreadout();
            if (w.walk == 0) {
                firstturn = false;
                startgame();
            }
        }
    }

    if (mode == Mode::aiming) {
        const Tability* a = selectedability();
        if (!a)
            return;
        Tplayer& w = current();
        const double d = std::sqrt((w.x + 10 - px) * (w.x + 10 - px) + (w.y + 10 - py) * (w.y + 10 - py));
        if (a->aim < d || a->walkcost > w.walk || inplaycount == Inplay::last)
            return;
        ++inplaycount;
        Tability& slot = inplay[inplaycount];
        slot = *a;
        slot.owner = currentplayer;
        switch (castof(slot.kind)) {
        case Cast::flies:
            slot.x = w.x + 10;
            slot.y = w.y + 10;
            slot.angle = std::atan2(slot.y - py, slot.x - px);
            slot.dx = -std::cos(slot.angle) * 8;
            slot.dy = -std::sin(slot.angle) * 8;
            playwave(slot.element);
            break;
        case Cast::stands:
            slot.x = px - slot.spritewidth / 2;
            slot.y = py - slot.spriteheight / 2;
            slot.angle = slot.dx = slot.dy = 0;
            playwave(slot.element);
            break;
        case Cast::movescaster:
            w.x = px - 10;
            w.y = py - 10;
            events.add(upon(Event::teleport, slot.name, currentplayer, currentplayer, &w));
            playwave("teleport");
            break;
        default: break;
        }
        slot.range = slot.maxrange;
        // Nudged after the direction is taken, so dx and dy keep their values.
        if (slot.x == px)
            slot.x = slot.x + 0.0001;
        w.walk -= slot.walkcost;
        walkreadout();
    }
}

}  // namespace hexbrawl
