// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/ReadableColours.h"

#include <QColor>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace slovnik {

namespace {

// WCAG's relative luminance.
double luminance(const QColor &colour)
{
    const auto linear = [](float channel) {
        return channel <= 0.04045F ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
        + 0.0722 * linear(colour.blueF());
}

// `share` of `pen` laid over `background`.
QColor mixed(const QColor &pen, const QColor &background, double share)
{
    const auto channel
        = [share](int p, int b) { return static_cast<int>(std::lround(p * share + b * (1 - share))); };
    return QColor(channel(pen.red(), background.red()), channel(pen.green(), background.green()),
                  channel(pen.blue(), background.blue()));
}

} // namespace

double contrast(const QColor &one, const QColor &other)
{
    constexpr double kFlare = 0.05;
    const double first = luminance(one);
    const double second = luminance(other);
    return (std::max(first, second) + kFlare) / (std::min(first, second) + kFlare);
}

QColor readableGrey(const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    const QColor placeholder = palette.color(QPalette::PlaceholderText);
    const QColor grey = mixed(placeholder, base, placeholder.alphaF());
    constexpr int kSteps = 20;
    QColor readable = grey;
    for (int step = 1; step <= kSteps && contrast(readable, base) < kTextContrast; ++step)
        readable = mixed(text, grey, double(step) / kSteps);
    return readable;
}

} // namespace slovnik
