// SPDX-License-Identifier: MIT
#include "present/qt/qtgametimer.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <memory>

namespace hexbrawl {

QtGameTimer::QtGameTimer(std::function<void()> tick, Clock clock) : tick_(std::move(tick)), clock_(std::move(clock))
{
    if (!clock_) {
        auto started = std::make_shared<QElapsedTimer>();
        started->start();
        clock_ = [started] { return static_cast<std::int64_t>(started->elapsed()); };
    }
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { wake(); });
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        applicationactive_ = QGuiApplication::applicationState() == Qt::ApplicationActive;
        pacer_.setactive(applicationactive_, clock_());
        QObject::connect(app, &QGuiApplication::applicationStateChanged, &timer_,
                         [this](Qt::ApplicationState state) { setapplicationactive(state == Qt::ApplicationActive); });
    }
}

void QtGameTimer::followwindow(QWindow* window)
{
    if (window == window_) {
        refresh();
        return;
    }
    window_ = window;
    if (window) {
        QObject::connect(window, &QWindow::windowStateChanged, &timer_, [this] { refresh(); });
        QObject::connect(window, &QWindow::visibleChanged, &timer_, [this] { refresh(); });
    }
    refresh();
}

void QtGameTimer::refresh()
{
    const bool shown = !window_ || (window_->isVisible() && !(window_->windowStates() & Qt::WindowMinimized));
    pacer_.setactive(applicationactive_ && shown, clock_());
    rearm();
}

void QtGameTimer::rearm()
{
    if (pacer_.running())
        timer_.start(static_cast<int>(pacer_.wait(clock_())));
    else
        timer_.stop();
}

void QtGameTimer::setenabled(bool enabled)
{
    pacer_.setenabled(enabled, clock_());
    rearm();
}

void QtGameTimer::setapplicationactive(bool active)
{
    applicationactive_ = active;
    refresh();
}

void QtGameTimer::wake()
{
    if (pacer_.fire(clock_()))
        tick_();
    rearm();
}

}  // namespace hexbrawl
