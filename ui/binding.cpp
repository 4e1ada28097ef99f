// SPDX-License-Identifier: MIT
#include "ui/binding.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "ui/widgets/gauges.h"
#include "ui/widgets/pagetabs.h"
#include "ui/widgets/spinedit.h"

namespace hexbrawl::ui {

namespace {
// Puts the rows into the drop-down unless it has them already; whether it changed.
bool binditems(QComboBox* combo, const std::vector<std::string>& items)
{
    bool same = combo->count() == static_cast<int>(items.size());
    for (int i = 0; same && i < combo->count(); ++i)
        same = combo->itemText(i) == qtext(items[static_cast<std::size_t>(i)]);
    if (same)
        return false;
    combo->clear();
    for (const std::string& item : items)
        combo->addItem(qtext(item));
    return true;
}

QStringList qlines(const std::vector<std::string>& lines)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        list.push_back(qtext(line));
    return list;
}
}  // namespace

void bindvisible(QWidget* widget, bool visible)
{
    if (widget->isVisibleTo(widget->parentWidget()) != visible)
        widget->setVisible(visible);
}

void bindenabled(QWidget* widget, bool enabled)
{
    if (widget->isEnabled() != enabled)
        widget->setEnabled(enabled);
}

void bindtext(QLabel* label, const std::string& text)
{
    QString q = qtext(text);
    if (label->text() == q)
        return;
    label->setText(q);
    label->adjustSize();
}

void bindtext(QLineEdit* edit, const EditBox& box)
{
    QString q = qtext(box.text);
    if (edit->text() != q) {
        QSignalBlocker block(edit);
        edit->setText(q);
    }
    bindenabled(edit, box.enabled);
}

void bindtext(SpinEdit* spin, const EditBox& box)
{
    {
        QSignalBlocker block(spin->edit());
        spin->settext(qtext(box.text));
    }
    bindenabled(spin, box.enabled);
}

void bindbox(QComboBox* combo, const EditBox& box)
{
    QSignalBlocker block(combo);
    QSignalBlocker blockedit(combo->lineEdit());
    if (binditems(combo, box.items))
        combo->setCurrentIndex(-1);
    // The current entry follows the text shown, so that the arrow keys go on from
    // there: from the entry of that name, or from before the first when none has it.
    QString q = qtext(box.text);
    const int entry = combo->findText(q, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (combo->currentIndex() != entry) {
        const int cursor = combo->lineEdit()->cursorPosition();
        combo->setCurrentIndex(entry);
        combo->lineEdit()->setCursorPosition(cursor);
    }
    if (combo->currentText() != q)
        combo->setEditText(q);
    bindenabled(combo, box.enabled);
}

void bindchoice(QComboBox* combo, const EditBox& box)
{
    QSignalBlocker block(combo);
    binditems(combo, box.items);
    const int row = combo->findText(qtext(box.text), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (combo->currentIndex() != row)
        combo->setCurrentIndex(row);
    bindenabled(combo, box.enabled);
}

void bindlist(QListWidget* list, const ListBox& box, std::vector<std::string>& shown)
{
    QSignalBlocker block(list);
    if (shown != box.items) {
        list->clear();
        list->addItems(qlines(box.items));
        shown = box.items;
    }
    int row = box.hasrow(box.selected) ? box.selected : -1;
    if (list->currentRow() != row || (row >= 0 && !list->item(row)->isSelected())) {
        if (row < 0) {
            list->setCurrentRow(-1);
            list->clearSelection();
        } else {
            list->setCurrentRow(row);
        }
    }
}

void bindlines(QPlainTextEdit* memo, const std::vector<std::string>& lines, std::vector<std::string>& shown)
{
    if (shown == lines)
        return;
    memo->setPlainText(qlines(lines).join(QLatin1Char('\n')));
    shown = lines;
}

void bindgauge(BarGauge* bar, const Gauge& gauge)
{
    bar->setmaximum(gauge.max);
    bar->setvalue(gauge.value);
}

void bindpie(PieGauge* pie, int progress) { pie->setprogress(progress); }

void bindpage(PageTabs* tabs, int page) { tabs->setcurrent(page); }

}  // namespace hexbrawl::ui
