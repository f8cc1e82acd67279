// SPDX-License-Identifier: GPL-2.0-or-later
// Linked into every test binary, so that it passes the same whether CTest or a developer starts
// it: the lists' order and the expected texts depend on the locale, which is pinned before main,
// and windows go to Qt's offscreen platform unless a platform (Xvfb's, say) was chosen.

#include <clocale>
#include <cstdlib>

namespace {

const bool kEnvironmentPinned = [] {
    ::setenv("LC_ALL", "C.UTF-8", 1);
    ::unsetenv("LANGUAGE");
    std::setlocale(LC_ALL, "C.UTF-8");
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    return true;
}();

} // namespace
