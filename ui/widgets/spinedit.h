// SPDX-License-Identifier: MIT
// A spin edit: an edit box whose text is its state, with up and down arrows that
// step the value it reads as. The text may hold anything the player types.
#pragma once

#include <QWidget>

#include <functional>

class QAbstractButton;
class QLineEdit;

namespace hexbrawl::ui {

class SpinEdit final : public QWidget {
public:
    SpinEdit(QWidget* parent, int lo, int hi);

    QString text() const;
    // Sets the text without telling anyone.
    void settext(const QString& text);
    // Runs for every change the player makes: typing, an arrow button or key.
    void onedited(std::function<void(const QString&)> edited) { edited_ = std::move(edited); }

    QLineEdit* edit() const { return edit_; }
    // The up arrow for a step of +1, the down arrow for -1.
    QAbstractButton* arrow(int step) const;
    QSize sizeHint() const override { return {65, 22}; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void stepby(int step);

    int lo_, hi_;
    QLineEdit* edit_;
    QAbstractButton* up_;
    QAbstractButton* down_;
    std::function<void(const QString&)> edited_;
};

}  // namespace hexbrawl::ui
