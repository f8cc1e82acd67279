// SPDX-License-Identifier: GPL-2.0-or-later
// Translating the words and building the sentence through the window's buttons, on a small table
// of the test's own; and the clipboard buttons.

#include "common/Translation.h"
#include "controls/BusyCursor.h"
#include "engine/Dic.h"
#include "support/NamedControls.h"
#include "tests/support/SmallTable.h"
#include "tests/translator/TranslatorWindow.h"
#include "text/Cp1250.h"
#include "translator/AddedOffers.h"
#include "translator/WordBox.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QHelpEvent>
#include <QLineEdit>
#include <QToolTip>

#include <optional>

using namespace slovnik;
using namespace slovnik::transtest;

namespace {

std::vector<DictionaryEntry> tableOf(std::initializer_list<std::pair<const char *, const char *>> pairs)
{
    std::vector<DictionaryEntry> entries;
    for (const auto &[english, czech] : pairs)
        entries.push_back(
            {field(toCp1250(QString::fromUtf8(english))), field(toCp1250(QString::fromUtf8(czech)))});
    return entries;
}

const std::vector<DictionaryEntry> kTable = tableOf({
    {"dog", "pes"},
    {"pesto", "pesto"},
    {"colorful", "pestrý"},
    {"pest", "škůdce"},
    {"Red River", "Červená řeka"},
    {"tea", "čaj"},
    {"cat", "kočka"},
    {"cats", "kočky"},
    {"apple", "jablko"},
    {"apple tree", "jabloň"},
    {"cold", "studený"},
    {"cold", "zima"},
    {"garden", "zahrada"},
    {"window", "okno"},
    {"school", "škola"},
    {"book", "kniha"},
    {"brother", "bratr"},
    {"coffee", "káva"},
    {"sugar", "cukr"},
    {"and", "a"},
    {"but", "ale"},
    {"good", "dobrý"},
    {"better off", "zámožný"},
    {"look", "dívat se"},
    {"look after", "pečovat o"},
    {"after", "po"},
    {"get", "dostat"},
    {"get up", "vstát"},
    {"up", "nahoru"},
    {"knew", "věděl"},
    {"saw", "viděl"},
    {"know", "vědět"},
    {"i want", "chci"},
    {"do not want", "nechtít"},
});

/// The window on the test's table; given a text, it has translated it: from Czech as the window
/// opens, from English after a press of the direction button.
struct SmallTableWindow : TranslatorWindow {
    SmallTableWindow() : TranslatorWindow(kTable) { }
    SmallTableWindow(TranslationDirection direction, const QString &text) : SmallTableWindow()
    {
        if (direction == kEn)
            click(named<TEx3DButton>(form, "LangBtn"));
        translate(form, text);
    }
};

QStringList tableOffers(const QString &word, TranslationDirection direction)
{
    return wordOffers(kTable, toCp1250(word), direction);
}

QList<QStringList> allOffers(const TTransForm &form)
{
    QList<QStringList> offers;
    for (const QComboBox *box : wordBoxes(form))
        offers.append(offersOf(*box));
    return offers;
}

// The hint shown when the pointer rests on line `row` of the box's open list.
QString hintOverLine(QComboBox &box, int row)
{
    box.showPopup();
    QAbstractItemView *const list = box.view();
    if (!QTest::qWaitForWindowExposed(list->window()))
        return {};
    const QPoint middle = list->visualRect(box.model()->index(row, 0)).center();
    QHelpEvent event(QEvent::ToolTip, middle, list->viewport()->mapToGlobal(middle));
    QApplication::sendEvent(list->viewport(), &event);
    const QString hint = QToolTip::isVisible() ? QToolTip::text() : QString();
    QToolTip::hideText();
    box.hidePopup();
    return hint;
}

// The grey level of the darkest pixel the box's text field draws: black text, grey placeholder
// text, or (255) nothing at all.
int darkestInk(QComboBox &box)
{
    const QImage image = box.lineEdit()->grab().toImage();
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

// Everyday Czech: words with hits, words without, and words with many.
const QString kCzechText
    = QStringLiteral("Pes spí na zahradě a kočka sedí u okna. Ráno jdu do školy, večer čtu knihu. "
                     "Můj bratr má rád čaj s citronem, ale já piju kávu bez cukru.");

} // namespace

class TransTranslateTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup();

    void wordWithHitsAndWordWithout();
    void typedTextBecomesItsPart();
    void wordWithoutHitsOffersSuggestionsAndStaysEmpty();
    void boxWithoutItsOwnLineOffersBaseFormsMarked();
    void negatedWordsKeepTheirNegation();
    void fillCommandTakesTheFirstBaseFormOffers_data();
    void fillCommandTakesTheFirstBaseFormOffers();
    void bestReadingCoversThePhrasesWordsAndKeepsTheLearnersBoxes();
    void everyBoxHoldsItsWordsOffers();
    void openedListsDrawAsPlainListsOfTheSameOffers();
    void translationReplacesTypedTexts();
    void translatingTwiceGivesTheSameOffers();
    void directionChangeLeavesTheOffersUntilTheNextTranslation();
    void translationShowsTheBusyCursorWhileItRuns();
    void sentenceFromTheBoxTexts();
    void withoutWordsTheButtonsDoNothing();
    void pasteReplacesTheSourceTextWithTheClipboard_data();
    void pasteReplacesTheSourceTextWithTheClipboard();
    void copyTakesTheSelectedTranslation();
};

void TransTranslateTest::cleanup()
{
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TransTranslateTest::wordWithHitsAndWordWithout()
{
    SmallTableWindow window(kCs, QStringLiteral("Pes chrápe."));
    TTransForm &form = window.form;
    QCOMPARE(offersOf(*wordBoxes(form)[0]), (QStringList{"pes = dog", "pesto = pesto", "pestrý = colorful"}));
    QCOMPARE(wordBoxes(form)[0]->currentIndex(), 0);
    QCOMPARE(offersOf(*wordBoxes(form)[1]), QStringList{});
    QCOMPARE(boxTexts(form), (QStringList{"pes = dog", ""}));

    named<QPlainTextEdit>(form, "Memo2")->setPlainText(QStringLiteral("earlier\ntranslation"));
    QCOMPARE(sentence(form), QStringLiteral("dog [..] "));
    QCOMPARE(named<QPlainTextEdit>(form, "Memo2")->document()->blockCount(), 1);
}

void TransTranslateTest::typedTextBecomesItsPart()
{
    SmallTableWindow window(kCs, QStringLiteral("Pes chrápe."));
    TTransForm &form = window.form;
    typeOver(wordBoxes(form)[1]->lineEdit(), QStringLiteral("sleeps"));
    QCOMPARE(sentence(form), QStringLiteral("dog sleeps "));

    // Another offer chosen from the list.
    wordBoxes(form)[0]->setCurrentIndex(2);
    QCOMPARE(sentence(form), QStringLiteral("colorful sleeps "));
}

// A mistyped word finds nothing: its box stays empty, but offers the closest words' lines, in
// italics, and one chosen from the list counts as any offer does. A word with hits never has any.
void TransTranslateTest::wordWithoutHitsOffersSuggestionsAndStaysEmpty()
{
    SmallTableWindow window(kEn, QStringLiteral("Cofee, sugar."));
    TTransForm &form = window.form;
    QComboBox &mistyped = *wordBoxes(form)[0];
    QVERIFY(offersOf(mistyped).isEmpty());
    QCOMPARE(suggestionsOf(mistyped).value(0), QStringLiteral("coffee = káva"));
    QVERIFY(suggestionsOf(*wordBoxes(form)[1]).isEmpty());
    QCOMPARE(sentence(form), QStringLiteral("[..] cukr "));

    mistyped.showPopup();
    QAbstractItemView *const list = mistyped.view();
    QVERIFY(QTest::qWaitForWindowExposed(list->window()));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(mistyped.model()->index(0, 0)).center());
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(sentence(form), QStringLiteral("káva cukr "));
}

// "better" scans only "better off", "(cats)" nothing: each offers the lines of its base forms after
// its own, with a hint naming the base word, and keeps what its own lines chose, in grey, as unsure
// as the empty box's grey first base-form offer, also once its list has been opened; the sentence
// keeps its "[..]".
void TransTranslateTest::boxWithoutItsOwnLineOffersBaseFormsMarked()
{
    SmallTableWindow window(kEn, QStringLiteral("better (cats)"));
    TTransForm &form = window.form;
    QComboBox &longer = *wordBoxes(form)[0];
    QCOMPARE(itemsOf(longer), (QStringList{"better off = zámožný", "good = dobrý"}));
    QCOMPARE(hintOverLine(longer, 1), QStringLiteral("tvar slova good"));
    QVERIFY2(darkestInk(longer) > 80 && darkestInk(longer) < 220, "only a longer word: its line is grey");
    QComboBox &empty = *wordBoxes(form)[1];
    QCOMPARE(itemsOf(empty).value(0), QStringLiteral("cats = kočky"));
    QCOMPARE(hintOverLine(empty, 0), QStringLiteral("tvar slova cats"));
    QVERIFY2(darkestInk(empty) > 80 && darkestInk(empty) < 220, "grey placeholder text");
    QCOMPARE(sentence(form), QStringLiteral("zámožný [..] "));
}

// "nevěděl" is "did not know", "nechci" "I do not want": no offer drops the "not", neither a
// spelling suggestion ("věděl = knew") nor the first base form ("chci = i want").
void TransTranslateTest::negatedWordsKeepTheirNegation()
{
    SmallTableWindow window(kCs, QStringLiteral("Nevěděl, nechci."));
    TTransForm &form = window.form;
    QComboBox &knew = *wordBoxes(form)[0];
    QCOMPARE(itemsOf(knew), (QStringList{"nevěděl = not knew", "nevědět = not know"}));
    knew.setFocus();
    QTest::keyClick(&knew, Qt::Key_Down);
    QCOMPARE(knew.currentText(), QStringLiteral("nevěděl = not knew"));
    QCOMPARE(itemsOf(*wordBoxes(form)[1]).value(0), QStringLiteral("nechtít = do not want"));
}

void TransTranslateTest::fillCommandTakesTheFirstBaseFormOffers_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("button") << false;
    QTest::newRow("key") << true;
}

// The fill command takes the first base-form offer in every box that has one, unless the learner
// changed the box; boxes with a line of their own word keep it.
void TransTranslateTest::fillCommandTakesTheFirstBaseFormOffers()
{
    QFETCH(bool, byKey);
    SmallTableWindow window(kEn, QStringLiteral("better (cats) apple (tea)"));
    TTransForm &form = window.form;
    typeOver(wordBoxes(form)[3]->lineEdit(), QStringLiteral("čajík"));
    if (byKey) {
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(QApplication::focusWidget(), TTransForm::kFillKey.key(),
                        TTransForm::kFillKey.keyboardModifiers());
    } else {
        click(named<TEx3DButton>(form, "FillBtn"));
    }
    QCOMPARE(boxTexts(form), (QStringList{"good = dobrý", "cats = kočky", "apple = jablko", "čajík"}));
    QVERIFY(darkestInk(*wordBoxes(form)[1]) < 80);
    click(named<TEx3DButton>(form, "FromListBtn"));
    QCOMPARE(named<QPlainTextEdit>(form, "Memo2")->toPlainText(),
             QStringLiteral("dobrý kočky jablko čajík "));
}

// The best reading chooses "look after" in the box of "looks", covers the box of "after" (drawn
// grey, nothing in the sentence) and builds the sentence; the box the learner typed into stays,
// and so does its word's phrase. Choosing in the covered box ends the cover.
void TransTranslateTest::bestReadingCoversThePhrasesWordsAndKeepsTheLearnersBoxes()
{
    SmallTableWindow window(kEn, QStringLiteral("She looks after the brother. Get up!"));
    TTransForm &form = window.form;
    typeOver(wordBoxes(form)[6]->lineEdit(), QStringLiteral("hop"));
    click(named<TEx3DButton>(form, "FillBtn"));
    QCOMPARE(boxTexts(form),
             (QStringList{"", "look after = pečovat o", "", "", "brother = bratr", "get = dostat", "hop"}));
    QComboBox &covered = *wordBoxes(form)[2];
    QVERIFY2(darkestInk(covered) > 80 && darkestInk(covered) < 220,
             "the covered box shows the phrase in grey");
    // Czech has no articles: the box of "the" is covered as well, by nothing.
    QComboBox &article = *wordBoxes(form)[3];
    QVERIFY2(darkestInk(article) > 80 && darkestInk(article) < 220, "the article's box is grey");
    QCOMPARE(named<QPlainTextEdit>(form, "Memo2")->toPlainText(),
             QStringLiteral("[..] pečovat o bratr dostat hop "));

    covered.showPopup();
    QAbstractItemView *const list = covered.view();
    QVERIFY(QTest::qWaitForWindowExposed(list->window()));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(covered.model()->index(0, 0)).center());
    QTRY_VERIFY(!list->isVisible());
    QVERIFY(darkestInk(covered) < 80);
    QCOMPARE(sentence(form), QStringLiteral("[..] pečovat o po bratr dostat hop "));
}

// The window gives what the command-line tool gives for the same text.
void TransTranslateTest::everyBoxHoldsItsWordsOffers()
{
    SmallTableWindow window;
    TTransForm &form = window.form;
    split(form, kCzechText);
    QCOMPARE(wordCount(form), 29);
    click(named<TEx3DButton>(form, "TransBtn"));
    std::vector<std::string> chosen;
    for (int row = 0; row < wordCount(form); ++row) {
        const QStringList expected = tableOffers(named<WordGrid>(form, "StringGrid1")->word(row), kCs);
        QCOMPARE(offersOf(*wordBoxes(form)[row]), expected);
        chosen.push_back(expected.isEmpty() ? std::string() : toCp1250(expected.front()));
    }
    QCOMPARE(sentence(form), fromCp1250(buildSentence(chosen)));
}

// The boxes make their lines' text only when it is drawn: each opened list looks as a plain box's
// list does when that box is given the same offers as text, marks and all.
void TransTranslateTest::openedListsDrawAsPlainListsOfTheSameOffers()
{
    SmallTableWindow window(kEn, QStringLiteral("better (cats) cofee cold"));
    TTransForm &form = window.form;
    const auto openedList = [](QComboBox &box) {
        box.showPopup();
        QAbstractItemView *const list = box.view();
        const bool shown = QTest::qWaitForWindowExposed(list->window());
        const QImage image = shown ? list->window()->grab().toImage() : QImage();
        box.hidePopup();
        return image;
    };
    Suggester suggester(kTable);
    for (int row = 0; row < wordCount(form); ++row) {
        QComboBox &box = *wordBoxes(form)[row];
        const std::string word = toCp1250(named<WordGrid>(form, "StringGrid1")->word(row));
        WordBox plain(box.parentWidget());
        plain.setGeometry(box.geometry());
        plain.addItems(wordOffers(kTable, word, kEn));
        const BoxOffers offers = boxOffers(suggester, kTable, word, kEn);
        showBaseFormOffers(plain, offers.baseForms);
        showSuggestedOffers(plain, offers.suggestions);
        plain.show();
        QCOMPARE(box.count(), plain.count());
        QCOMPARE(openedList(box), openedList(plain));
    }
}

void TransTranslateTest::translationReplacesTypedTexts()
{
    SmallTableWindow window;
    TTransForm &form = window.form;
    split(form, QStringLiteral("Pes chrápe."));
    typeOver(wordBoxes(form)[0]->lineEdit(), QStringLiteral("xyz"));
    typeOver(wordBoxes(form)[1]->lineEdit(), QStringLiteral("sleeps"));
    click(named<TEx3DButton>(form, "TransBtn"));
    QCOMPARE(boxTexts(form), (QStringList{"pes = dog", ""}));

    wordBoxes(form)[0]->setCurrentIndex(1);
    click(named<TEx3DButton>(form, "TransBtn"));
    QCOMPARE(boxTexts(form), (QStringList{"pes = dog", ""}));
}

void TransTranslateTest::translatingTwiceGivesTheSameOffers()
{
    SmallTableWindow window(kCs, kCzechText);
    TTransForm &form = window.form;
    const QList<QStringList> once = allOffers(form);
    const QStringList chosenOnce = boxTexts(form);
    click(named<TEx3DButton>(form, "TransBtn"));
    QCOMPARE(allOffers(form), once);
    QCOMPARE(boxTexts(form), chosenOnce);
}

void TransTranslateTest::directionChangeLeavesTheOffersUntilTheNextTranslation()
{
    SmallTableWindow window(kCs, QStringLiteral("pes"));
    TTransForm &form = window.form;
    const QStringList czech = offersOf(*wordBoxes(form)[0]);

    click(named<TEx3DButton>(form, "LangBtn"));
    QCOMPARE(offersOf(*wordBoxes(form)[0]), czech);
    QCOMPARE(boxTexts(form), QStringList{"pes = dog"});

    click(named<TEx3DButton>(form, "TransBtn"));
    const QStringList english = offersOf(*wordBoxes(form)[0]);
    QCOMPARE(english, tableOffers(QStringLiteral("pes"), kEn));
    QVERIFY(english != czech);
}

void TransTranslateTest::translationShowsTheBusyCursorWhileItRuns()
{
    SmallTableWindow window;
    TTransForm &form = window.form;
    split(form, QStringLiteral("pes kočka"));
    std::optional<QPoint> hotSpotWhileFilling;
    connect(wordBoxes(form)[1], &QComboBox::currentTextChanged, this, [&hotSpotWhileFilling] {
        if (const QCursor *const cursor = QGuiApplication::overrideCursor())
            hotSpotWhileFilling = cursor->hotSpot();
    });
    click(named<TEx3DButton>(form, "TransBtn"));
    QVERIFY(hotSpotWhileFilling.has_value());
    QCOMPARE(*hotSpotWhileFilling, busyCursor().hotSpot());
    QVERIFY(!QGuiApplication::overrideCursor());
}

// The sentence's rules are the engine's; here the box texts go to it and back with their letters.
void TransTranslateTest::sentenceFromTheBoxTexts()
{
    SmallTableWindow window;
    TTransForm &form = window.form;
    const QStringList texts{"pes = dog", "", "spí = spí", "žlutý kůň"};
    split(form, QStringList(texts.size(), QStringLiteral("slovo")).join(u' '));
    for (int i = 0; i < texts.size(); ++i)
        typeOver(wordBoxes(form)[i]->lineEdit(), texts[i]);
    QCOMPARE(sentence(form), QStringLiteral("dog [..] spí žlutý kůň "));
}

void TransTranslateTest::withoutWordsTheButtonsDoNothing()
{
    SmallTableWindow window;
    TTransForm &form = window.form;
    named<QPlainTextEdit>(form, "Memo2")->setPlainText(QStringLiteral("kept"));
    click(named<TEx3DButton>(form, "TransBtn"));
    QCOMPARE(sentence(form), QStringLiteral("kept"));

    split(form, QStringLiteral("pes"));
    split(form, QStringLiteral("..."));
    QCOMPARE(wordCount(form), 0);
    click(named<TEx3DButton>(form, "TransBtn"));
    QCOMPARE(sentence(form), QStringLiteral("kept"));
}

void TransTranslateTest::pasteReplacesTheSourceTextWithTheClipboard_data()
{
    QTest::addColumn<bool>("hasText");
    QTest::addColumn<QString>("clipboard");
    QTest::newRow("text") << true << u"Ahoj, Petře!\nJak se máš?"_qs;
    QTest::newRow("no text") << false << QString();
}

void TransTranslateTest::pasteReplacesTheSourceTextWithTheClipboard()
{
    QFETCH(bool, hasText);
    QFETCH(QString, clipboard);

    SmallTableWindow window;
    TTransForm &form = window.form;
    split(form, QStringLiteral("pes"));
    named<QPlainTextEdit>(form, "Memo1")->setPlainText(QStringLiteral("earlier text"));
    named<QPlainTextEdit>(form, "Memo1")->moveCursor(QTextCursor::End);
    if (hasText)
        QGuiApplication::clipboard()->setText(clipboard);
    else
        QGuiApplication::clipboard()->clear();
    click(named<TEx3DButton>(form, "PasteBtn"));
    QCOMPARE(named<QPlainTextEdit>(form, "Memo1")->toPlainText(), clipboard);
    // Nothing is split by the paste.
    QCOMPARE(gridWords(form), QStringList{"pes"});
}

void TransTranslateTest::copyTakesTheSelectedTranslation()
{
    SmallTableWindow window;
    TTransForm &form = window.form;
    QClipboard &clipboard = *QGuiApplication::clipboard();
    named<QPlainTextEdit>(form, "Memo2")->setPlainText(QStringLiteral("dog sleeps "));
    clipboard.setText(QStringLiteral("before"));
    click(named<TEx3DButton>(form, "CopyBtn"));
    QCOMPARE(clipboard.text(), QStringLiteral("before"));

    QTextCursor selection = named<QPlainTextEdit>(form, "Memo2")->textCursor();
    selection.setPosition(4);
    selection.setPosition(10, QTextCursor::KeepAnchor);
    named<QPlainTextEdit>(form, "Memo2")->setTextCursor(selection);
    click(named<TEx3DButton>(form, "CopyBtn"));
    QCOMPARE(clipboard.text(), QStringLiteral("sleeps"));
}

QTEST_MAIN(TransTranslateTest)
#include "TransTranslateTest.moc"
