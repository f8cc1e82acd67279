// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Timing through the real event loop: an input event is posted as the window system would deliver
// it, and the clock stops when the loop has painted everything the event changed.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace slovnik::bench {

/// Counts the paint events of every widget of the application.
class PaintCounter final : public QObject {
public:
    PaintCounter() { QCoreApplication::instance()->installEventFilter(this); }
    int count() const { return m_count; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++m_count;
        return QObject::eventFilter(watched, event);
    }

private:
    int m_count = 0;
};

/// Runs the event loop pass by pass until two passes in a row paint nothing, after at least one
/// painted; the milliseconds from `clock`'s start to the end of the last pass that painted.
/// Events posted during a pass (a repaint request among them) are handled in the next one.
inline double runUntilPainted(const QElapsedTimer &clock, const PaintCounter &paints)
{
    constexpr int kQuietPasses = 2;
    constexpr int kMostPasses = 1000;
    double lastPaint = -1;
    int quiet = 0;
    for (int pass = 0; pass < kMostPasses && quiet < kQuietPasses; ++pass) {
        const int before = paints.count();
        QCoreApplication::processEvents();
        if (paints.count() > before) {
            lastPaint = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            quiet = 0;
        } else if (lastPaint >= 0) {
            ++quiet;
        }
    }
    return lastPaint;
}

/// Posts `event` to `receiver` and gives the milliseconds to its last repaint (-1: none).
inline double postAndTimeToLastRepaint(QWidget *receiver, QEvent *event, const PaintCounter &paints)
{
    QElapsedTimer clock;
    clock.start();
    QCoreApplication::postEvent(receiver, event);
    return runUntilPainted(clock, paints);
}

/// One line of figures: minimum, median and maximum.
inline void printFigures(const std::string &what, std::vector<double> values, const char *unit)
{
    std::sort(values.begin(), values.end());
    if (values.empty())
        return;
    const std::size_t middle = values.size() / 2;
    const double median = values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
    std::printf("%s: min %.2f %s, median %.2f %s, max %.2f %s (%zu runs)\n", what.c_str(), values.front(),
                unit, median, unit, values.back(), unit, values.size());
    // Every value, for a closer look at what the three figures hide.
    if (qEnvironmentVariableIsSet("SLOVNIK_BENCH_ALL")) {
        for (const double value : values)
            std::printf(" %.2f", value);
        std::printf("\n");
    }
    std::fflush(stdout);
}

} // namespace slovnik::bench
