// SPDX-License-Identifier: MIT
// Beside the Stats Editor's spell information: the spell shown there in figures a
// player reads at a glance (reach in pixels, the bounds of its roll, walk cost, aim)
// against the best spell of the same kind the wizard already owns. The window's own
// widget: it reads the game and changes nothing.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

#include "game/state.h"

namespace hexbrawl {

class TForm1;

namespace ui {

// "reaches 516 px, hits 0-4, costs 2 walk, aims 300 px" and the like, for its kind.
QString spellfigures(const Tability& a);

class SpellCompare final : public QWidget {
public:
    explicit SpellCompare(QWidget* parent);

    // After each event: the spell last picked in the shop or the spellbook.
    void follow(const TForm1& form);
    QStringList lines() const { return lines_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int page_ = -1, purchase_ = -1, yours_ = -1;
    std::vector<std::string> info_;
    std::optional<Tability> shown_;
    QStringList lines_;
};

}  // namespace ui
}  // namespace hexbrawl
