// SPDX-License-Identifier: MIT
// Whether the window can be opened at all, decided before Qt is asked to (which
// would abort without a display).
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace hexbrawl::ui {

// The one line to print when there is no display to open the window on, or nothing
// when there is one. `getenv` reads the environment (a stand-in in tests).
std::optional<std::string> missingdisplay(const std::function<const char*(const char*)>& getenv,
                                          const std::string& program);

// A desktop session names a folder of the user's own for sockets and the like in
// XDG_RUNTIME_DIR; a root shell or a service often has none, and the window system's
// libraries then warn and guess. Without one, the game makes `folder` (readable by
// the user alone) and names it there. Returns whether XDG_RUNTIME_DIR is set after.
bool provideruntimedir(const std::string& folder);

}  // namespace hexbrawl::ui
