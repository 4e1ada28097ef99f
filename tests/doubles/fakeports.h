// SPDX-License-Identifier: MIT
// Stand-ins for the window's ports in its tests: boxes answered at once, a timer
// whose ticks the test delivers, a clock that always gives the same seed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "present/ports.h"

namespace hexbrawl {

// Answers every box at once and keeps what it said.
class FakeDialogs final : public Dialogs {
public:
    struct Message {
        MessageKind kind;
        std::string text;
    };
    std::vector<Message> shown;
    void showmessage(MessageKind kind, const std::string& text) override { shown.push_back({kind, text}); }
};

class FakeTimer final : public GameTimer {
public:
    bool enabled = false;
    void setenabled(bool on) override { enabled = on; }
};

class FixedClock final : public Clock {
public:
    std::uint32_t seedvalue() override { return 4242; }
};

}  // namespace hexbrawl
