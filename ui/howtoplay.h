// SPDX-License-Identifier: MIT
// The small "How to play" window F1 opens: the rules in a few lines. It is not
// modal, so the match goes on behind it exactly as it would without it.
#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace hexbrawl::ui {

// The text it shows, plain.
QString howtoplaytext();
// The window, hidden until shown; it belongs to `parent`.
QDialog* makehowtoplay(QWidget* parent);
// Puts it beside `window` on its screen, or where it covers only the left column.
void placehowtoplay(QDialog* help, const QWidget* window);

}  // namespace hexbrawl::ui
