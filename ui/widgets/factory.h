// SPDX-License-Identifier: MIT
// Every control of the two windows is made here, one function per kind, so that
// the look of a kind is decided in one place.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>

#include "ui/fonts.h"
#include "ui/widgets/styledbuttons.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QWidget;

namespace hexbrawl::ui {

class BarGauge;
class CheckBox;
class GlowLabel;
class GradientPanel;
class PageTabs;
class PictureView;
class PickList;
class PieGauge;
class SpeakerButton;
class SpinEdit;

struct Font {
    int pixels = 11;
    bool bold = false;
    bool italic = false;
    Face face = Face::arial;

    QFont qfont() const { return gamefont(face, pixels, bold, italic); }
};

// The colours of what Qt draws without the game's own, above all the message
// boxes: dark stone with warm light text, like the rest of the window.
QPalette stonepalette();

// The outline that keeps the editor's labels legible on its light and dark bevels.
inline const QColor labeloutline{0x1C, 0x10, 0x04};

// A label that sizes itself to its text; the text is always shown as typed. With
// an outline the text still starts at `at`, the outline around it.
GlowLabel* makelabel(QWidget* parent, QPoint at, const QString& text, QColor colour, Font font, QColor outline = {});
QLineEdit* makeedit(QWidget* parent, QRect place);
SpinEdit* makespin(QWidget* parent, QRect place, int lo, int hi, const QString& text);
// An editable drop-down box that neither completes nor inserts what is typed.
QComboBox* makecombo(QWidget* parent, QRect place);
PickList* makelist(QWidget* parent, QRect place, QColor text, Font font, int rowheight = 0);
// A read-only multi-line text box.
QPlainTextEdit* makememo(QWidget* parent, QRect place, QColor text, Font font, const QString& initial);
// One of the styled push buttons, named `name`, with its caption in the font and colour.
template <typename Button>
Button* makestyled(QWidget* parent, const QString& name, QRect place, const QString& caption, Font font,
                   QColor textcolour)
{
    auto* button = new Button(parent, name);
    button->setGeometry(place);
    button->setCaption(caption);
    button->setFont(font.qfont());
    button->setTextColor(textcolour);
    return button;
}
SpeakerButton* makespeakerbutton(QWidget* parent, QRect place);
// A check box with its caption, in the editor's labels' look.
CheckBox* makecheckbox(QWidget* parent, QPoint at, const QString& caption, QColor colour, Font font);
BarGauge* makebargauge(QWidget* parent, QRect place, QColor bar);
PieGauge* makepiegauge(QWidget* parent, QRect place, QColor pie);
PictureView* makepicture(QWidget* parent, QRect place);
GradientPanel* makebevel(QWidget* parent, QRect place, QColor from, QColor to, Qt::Orientation direction);
PageTabs* makepagetabs(QWidget* parent, QRect place, const QStringList& captions, int tablength, int tabthickness);

}  // namespace hexbrawl::ui
