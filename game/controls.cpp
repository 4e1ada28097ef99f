// SPDX-License-Identifier: MIT
#include "game/controls.h"

#include <array>
#include <utility>

namespace hexbrawl {

namespace {
#define HEXBRAWL_CONTROL_NAME(name, Type, verb, place, handler, ...)                                                   \
    HEXBRAWL_ACTS_##verb(std::pair{Control::name, std::string_view(#name)}, )
constexpr std::array<std::pair<Control, std::string_view>, controlcount> names{
    {HEXBRAWL_CONTROLS(HEXBRAWL_CONTROL_NAME)}};
#undef HEXBRAWL_CONTROL_NAME
}  // namespace

std::optional<Control> controlbyname(std::string_view name)
{
    for (const auto& [control, n] : names)
        if (n == name)
            return control;
    return std::nullopt;
}

std::string_view controlname(Control control)
{
    for (const auto& [c, n] : names)
        if (c == control)
            return n;
    return {};
}

}  // namespace hexbrawl
