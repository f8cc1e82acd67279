// SPDX-License-Identifier: GPL-2.0-or-later
// The speech unit on its own: the text the voice is given, flite's samples, and the speaker's
// requests, with a recording stand-in for the sound card.

#include "common/SpokenText.h"
#include "engine/Translate.h"
#include "speech/SpeakableText.h"
#include "speech/Speaker.h"
#include "speech/Voice.h"
#include "tests/support/SpeechStandIns.h"

#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <cstdlib>
#include <optional>

using namespace slovnik;
using slovnik::support::Recordings;
using slovnik::support::RecordingSink;

namespace {

const QString kTwentyWords = QStringLiteral("The quick brown fox jumps over the lazy dog while the children "
                                            "play happily in the green garden near our house.");

std::vector<std::int16_t> synthesized(const QString &text, int *sampleRate = nullptr)
{
    std::vector<std::int16_t> all;
    const bool loaded
        = fliteVoice()->synthesize(speakableText(text), [&](std::span<const std::int16_t> samples, int rate) {
              all.insert(all.end(), samples.begin(), samples.end());
              if (sampleRate)
                  *sampleRate = rate;
              return true;
          });
    if (!loaded)
        qFatal("the English voice cannot be loaded");
    return all;
}

int peak(const std::vector<std::int16_t> &samples)
{
    int highest = 0;
    for (const std::int16_t sample : samples)
        highest = std::max(highest, std::abs(int(sample)));
    return highest;
}

Speaker::Parts partsWith(Recordings &recordings, bool hasOutput = true)
{
    return {[] { return fliteVoice(); },
            [&recordings, hasOutput] { return std::make_unique<RecordingSink>(recordings, hasOutput); }};
}

} // namespace

class SpeechTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void speakableTextCutsAndFolds_data();
    void speakableTextCutsAndFolds();
    void hugeTextsAreCutToTheWordLimit_data();
    void hugeTextsAreCutToTheWordLimit();
    void audioIsHeardAndLastsPlausibly_data();
    void audioIsHeardAndLastsPlausibly();
    void aNewRequestSilencesTheOneStillPlaying();
    void hostileTextIsSpokenOrRefusedWithoutACrash_data();
    void hostileTextIsSpokenOrRefusedWithoutACrash();
    void withoutAVoiceSpeechIsWithdrawn();
    void withoutAnAudioOutputSpeechIsWithdrawnUntilOneAppears();
    void dictionaryReadsOnlyEnglish_data();
    void dictionaryReadsOnlyEnglish();
    void translatorReadsOnlyEnglish_data();
    void translatorReadsOnlyEnglish();
};

void SpeechTest::speakableTextCutsAndFolds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("a word") << u"dog"_qs << u"dog"_qs;
    QTest::newRow("blanks and line breaks collapse") << u"  ice \n\t cream  "_qs << u"ice cream"_qs;
    QTest::newRow("punctuation stays for the voice") << u"Don't run, Bob!"_qs << u"Don't run, Bob!"_qs;
    QTest::newRow("diacritics go") << u"Žluťoučký kůň"_qs << u"Zlutoucky kun"_qs;
    QTest::newRow("emoji separates") << u"dog🐕cat"_qs << u"dog cat"_qs;
    QTest::newRow("NUL separates") << QStringLiteral("dog") + QChar(0) + u"cat"_qs << u"dog cat"_qs;
    QTest::newRow("nothing readable") << u"😀 ☃ 漢字"_qs << QString();
    QTest::newRow("a word is cut") << QString(60, u'a') << QString(int(WordCapacity), u'a');
}

void SpeechTest::speakableTextCutsAndFolds()
{
    QFETCH(QString, text);
    QFETCH(QString, spoken);
    QCOMPARE(QString::fromLatin1(speakableText(text)), spoken);
}

void SpeechTest::hugeTextsAreCutToTheWordLimit_data()
{
    constexpr qsizetype kTenMegabytes = 10 * 1024 * 1024;
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("words");
    QTest::addColumn<int>("longestWord");
    QTest::newRow("129 words") << u"word "_qs.repeated(129) << int(MaxWords) << 4;
    QTest::newRow("10 MB of prose") << u"Pes spí na zahradě. "_qs.repeated(kTenMegabytes / 20)
                                    << int(MaxWords) << 8;
    QTest::newRow("10 MB without a blank") << QString(kTenMegabytes, u'ž') << 1 << int(WordCapacity);
    QTest::newRow("10 MB of NUL") << QString(kTenMegabytes, QChar(0)) << 0 << 0;
}

void SpeechTest::hugeTextsAreCutToTheWordLimit()
{
    QFETCH(QString, text);
    QFETCH(int, words);
    QFETCH(int, longestWord);
    const QStringList spoken = QString::fromLatin1(speakableText(text)).split(u' ', Qt::SkipEmptyParts);
    QCOMPARE(spoken.size(), words);
    qsizetype longest = 0;
    for (const QString &word : spoken)
        longest = std::max(longest, word.size());
    QCOMPARE(longest, longestWord);
}

void SpeechTest::audioIsHeardAndLastsPlausibly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("words");
    QTest::newRow("dog") << u"dog"_qs << 1;
    QTest::newRow("20 words") << kTwentyWords << 20;
}

void SpeechTest::audioIsHeardAndLastsPlausibly()
{
    QFETCH(QString, text);
    QFETCH(int, words);
    int rate = 0;
    const std::vector<std::int16_t> samples = synthesized(text, &rate);
    QVERIFY(rate >= 8000);
    // Clearly audible: a quarter of full scale at least.
    QVERIFY2(peak(samples) > 8000, qPrintable(QString::number(peak(samples))));
    // The word starts at once: the voice's opening pause is not handed on.
    const auto firstLoud
        = std::find_if(samples.begin(), samples.end(), [](std::int16_t s) { return std::abs(s) > 1000; });
    QVERIFY(firstLoud - samples.begin() < rate / 20);
    // Speech runs at two to five words a second, and a lone word with its pauses lasts longer.
    const double secondsPerWord = double(samples.size()) / rate / words;
    QVERIFY2(secondsPerWord > 0.2 && secondsPerWord < 1.5, qPrintable(QString::number(secondsPerWord)));
}

void SpeechTest::aNewRequestSilencesTheOneStillPlaying()
{
    Recordings recordings;
    Speaker speaker(partsWith(recordings));
    // The moment the long sentence is first heard, the learner asks for a word.
    recordings.afterWrite = [&](std::size_t) {
        recordings.afterWrite = nullptr;
        speaker.say(u"dog"_qs);
    };
    QSignalSpy finished(&speaker, &Speaker::synthesisFinished);
    speaker.say(kTwentyWords.repeated(6));
    QVERIFY(finished.wait(30000));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(recordings.stops, 1);
    QCOMPARE(recordings.takes.size(), std::size_t(2));
    // Only the word is played out to its end.
    QCOMPARE(recordings.finished, 1);
    QVERIFY(recordings.takes.front().size() < synthesized(kTwentyWords).size());
    // The voice's noise differs from one reading to the next, and with it, by a few samples, where
    // the quiet before the word ends; the word's length does not.
    const auto whole = double(synthesized(u"dog"_qs).size());
    QVERIFY(std::abs(double(recordings.takes.back().size()) - whole) < recordings.sampleRate / 100);
    QVERIFY(!speaker.isSpeaking());
}

void SpeechTest::hostileTextIsSpokenOrRefusedWithoutACrash_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("heard");
    QTest::newRow("10 MB") << u"dog "_qs.repeated(10 * 1024 * 1024 / 4) << true;
    QTest::newRow("emoji only") << u"😀🐕🎉"_qs.repeated(1000) << false;
    QTest::newRow("NUL only") << QString(1000, QChar(0)) << false;
    QTest::newRow("NUL inside") << u"cat"_qs + QChar(0) + u"dog"_qs << true;
}

void SpeechTest::hostileTextIsSpokenOrRefusedWithoutACrash()
{
    QFETCH(QString, text);
    QFETCH(bool, heard);
    Recordings recordings;
    Speaker speaker(partsWith(recordings));
    // The first piece shows the voice took it; the rest would only take time.
    recordings.afterWrite = [&](std::size_t) { speaker.stop(); };
    QSignalSpy finished(&speaker, &Speaker::synthesisFinished);
    speaker.say(text);
    if (heard)
        QTRY_VERIFY_WITH_TIMEOUT(!recordings.takes.empty(), 30000);
    else
        QVERIFY(!speaker.isSpeaking());
    QCOMPARE(!recordings.takes.empty() && !recordings.takes.front().empty(), heard);
    QVERIFY(speaker.offersSpeech());
}

void SpeechTest::withoutAVoiceSpeechIsWithdrawn()
{
    Recordings recordings;
    Speaker speaker({[] { return fliteVoice("flite_no_such_voice", "register_no_such_voice"); },
                     [&recordings] { return std::make_unique<RecordingSink>(recordings); }});
    QVERIFY(speaker.offersSpeech());
    QSignalSpy changed(&speaker, &Speaker::availabilityChanged);
    speaker.say(u"dog"_qs);
    QVERIFY(changed.wait(10000));
    QCOMPARE(speaker.availability(), Speaker::Availability::NoVoice);
    QVERIFY(!speaker.offersSpeech());
    QVERIFY(recordings.takes.empty());
}

void SpeechTest::withoutAnAudioOutputSpeechIsWithdrawnUntilOneAppears()
{
    Recordings recordings;
    Speaker speaker(partsWith(recordings, false));
    QSignalSpy changed(&speaker, &Speaker::availabilityChanged);
    speaker.say(u"dog"_qs);
    QVERIFY(changed.wait(10000));
    QCOMPARE(speaker.availability(), Speaker::Availability::NoAudioOutput);
    QVERIFY(!speaker.offersSpeech());
    QVERIFY(!speaker.isSpeaking());
    speaker.say(u"cat"_qs);
    QVERIFY(!speaker.isSpeaking());
    QVERIFY(recordings.takes.empty());
    // A sound server that comes back later in the session brings speaking back.
    recordings.noOutput = false;
    QVERIFY(changed.wait(10000));
    QVERIFY(speaker.offersSpeech());
    speaker.say(u"cat"_qs);
    QTRY_COMPARE(recordings.takes.size(), std::size_t(1));
}

namespace {

constexpr auto kEnglish = TranslationDirection::EnglishToCzech;
constexpr auto kCzech = TranslationDirection::CzechToEnglish;

// What a window shows, the text read from it, and a part of the hint when nothing is read.
template <typename Reading> void addReadingColumns()
{
    QTest::addColumn<Reading>("reading");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<QString>("why");
}

void verifySpoken(const TextToSpeak &text)
{
    QFETCH(QString, spoken);
    QFETCH(QString, why);
    QCOMPARE(text.text, spoken);
    QVERIFY2(spoken.isEmpty() == text.reason.startsWith(u"Není co přečíst anglicky"),
             qPrintable(text.reason));
    QVERIFY2(text.reason.contains(why), qPrintable(text.reason));
}

} // namespace

// A reading: the chosen line, the query box's text, the direction its history line was chosen in,
// the direction, and whether the window names the query a word of the other direction.
void SpeechTest::dictionaryReadsOnlyEnglish_data()
{
    addReadingColumns<DictionaryReading>();
    QTest::newRow("chosen line, English queries")
        << DictionaryReading{u"dog = pes"_qs, u"do"_qs, {}, kEnglish} << u"dog"_qs << QString();
    QTest::newRow("chosen line, Czech queries")
        << DictionaryReading{u"pes = dog"_qs, u"pe"_qs, {}, kCzech} << u"dog"_qs << QString();
    QTest::newRow("chosen phrase") << DictionaryReading{u"ice cream = zmrzlina"_qs, u"ice"_qs, {}, kEnglish}
                                   << u"ice cream"_qs << QString();
    QTest::newRow("history line, English queries")
        << DictionaryReading{{}, u"run = řídit"_qs, kEnglish, kEnglish} << u"run"_qs << QString();
    QTest::newRow("history line, direction switched since")
        << DictionaryReading{{}, u"run = řídit"_qs, kEnglish, kCzech} << u"run"_qs << QString();
    QTest::newRow("history line chosen with Czech queries")
        << DictionaryReading{{}, u"řídit = run"_qs, kCzech, kEnglish} << u"run"_qs << QString();
    QTest::newRow("English query cleaned")
        << DictionaryReading{{}, u" The Don't"_qs, {}, kEnglish} << u"dont"_qs << QString();
    QTest::newRow("English query of 40 characters")
        << DictionaryReading{{}, u"dog "_qs.repeated(9) + u"dogs"_qs, {}, kEnglish}
        << u"dog "_qs.repeated(9) + u"dogs"_qs << QString();
    QTest::newRow("English query of 41 characters")
        << DictionaryReading{{}, u"dog "_qs.repeated(9) + u"dogss"_qs, {}, kEnglish} << QString()
        << u"40 znac"_qs;
    QTest::newRow("English query of two lines")
        << DictionaryReading{{}, u"dog\ncat"_qs, {}, kEnglish} << QString() << u"řádek"_qs;
    QTest::newRow("Czech query") << DictionaryReading{{}, u"žirafa"_qs, {}, kCzech} << QString()
                                 << u"český"_qs;
    QTest::newRow("Czech word typed with English queries")
        << DictionaryReading{{}, u"kočka"_qs, {}, kEnglish, true} << QString() << u"český"_qs;
    QTest::newRow("English word typed with Czech queries")
        << DictionaryReading{{}, u"Because"_qs, {}, kCzech, true} << u"because"_qs << QString();
    QTest::newRow("nothing typed") << DictionaryReading{{}, {}, {}, kEnglish} << QString() << u"prázdný"_qs;
}

void SpeechTest::dictionaryReadsOnlyEnglish()
{
    QFETCH(DictionaryReading, reading);
    verifySpoken(dictionaryTextToSpeak(reading));
}

// A reading: the source text, the sentence, the direction its offers were looked up in (none when
// it was not built), the direction the source was translated in, and the direction.
void SpeechTest::translatorReadsOnlyEnglish_data()
{
    addReadingColumns<TranslatorReading>();
    QTest::newRow("English source") << TranslatorReading{u"The cat"_qs, u"ta kočka"_qs, kEnglish, kEnglish,
                                                         kEnglish}
                                    << u"The cat"_qs << QString();
    QTest::newRow("English source, not yet translated")
        << TranslatorReading{u"The cat"_qs, {}, {}, {}, kEnglish} << u"The cat"_qs << QString();
    QTest::newRow("English source, direction switched since")
        << TranslatorReading{u"The cat"_qs, u"ta kočka"_qs, kEnglish, kEnglish, kCzech} << u"The cat"_qs
        << QString();
    QTest::newRow("sentence of English offers")
        << TranslatorReading{u"Kočka"_qs, u"cat "_qs, kCzech, kCzech, kCzech} << u"cat "_qs << QString();
    QTest::newRow("sentence of English offers, direction switched since")
        << TranslatorReading{u"Kočka"_qs, u"cat "_qs, kCzech, kCzech, kEnglish} << u"cat "_qs << QString();
    QTest::newRow("Czech source, direction switched since")
        << TranslatorReading{u"Kočka"_qs, {}, {}, kCzech, kEnglish} << QString() << u"sestavte větu"_qs;
    QTest::newRow("no source, sentence of Czech offers")
        << TranslatorReading{u" "_qs, u"ta kočka "_qs, kEnglish, kEnglish, kCzech} << QString()
        << u"českých"_qs;
    QTest::newRow("sentence not built")
        << TranslatorReading{u"Kočka"_qs, {}, {}, {}, kCzech} << QString() << u"sestavte větu"_qs;
    QTest::newRow("sentence typed, not built")
        << TranslatorReading{u"Kočka"_qs, u"the cat"_qs, {}, {}, kCzech} << QString() << u"sestavte větu"_qs;
    QTest::newRow("nothing at all") << TranslatorReading{{}, {}, {}, {}, kEnglish} << QString()
                                    << u"zdrojový text"_qs;
}

void SpeechTest::translatorReadsOnlyEnglish()
{
    QFETCH(TranslatorReading, reading);
    verifySpoken(translatorTextToSpeak(reading));
}

QTEST_GUILESS_MAIN(SpeechTest)
#include "SpeechTest.moc"
