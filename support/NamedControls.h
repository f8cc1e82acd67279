// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Controls as the tests, the benchmarks and the screenshot tool reach them: by the design name each
// carries as its object name, the way a form editor names them; what a test checks is then what the
// window laid out and drew.

#include <QAnyStringView>
#include <QObject>

namespace slovnik::support {

/// The control of `window` that the design names `name`, or null when it has none (yet).
template <class Control = QWidget> Control *named(const QObject &window, QAnyStringView name)
{
    return window.findChild<Control *>(name.toString());
}

} // namespace slovnik::support
