// SPDX-License-Identifier: MIT
#include "game/table.h"

namespace hexbrawl {

GameTable::GameTable(const Ports& ports, TableHost& host) : host_(host), seedtap_(ports.clock)
{
    form_ = std::make_unique<TForm1>(Ports{ports.surface, ports.sound, ports.dialogs, ports.timer, seedtap_});
}

void GameTable::apply(const input::Action& action)
{
    try {
        input::apply(*form_, action);
    } catch (const LookupError& error) {
        host_.failed(error);
    }
    if (action.verb == input::Action::Verb::start)
        memory_ = computer::Memory(seedtap_.seed);
    host_.settled();
}

std::optional<input::Action> GameTable::period()
{
    if (form_->controls.GameTimer.enabled)
        apply(input::Action::tick(1));
    if (host_.boxopen())
        return std::nullopt;
    std::optional<input::Action> step = computer::next(*form_, memory_);
    if (step)
        apply(step->bycomputer());
    return step;
}

bool waiting(const TForm1& form) { return !form.controls.GameTimer.enabled && !computer::atcontrols(form); }

bool GameTable::waiting() const { return hexbrawl::waiting(*form_); }

bool GameTable::closesbyitself(MessageKind) const { return input::computerseat(*form_); }

}  // namespace hexbrawl
