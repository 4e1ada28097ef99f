// SPDX-License-Identifier: MIT
// The small interfaces through which the game draws, sounds, asks and keeps time.
// The game calls them; the window and the scenario runner supply them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "present/catalogues.h"

namespace hexbrawl {

// Colours crossing this port are packed as 0x00BBGGRR.
class Surface {
public:
    static constexpr int size = 750;  // the arena drawn on it is this many pixels wide and high

    virtual ~Surface() = default;
    virtual void clearsurface() = 0;
    // Pattern 0 of the picture with its top-left corner at (x, y); colour-keyed, clipped.
    virtual void drawimage(const PictureEntry& picture, int x, int y) = 0;
    // Pattern 0 scaled into the rectangle (right and bottom exclusive); keyed and clipped.
    virtual void stretchimage(const PictureEntry& picture, int left, int top, int right, int bottom) = 0;
    virtual void drawellipse(int left, int top, int right, int bottom, std::uint32_t pen,
                             std::optional<std::uint32_t> fill) = 0;
    virtual void flipsurface() = 0;
};

class Sound {
public:
    virtual ~Sound() = default;
    // `asnamed` is the name as the caller wrote it; `wave` the entry it found.
    virtual void playwave(std::string_view asnamed, const WaveEntry& wave) = 0;
};

enum class MessageKind { info, warning, error };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal box with one OK button; returns when it is dismissed.
    virtual void showmessage(MessageKind kind, const std::string& text) = 0;
};

class GameTimer {
public:
    virtual ~GameTimer() = default;
    virtual void setenabled(bool enabled) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // The value the random source is seeded with: milliseconds since midnight UTC
    // for the real clock, the script's seed for the runner.
    virtual std::uint32_t seedvalue() = 0;
};

struct Ports {
    Surface& surface;
    Sound& sound;
    Dialogs& dialogs;
    GameTimer& timer;
    Clock& clock;
};

// Stand-ins that do nothing, for callers that do not care about a port.
class NullSurface final : public Surface {
public:
    void clearsurface() override {}
    void drawimage(const PictureEntry&, int, int) override {}
    void stretchimage(const PictureEntry&, int, int, int, int) override {}
    void drawellipse(int, int, int, int, std::uint32_t, std::optional<std::uint32_t>) override {}
    void flipsurface() override {}
};

class NullSound final : public Sound {
public:
    void playwave(std::string_view, const WaveEntry&) override {}
};

class NullTimer final : public GameTimer {
public:
    void setenabled(bool) override {}
};

}  // namespace hexbrawl
