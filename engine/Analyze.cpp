// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/Analyze.h"

namespace slovnik {
namespace {

// The rules' helpers, as the rules name them.

std::string_view LastChars(std::string_view w, std::size_t n)
{
    return w.size() < n ? w : w.substr(w.size() - n);
}

std::string_view LastChar(std::string_view w)
{
    return w.substr(w.size() - 1);
}

std::string_view DropLast(std::string_view w, std::size_t n)
{
    return w.size() <= n ? std::string_view{} : w.substr(0, w.size() - n);
}

bool HasDoubledLetter(std::string_view w, std::size_t k)
{
    constexpr std::size_t kShortestDoubled = 6;
    // Positions len - k and len - k + 1, counted from 1.
    return w.size() >= kShortestDoubled && w[w.size() - k - 1] == w[w.size() - k];
}

bool IsVowelOrW(std::string_view c)
{
    return c.size() == 1 && std::string_view("aeiouw").find(c.front()) != std::string_view::npos;
}

// The two characters just before a final ending of (n - 3) letters; on a shorter word the
// first two characters of the word are compared instead, as the rules have no length test.
bool firstTwoOfLastAreEqual(std::string_view w, std::size_t n)
{
    const std::string_view tail = LastChars(w, n);
    return tail.size() >= 2 && tail[0] == tail[1];
}

std::string joined(std::string_view stem, std::string_view ending)
{
    std::string out(stem);
    out += ending;
    return out;
}

std::string reduceIngForm(std::string_view w)
{
    if (LastChars(w, 4) == "ying") {
        const std::string_view stem = DropLast(w, 4);
        if (stem.empty())
            return {}; // "ying" alone: no letter to decide between "y" and "ie"
        return joined(stem, IsVowelOrW(LastChar(stem)) ? "y" : "ie");
    }
    if (firstTwoOfLastAreEqual(w, 5))
        return std::string(DropLast(w, 4));
    return std::string(DropLast(w, 3));
}

std::string reduceEdForm(std::string_view w)
{
    if (LastChars(w, 3) == "ied")
        return joined(DropLast(w, 3), "y");
    if (firstTwoOfLastAreEqual(w, 4))
        return std::string(DropLast(w, 3));
    return std::string(DropLast(w, 2));
}

std::string reduceSForm(std::string_view w)
{
    if (w == "has")
        return "have";
    if (w == "does" || w == "goes")
        return std::string(DropLast(w, 2));
    if (LastChars(w, 4) == "sses" || LastChars(w, 4) == "shes")
        return std::string(DropLast(w, 2));
    if (LastChars(w, 3) == "ies")
        return joined(DropLast(w, 3), "y");
    return std::string(DropLast(w, 1));
}

} // namespace

std::string ReducePlural(std::string_view word)
{
    if (word.size() >= 2 && word.back() == 's')
        return std::string(DropLast(word, 1));
    return {};
}

std::string ReduceComparative(std::string_view word)
{
    if (word.size() < 2)
        return std::string(word);
    if (LastChars(word, 2) == "er")
        return std::string(DropLast(word, HasDoubledLetter(word, 3) ? 3 : 2));
    if (LastChars(word, 3) == "est")
        return std::string(DropLast(word, HasDoubledLetter(word, 4) ? 4 : 3));
    return std::string(word);
}

std::string ReduceVerbForm(std::string_view word)
{
    if (word.empty())
        return {};
    if (LastChars(word, 3) == "ing")
        return reduceIngForm(word);
    if (LastChars(word, 2) == "ed")
        return reduceEdForm(word);
    if (LastChar(word) == "s")
        return reduceSForm(word);
    return {};
}

} // namespace slovnik
