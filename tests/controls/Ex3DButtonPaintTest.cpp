// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/DesignFonts.h"
#include "controls/Ex3DButtonLayout.h"
#include "tests/controls/ButtonHost.h"

using namespace slovnik;
using namespace slovnik::buttontest;

// What the image button paints, and when.
class Ex3DButtonPaintTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layout_data();
    void layout();
    void bareButtonPaintsOnlyItsBackground();
    void frameFollowsHotAndPressed();
    void imageDrawnWhereLaidOut_data();
    void imageDrawnWhereLaidOut();
    void captionStaysInItsArea_data();
    void captionStaysInItsArea();
    void captionWithoutRoomForALetterShowsNothing_data();
    void captionWithoutRoomForALetterShowsNothing();
    void arrowCoversItsSevenByFourTriangle();
    void disabledButtonShowsNoFrameAndABlendedUnmovedImage();
    void equalValueSchedulesNoRepaint_data();
    void equalValueSchedulesNoRepaint();
    void forgetsADestroyedImageList();
};

void Ex3DButtonPaintTest::layout_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("space");
    QTest::addColumn<bool>("dropdown");
    QTest::addColumn<bool>("imageShown");
    QTest::addColumn<QSize>("imageSize");
    QTest::addColumn<bool>("caption");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QRect>("captionArea");
    QTest::addColumn<QPoint>("image");
    QTest::addColumn<int>("arrowRoom");
    QTest::addColumn<QPoint>("arrow");

    const QSize flag(30, 16);
    const QSize small(16, 16);
    QTest::newRow("flag button without caption: image at (2, 3)")
        << QSize(34, 22) << 2 << false << true << flag << false << false << true << area(33, 32)
        << QPoint(2, 3) << 0 << QPoint(34, 9);
    QTest::newRow("flag button with caption: image still at (2, 3), caption from 33")
        << QSize(34, 22) << 2 << false << true << flag << true << false << true << area(33, 32)
        << QPoint(2, 3) << 0 << QPoint(34, 9);
    QTest::newRow("71 wide with 16x16 image and caption: caption 19 to 69")
        << QSize(71, 22) << 2 << false << true << small << true << false << true << area(19, 69)
        << QPoint(2, 3) << 0 << QPoint(71, 9);
    QTest::newRow("the same pressed: everything one right and down")
        << QSize(71, 22) << 2 << false << true << small << true << true << true << area(20, 70, 1)
        << QPoint(3, 4) << 0 << QPoint(72, 10);
    QTest::newRow("drop-down arrow: room 11, at (85, 9), caption ends at 83")
        << QSize(96, 22) << 2 << true << false << QSize() << true << false << true << area(2, 83)
        << QPoint(48, 11) << 11 << QPoint(85, 9);
    QTest::newRow("no image shown: caption from Space")
        << QSize(96, 22) << 5 << false << false << small << true << false << true << area(5, 91)
        << QPoint(5, 3) << 0 << QPoint(96, 9);
    QTest::newRow("image wider than the button: centred toward the left")
        << QSize(29, 22) << 2 << false << true << flag << false << false << true << area(33, 27)
        << QPoint(0, 3) << 0 << QPoint(29, 9);
    QTest::newRow("disabled and pressed: caption and arrow move, image does not")
        << QSize(96, 22) << 2 << true << true << small << true << true << false << area(20, 84, 1)
        << QPoint(2, 3) << 11 << QPoint(86, 10);
}

void Ex3DButtonPaintTest::layout()
{
    QFETCH(QSize, size);
    QFETCH(int, space);
    QFETCH(bool, dropdown);
    QFETCH(bool, imageShown);
    QFETCH(QSize, imageSize);
    QFETCH(bool, caption);
    QFETCH(bool, pressed);
    QFETCH(bool, enabled);

    Ex3DButtonParts parts;
    parts.size = size;
    parts.space = space;
    parts.dropdownSymbol = dropdown;
    parts.imageShown = imageShown;
    parts.imageSize = imageSize;
    parts.hasCaption = caption;
    parts.pressed = pressed;
    parts.enabled = enabled;
    const Ex3DButtonLayout layout = layoutEx3DButton(parts);

    QTEST(layout.captionArea, "captionArea");
    if (imageShown)
        QTEST(layout.imagePosition, "image");
    QTEST(layout.arrowRoom, "arrowRoom");
    QTEST(layout.arrowPosition, "arrow");
}

void Ex3DButtonPaintTest::bareButtonPaintsOnlyItsBackground()
{
    Host host;
    QCOMPARE(host.button->size(), QSize(96, 22));
    const QColor own(0x30, 0x60, 0x90);
    QPalette palette = host.button->palette();
    palette.setColor(QPalette::Window, own);
    host.button->setPalette(palette);

    QCOMPARE(boxOf(host.picture(), own), QRect(0, 0, 96, 22));
    host.button->setTransparent(true);
    QCOMPARE(boxOf(host.picture(), kFace), QRect(0, 0, 96, 22));
}

void Ex3DButtonPaintTest::frameFollowsHotAndPressed()
{
    Host host;
    QImage image = host.picture();
    QCOMPARE(pixel(image, 0, 10), kFace);

    host.move(QPoint(48, 11));
    image = host.picture();
    QCOMPARE(pixel(image, 0, 10), kLight);
    QCOMPARE(pixel(image, 50, 0), kLight);
    QCOMPARE(pixel(image, 95, 10), kDark);
    QCOMPARE(pixel(image, 50, 21), kDark);
    QCOMPARE(pixel(image, 95, 0), kDark); // the bottom and right lines take the corners
    QCOMPARE(pixel(image, 0, 21), kDark);
    QCOMPARE(pixel(image, 1, 1), kFace);

    host.press(QPoint(48, 11));
    image = host.picture();
    QCOMPARE(pixel(image, 0, 10), kDark);
    QCOMPARE(pixel(image, 50, 0), kDark);
    QCOMPARE(pixel(image, 95, 10), kLight);
    QCOMPARE(pixel(image, 50, 21), kLight);
    host.release(QPoint(48, 11));
}

void Ex3DButtonPaintTest::imageDrawnWhereLaidOut_data()
{
    QTest::addColumn<QSize>("buttonSize");
    QTest::addColumn<QSize>("imageSize");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<QPoint>("expected");

    // Where the layout puts the image is the layout's table; here the painting follows it.
    QTest::newRow("71x22, 16x16, caption")
        << QSize(71, 22) << QSize(16, 16) << QStringLiteral("Translátor") << false << QPoint(2, 3);
    QTest::newRow("71x22, 16x16, caption, pressed")
        << QSize(71, 22) << QSize(16, 16) << QStringLiteral("Translátor") << true << QPoint(3, 4);
    QTest::newRow("22x22, 16x16, centred")
        << QSize(22, 22) << QSize(16, 16) << QString() << false << QPoint(3, 3);
}

void Ex3DButtonPaintTest::imageDrawnWhereLaidOut()
{
    QFETCH(QSize, buttonSize);
    QFETCH(QSize, imageSize);
    QFETCH(QString, caption);
    QFETCH(bool, pressed);
    QFETCH(QPoint, expected);

    Host host(buttonSize);
    const auto images = solidImages(imageSize);
    host.button->setImages(images.get());
    host.button->setCaption(caption);
    if (pressed)
        host.press(QPoint(5, 5));
    QCOMPARE(host.button->isDown(), pressed);
    QCOMPARE(boxOf(host.picture(), kPicture), QRect(expected, imageSize));
    if (pressed)
        host.release(QPoint(5, 5));
}

void Ex3DButtonPaintTest::captionStaysInItsArea_data()
{
    QTest::addColumn<int>("imageIndex");
    QTest::addColumn<int>("areaLeft");
    QTest::addColumn<bool>("imageDrawn");

    QTest::newRow("image shown: after the image") << 0 << 19 << true;
    QTest::newRow("negative index: room kept, no image") << -1 << 19 << false;
    QTest::newRow("index past the list: from Space") << 1 << 2 << false;
}

void Ex3DButtonPaintTest::captionStaysInItsArea()
{
    QFETCH(int, imageIndex);
    QFETCH(int, areaLeft);
    QFETCH(bool, imageDrawn);
    const int areaRight = 69; // 71 - Space

    Host host(QSize(71, 22));
    const auto images = solidImages(QSize(16, 16));
    host.button->setImages(images.get());
    host.button->setImageIndex(imageIndex);
    host.button->setCaption(QStringLiteral("WWWWWWWWWWWWWWWWWWWW"));
    const QImage image = host.picture();

    QCOMPARE(boxOf(image, kPicture).isEmpty(), !imageDrawn);
    QRect text;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QColor c = pixel(image, x, y); c != kFace && c != kPicture)
                text |= QRect(x, y, 1, 1);
    QVERIFY(!text.isEmpty());
    QVERIFY2(text.left() >= areaLeft && text.left() <= areaLeft + 2,
             qPrintable(QStringLiteral("text starts at %1").arg(text.left())));
    QVERIFY2(text.right() < areaRight, qPrintable(QStringLiteral("text ends at %1").arg(text.right())));
}

void Ex3DButtonPaintTest::captionWithoutRoomForALetterShowsNothing_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::newRow("1x") << 1.0;
    QTest::newRow("2x") << 2.0;
}

// The translator's help button: a square with an image and the caption "Nápověda", which has one
// pixel of room after the image.
void Ex3DButtonPaintTest::captionWithoutRoomForALetterShowsNothing()
{
    QFETCH(qreal, scale);
    Host host(QSize(22, 22));
    const auto images = solidImages(QSize(16, 16));
    host.button->setImages(images.get());
    host.button->setImageIndex(0);
    host.button->setCaption(u"Nápověda"_qs);
    host.button->setFont(designFont());
    QPixmap drawn(host.button->size() * scale);
    drawn.setDevicePixelRatio(scale);
    host.button->render(&drawn);
    const QImage image = drawn.toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QVERIFY2(pixel(image, x, y) == kFace || pixel(image, x, y) == kPicture,
                     qPrintable(u"%1, %2"_qs.arg(x).arg(y)));
}

void Ex3DButtonPaintTest::arrowCoversItsSevenByFourTriangle()
{
    Host host;
    host.button->setDropdownSymbol(true);
    const QImage image = host.picture();

    QRegion triangle;
    for (int row = 0; row < 4; ++row)
        triangle |= QRect(85 + row, 9 + row, 7 - 2 * row, 1);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QVERIFY2((pixel(image, x, y) == kText) == triangle.contains(QPoint(x, y)),
                     qPrintable(QStringLiteral("pixel (%1, %2)").arg(x).arg(y)));
    QCOMPARE(boxOf(image, kText), QRect(QPoint(85, 9), QPoint(91, 12)));

    host.press(QPoint(40, 11));
    QCOMPARE(boxOf(host.picture(), kText), QRect(QPoint(86, 10), QPoint(92, 13)));
    host.release(QPoint(40, 11));
}

void Ex3DButtonPaintTest::disabledButtonShowsNoFrameAndABlendedUnmovedImage()
{
    Host host(QSize(22, 22));
    const auto images = solidImages(QSize(16, 16));
    host.button->setImages(images.get());
    host.press(QPoint(5, 5));
    QCOMPARE(leftEdge(host), kDark); // hot and pressed
    host.button->setEnabled(false);
    QVERIFY(host.button->isDown());

    const QImage image = host.picture();
    QCOMPARE(pixel(image, 0, 10), kFace);
    const QColor blend = pixel(image, 10, 10);
    QVERIFY2(qAbs(blend.green() - 127) <= 2 && qAbs(blend.blue() - 128) <= 2 && blend.red() == 0,
             qPrintable(blend.name()));
    QCOMPARE(boxOf(image, blend), QRect(3, 3, 16, 16));
    host.button->setEnabled(true);
    host.release(QPoint(5, 5));
}

void Ex3DButtonPaintTest::equalValueSchedulesNoRepaint_data()
{
    QTest::addColumn<QString>("property");
    for (const char *name : {"caption", "space", "dropdownSymbol", "imageIndex", "transparent", "images"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void Ex3DButtonPaintTest::equalValueSchedulesNoRepaint()
{
    QFETCH(QString, property);

    Host host;
    const auto images = solidImages(QSize(16, 16), 2);
    const auto otherImages = solidImages(QSize(16, 16));
    TEx3DButton &b = *host.button;
    b.setCaption(QStringLiteral("Překlad"));
    b.setImages(images.get());
    settle();

    const auto assign = [&](bool same) {
        if (property == QLatin1String("caption"))
            b.setCaption(same ? b.caption() : QStringLiteral("Nápověda"));
        else if (property == QLatin1String("space"))
            b.setSpace(same ? b.space() : std::uint8_t{4});
        else if (property == QLatin1String("dropdownSymbol"))
            b.setDropdownSymbol(same ? b.dropdownSymbol() : !b.dropdownSymbol());
        else if (property == QLatin1String("imageIndex"))
            b.setImageIndex(same ? b.imageIndex() : 1);
        else if (property == QLatin1String("transparent"))
            b.setTransparent(same ? b.transparent() : !b.transparent());
        else if (property == QLatin1String("images"))
            b.setImages(same ? b.images() : otherImages.get());
    };

    host.button->paints = 0;
    assign(true);
    settle();
    QCOMPARE(host.button->paints, 0);

    assign(false);
    QTRY_VERIFY(host.button->paints > 0);
}

void Ex3DButtonPaintTest::forgetsADestroyedImageList()
{
    Host host(QSize(22, 22));
    auto images = solidImages(QSize(16, 16));
    host.button->setImages(images.get());
    QVERIFY(!boxOf(host.picture(), kPicture).isEmpty());

    images.reset();
    QCOMPARE(host.button->images(), nullptr);
    QVERIFY(boxOf(host.picture(), kPicture).isEmpty());
}

QTEST_MAIN(Ex3DButtonPaintTest)
#include "Ex3DButtonPaintTest.moc"
