// SPDX-License-Identifier: MIT
// A page control of which only the tab strip shows: the tabs stand on its left
// edge, one under the other, their captions written bottom-up. A press on a tab
// is reported; which page is current is up to the owner.
#pragma once

#include <QStringList>
#include <QWidget>

#include <functional>

namespace hexbrawl::ui {

class PageTabs final : public QWidget {
public:
    // `tablength` runs along the strip, `tabthickness` across it.
    PageTabs(QWidget* parent, const QStringList& captions, int tablength, int tabthickness);

    int count() const { return static_cast<int>(captions_.size()); }
    int current() const { return current_; }
    // Changes the page shown; tells no one.
    void setcurrent(int page);
    QString caption(int page) const { return captions_.value(page); }
    QRect tabrect(int page) const;
    void onpicked(std::function<void(int page)> picked) { picked_ = std::move(picked); }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    QStringList captions_;
    int length_, thickness_;
    int current_ = 0;
    std::function<void(int)> picked_;
};

}  // namespace hexbrawl::ui
