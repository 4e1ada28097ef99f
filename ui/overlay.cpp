// SPDX-License-Identifier: MIT
#include "ui/overlay.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>

#include "game/events.h"
#include "game/kinds.h"
#include "game/tform1.h"
#include "ui/fonts.h"
#include "ui/widgets/factory.h"
#include "ui/widgets/glowlabel.h"
#include "ui/windowlook.h"

namespace hexbrawl::ui {

namespace {

using look::orange;
using look::silver;
using look::yellow;
const QColor hurt(0xFF, 0x30, 0x30);
const QColor healed(0x40, 0xFF, 0x40);
const QColor fallen(0x80, 0x80, 0x80);

constexpr int tagwidth = 76;  // a name longer than this is cut
constexpr int barheight = 3;

QColor elementcolour(const std::string& element)
{
    struct Shade {
        const char* element;
        QColor colour;
    };
    static const Shade shades[] = {
        {"fire", QColor(255, 110, 30)},  {"water", QColor(70, 150, 255)}, {"wind", QColor(225, 225, 225)},
        {"earth", QColor(170, 120, 60)}, {"life", QColor(90, 235, 90)},   {"death", QColor(175, 70, 210)},
        {"cosmo", QColor(235, 90, 235)},
    };
    for (const Shade& s : shades)
        if (element == s.element)
            return s.colour;
    return silver;
}

QString name(const TForm1& form, std::int32_t p)
{
    return Players::contains(p) ? QString::fromStdString(form.players[p].name) : QString();
}

// Opacity after `age` of `life` frames: whole for the first part, then falling in
// a few steps, so that a fading piece is drawn again only now and then.
double fading(std::uint64_t age, int life, int fade, int steps)
{
    const auto left = static_cast<double>(life) - static_cast<double>(age);
    if (left >= fade)
        return 1;
    return std::ceil(std::max(0.0, left) / fade * steps) / steps;
}

QString amounttext(std::int32_t amount)
{
    if (amount > 0)
        return QStringLiteral("-%1").arg(amount);
    if (amount < 0)
        return QStringLiteral("+%1").arg(-amount);
    return QStringLiteral("0");
}

}  // namespace

Overlay::Overlay(QWidget* view)
    : view_(view), tagfont_(gamefont(Face::arial, 10, true)), numberfont_(gamefont(Face::arial, 15, true)),
      linefont_(gamefont(Face::arial, 11)), tablefont_(gamefont(Face::arial, 12))
{}

void Overlay::setshown(bool shown)
{
    shown_ = shown;
    view_->update();
}

void Overlay::settable(bool table)
{
    if (table_ == table)
        return;
    table_ = table;
    QRegion region;
    for (auto it = lastpieces_.cbegin(); it != lastpieces_.cend(); ++it)
        if (it.key().startsWith(QLatin1String("table")))
            region += it.value();
    // The table's place is known only once it is laid out: the next follow() draws it.
    if (table)
        view_->update();
    else
        view_->update(region);
}

std::vector<QString> Overlay::lines() const
{
    std::vector<QString> texts;
    for (const Line& l : lines_)
        texts.push_back(l.text);
    return texts;
}

void Overlay::take(const TForm1& form, const Event& e)
{
    const QString owner = name(form, e.owner), other = name(form, e.other), wizard = name(form, e.wizard);
    const QString spell = QString::fromStdString(e.spell), otherspell = QString::fromStdString(e.otherspell);
    const QString shot = owner + QStringLiteral("'s ") + spell;
    const QString stop = other + QStringLiteral("'s ") + otherspell;
    QString line;
    switch (e.kind) {
    case Event::hit:
        floaters_.push_back({QPointF(e.x, e.y), amounttext(e.amount),
                             e.amount > 0   ? hurt
                             : e.amount < 0 ? healed
                                            : silver,
                             now_, false});
        line = shot + QStringLiteral(" hit ") + wizard + QStringLiteral(": ") + amounttext(e.amount);
        break;
    case Event::death:
        floaters_.push_back({QPointF(e.x, e.y), wizard, hurt, now_, true});
        line = e.killer == e.wizard || !Players::contains(e.killer)
                   ? wizard + QStringLiteral(" fell")
                   : wizard + QStringLiteral(" fell to ") + name(form, e.killer);
        break;
    case Event::clash:
        line = e.survived == 0   ? shot + QStringLiteral(" and ") + stop + QStringLiteral(" cancelled out")
               : e.survived == 1 ? shot + QStringLiteral(" broke ") + stop
                                 : stop + QStringLiteral(" stopped ") + shot;
        break;
    case Event::blocked: line = stop + QStringLiteral(" stopped ") + shot; break;
    case Event::reflect: line = stop + QStringLiteral(" turned ") + shot + QStringLiteral(" back"); break;
    case Event::treehit: line = shot + QStringLiteral(" hit a tree"); break;
    case Event::treefelled: line = shot + QStringLiteral(" felled a tree"); break;
    case Event::teleport: line = wizard + QStringLiteral(" teleported"); break;
    case Event::turnstart: break;
    }
    if (line.isEmpty())
        return;
    lines_.push_back({line, now_});
    if (lines_.size() > static_cast<std::size_t>(linecount))
        lines_.erase(lines_.begin());
}

void Overlay::follow(TForm1& form)
{
    now_ = form.frames;
    const bool running = form.matchrunning && form.controls.Draw.visible;
    if (running)
        for (std::size_t i = 0; i < form.events.size(); ++i)
            take(form, form.events[i]);
    form.events.clear();
    if (!running) {
        floaters_.clear();
        lines_.clear();
    }
    running_ = running;
    std::erase_if(floaters_, [this](const Floater& f) {
        return now_ - f.born >= static_cast<std::uint64_t>(f.cross ? crossframes : risingframes);
    });
    std::erase_if(lines_, [this](const Line& l) { return now_ - l.born >= static_cast<std::uint64_t>(lineframes); });

    // At rest (nothing rising, fading or flying, nobody moved) the picture stays.
    std::vector<double> print;
    if (floaters_.empty() && lines_.empty()) {
        print = {double(shown_), double(running_), double(table_), double(form.currentplayer),
                 double(form.playercount)};
        for (int p = 1; p <= form.playercount; ++p) {
            const Tplayer& w = form.players[p];
            print.insert(print.end(), {w.x, w.y, double(w.hp), double(w.maxhp), double(w.kills)});
        }
        for (const Tability& a : form.inplay)
            if (!a.name.empty())
                print.insert(print.end(), {a.x, a.y, double(a.kind), a.range > 0 ? 1.0 : 0.0});
        if (print == print_)
            return;
    }
    print_ = std::move(print);

    pieces_.clear();
    floaterboxes_.clear();
    lineboxes_.clear();
    tablebox_ = QRect();
    tags_.clear();
    trails_.clear();
    outlines_.clear();
    rows_.clear();
    if (shown_ && running_)
        layout(form);

    QRegion region;
    for (auto it = pieces_.cbegin(); it != pieces_.cend(); ++it) {
        auto last = lastpieces_.constFind(it.key());
        if (last == lastpieces_.cend() || last.value() != it.value())
            region += it.value();
    }
    for (auto it = lastpieces_.cbegin(); it != lastpieces_.cend(); ++it)
        if (auto now = pieces_.constFind(it.key()); now == pieces_.cend() || now.value() != it.value())
            region += it.value();
    lastpieces_.swap(pieces_);
    if (!region.isEmpty())
        view_->update(region);
}

int Overlay::numberx(const Floater& f, int width) const
{
    // Right of the wizard, clear of its tag; left of it at the arena's right edge.
    const int right = static_cast<int>(f.at.x()) + wizardbox + 3;
    return right + width + 2 <= view_->width() ? right : static_cast<int>(f.at.x()) - width - 3;
}

void Overlay::piece(const QRect& box, const QString& what) { pieces_.insert(what, box); }

void Overlay::layout(const TForm1& form)
{
    // Name tags: above each living wizard, moved up (or below it at the top edge)
    // until it overlaps no tag placed before it.
    const QFontMetrics tagmetrics(tagfont_);
    std::vector<int> order;
    for (int p = 1; p <= form.playercount; ++p)
        if (form.players[p].hp > 0)
            order.push_back(p);
    std::stable_sort(order.begin(), order.end(),
                     [&form](int a, int b) { return form.players[a].y > form.players[b].y; });
    for (int p : order) {
        const Tplayer& w = form.players[p];
        const QString shown = tagmetrics.elidedText(QString::fromStdString(w.name), Qt::ElideRight, tagwidth);
        const int width = std::max(tagmetrics.horizontalAdvance(shown), 28) + 4;
        const int height = tagmetrics.height() + barheight + 3;
        QRect box(static_cast<int>(w.x) + 10 - width / 2, static_cast<int>(w.y) - height - 1, width, height);
        box.moveLeft(std::clamp(box.left(), 8, std::max(8, view_->width() - width - 1)));
        if (box.top() < 0)
            box.moveTop(static_cast<int>(w.y) + wizardbox + 1);
        for (int tries = 0; tries < 2 * Players::size; ++tries) {
            auto clash =
                std::find_if(tags_.begin(), tags_.end(), [&box](const Tag& t) { return t.box.intersects(box); });
            if (clash == tags_.end())
                break;
            box.moveBottom(clash->box.top() - 1);
            if (box.top() < 0)
                box.moveTop(static_cast<int>(w.y) + wizardbox + 1 + tries * height);
        }
        const bool inturn = p == form.currentplayer;
        tags_.push_back({box, shown, w.hp, w.maxhp, inturn});
        piece(box.adjusted(-9, -2, 2, 2), QStringLiteral("tag%1:%2,%3:%4:%5:%6")
                                              .arg(p)
                                              .arg(w.hp)
                                              .arg(w.maxhp)
                                              .arg(inturn ? 1 : 0)
                                              .arg(shown)
                                              .arg(box.x() * 10000 + box.y()));
    }

    // Trails behind flying shots, outlines round standing spells.
    for (int i = 1; i <= Inplay::last; ++i) {
        const Tability& a = form.inplay[i];
        if (a.name.empty())
            continue;
        const QColor colour = elementcolour(a.element);
        if (a.kind == Ranged && a.range > 0) {
            const QPointF head(a.x + a.spritewidth / 2, a.y + a.spriteheight / 2);
            const double ticks = std::min(a.maxrange - a.range, 5.0);
            if (ticks < 0.5)
                continue;
            const QPointF tail = head - QPointF(a.dx, a.dy) * ticks;
            const QRect box = QRectF(head, tail).normalized().adjusted(-3, -3, 3, 3).toAlignedRect();
            trails_.push_back({head, tail, colour, box});
            piece(box,
                  QStringLiteral("trail%1:%2,%3,%4,%5").arg(i).arg(head.x()).arg(head.y()).arg(tail.x()).arg(tail.y()));
        } else if (a.kind == Block || a.kind == Reflect) {
            const QRectF box(a.x - 1, a.y - 1, a.spritewidth + 2, a.spriteheight + 2);
            outlines_.push_back({box, colour});
            piece(box.adjusted(-2, -2, 2, 2).toAlignedRect(), QStringLiteral("outline%1:%2,%3,%4,%5:%6")
                                                                  .arg(i)
                                                                  .arg(box.x())
                                                                  .arg(box.y())
                                                                  .arg(box.width())
                                                                  .arg(box.height())
                                                                  .arg(colour.rgb()));
        }
    }

    // Hit numbers and crosses: where they are and how strong this frame.
    const QFontMetrics numbermetrics(numberfont_);
    for (std::size_t i = 0; i < floaters_.size(); ++i) {
        const Floater& f = floaters_[i];
        const std::uint64_t age = now_ - f.born;
        QRect box;
        if (f.cross) {
            box = QRect(static_cast<int>(f.at.x()) + 10 - tagwidth / 2 - 4,
                        static_cast<int>(f.at.y()) - tagmetrics.height() - 6, tagwidth + 8,
                        tagmetrics.height() + wizardbox + 10);
            floaterboxes_.push_back(box);
            piece(box, QStringLiteral("cross%1:%2").arg(f.born).arg(fading(age, crossframes, crossframes / 2, 8)));
        } else {
            const int rise = static_cast<int>(age * 24 / risingframes);
            const int width = numbermetrics.horizontalAdvance(f.text);
            box = QRect(numberx(f, width) - 2, static_cast<int>(f.at.y()) - rise - numbermetrics.height() + 16,
                        width + 4, numbermetrics.height() + 4);
            floaterboxes_.push_back(box);
            piece(box, QStringLiteral("number%1:%2:%3:%4")
                           .arg(f.born)
                           .arg(i)
                           .arg(rise)
                           .arg(fading(age, risingframes, risingframes / 2, 8)));
        }
    }

    // The lines of what happened, in the lower left corner.
    const QFontMetrics linemetrics(linefont_);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const int fromlast = static_cast<int>(lines_.size() - 1 - i);
        const QRect box(2, view_->height() - 6 - (fromlast + 1) * linemetrics.height(), view_->width() - 4,
                        linemetrics.height() + 2);
        lineboxes_.push_back(box);
        piece(box, QStringLiteral("line%1:%2:%3")
                       .arg(fromlast)
                       .arg(lines_[i].text)
                       .arg(fading(now_ - lines_[i].born, lineframes, lineframes / 4, 6)));
    }

    // The table of the round.
    if (table_) {
        QString all;
        for (int p = 1; p <= form.playercount; ++p) {
            const Tplayer& w = form.players[p];
            rows_.push_back({QString::fromStdString(w.name),
                             form.computer[p] ? QStringLiteral("computer") : QStringLiteral("person"),
                             QStringLiteral("%1 / %2").arg(w.hp).arg(w.maxhp), QString::number(w.kills),
                             w.hp > 0 ? QStringLiteral("alive") : QStringLiteral("fallen")});
            const Row& r = rows_.back();
            all += r.name + r.seat + r.health + r.kills + r.state + (p == form.currentplayer ? "*" : "") + "|";
        }
        const int rowheight = QFontMetrics(tablefont_).height() + 4;
        const QSize size(440, (form.playercount + 1) * rowheight + 16);
        const QRect box(QPoint((view_->width() - size.width()) / 2, (view_->height() - size.height()) / 2), size);
        tablebox_ = box;
        piece(box, QStringLiteral("table:") + all);
    }
}

void Overlay::paint(QPainter& painter, const QRegion& region) const
{
    if (!shown_ || !running_)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);

    for (const Outline& o : outlines_) {
        QColor c = o.colour;
        c.setAlpha(110);
        painter.setPen(QPen(c, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(o.box);
    }
    for (const Trail& t : trails_) {
        if (!region.intersects(t.box))
            continue;
        QLinearGradient gradient(t.head, t.tail);
        QColor head = t.colour, tail = t.colour;
        head.setAlpha(210);
        tail.setAlpha(0);
        gradient.setColorAt(0, head);
        gradient.setColorAt(1, tail);
        painter.setPen(QPen(QBrush(gradient), 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(t.head, t.tail);
    }

    const QFontMetrics tagmetrics(tagfont_);
    painter.setFont(tagfont_);
    for (const Tag& t : tags_) {
        if (!region.intersects(t.box.adjusted(-8, -2, 2, 2)))
            continue;
        const int textwidth = tagmetrics.horizontalAdvance(t.name);
        const QColor colour = t.inturn ? yellow : silver;
        drawoutlined(painter, t.box.x() + (t.box.width() - textwidth) / 2, t.box.y() + tagmetrics.ascent(), t.name,
                     colour, labeloutline);
        const QRectF bar(t.box.x() + 2, t.box.bottom() - barheight - 1, t.box.width() - 4, barheight);
        painter.setPen(QPen(labeloutline, 1));
        painter.setBrush(QColor(0, 0, 0, 160));
        painter.drawRect(bar.adjusted(-0.5, -0.5, 0.5, 0.5));
        const double ratio = std::clamp(static_cast<double>(t.hp) / std::max(1, t.maxhp), 0.0, 1.0);
        const QColor fill = ratio > 0.5 ? QColor(40, 200, 40) : ratio > 0.25 ? orange : hurt;
        painter.fillRect(QRectF(bar.x(), bar.y(), bar.width() * ratio, bar.height()), fill);
        if (t.inturn) {
            // A small mark beside the name of the wizard in turn.
            const QPointF tip(t.box.x() - 2, t.box.y() + tagmetrics.ascent() / 2.0 + 1);
            const QPointF shape[] = {tip, tip + QPointF(-5, -4), tip + QPointF(-5, 4)};
            painter.setPen(QPen(labeloutline, 1));
            painter.setBrush(yellow);
            painter.drawPolygon(shape, 3);
        }
    }

    const QFontMetrics numbermetrics(numberfont_);
    for (std::size_t i = 0; i < floaters_.size(); ++i) {
        const Floater& f = floaters_[i];
        if (i < floaterboxes_.size() && !region.intersects(floaterboxes_[i]))
            continue;
        const std::uint64_t age = now_ - f.born;
        if (f.cross) {
            painter.setOpacity(fading(age, crossframes, crossframes / 2, 8));
            const QPointF c = f.at + QPointF(10, 10);
            for (const auto& [width, colour] : {std::pair{4.0, QColor(labeloutline)}, std::pair{2.0, hurt}}) {
                painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
                painter.drawLine(c + QPointF(-7, -7), c + QPointF(7, 7));
                painter.drawLine(c + QPointF(-7, 7), c + QPointF(7, -7));
            }
            painter.setFont(tagfont_);
            const QString shown = tagmetrics.elidedText(f.text, Qt::ElideRight, tagwidth);
            drawoutlined(painter, static_cast<int>(c.x()) - tagmetrics.horizontalAdvance(shown) / 2,
                         static_cast<int>(f.at.y()) - 4, shown, silver, labeloutline);
        } else {
            painter.setOpacity(fading(age, risingframes, risingframes / 2, 8));
            painter.setFont(numberfont_);
            const int rise = static_cast<int>(age * 24 / risingframes);
            drawoutlined(painter, numberx(f, numbermetrics.horizontalAdvance(f.text)),
                         static_cast<int>(f.at.y()) - rise + 16 - numbermetrics.descent(), f.text, f.colour,
                         labeloutline);
        }
    }

    const QFontMetrics linemetrics(linefont_);
    painter.setFont(linefont_);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (i < lineboxes_.size() && !region.intersects(lineboxes_[i]))
            continue;
        const int fromlast = static_cast<int>(lines_.size() - 1 - i);
        painter.setOpacity(fading(now_ - lines_[i].born, lineframes, lineframes / 4, 6));
        const QString text = linemetrics.elidedText(lines_[i].text, Qt::ElideRight, view_->width() - 12);
        drawoutlined(painter, 6, view_->height() - 6 - fromlast * linemetrics.height() - linemetrics.descent() - 1,
                     text, silver, labeloutline);
    }
    painter.setOpacity(1);

    if (!rows_.empty() && region.intersects(tablebox_)) {
        const QFontMetrics metrics(tablefont_);
        const int rowheight = metrics.height() + 4;
        const QSize size(440, static_cast<int>(rows_.size() + 1) * rowheight + 16);
        const QRect box(QPoint((view_->width() - size.width()) / 2, (view_->height() - size.height()) / 2), size);
        painter.setPen(QPen(silver, 1));
        painter.setBrush(QColor(0, 0, 0, 200));
        painter.drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
        painter.setFont(tablefont_);
        const int columns[] = {12, 190, 275, 350, 385};
        auto row = [&](int at, const Row& r, QColor colour) {
            const int baseline = box.y() + 8 + at * rowheight + metrics.ascent() + 2;
            const QString texts[] = {metrics.elidedText(r.name, Qt::ElideRight, 170), r.seat, r.health, r.kills,
                                     r.state};
            for (int c = 0; c < 5; ++c)
                drawoutlined(painter, box.x() + columns[c], baseline, texts[c], colour, labeloutline);
        };
        row(0, {"Wizard", "Played by", "Health", "Kills", ""}, orange);
        for (std::size_t i = 0; i < rows_.size(); ++i)
            row(static_cast<int>(i) + 1, rows_[i], rows_[i].state == QLatin1String("fallen") ? fallen : silver);
    }
    painter.restore();
}

HoldKey::HoldKey(QWidget* window, int key, std::function<bool()> when, std::function<void(bool)> held)
    : QObject(window), window_(window), key_(key), when_(std::move(when)), held_(std::move(held))
{
    qApp->installEventFilter(this);
}

bool HoldKey::eventFilter(QObject*, QEvent* event)
{
    const auto type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != key_ || key->modifiers() != Qt::NoModifier || !window_->isActiveWindow())
        return false;
    if (type == QEvent::KeyPress) {
        if (!down_ && !when_())
            return false;
        if (!key->isAutoRepeat() && !down_) {
            down_ = true;
            held_(true);
        }
        return true;
    }
    if (!down_)
        return false;
    if (!key->isAutoRepeat()) {
        down_ = false;
        held_(false);
    }
    return true;
}

}  // namespace hexbrawl::ui
