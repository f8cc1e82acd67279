// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/BusyCursor.h"
#include "controls/Icons.h"
#include "controls/ImageList.h"

#include <QPainter>
#include <QtTest>

#include <memory>

using namespace slovnik;

namespace {

bool paintsSomething(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return true;
    return false;
}

} // namespace

class ImagesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listsHoldWhatTheWindowsIndex_data();
    void listsHoldWhatTheWindowsIndex();
    void imagesRenderAtTheDevicePixelRatio();
    void smallBritishFlagIsSharpAndReadable_data();
    void smallBritishFlagIsSharpAndReadable();
    void indexOutsideTheListDrawsNothing();
    void busyCursorIsSetAndTakenBackOnce();
};

void ImagesTest::listsHoldWhatTheWindowsIndex_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("count");
    QTest::addColumn<QSize>("size");

    QTest::newRow("button images") << 0 << ButtonImage::Count << QSize(16, 16);
    QTest::newRow("flags") << 1 << FlagImage::Count << QSize(30, 16);
    QTest::newRow("dialog images") << 2 << 3 << QSize(20, 20);
}

void ImagesTest::listsHoldWhatTheWindowsIndex()
{
    QFETCH(int, which);
    QFETCH(int, count);
    QFETCH(QSize, size);

    QObject owner;
    ImageList *const list = which == 0 ? createButtonImages(&owner)
        : which == 1                   ? createFlagImages(&owner)
                                       : createDialogImages(&owner);
    QCOMPARE(list->count(), count);
    QCOMPARE(list->imageSize(), size);
    QList<QImage> seen;
    for (int i = 0; i < count; ++i) {
        const QImage image = list->pixmap(i, 1.0).toImage();
        QVERIFY2(paintsSomething(image), qPrintable(QStringLiteral("image %1 is empty").arg(i)));
        QVERIFY2(!seen.contains(image), qPrintable(QStringLiteral("image %1 repeats one before").arg(i)));
        seen.append(image);
    }
}

void ImagesTest::imagesRenderAtTheDevicePixelRatio()
{
    QObject owner;
    const ImageList *const flags = createFlagImages(&owner);
    const QPixmap sharp = flags->pixmap(0, 2.0);
    QCOMPARE(sharp.size(), QSize(60, 32));
    QCOMPARE(sharp.devicePixelRatio(), 2.0);
    // A fresh rendering, not the 1x pixmap blown up: the 2x image is not made of 2x2 blocks.
    const QImage image = sharp.toImage();
    bool finerThanBlocks = false;
    for (int y = 0; y < image.height() && !finerThanBlocks; y += 2)
        for (int x = 0; x < image.width() && !finerThanBlocks; x += 2)
            finerThanBlocks = image.pixel(x, y) != image.pixel(x + 1, y + 1);
    QVERIFY(finerThanBlocks);
}

void ImagesTest::smallBritishFlagIsSharpAndReadable_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("1x") << 1.0;
    QTest::newRow("2x") << 2.0;
}

// Beside the big Czech flag, at 9 x 7 design pixels from (21, 8): every pixel one of the flag's
// three colours, none blurred between them; a red cross edged in white and blue corners.
void ImagesTest::smallBritishFlagIsSharpAndReadable()
{
    QFETCH(qreal, ratio);
    QObject owner;
    const QImage image = createFlagImages(&owner)->pixmap(FlagImage::CzechToEnglish, ratio).toImage();
    const QColor blue(0x01, 0x21, 0x69);
    const QColor red(0xC8, 0x10, 0x2E);
    const QColor white(Qt::white);
    const QRect flag(QPoint(21, 8), QSize(9, 7));
    const auto at = [&](int x, int y) { return image.pixelColor(QPoint(x, y) * ratio); };
    for (int y = qRound(flag.top() * ratio); y < qRound((flag.bottom() + 1) * ratio); ++y)
        for (int x = qRound(flag.left() * ratio); x < qRound((flag.right() + 1) * ratio); ++x)
            QVERIFY2(QList<QColor>({blue, red, white}).contains(image.pixelColor(x, y)),
                     qPrintable(image.pixelColor(x, y).name()));
    QCOMPARE(at(25, 11), red);
    QCOMPARE(at(21, 11), red);
    QCOMPARE(at(25, 8), red);
    QCOMPARE(at(24, 10), white);
    QCOMPARE(at(22, 8), blue);
    QCOMPARE(at(28, 14), blue);
    QCOMPARE(at(21, 8), white);
}

void ImagesTest::indexOutsideTheListDrawsNothing()
{
    QObject owner;
    const ImageList *const images = createButtonImages(&owner);
    QImage canvas(40, 40, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        images->draw(painter, QPoint(0, 0), -1);
        images->draw(painter, QPoint(0, 0), ButtonImage::Count);
    }
    QVERIFY(!paintsSomething(canvas));
    QVERIFY(images->pixmap(ButtonImage::Count, 1.0).isNull());
}

void ImagesTest::busyCursorIsSetAndTakenBackOnce()
{
    const QCursor cursor = busyCursor();
    QVERIFY(!cursor.pixmap().isNull());
    QVERIFY(QRect(QPoint(0, 0), cursor.pixmap().deviceIndependentSize().toSize()).contains(cursor.hotSpot()));

    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    setBusyCursor(true);
    setBusyCursor(true);
    QVERIFY(QGuiApplication::overrideCursor() != nullptr);
    setBusyCursor(false);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    setBusyCursor(false);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

QTEST_MAIN(ImagesTest)
#include "ImagesTest.moc"
