// SPDX-License-Identifier: GPL-2.0-or-later
// The About window: its components where the design puts them, the link that opens the project's
// page (through an opener the test puts in place of the desktop's) and the picture beside it that
// opens nothing. The About button's showing it modally is in the secondary windows' suite.

#include "controls/About.h"
#include "controls/AccessibleControls.h"
#include "controls/LinkLabel.h"
#include "support/NamedControls.h"
#include "tests/support/WhatTheUserMeets.h"
#include "tests/support/WhenShown.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QUrl>
#include <QtTest>

using namespace slovnik;
using namespace slovnik::support;

namespace {

// Every address the window asked the desktop to open, and the answer it got.
struct RecordingOpener {
    QList<QUrl> opened;
    bool answer = true;

    TAboutForm::UrlOpener opener()
    {
        return [this](const QUrl &url) {
            opened.append(url);
            return answer;
        };
    }
};

const QColor kBlue(0x00, 0x00, 0xFF);

} // namespace

class AboutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void titleSizeAndBorder();
    void componentsStandWhereTheDesignPutsThem_data();
    void componentsStandWhereTheDesignPutsThem();
    void linkLabelHoldsTheWholeAddress();
    void titleLabel();
    void titleAndLinkAreDrawnInBlue_data();
    void titleAndLinkAreDrawnInBlue();
    void descriptionCreditsTheWordList();
    void linkLabelLooksLikeALink();
    void picturesArePainted();
    void clickingImage4OpensNothing();
    void clickingTheLabelOpensTheAddress();
    void pressDraggedOffTheLabelOpensNothing();
    void keyboardOpensTheAddress_data();
    void keyboardOpensTheAddress();
    void anAddressThatCannotBeOpenedChangesNothing();
    void centredWhenShown();
    void groupBoxFrameIsSeen();
    void descriptionShowsTheFocusByAFrameNotACaret();

private:
    std::unique_ptr<TAboutForm> m_window;
    RecordingOpener m_opener;
};

void AboutTest::initTestCase()
{
    installAccessibleControls();
}

void AboutTest::init()
{
    m_opener = RecordingOpener();
    m_window = std::make_unique<TAboutForm>();
    m_window->setUrlOpener(m_opener.opener());
}

void AboutTest::cleanup()
{
    m_window.reset();
}

void AboutTest::titleSizeAndBorder()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral(" Anglicko- český slovník"));
    QCOMPARE(m_window->size(), QSize(536, 429));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QVERIFY(!m_window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!m_window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(m_window->isHidden());
}

void AboutTest::componentsStandWhereTheDesignPutsThem_data()
{
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hint");
    const auto row
        = [](const char *component, QRect geometry, const QString &name, const char16_t *hint = u"") {
              QTest::newRow(component) << geometry << name << QString::fromUtf16(hint);
          };
    row("GroupBox1", QRect(0, 3, 536, 423), u"O aplikaci"_qs);
    row("Image1", QRect(6, 10, 32, 32), u"Ikona slovníku"_qs);
    row("Label12", QRect(50, 15, 459, 22), u"Anglicko - český oboustranný slovník + translátor"_qs);
    row("Memo1", QRect(6, 45, 525, 346), u"Popis aplikace"_qs);
    row("Image3", QRect(7, 397, 74, 21), u"slovnik"_qs);
    row("Image4", QRect(170, 400, 16, 16), u"Internetová stránka"_qs);
    // Its width follows the address (linkLabelHoldsTheWholeAddress).
    row("AboutLabel", QRect(), QString::fromUtf16(kProjectWebAddress), u"Připojit k internetové stránce");
}

void AboutTest::componentsStandWhereTheDesignPutsThem()
{
    QFETCH(QRect, geometry);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    QWidget *const widget = named(*m_window, name);
    QVERIFY(widget);
    const QWidget *expectedParent = name == QStringLiteral("GroupBox1")
        ? static_cast<QWidget *>(m_window.get())
        : named<QGroupBox>(*m_window, "GroupBox1");
    QCOMPARE(widget->parentWidget(), expectedParent);
    if (!geometry.isNull())
        QCOMPARE(widget->geometry(), geometry);
    QTEST(support::screenReaderName(*widget), "name");
    QTEST(support::hintShownOver(*widget), "hint");
}

void AboutTest::linkLabelHoldsTheWholeAddress()
{
    m_window->show();
    const LinkLabel *label = named<LinkLabel>(*m_window, "AboutLabel");
    QCOMPARE(label->pos(), QPoint(200, 400));
    QCOMPARE(label->height(), 16);
    QVERIFY(label->width() >= 136);
    QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
    QVERIFY(label->geometry().right() < named<QGroupBox>(*m_window, "GroupBox1")->width());
}

void AboutTest::titleLabel()
{
    const QLabel *label = named<QLabel>(*m_window, "Label12");
    QCOMPARE(label->text(), QStringLiteral("Anglicko - český oboustranný slovník + translátor"));
    QCOMPARE(QFontInfo(label->font()).family(), QStringLiteral("Liberation Sans"));
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().pixelSize(), 19);
}

void AboutTest::titleAndLinkAreDrawnInBlue_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("title") << QStringLiteral("Label12");
    QTest::newRow("link") << QStringLiteral("AboutLabel");
}

// The letters' darkest pixels, where the text colour is laid on fully, are the design's blue.
void AboutTest::titleAndLinkAreDrawnInBlue()
{
    QFETCH(QString, name);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    const QImage image = named(*m_window, name)->grab().toImage();
    int blue = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            QVERIFY2(pixel.lightness() > 40 || pixel.blue() > 200, qPrintable(pixel.name()));
            blue += pixel == kBlue ? 1 : 0;
        }
    }
    QVERIFY(blue > 20);
}

void AboutTest::descriptionCreditsTheWordList()
{
    m_window->show();
    const QPlainTextEdit *memo = named<QPlainTextEdit>(*m_window, "Memo1");
    QVERIFY(memo->isReadOnly());
    QCOMPARE(memo->document()->defaultTextOption().alignment(), Qt::AlignHCenter);
    QCOMPARE(memo->palette().color(QPalette::Base), memo->palette().color(QPalette::Button));
    QCOMPARE(memo->frameShape(), QFrame::Box);
    QCOMPARE(memo->frameShadow(), QFrame::Plain);
    const QString text = memo->toPlainText();
    QVERIFY(text.contains(QStringLiteral("FreeDict")));
    QVERIFY(text.contains(QStringLiteral("GNU GPL verze 2 nebo novější")));
    QVERIFY(text.contains(QStringLiteral("translátor"), Qt::CaseInsensitive));
}

void AboutTest::linkLabelLooksLikeALink()
{
    m_window->show();
    const LinkLabel *label = named<LinkLabel>(*m_window, "AboutLabel");
    QCOMPARE(label->text(), QString::fromUtf16(kProjectWebAddress));
    QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(label->alignment(), Qt::AlignCenter);
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().pixelSize(), 11);
    QCOMPARE(named<QLabel>(*m_window, "Image4")->cursor().shape(), Qt::PointingHandCursor);
}

void AboutTest::picturesArePainted()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    for (const QLabel *picture : {named<QLabel>(*m_window, "Image1"), named<QLabel>(*m_window, "Image3"),
                                  named<QLabel>(*m_window, "Image4")}) {
        const QImage image = picture->pixmap().toImage();
        QVERIFY(!image.isNull());
        QCOMPARE(image.deviceIndependentSize().toSize(), picture->size());
        // Drawn transparent: the corners of the icon and the globe let the group box show.
        bool painted = false;
        for (int y = 0; y < image.height() && !painted; ++y)
            for (int x = 0; x < image.width() && !painted; ++x)
                painted = qAlpha(image.pixel(x, y)) > 0;
        QVERIFY2(painted, qPrintable(picture->accessibleName()));
    }
    QCOMPARE(qAlpha(named<QLabel>(*m_window, "Image4")->pixmap().toImage().pixel(0, 0)), 0);
}

void AboutTest::clickingImage4OpensNothing()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTest::mouseClick(named<QLabel>(*m_window, "Image4"), Qt::LeftButton);
    QVERIFY(m_opener.opened.isEmpty());
    QVERIFY(m_window->isVisible());
}

void AboutTest::clickingTheLabelOpensTheAddress()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTest::mouseClick(named<LinkLabel>(*m_window, "AboutLabel"), Qt::LeftButton);
    QCOMPARE(m_opener.opened, QList<QUrl>{QUrl(QStringLiteral("https://github.com/slovnik-app/slovnik"))});
    QVERIFY(m_window->isVisible());

    QTest::mouseClick(named<LinkLabel>(*m_window, "AboutLabel"), Qt::RightButton);
    QCOMPARE(m_opener.opened.size(), 1);
}

void AboutTest::pressDraggedOffTheLabelOpensNothing()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    LinkLabel *label = named<LinkLabel>(*m_window, "AboutLabel");
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(5, label->height() + 10));
    QVERIFY(m_opener.opened.isEmpty());
}

void AboutTest::keyboardOpensTheAddress_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void AboutTest::keyboardOpensTheAddress()
{
    QFETCH(int, key);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    named<LinkLabel>(*m_window, "AboutLabel")->setFocus();
    QTest::keyClick(named<LinkLabel>(*m_window, "AboutLabel"), static_cast<Qt::Key>(key));
    QCOMPARE(m_opener.opened.size(), 1);
    QVERIFY(m_window->isVisible());
}

void AboutTest::anAddressThatCannotBeOpenedChangesNothing()
{
    m_opener.answer = false;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    const QWidgetList before = QApplication::topLevelWidgets();
    QTest::mouseClick(named<LinkLabel>(*m_window, "AboutLabel"), Qt::LeftButton);
    QCOMPARE(m_opener.opened.size(), 1);
    QVERIFY(m_window->isVisible());
    QCOMPARE(named<LinkLabel>(*m_window, "AboutLabel")->text(), QString::fromUtf16(kProjectWebAddress));
    QCOMPARE(QApplication::topLevelWidgets(), before);
    QCOMPARE(QApplication::activeModalWidget(), m_window.get());
}

void AboutTest::centredWhenShown()
{
    m_window->move(0, 0);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    const QPoint centre = m_window->screen()->availableGeometry().center();
    QVERIFY((m_window->frameGeometry().center() - centre).manhattanLength() <= 1);
}

// Down the group box's left side, between its caption and its bottom: the darkest pixel of the
// frame against the face around it (it was 215 on 239, 1.2:1).
void AboutTest::groupBoxFrameIsSeen()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    const QImage box = named<QGroupBox>(*m_window, "GroupBox1")->grab().toImage();
    const int face = qGray(box.pixel(box.width() / 2, box.height() - 3));
    int frame = 255;
    for (int x = 0; x < named<QPlainTextEdit>(*m_window, "Memo1")->x(); ++x)
        frame = std::min(frame, qGray(box.pixel(x, box.height() / 2)));
    QVERIFY2(face - frame >= 64, qPrintable(u"%1 on %2"_qs.arg(frame).arg(face)));
}

// Focused from the keyboard, the description shows the style's focus frame (a line along its edge
// over a faint tint) and no caret: inside the edge no pixel turns from background to ink.
void AboutTest::descriptionShowsTheFocusByAFrameNotACaret()
{
    QApplication::setCursorFlashTime(0);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_window->setAttribute(Qt::WA_KeyboardFocusChange);
    QPlainTextEdit *const description = named<QPlainTextEdit>(*m_window, "Memo1");
    description->setFocus(Qt::TabFocusReason);
    const QImage focused = description->grab().toImage();
    description->clearFocus();
    const QImage unfocused = description->grab().toImage();
    QVERIFY(focused != unfocused);
    constexpr int kEdge = 3;
    constexpr int kInk = 96;
    constexpr int kBackground = 192;
    for (int y = kEdge; y < focused.height() - kEdge; ++y) {
        for (int x = kEdge; x < focused.width() - kEdge; ++x) {
            const bool inkedByFocus
                = qGray(unfocused.pixel(x, y)) > kBackground && qGray(focused.pixel(x, y)) < kInk;
            QVERIFY2(!inkedByFocus, qPrintable(u"ink at %1, %2"_qs.arg(x).arg(y)));
        }
    }
}

QTEST_MAIN(AboutTest)
#include "AboutTest.moc"
