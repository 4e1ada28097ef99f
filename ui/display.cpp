// SPDX-License-Identifier: MIT
#include "ui/display.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
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
           "start it from a desktop session, or without one under a virtual display: xvfb-run -a " +
           program;
}

bool provideruntimedir(const std::string& folder)
{
    const char* named = std::getenv("XDG_RUNTIME_DIR");
    if (named && *named)
        return true;
    ::mkdir(folder.c_str(), 0700);
    // Only a folder of this user's that no one else can enter will do.
    struct stat seen {};
    if (::lstat(folder.c_str(), &seen) != 0 || !S_ISDIR(seen.st_mode) || seen.st_uid != ::geteuid() ||
        (seen.st_mode & 077) != 0)
        return false;
    return ::setenv("XDG_RUNTIME_DIR", folder.c_str(), 1) == 0;
}

}  // namespace hexbrawl::ui
