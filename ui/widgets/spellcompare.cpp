// SPDX-License-Identifier: MIT
#include "ui/widgets/spellcompare.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

#include "game/kinds.h"
#include "game/tform1.h"
#include "ui/fonts.h"
#include "ui/widgets/factory.h"
#include "ui/widgets/glowlabel.h"

namespace hexbrawl::ui {

namespace {

// A roll is randomint(max - min) + min: min up to max - 1, or min alone.
QString bounds(const Tability& a)
{
    const std::int32_t high = a.maxeffect > a.mineffect ? a.maxeffect - 1 : a.mineffect;
    return high == a.mineffect ? QString::number(high) : QStringLiteral("%1-%2").arg(a.mineffect).arg(high);
}

// How good a spell of its kind is, for picking the wizard's best.
double worth(const Tability& a)
{
    if (a.kind == Teleport)
        return a.aim;
    return (a.mineffect + a.maxeffect) * 1000.0 + a.range;
}

}  // namespace

QString spellfigures(const Tability& a)
{
    const QString cost = QStringLiteral("costs %1 walk, aims %2 px").arg(a.walkcost).arg(std::lround(a.aim));
    switch (a.kind) {
    case Ranged: return QStringLiteral("reaches %1 px, hits %2, ").arg(std::lround(a.range * 8)).arg(bounds(a)) + cost;
    case Block:
    case Reflect: return QStringLiteral("holds %1, fades %2 in 100, ").arg(bounds(a)).arg(std::lround(a.range)) + cost;
    case Teleport: return cost;
    }
    return {};
}

SpellCompare::SpellCompare(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFont(gamefont(Face::arial, 10));
}

void SpellCompare::follow(const TForm1& form)
{
    const Controls& c = form.controls;
    const Tplayer* w = Players::contains(form.currentplayer) ? &form.players[form.currentplayer] : nullptr;
    // The spell whose information is shown: the row picked last, in the shop or the
    // spellbook, kept while the lists are filled again after a purchase or a sale.
    const bool shopchanged = c.PurchaseList.selected != purchase_ || c.MagicType.page != page_;
    const bool yourschanged = c.Yourlist.selected != yours_;
    purchase_ = c.PurchaseList.selected;
    page_ = c.MagicType.page;
    yours_ = c.Yourlist.selected;
    if (c.SpellInfo.lines != info_) {
        info_ = c.SpellInfo.lines;
        const bool fromshop = purchase_ >= 0 && page_ >= 0 && page_ < kindcount && (shopchanged || !yourschanged);
        if (info_.empty() || info_.front().rfind("Name: ", 0) != 0)
            shown_.reset();
        else if (fromshop)
            shown_ = form.catalog[page_ * pagesize + purchase_];
        else if (w && yours_ >= 0 && yours_ < Spellbook::size)
            shown_ = w->spellbook[yours_];
    }
    if (!c.PurchaseWindow.visible)
        shown_.reset();
    QStringList lines;
    const Tability* shown = shown_ ? &*shown_ : nullptr;
    if (shown && !shown->name.empty() && w) {
        const Tability* best = nullptr;
        for (const Tability& a : w->spellbook)
            if (!a.name.empty() && a.kind == shown->kind && (!best || worth(a) > worth(*best)))
                best = &a;
        lines << QStringLiteral("This one ") + spellfigures(*shown);
        if (!best)
            lines << QStringLiteral("You own no spell of this kind yet.");
        else if (best->name == shown->name && worth(*best) == worth(*shown))
            lines << QStringLiteral("Your best of this kind.");
        else
            lines << QStringLiteral("Your best ") + spellfigures(*best);
    }
    if (lines != lines_) {
        lines_ = lines;
        update();
    }
}

void SpellCompare::paintEvent(QPaintEvent*)
{
    if (lines_.isEmpty())
        return;
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setFont(font());
    const QFontMetrics metrics(font());
    // Word-wrapped, in the spell information's blue and the editor's orange.
    int y = 1 + metrics.ascent();
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        QString rest = lines_[i];
        while (!rest.isEmpty() && y < height() + metrics.ascent()) {
            qsizetype cut = rest.size();
            while (cut > 0 && metrics.horizontalAdvance(rest.left(cut)) > width() - 4) {
                const qsizetype space = rest.lastIndexOf(QLatin1Char(' '), cut - 1);
                cut = space > 0 ? space : cut - 1;
            }
            if (cut <= 0)
                cut = 1;
            painter.setPen(i == 0 ? QColor(0x60, 0x90, 0xFF) : QColor(0xFF, 0x80, 0x00));
            painter.drawText(2, y, rest.left(cut));
            rest = rest.mid(cut).trimmed();
            y += metrics.height();
        }
    }
}

}  // namespace hexbrawl::ui
