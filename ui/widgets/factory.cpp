#include "ui/widgets/factory.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>

#include "ui/widgets/panels.h"
#include "ui/widgets/spinedit.h"

namespace hexbrawl::ui {

namespace {

QFont qfont(const Font& f) {
    QFont font(f.family);
    font.setPixelSize(f.pixels);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    return font;
}

void colours(QWidget* widget, QColor text, QColor base) {
    QPalette palette = widget->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Base, base);
        palette.setColor(group, QPalette::Window, base);
    }
    widget->setPalette(palette);
}

}  // namespace

QLabel* makelabel(QWidget* parent, QPoint at, const QString& text, QColor colour, Font font) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(qfont(font));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setText(text);
    label->move(at);
    label->adjustSize();
    return label;
}

QLineEdit* makeedit(QWidget* parent, QRect place) {
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(place);
    return edit;
}

SpinEdit* makespin(QWidget* parent, QRect place, int lo, int hi, const QString& text) {
    auto* spin = new SpinEdit(parent, lo, hi);
    spin->setGeometry(place);
    spin->settext(text);
    return spin;
}

QComboBox* makecombo(QWidget* parent, QRect place) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->setGeometry(place);
    return combo;
}

QListWidget* makelist(QWidget* parent, QRect place, QColor text, Font font, int rowheight) {
    auto* list = new QListWidget(parent);
    list->setFont(qfont(font));
    colours(list, text, Qt::black);
    list->setFrameShape(QFrame::NoFrame);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    if (rowheight > 0) list->setStyleSheet(QStringLiteral("QListWidget::item { height: %1px; }").arg(rowheight));
    list->setGeometry(place);
    return list;
}

QPlainTextEdit* makememo(QWidget* parent, QRect place, QColor text, Font font, const QString& initial) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setReadOnly(true);
    memo->setFont(qfont(font));
    colours(memo, text, Qt::black);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setPlainText(initial);
    memo->setGeometry(place);
    return memo;
}

QPushButton* makebutton(QWidget* parent, QRect place, const QString& text, QColor face, QColor textcolour, Font font) {
    auto* button = new QPushButton(text, parent);
    button->setFont(qfont(font));
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::ButtonText, textcolour);
    button->setPalette(palette);
    button->setAutoFillBackground(true);
    button->setFocusPolicy(Qt::TabFocus);
    button->setGeometry(place);
    return button;
}

QToolButton* makeglyphbutton(QWidget* parent, QRect place) {
    auto* button = new QToolButton(parent);
    button->setIcon(button->style()->standardIcon(QStyle::SP_MediaVolume));
    button->setGeometry(place);
    return button;
}

QProgressBar* makebargauge(QWidget* parent, QRect place, QColor bar) {
    auto* gauge = new QProgressBar(parent);
    gauge->setTextVisible(true);
    gauge->setAlignment(Qt::AlignCenter);
    gauge->setFormat(QStringLiteral("%p%"));
    QPalette palette = gauge->palette();
    palette.setColor(QPalette::Highlight, bar);
    gauge->setPalette(palette);
    gauge->setGeometry(place);
    return gauge;
}

PieGauge* makepiegauge(QWidget* parent, QRect place, QColor pie) {
    auto* gauge = new PieGauge(parent, pie);
    gauge->setGeometry(place);
    return gauge;
}

PictureView* makepicture(QWidget* parent, QRect place) {
    auto* picture = new PictureView(parent);
    picture->setGeometry(place);
    return picture;
}

GradientPanel* makebevel(QWidget* parent, QRect place, QColor from, QColor to, Qt::Orientation direction) {
    auto* bevel = new GradientPanel(parent, from, to, direction);
    bevel->setGeometry(place);
    return bevel;
}

QTabBar* makepagetabs(QWidget* parent, QRect place, const QStringList& captions, int tablength, int tabthickness) {
    auto* tabs = new QTabBar(parent);
    tabs->setShape(QTabBar::RoundedWest);
    tabs->setExpanding(false);
    tabs->setDrawBase(false);
    tabs->setUsesScrollButtons(false);
    tabs->setElideMode(Qt::ElideRight);
    QFont font = tabs->font();
    font.setPixelSize(9);
    tabs->setFont(font);
    tabs->setStyleSheet(QStringLiteral("QTabBar::tab { width: %1px; height: %2px; padding: 0px; margin: 0px; }")
                            .arg(tabthickness)
                            .arg(tablength));
    for (const QString& caption : captions) tabs->addTab(caption);
    tabs->setGeometry(place);
    return tabs;
}

}  // namespace hexbrawl::ui
