// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The individual pictures behind Icons.h, each painted into its own design square or rectangle.

#include <QRectF>

class QPainter;

namespace slovnik::pictures {

// 16 x 16
void copySheets(QPainter &painter);
void pasteClipboard(QPainter &painter);
void arrowIntoGrid(QPainter &painter);
void information(QPainter &painter);
void arrowOutOfGrid(QPainter &painter);
void sheetWithLines(QPainter &painter);
void openBook(QPainter &painter);
void helpBook(QPainter &painter);
void speaker(QPainter &painter);
/// The speaker with a red cross where its sound waves stand: there is nothing to read.
void speakerSilent(QPainter &painter);
/// A word box with an arrow down into it: filling the boxes.
void arrowIntoBox(QPainter &painter);

// 30 x 16
void czechThenBritish(QPainter &painter);
void britishThenCzech(QPainter &painter);

// Any rectangle: the flags themselves, for the pairs above and the window icons.
void czechFlag(QPainter &painter, const QRectF &area);
void britishFlag(QPainter &painter, const QRectF &area);
/// The British flag simplified to 9 x 7 whole design pixels, for where the full one is too small
/// to read.
void smallBritishFlag(QPainter &painter, QPoint topLeft);

// 20 x 20
void tick(QPainter &painter);
void cross(QPainter &painter);

} // namespace slovnik::pictures
