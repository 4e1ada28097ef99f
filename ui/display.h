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

}  // namespace hexbrawl::ui
