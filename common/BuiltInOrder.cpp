// SPDX-License-Identifier: GPL-2.0-or-later
#include "common/BuiltInOrder.h"

#include "engine/Dic.h"

#include <array>

namespace slovnik {
namespace {

// kBuiltInPlaces[direction][entry] and kUnicodeOfBytes[byte], written by slovnik-tableorder.
#include "TableLineOrder.inc"

} // namespace

std::span<const std::uint16_t> builtInTableLinePlaces(TranslationDirection direction)
{
    return kBuiltInPlaces[direction == TranslationDirection::EnglishToCzech ? 0 : 1];
}

char16_t builtInUnicodeOfByte(unsigned char byte)
{
    return kUnicodeOfBytes[byte];
}

} // namespace slovnik
