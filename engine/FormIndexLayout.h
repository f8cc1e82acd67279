// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// How the compiled-in index of Czech forms is laid out; its generator (slovnik-formindex) writes
// it, CzechForms.cpp reads it.
//
// The forms, Windows-1250, sorted byte-wise, stand one after another in kFormBytes, in blocks of
// kFormsPerBlock. Each form is: one byte, how many leading characters it shares with the form
// before it (0 for a block's first form, which is written whole); the rest of its characters; a
// zero byte; one byte, the number of its base words (none for a word of its own that only
// must not be taken for a negation, "neděle"); then each base's number, two bytes, low byte
// first, best base first. kFormBlocks holds where each block starts. The base words stand
// in kBaseBytes, each ended by a zero byte; kBaseStarts holds where base number k starts.

#include <cstddef>

namespace slovnik::formindex {

inline constexpr std::size_t kFormsPerBlock = 16;
inline constexpr std::size_t kMaxBasesPerForm = 255;
inline constexpr std::size_t kMaxBaseCount = 65536;
inline constexpr std::size_t kMaxFormLength = 255;

} // namespace slovnik::formindex
