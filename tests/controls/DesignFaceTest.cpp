// SPDX-License-Identifier: GPL-2.0-or-later
// The faces the windows draw their text in, as drawn at their size: thin letters must read as
// black strokes, not as grey pairs of columns, and neighbouring letters must not run together.

#include "controls/DesignFonts.h"
#include "controls/DicHelp.h"
#include "controls/ExDialog.h"
#include "controls/ReadableColours.h"
#include "controls/TrHelp.h"
#include "support/NamedControls.h"

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

bool isInk(const QImage &image, int x, int y)
{
    return x >= 0 && y >= 0 && x < image.width() && y < image.height() && qGray(image.pixel(x, y)) < 128;
}

// The pieces of ink: sets of black pixels, each pixel joined to its eight neighbours. Two
// neighbouring letters touch where a pixel of one joins a pixel of the other: the eye reads the
// two as one shape, and the drawn text has fewer pieces than its letters drawn one by one.
int inkPieces(const QImage &image)
{
    QList<bool> counted(image.width() * image.height(), false);
    int pieces = 0;
    for (int start = 0; start < counted.size(); ++start) {
        if (counted[start] || !isInk(image, start % image.width(), start / image.width()))
            continue;
        ++pieces;
        QList<int> toVisit{start};
        counted[start] = true;
        while (!toVisit.isEmpty()) {
            const int at = toVisit.takeLast();
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int x = at % image.width() + dx;
                    const int y = at / image.width() + dy;
                    if (isInk(image, x, y) && !counted[y * image.width() + x]) {
                        counted[y * image.width() + x] = true;
                        toVisit.append(y * image.width() + x);
                    }
                }
            }
        }
    }
    return pieces;
}

int piecesOfLettersAlone(const QString &text, const QFont &face, qreal pixelRatio)
{
    int pieces = 0;
    const QFontMetrics metrics(face);
    for (const QChar letter : text) {
        QImage image(QSize(3 * metrics.height(), 2 * metrics.height()) * pixelRatio, QImage::Format_RGB32);
        image.setDevicePixelRatio(pixelRatio);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(face);
        painter.setPen(Qt::black);
        painter.drawText(metrics.height(), metrics.height() + metrics.ascent() / 2, QString(letter));
        painter.end();
        pieces += inkPieces(image);
    }
    return pieces;
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
    QTest::addColumn<QString>("message");
    // Its first lines hold "databázi" and "nepravidelná".
    QTest::newRow("dictionary help") << QString();
    QTest::newRow("translator help") << QString();
    QTest::newRow("message dialog: databázi") << u"databázi = database"_qs;
    QTest::newRow("message dialog: nepravidelná") << u"nepravidelná slovesa = irregular verbs"_qs;
}

// Each text as its window draws it, against its letters drawn one by one in the same face.
void DesignFaceTest::neighbouringLettersKeepApart()
{
    QFETCH(QString, message);
    TDicHelpForm dictionaryHelp;
    TTrHelpForm translatorHelp;
    TDlgForm dialog;
    dialog.MessageText = message;
    dialog.SetupDialog();
    const QString row = QString::fromLatin1(QTest::currentDataTag());
    QWidget &window = row.startsWith(u"message") ? static_cast<QWidget &>(dialog)
        : row.startsWith(u"dictionary")          ? static_cast<QWidget &>(dictionaryHelp)
                                                 : translatorHelp;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget *drawn = dialog.Label1;
    if (&window != &dialog) {
        auto *memo = support::named<QPlainTextEdit>(window, "Memo1");
        // Without the focus, no text cursor stands beside the first letter.
        memo->clearFocus();
        message = memo->toPlainText();
        drawn = memo->viewport();
    }
    QCOMPARE(inkPieces(drawn->grab().toImage()),
             piecesOfLettersAlone(message, drawn->font(), drawn->devicePixelRatioF()));
}

QTEST_MAIN(DesignFaceTest)
#include "DesignFaceTest.moc"
