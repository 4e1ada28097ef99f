// SPDX-License-Identifier: MIT
// The colours and places of the main window's layout, shared by the files that
// build and fill it.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>

namespace hexbrawl::ui::look {

inline const QColor silver(0xC0, 0xC0, 0xC0);
inline const QColor maroon(0x80, 0x00, 0x00);
inline const QColor orange(0xFF, 0x80, 0x00);
inline const QColor yellow(0xFF, 0xFF, 0x00);
inline const QColor red(0xFF, 0x00, 0x00);
inline const QColor lime(0x00, 0xFF, 0x00);
inline const QColor green(0x00, 0x80, 0x00);
inline const QColor blue(0x00, 0x00, 0xFF);

inline constexpr QPoint arenaplace(152, 0);
inline constexpr QRect editorplace(192, 136, 593, 537);

}  // namespace hexbrawl::ui::look
