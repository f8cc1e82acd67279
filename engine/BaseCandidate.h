// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <string>

namespace slovnik {

/// A word a form may come from, as the form rules guess it; only the table decides whether it is
/// a base form.
struct BaseCandidate {
    std::string word;
    bool negated = false; ///< the form is the negation of `word` ("nevěděl" of "vědět", "unknown" of "known")
};

} // namespace slovnik
