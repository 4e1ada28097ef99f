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
        pacer_.setactive(QGuiApplication::applicationState() == Qt::ApplicationActive, clock_());
        QObject::connect(app, &QGuiApplication::applicationStateChanged, &timer_,
                         [this](Qt::ApplicationState state) { setapplicationactive(state == Qt::ApplicationActive); });
    }
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
    pacer_.setactive(active, clock_());
    rearm();
}

void QtGameTimer::wake()
{
    if (pacer_.fire(clock_()))
        tick_();
    rearm();
}

}  // namespace hexbrawl
