// SPDX-License-Identifier: GPL-2.0-or-later
// The faces the windows draw their text in, as drawn at their size: thin letters must read as
// black strokes, not as grey pairs of columns, and neighbouring letters must not run together.

#include "controls/DesignFonts.h"
#include "controls/DicHelp.h"
#include "controls/ReadableColours.h"
#include "controls/TrHelp.h"
#include "tests/support/NamedControls.h"

#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QtTest>

#include <cmath>

using namespace slovnik;

namespace {

// WCAG's relative luminance of an sRGB grey.
double luminance(int grey)
{
    const double c = grey / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double contrast(int darker, int lighter)
{
    return (luminance(lighter) + 0.05) / (luminance(darker) + 0.05);
}

// The darkest grey of each stem: of each run of columns with ink, between columns without. A
// column with no pixel darker than kInk holds no more than the edge of a neighbouring stroke.
constexpr int kInk = 200;

QList<int> darkestOfEachStem(const QImage &image)
{
    QList<int> stems;
    bool inStem = false;
    for (int x = 0; x < image.width(); ++x) {
        int darkest = 255;
        for (int y = 0; y < image.height(); ++y)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
        const bool ink = darkest < kInk;
        if (ink && !inStem)
            stems.append(darkest);
        else if (ink)
            stems.last() = std::min(stems.last(), darkest);
        inStem = ink;
    }
    return stems;
}

// One letter's ink, alone, where the line as laid out puts it.
QImage letterInk(const QFont &face, const QTextLine &line, qsizetype index, QChar letter)
{
    QImage image(qCeil(line.naturalTextWidth()) + 2 * kDesignFontPixels, qCeil(line.height()),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(face);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(line.cursorToX(static_cast<int>(index)), line.ascent()), QString(letter));
    return image;
}

bool isInk(const QImage &image, int x, int y)
{
    return x >= 0 && y >= 0 && x < image.width() && y < image.height() && qGray(image.pixel(x, y)) < 128;
}

// Two letters touch where a black pixel of one is a black pixel of the other or one of its eight
// neighbours: the eye reads the two as one shape.
bool touch(const QImage &left, const QImage &right)
{
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x)
            for (int dx = -1; isInk(left, x, y) && dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy)
                    if (isInk(right, x + dx, y + dy))
                        return true;
    return false;
}

// The neighbouring letters of the window's text whose ink touches, each pair once a line.
QStringList touchingLetters(const QPlainTextEdit &memo)
{
    QStringList pairs;
    for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        const QTextLine line = block.layout()->lineAt(0);
        QImage previous;
        for (qsizetype i = 0; line.isValid() && i < text.size(); ++i) {
            const QImage ink = text[i].isSpace() ? QImage() : letterInk(memo.font(), line, i, text[i]);
            if (!previous.isNull() && !ink.isNull() && touch(previous, ink))
                pairs.append(text.mid(i - 1, 2));
            previous = ink;
        }
    }
    return pairs;
}

} // namespace

class DesignFaceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void thinLettersReachTextContrast_data();
    void thinLettersReachTextContrast();
    void neighbouringLettersKeepApart_data();
    void neighbouringLettersKeepApart();
};

void DesignFaceTest::thinLettersReachTextContrast_data()
{
    QTest::addColumn<QFont>("face");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("stemCount");
    for (const auto &[name, face] : {std::pair{"design face", designFont()},
                                     {"dictionary window's Arial", arialFont(kDesignFontPixels)}}) {
        QTest::addRow("%s, after blanks", name) << face << u"  il Il lil  "_qs << 7;
        // Each letter's place is the sum of the widths before it, which must not fall between pixels.
        QTest::addRow("%s, from the edge", name) << face << u"Il ill lil"_qs << 8;
    }
}

// 4.5:1 is the usual least contrast of text against its background.
void DesignFaceTest::thinLettersReachTextContrast()
{
    QFETCH(QFont, face);
    QFETCH(QString, text);
    QFETCH(int, stemCount);
    QLabel label(text);
    label.setFont(face);
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label.setPalette(palette);
    label.setAutoFillBackground(true);
    label.adjustSize();
    const QList<int> stems = darkestOfEachStem(label.grab().toImage());
    QCOMPARE(stems.size(), stemCount);
    for (const int grey : stems)
        QVERIFY2(contrast(grey, 255) >= 4.5, qPrintable(QString::number(grey)));
}

void DesignFaceTest::neighbouringLettersKeepApart_data()
{
    QTest::addColumn<bool>("dictionary");
    // Its first lines hold "databázi" and "nepravidelná".
    QTest::newRow("dictionary help") << true;
    QTest::newRow("translator help") << false;
}

// Each help text as its window lays it out, every letter drawn alone where the line puts it.
void DesignFaceTest::neighbouringLettersKeepApart()
{
    QFETCH(bool, dictionary);
    TDicHelpForm dictionaryHelp;
    TTrHelpForm translatorHelp;
    QWidget &window = dictionary ? static_cast<QWidget &>(dictionaryHelp) : translatorHelp;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QStringList pairs = touchingLetters(*named<QPlainTextEdit>(window, "Memo1"));
    QVERIFY2(pairs.isEmpty(), qPrintable(QString::number(pairs.size()) + u": "_qs + pairs.join(u' ')));
}

QTEST_MAIN(DesignFaceTest)
#include "DesignFaceTest.moc"
