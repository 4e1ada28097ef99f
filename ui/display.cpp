// SPDX-License-Identifier: MIT
#include "ui/display.h"

#include <string_view>

namespace hexbrawl::ui {

std::optional<std::string> missingdisplay(const std::function<const char*(const char*)>& getenv,
                                          const std::string& program)
{
    auto set = [&](const char* name) {
        const char* value = getenv(name);
        return value && *value;
    };
    // Only the desktop platforms need a display server; offscreen, vnc and the
    // like bring their own.
    std::string_view platform = set("QT_QPA_PLATFORM") ? getenv("QT_QPA_PLATFORM") : "";
    bool desktop = platform.empty() || platform.starts_with("xcb") || platform.starts_with("wayland");
    if (!desktop || set("DISPLAY") || set("WAYLAND_DISPLAY"))
        return std::nullopt;
    return program +
           ": no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); "
           "start it from a desktop session, or without one under a virtual display: xvfb-run " +
           program;
}

}  // namespace hexbrawl::ui
