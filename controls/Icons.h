// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The program's own pictures, gathered in the image lists the windows index into, and the window
// icons. All are painted as vectors, so they stay crisp at every scale.

#include <QIcon>

class QObject;

namespace slovnik {

class ImageList;

/// Indices of ButtonImages: the roles the dictionary and translator buttons rely on.
namespace ButtonImage {
inline constexpr int Copy = 0; ///< two sheets
inline constexpr int Paste = 1; ///< a clipboard with a sheet
inline constexpr int IntoList = 2; ///< an arrow into a grid
inline constexpr int About = 3; ///< an "i"
inline constexpr int OutOfList = 4; ///< an arrow out of a grid
inline constexpr int Sheet = 5; ///< a sheet with lines of text
inline constexpr int OpenBook = 6; ///< an open book
inline constexpr int HelpBook = 7; ///< a book with a question mark
inline constexpr int Count = 8;
} // namespace ButtonImage

/// Indices of FlagImages.
namespace FlagImage {
inline constexpr int CzechToEnglish = 0; ///< the Czech flag with a small British flag after it
inline constexpr int EnglishToCzech = 1; ///< the British flag with a small Czech flag after it
inline constexpr int Count = 2;
} // namespace FlagImage

/// ImageList1 of the dictionary and translator windows: ButtonImage::Count images of 16 x 16.
/// The list belongs to `parent`.
ImageList *createButtonImages(QObject *parent);

/// ImageList2 of the dictionary window: FlagImage::Count images of 30 x 16. Belongs to `parent`.
ImageList *createFlagImages(QObject *parent);

/// The message dialog's three images of 20 x 20: 0 for its first button (a tick), 1 for its second
/// (a cross), 2 an "i". Belongs to `parent`.
ImageList *createDialogImages(QObject *parent);

QIcon dictionaryWindowIcon();
QIcon translatorWindowIcon();
QIcon dialogWindowIcon();

} // namespace slovnik
