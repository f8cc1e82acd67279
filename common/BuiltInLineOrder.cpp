#include "common/ListOrder.h"

#include "engine/Dic.h"

#include <array>

namespace slovnik {
namespace {

// kBuiltInPlaces[direction][entry], written by slovnik-tableorder (tools/tableorder).
#include "TableLineOrder.inc"

} // namespace

std::span<const std::uint16_t> builtInTableLinePlaces(TranslationDirection direction)
{
    return kBuiltInPlaces[direction == TranslationDirection::EnglishToCzech ? 0 : 1];
}

} // namespace slovnik
