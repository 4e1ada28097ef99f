// SPDX-License-Identifier: MIT
// What the arena really shows: every region a paint event of the view asked for,
// painted as the view paints it into a picture that keeps everything else.
#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>

#include <vector>

#include "ui/widgets/arenaview.h"

namespace hexbrawl::ui {

class Screen final : public QObject {
public:
    // What the screen holds before the first paint: nothing (magenta), or the view
    // as it stands.
    enum class Start { blank, asshown };

    explicit Screen(ArenaView* view, Start start = Start::blank)
        : view_(view), shown_(view->size(), QImage::Format_RGB32)
    {
        if (start == Start::blank)
            shown_.fill(qRgb(255, 0, 255));
        else
            view->render(&shown_);
        view->installEventFilter(this);
    }

    // Lets the view repaint what it asked for, and shows that.
    const QImage& settle()
    {
        QCoreApplication::processEvents();
        painting_ = true;
        for (const QRegion& region : asked_)
            for (const QRect& r : region)
                view_->render(&shown_, r.topLeft(), QRegion(r));
        painting_ = false;
        asked_.clear();
        return shown_;
    }

    // The whole view painted afresh, unseen by the screen.
    QImage whole()
    {
        QImage all(view_->size(), QImage::Format_RGB32);
        painting_ = true;
        view_->render(&all);
        painting_ = false;
        return all;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == view_ && event->type() == QEvent::Paint && !painting_)
            asked_.push_back(static_cast<QPaintEvent*>(event)->region());
        return false;
    }

private:
    ArenaView* view_;
    QImage shown_;
    std::vector<QRegion> asked_;
    bool painting_ = false;
};

}  // namespace hexbrawl::ui
