// SPDX-License-Identifier: MIT
#include "ui/howtoplay.h"

#include <QDialog>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace hexbrawl::ui {

QString howtoplaytext()
{
    return QStringLiteral(
        "Click the title. In the Stats Editor set the number of players, then build each wizard in turn: "
        "a name, a body and a death cry, and the points of the blue gauge spent on health (1 a unit), "
        "walk (2 a unit) and spells (\"---->\" buys, \"<----\" sells). \"Computer\" lets the computer play "
        "a wizard. \"Next Player\" goes on; after the last one the match begins.\n\n"
        "In your turn, click inside the blue circle to walk: every started 10 pixels cost a walk point.\n\n"
        "To cast, pick a spell in the list (keys 1 to 9), press \"Use Ability\" (Space) and click inside "
        "the red circle. Ranged spells fly and hurt the first wizard they meet; Block stops them; Reflect "
        "turns them back; Teleport moves you.\n\n"
        "\"END TURN\" (E) passes the turn, as does spending the last walk point, but never while a spell "
        "flies. The last wizard standing wins the round; the level rises and the editor reopens with "
        "fresh points.\n\n"
        "Over the arena: each living wizard's name and a thin health bar (the name in yellow, with a mark, "
        "is the wizard in turn); each hit's amount rising from the wizard hit (red a loss, green a gain, 0 "
        "a miss by a zero roll); a cross over a wizard who fell; the last few things that happened, in "
        "words, in the lower left corner; a short trail behind each flying spell in its element's colour. "
        "Hold Tab for the table of the round: every wizard, who plays it, health, kills, alive or fallen. "
        "H hides all of it, or shows it again.\n\n"
        "Enter or Space closes a message. M turns every sound off and on. F1 shows this window; the keys "
        "of the match go on working while it is open.");
}

QDialog* makehowtoplay(QWidget* parent)
{
    auto* window = new QDialog(parent);
    // It never takes the keyboard from the game.
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    window->setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    window->setWindowTitle(QStringLiteral("How to play"));
    window->setModal(false);
    auto* text = new QLabel(howtoplaytext(), window);
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setFixedWidth(420);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->addWidget(text);
    window->setFixedSize(window->sizeHint());
    return window;
}

void placehowtoplay(QDialog* help, const QWidget* window)
{
    const QRect game = window->frameGeometry();
    const QScreen* screen = window->screen();
    const QRect room = screen ? screen->availableGeometry() : game.adjusted(-10000, -10000, 10000, 10000);
    auto* text = help->findChild<QLabel*>();
    auto fit = [help, text](int width, int pixels) {
        QFont font = text->font();
        font.setPixelSize(pixels);
        text->setFont(font);
        text->setFixedWidth(width);
        help->setFixedSize(help->sizeHint());
    };
    // Beside the window, right or left; on a screen too small for that, narrow and
    // over the turn display alone, so the arena stays in sight.
    fit(420, 12);
    const int outer = help->frameGeometry().width() - help->width() + help->width();
    if (game.right() + 8 + outer <= room.right()) {
        help->move(game.right() + 8, std::max(room.top(), game.top()));
    } else if (game.left() - 8 - outer >= room.left()) {
        help->move(game.left() - 8 - outer, std::max(room.top(), game.top()));
    } else {
        fit(120, 10);
        help->move(window->mapToGlobal(QPoint(0, 0)));
    }
}

}  // namespace hexbrawl::ui
