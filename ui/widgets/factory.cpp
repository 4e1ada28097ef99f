// SPDX-License-Identifier: MIT
#include "ui/widgets/factory.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <utility>

#include "ui/widgets/bevelbuttons.h"
#include "ui/widgets/checkbox.h"
#include "ui/widgets/gauges.h"
#include "ui/widgets/glowlabel.h"
#include "ui/widgets/pagetabs.h"
#include "ui/widgets/panels.h"
#include "ui/widgets/picklist.h"
#include "ui/widgets/spinedit.h"

namespace hexbrawl::ui {

namespace {

// The colours of everything a player types into or scrolls: black wells with
// yellow text like the lists, dark bronze-lit frames and scroll bars.
const QColor well(Qt::black);
const QColor typed(Qt::yellow);
const QColor metal(0x4A, 0x4A, 0x4A);
const QColor metallight(0x9A, 0x96, 0x90);
const QColor metaldark(0x14, 0x14, 0x14);
const QColor ink(0xFF, 0x98, 0x30);
const QColor highlight(0x9C, 0x4A, 0x00);

// The bronze of buttons, bevels and the selection, shared by every palette here.
void metalcolours(QPalette& palette, QPalette::ColorGroup group)
{
    palette.setColor(group, QPalette::Button, metal);
    palette.setColor(group, QPalette::ButtonText, ink);
    palette.setColor(group, QPalette::Light, metallight);
    palette.setColor(group, QPalette::Midlight, metal.lighter(130));
    palette.setColor(group, QPalette::Mid, metal.darker(150));
    palette.setColor(group, QPalette::Dark, metaldark);
    palette.setColor(group, QPalette::Shadow, Qt::black);
    palette.setColor(group, QPalette::Highlight, highlight);
    palette.setColor(group, QPalette::HighlightedText, Qt::white);
}

void themed(QWidget* widget, QColor text, QColor base)
{
    QPalette palette = widget->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Base, base);
        palette.setColor(group, QPalette::AlternateBase, base);
        palette.setColor(group, QPalette::Window, metal.darker(130));
        metalcolours(palette, group);
    }
    // What cannot be changed any more reads dimmer, but still reads.
    palette.setColor(QPalette::Disabled, QPalette::Text, text.darker(160));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, ink.darker(170));
    widget->setPalette(palette);
}

// A one-pixel bronze frame around the typing wells.
const QString fieldframe =
    QStringLiteral("QLineEdit { border: 1px solid #7A6040; background: black; color: yellow; padding: 0px 2px;"
                   " selection-background-color: #9C4A00; selection-color: white; }"
                   "QLineEdit:disabled { color: #9F9F00; border-color: #505050; }");

// A new child of `parent` in its place.
template <typename Widget, typename... Args>
Widget* placed(QWidget* parent, QRect place, Args&&... args)
{
    auto* widget = new Widget(parent, std::forward<Args>(args)...);
    widget->setGeometry(place);
    return widget;
}

}  // namespace

QPalette stonepalette()
{
    QPalette palette;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, QColor(0x2A, 0x2A, 0x2A));
        palette.setColor(group, QPalette::WindowText, QColor(0xF0, 0xE0, 0xC0));
        palette.setColor(group, QPalette::Base, well);
        palette.setColor(group, QPalette::AlternateBase, well);
        palette.setColor(group, QPalette::Text, typed);
        metalcolours(palette, group);
        palette.setColor(group, QPalette::ToolTipBase, QColor(0x2A, 0x2A, 0x2A));
        palette.setColor(group, QPalette::ToolTipText, QColor(0xF0, 0xE0, 0xC0));
    }
    return palette;
}

GlowLabel* makelabel(QWidget* parent, QPoint at, const QString& text, QColor colour, Font font, QColor outline)
{
    auto* label = new GlowLabel(parent, colour);
    label->setFont(font.qfont());
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    if (outline.isValid())
        label->setoutline(outline);
    label->setText(text);
    label->move(at - QPoint(label->inset(), label->inset()));
    label->adjustSize();
    return label;
}

QLineEdit* makeedit(QWidget* parent, QRect place)
{
    auto* edit = new QLineEdit(parent);
    edit->setFont(Font{}.qfont());
    themed(edit, typed, well);
    edit->setStyleSheet(fieldframe);
    edit->setGeometry(place);
    return edit;
}

SpinEdit* makespin(QWidget* parent, QRect place, int lo, int hi, const QString& text)
{
    auto* spin = new SpinEdit(parent, lo, hi);
    spin->edit()->setFont(Font{}.qfont());
    themed(spin, typed, well);
    spin->edit()->setStyleSheet(fieldframe);
    spin->setGeometry(place);
    spin->settext(text);
    return spin;
}

QComboBox* makecombo(QWidget* parent, QRect place)
{
    auto* combo = new QComboBox(parent);
    combo->setFont(Font{}.qfont());
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    themed(combo, typed, well);
    themed(combo->view(), typed, well);
    combo->setGeometry(place);
    return combo;
}

PickList* makelist(QWidget* parent, QRect place, QColor text, Font font, int rowheight)
{
    auto* list = new PickList(parent);
    list->setFont(font.qfont());
    themed(list, text, Qt::black);
    themed(list->verticalScrollBar(), text, Qt::black);
    list->setFrameShape(QFrame::NoFrame);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    if (rowheight > 0)
        list->setStyleSheet(QStringLiteral("QListWidget::item { height: %1px; }").arg(rowheight));
    list->setGeometry(place);
    return list;
}

QPlainTextEdit* makememo(QWidget* parent, QRect place, QColor text, Font font, const QString& initial)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setReadOnly(true);
    memo->setFont(font.qfont());
    themed(memo, text, Qt::black);
    themed(memo->verticalScrollBar(), text, Qt::black);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setFocusPolicy(Qt::NoFocus);
    memo->setTextInteractionFlags(Qt::NoTextInteraction);
    memo->viewport()->setCursor(Qt::ArrowCursor);
    memo->setPlainText(initial);
    memo->setGeometry(place);
    return memo;
}

CheckBox* makecheckbox(QWidget* parent, QPoint at, const QString& caption, QColor colour, Font font)
{
    auto* box = new CheckBox(parent, caption, colour, labeloutline);
    box->setFont(font.qfont());
    box->setGeometry(QRect(at, box->sizeHint()));
    return box;
}

SpeakerButton* makespeakerbutton(QWidget* parent, QRect place) { return placed<SpeakerButton>(parent, place); }

BarGauge* makebargauge(QWidget* parent, QRect place, QColor bar) { return placed<BarGauge>(parent, place, bar); }

PieGauge* makepiegauge(QWidget* parent, QRect place, QColor pie) { return placed<PieGauge>(parent, place, pie); }

PictureView* makepicture(QWidget* parent, QRect place) { return placed<PictureView>(parent, place); }

GradientPanel* makebevel(QWidget* parent, QRect place, QColor from, QColor to, Qt::Orientation direction)
{
    return placed<GradientPanel>(parent, place, from, to, direction);
}

PageTabs* makepagetabs(QWidget* parent, QRect place, const QStringList& captions, int tablength, int tabthickness)
{
    return placed<PageTabs>(parent, place, captions, tablength, tabthickness);
}

}  // namespace hexbrawl::ui
