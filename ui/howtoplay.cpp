// SPDX-License-Identifier: MIT
#include "ui/howtoplay.h"

#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

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
        "Enter or Space closes a message. M turns every sound off and on. F1 shows this window.");
}

QDialog* makehowtoplay(QWidget* parent)
{
    auto* window = new QDialog(parent);
    window->setWindowTitle(QStringLiteral("How to play"));
    window->setModal(false);
    auto* text = new QLabel(howtoplaytext(), window);
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setFixedWidth(420);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(16, 14, 16, 16);
    layout->addWidget(text);
    window->setFixedSize(window->sizeHint());
    return window;
}

}  // namespace hexbrawl::ui
