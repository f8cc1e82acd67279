// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Windows-1250, the table's code page, stated once: the character of each byte above 127, and
// which of them are letters, of which small letter each capital is, and which plain letter each
// is written with. The text boundary decodes with the characters; the engine cleans, lower-cases
// and compares words with the letters. Bytes 0 to 127 are ASCII. Plain C++, known at compile time.

#include <array>
#include <cstddef>
#include <string_view>

namespace slovnik::cp1250 {

inline constexpr unsigned kFirstHighByte = 0x80;
inline constexpr std::size_t kHighBytes = 128;

/// The Unicode character of each byte from 0x80 on, as Windows decodes the code page; the five
/// bytes it leaves unused stand for the C1 controls of their own number.
inline constexpr std::array<char16_t, kHighBytes> kHighCharacters = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, // € ‚ „ … † ‡
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, // ‰ Š ‹ Ś Ť Ž Ź
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // ‘ ’ “ ” • – —
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, // ™ š › ś ť ž ź
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, // no-break space ˇ ˘ Ł ¤ Ą ¦ §
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, // ¨ © Ş « ¬ soft hyphen ® Ż
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // ° ± ˛ ł ´ µ ¶ ·
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, // ¸ ą ş » Ľ ˝ ľ ż
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, // Ŕ Á Â Ă Ä Ĺ Ć Ç
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, // Č É Ę Ë Ě Í Î Ď
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, // Đ Ń Ň Ó Ô Ő Ö ×
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, // Ř Ů Ú Ű Ü Ý Ţ ß
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, // ŕ á â ă ä ĺ ć ç
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, // č é ę ë ě í î ď
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, // đ ń ň ó ô ő ö ÷
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, // ř ů ú ű ü ý ţ ˙
};

/// Each byte from 0x80 on as the plain letter it is written with, a capital for a capital ('Č'
/// is 'C', 'č' is 'c'); '-' for a small letter written with no plain one (ß), '.' for no letter
/// (a sign, a mark standing alone, a control; the micro sign is a sign).
inline constexpr std::string_view kHighLetters = "..........S.STZZ" // 0x80 Š Ś Ť Ž Ź
                                                 "..........s.stzz" // 0x90 š ś ť ž ź
                                                 "...L.A....S....Z" // 0xA0 Ł Ą Ş Ż
                                                 "...l.....as.L.lz" // 0xB0 ł ą ş Ľ ľ ż
                                                 "RAAAALCCCEEEEIID" // 0xC0 Ŕ Á Â Ă Ä Ĺ Ć Ç Č É Ę Ë Ě Í Î Ď
                                                 "DNNOOOO.RUUUUYT-" // 0xD0 Đ Ń Ň Ó Ô Ő Ö Ř Ů Ú Ű Ü Ý Ţ ß
                                                 "raaaalccceeeeiid" // 0xE0 the same small
                                                 "dnnoooo.ruuuuyt."; // 0xF0
static_assert(kHighLetters.size() == kHighBytes);

namespace detail {

constexpr bool isAsciiCapital(unsigned char b)
{
    return b >= 'A' && b <= 'Z';
}

constexpr bool isAsciiSmall(unsigned char b)
{
    return b >= 'a' && b <= 'z';
}

constexpr char highLetter(unsigned char b)
{
    return b >= kFirstHighByte ? kHighLetters[b - kFirstHighByte] : '.';
}

// Unicode puts the small letter of a Latin-1 capital 0x20 after it, and that of a Latin
// Extended-A capital right after it; the small letter's byte is the one that stands for it.
constexpr std::array<unsigned char, 256> smallLetters()
{
    std::array<unsigned char, 256> small{};
    for (unsigned b = 0; b < small.size(); ++b)
        small[b]
            = static_cast<unsigned char>(isAsciiCapital(static_cast<unsigned char>(b)) ? b - 'A' + 'a' : b);
    constexpr char16_t kFirstExtendedA = 0x0100;
    for (unsigned b = kFirstHighByte; b < small.size(); ++b) {
        if (!isAsciiCapital(static_cast<unsigned char>(highLetter(static_cast<unsigned char>(b)))))
            continue;
        const char16_t capital = kHighCharacters[b - kFirstHighByte];
        const char16_t wanted = static_cast<char16_t>(capital + (capital < kFirstExtendedA ? 0x20 : 1));
        for (unsigned s = 0; s < kHighBytes; ++s) {
            if (kHighCharacters[s] == wanted)
                small[b] = static_cast<unsigned char>(kFirstHighByte + s);
        }
    }
    return small;
}

inline constexpr std::array<unsigned char, 256> kSmallLetters = smallLetters();

} // namespace detail

/// The Unicode character byte `b` stands for.
constexpr char16_t character(unsigned char b)
{
    return b >= kFirstHighByte ? kHighCharacters[b - kFirstHighByte] : char16_t{b};
}

/// Whether byte `b` is a letter: A to Z, a to z, or a Latin letter above 127 (Č, ß).
constexpr bool isLetter(unsigned char b)
{
    return detail::isAsciiCapital(b) || detail::isAsciiSmall(b) || detail::highLetter(b) != '.';
}

/// The small letter of a capital ('Č' gives 'č', 'A' gives 'a'); every other byte as it is.
constexpr unsigned char toSmall(unsigned char b)
{
    return detail::kSmallLetters[b];
}

/// The plain small ASCII letter a letter is written with when its diacritic and its case are
/// left out ('č', 'Č' and 'C' give 'c'); 0 for anything that is no letter, and for ß.
constexpr char baseLetter(unsigned char b)
{
    if (detail::isAsciiSmall(b))
        return static_cast<char>(b);
    if (detail::isAsciiCapital(b))
        return static_cast<char>(b - 'A' + 'a');
    const auto high = static_cast<unsigned char>(detail::highLetter(b));
    if (detail::isAsciiCapital(high))
        return static_cast<char>(high - 'A' + 'a');
    return detail::isAsciiSmall(high) ? static_cast<char>(high) : char{0};
}

} // namespace slovnik::cp1250
