// SPDX-License-Identifier: MIT
// Copying the controls model to the widgets: each setter changes a widget only when
// it shows something else, with its signals blocked, so that nothing the program
// sets is mistaken for a player's action.
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <vector>

#include "game/controls.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QWidget;

namespace hexbrawl::ui {

class BarGauge;
class PageTabs;
class PieGauge;
class SpinEdit;

inline QString qtext(const std::string& text) { return QString::fromStdString(text); }

// What a widget last received of its control, for the lists and pictures that are
// costly to compare or convert; nothing for the rest.
template <typename Model>
struct Seen {};
template <>
struct Seen<ListBox> {
    std::vector<std::string> rows;
};
template <>
struct Seen<SpellList> {
    std::vector<std::string> rows;
    std::optional<FontColor> colour;
};
template <>
struct Seen<Memo> {
    std::vector<std::string> lines;
};
template <>
struct Seen<Picture> {
    std::string picture;
};

// A `Seen` for every control of the list.
struct SeenControls {
#define HEXBRAWL_SEEN_CONTROL(name, Type, verb, place, handler, ...) Seen<Type> name;
    HEXBRAWL_CONTROLS(HEXBRAWL_SEEN_CONTROL)
#undef HEXBRAWL_SEEN_CONTROL
};

void bindvisible(QWidget* widget, bool visible);
void bindenabled(QWidget* widget, bool enabled);
void bindtext(QLabel* label, const std::string& text);
void bindtext(QLineEdit* edit, const EditBox& box);
void bindtext(SpinEdit* spin, const EditBox& box);
void bindbox(QComboBox* combo, const EditBox& box);
// A drop-down that takes no typing: its rows, the row of the text, and its flag.
void bindchoice(QComboBox* combo, const EditBox& box);
// `shown` remembers the rows last put into the list, so that an unchanged list of
// a hundred rows costs one comparison per event.
void bindlist(QListWidget* list, const ListBox& box, std::vector<std::string>& shown);
void bindlines(QPlainTextEdit* memo, const std::vector<std::string>& lines, std::vector<std::string>& shown);
void bindgauge(BarGauge* bar, const Gauge& gauge);
void bindpie(PieGauge* pie, int progress);
void bindpage(PageTabs* tabs, int page);

}  // namespace hexbrawl::ui
