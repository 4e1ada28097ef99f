// SPDX-License-Identifier: MIT
// What happened on the arena, as plain records for whoever shows it: the rules
// append them where it happens and never read them back. The log keeps only the
// latest ones, so a game nobody watches (the runner, a long demo) grows no memory.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "game/state.h"

namespace hexbrawl {

struct Event {
    enum Kind : std::int32_t {
        hit,  // a projectile hit `wizard` for `amount` (negative: it healed)
        death,  // `wizard` fell to `spell`; `killer` is credited with it
        clash,  // two spells met; `survived`: 0 neither, 1 the shot, 2 the other
        reflect,  // `other`'s spell turned the shot back
        blocked,  // `other`'s block stopped the shot
        treehit,  // the shot hit a tree
        treefelled,  // the shot felled a tree
        teleport,  // `wizard` teleported
        turnstart,  // `wizard`'s turn began
    };
    Kind kind = hit;
    std::string spell;  // the shot (or the teleport) of `owner`
    std::int32_t owner = 0;
    std::string otherspell;  // the block or reflect it met, of `other`
    std::int32_t other = 0;
    std::int32_t wizard = 0;
    std::int32_t amount = 0;
    std::int32_t killer = 0;
    std::int32_t survived = 0;
    double x = 0, y = 0;  // where it happened
};

// A shot meeting another spell (`survived` as in Event).
inline Event meeting(Event::Kind kind, const Tability& shot, const Tability& other, std::int32_t survived)
{
    Event e;
    e.kind = kind;
    e.spell = shot.name;
    e.owner = shot.owner;
    e.otherspell = other.name;
    e.other = other.owner;
    e.survived = survived;
    e.x = shot.x;
    e.y = shot.y;
    return e;
}
// Something that happened to `wizard` (at its place; 0 for none) by `spell` of `owner`.
inline Event upon(Event::Kind kind, const std::string& spell, std::int32_t owner, std::int32_t wizard, const Tplayer* w,
                  std::int32_t amount = 0, std::int32_t killer = 0)
{
    Event e;
    e.kind = kind;
    e.spell = spell;
    e.owner = owner;
    e.wizard = wizard;
    e.amount = amount;
    e.killer = killer;
    if (w) {
        e.x = w->x;
        e.y = w->y;
    }
    return e;
}

// The latest events, oldest first; the oldest is dropped when it is full.
class EventLog {
public:
    static constexpr std::size_t capacity = 64;

    void add(Event event)
    {
        if (count_ == capacity) {
            head_ = (head_ + 1) % capacity;
            --count_;
        }
        items_[(head_ + count_) % capacity] = std::move(event);
        ++count_;
    }
    std::size_t size() const { return count_; }
    const Event& operator[](std::size_t i) const { return items_[(head_ + i) % capacity]; }
    void clear() { head_ = count_ = 0; }

private:
    std::array<Event, capacity> items_{};
    std::size_t head_ = 0, count_ = 0;
};

}  // namespace hexbrawl
