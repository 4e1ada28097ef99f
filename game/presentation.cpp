// SPDX-License-Identifier: MIT
// The presentation helpers every handler shares: each looks a name up first, so an
// unknown name throws before anything is drawn, played or shown.
#include "game/tform1.h"

namespace hexbrawl {

void TForm1::playwave(std::string_view name)
{
    const WaveEntry& wave = findwave(name);
    ports_.sound.playwave(name, wave);
}

void TForm1::showpicture(std::string& picturebox, const std::string& name)
{
    findimage(name);
    picturebox = name;
}

void TForm1::message(MessageKind kind, const std::string& text) { ports_.dialogs.showmessage(kind, text); }

void TForm1::setgametimer(bool enabled)
{
    controls.GameTimer.enabled = enabled;
    ports_.timer.setenabled(enabled);
}

}  // namespace hexbrawl
