// Every control of the two windows is made here, one function per kind, so that
// the look of a kind is decided in one place.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTabBar;
class QToolButton;
class QWidget;

namespace hexbrawl::ui {

class GradientPanel;
class PictureView;
class PieGauge;
class SpinEdit;

struct Font {
    int pixels = 11;
    bool bold = false;
    bool italic = false;
    QString family = QStringLiteral("Arial");
};

// A label that sizes itself to its text; the text is always shown as typed.
QLabel* makelabel(QWidget* parent, QPoint at, const QString& text, QColor colour, Font font);
QLineEdit* makeedit(QWidget* parent, QRect place);
SpinEdit* makespin(QWidget* parent, QRect place, int lo, int hi, const QString& text);
// An editable drop-down box that neither completes nor inserts what is typed.
QComboBox* makecombo(QWidget* parent, QRect place);
QListWidget* makelist(QWidget* parent, QRect place, QColor text, Font font, int rowheight = 0);
// A read-only multi-line text box.
QPlainTextEdit* makememo(QWidget* parent, QRect place, QColor text, Font font, const QString& initial);
QPushButton* makebutton(QWidget* parent, QRect place, const QString& text, QColor face, QColor textcolour, Font font);
QToolButton* makeglyphbutton(QWidget* parent, QRect place);
// A bar gauge with the percentage of its maximum written across it.
QProgressBar* makebargauge(QWidget* parent, QRect place, QColor bar);
PieGauge* makepiegauge(QWidget* parent, QRect place, QColor pie);
PictureView* makepicture(QWidget* parent, QRect place);
GradientPanel* makebevel(QWidget* parent, QRect place, QColor from, QColor to, Qt::Orientation direction);
// A page control whose pages hold nothing: only its tab strip, on the left,
// captions written bottom-up.
QTabBar* makepagetabs(QWidget* parent, QRect place, const QStringList& captions, int tablength, int tabthickness);

}  // namespace hexbrawl::ui
