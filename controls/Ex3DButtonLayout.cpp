// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/Ex3DButtonLayout.h"

namespace slovnik {

// Every "/ 2" below truncates toward zero, so a picture larger than the button sits half a pixel
// nearer the top-left, the way the platform's integer division placed it.
Ex3DButtonLayout layoutEx3DButton(const Ex3DButtonParts &parts)
{
    const int width = parts.size.width();
    const int height = parts.size.height();
    const int offset = parts.pressed ? 1 : 0;

    Ex3DButtonLayout layout;
    layout.arrowRoom = parts.dropdownSymbol ? 2 * parts.space + kArrowWidth : 0;

    const int captionLeft = parts.imageShown ? 2 * parts.space + parts.imageSize.width() - 1 : parts.space;
    const int captionRight = width - parts.space - layout.arrowRoom;
    layout.captionArea = QRect(captionLeft + offset, offset, captionRight - captionLeft, height);

    const int imageX = parts.hasCaption ? parts.space : (width - parts.imageSize.width()) / 2;
    const int imageY = (height - parts.imageSize.height()) / 2;
    const int imageOffset = parts.enabled ? offset : 0;
    layout.imagePosition = QPoint(imageX + imageOffset, imageY + imageOffset);

    layout.arrowPosition = QPoint(width - layout.arrowRoom + offset, (height - kArrowHeight) / 2 + offset);
    return layout;
}

} // namespace slovnik
