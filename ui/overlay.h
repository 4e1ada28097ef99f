// SPDX-License-Identifier: MIT
// What the window shows on top of the arena's frame, beside the rules: a name tag and
// a health bar over each living wizard, the numbers of hits rising from the wizard hit,
// a cross over a fallen one, the last few events in words, trails behind flying shots,
// faint outlines round standing spells, and while Tab is held the table of the round.
// It reads the game and the events its rules report, never writes either, and keeps
// time by the frames the game draws, so it stands still when the game does.
#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QObject>
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class QPainter;
class QWidget;

namespace hexbrawl {

class TForm1;
struct Event;

namespace ui {

class Overlay {
public:
    // Draws on `view`, whose coordinates are the arena's.
    explicit Overlay(QWidget* view);

    // After each event the window dispatches: takes the game's events (and clears
    // them), and asks the view to repaint only the places where the picture changed.
    void follow(TForm1& form);
    // Draws on top of the frame; the painter is clipped to what is being repainted.
    void paint(QPainter& painter, const QRegion& region) const;

    void setshown(bool shown);
    bool shown() const { return shown_; }
    void settable(bool table);
    bool table() const { return table_; }

    // The lines of what happened, newest last (as shown).
    std::vector<QString> lines() const;
    // How long they stay, in frames (25 ms each).
    static constexpr int risingframes = 40;  // a hit number
    static constexpr int crossframes = 80;  // a death's cross
    static constexpr int lineframes = 240;  // a line of what happened
    static constexpr int linecount = 5;

private:
    struct Floater {
        QPointF at;  // the wizard's top-left when it happened
        QString text;
        QColor colour;
        std::uint64_t born;
        bool cross;  // a death: the name and a cross over the blood
    };
    struct Line {
        QString text;
        std::uint64_t born;
    };
    struct Tag {
        QRect box;
        QString name;
        std::int32_t hp, maxhp;
        bool inturn;
    };
    struct Trail {
        QPointF head, tail;
        QColor colour;
        QRect box;
    };
    struct Outline {
        QRectF box;
        QColor colour;
    };
    struct Row {
        QString name, seat, health, kills, state;
    };

    void take(const TForm1& form, const Event& event);
    void layout(const TForm1& form);
    // Marks `box` as drawn with `what`; follow() compares this with the last picture.
    void piece(const QRect& box, const QString& what);
    int numberx(const Floater& f, int width) const;

    QWidget* view_;
    QFont tagfont_, numberfont_, linefont_, tablefont_;
    bool shown_ = true, table_ = false, running_ = false;
    std::uint64_t now_ = 0;
    std::vector<Floater> floaters_;
    std::vector<Line> lines_;
    // What is drawn now, worked out by layout().
    std::vector<Tag> tags_;
    std::vector<Trail> trails_;
    std::vector<Outline> outlines_;
    std::vector<Row> rows_;
    std::vector<QRect> floaterboxes_, lineboxes_;
    QRect tablebox_;
    QHash<QString, QRect> pieces_, lastpieces_;
    // What the last layout was made of while nothing moved: the same again needs none.
    std::vector<double> print_;
};

// Holds a flag while a key is held down in the window, when `when` allows; the key
// press is then the window's alone (Tab moves no focus meanwhile).
class HoldKey final : public QObject {
public:
    HoldKey(QWidget* window, int key, std::function<bool()> when, std::function<void(bool)> held);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    int key_;
    std::function<bool()> when_;
    std::function<void(bool)> held_;
    bool down_ = false;
};

}  // namespace ui
}  // namespace hexbrawl
