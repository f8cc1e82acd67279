// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What the translator's benchmarks set up alike: a text of more than MaxWords words in each
// direction, and its first MaxWords words in the grid of a shown translator, which takes them
// whole, without the notice of a shortened text.

#include "common/Translation.h"
#include "controls/Ex3DButton.h"
#include "engine/Translate.h"
#include "support/NamedControls.h"
#include "support/TranslatorWindow.h"
#include "text/Cp1250.h"

#include <QStringList>
#include <QtTest>

#include <memory>

namespace slovnik::bench {

/// The rows of a `_data` function: the English text with the direction switched, and the Czech.
inline void addTextRows(const QString &english, const QString &czech)
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("english");
    QTest::newRow("EnglishToCzech") << english << true;
    QTest::newRow("CzechToEnglish") << czech << false;
}

/// The first MaxWords words of `text`, which must have more.
inline SourceWords firstWords(const QString &text)
{
    SourceWords source = splitSourceLines({text});
    if (!source.truncated)
        qFatal("the benchmark text must have more than %zu words", MaxWords);
    return source;
}

/// Switches the translator to English first when `english`, then splits the first MaxWords words
/// of `text`, one blank between them, into its grid.
inline void fillGrid(support::TranslatorWindow &window, const QString &text, bool english)
{
    if (english)
        QTest::mouseClick(support::named<TEx3DButton>(window.form, "LangBtn"), Qt::LeftButton);
    QStringList words;
    for (const std::string &word : firstWords(text).words)
        words.append(fromCp1250(word));
    support::split(window.form, words.join(u' '));
    QCOMPARE(support::wordCount(window.form), static_cast<int>(MaxWords));
}

/// A shown translator with the first MaxWords words of the current row's text in its grid (see
/// addTextRows).
inline std::unique_ptr<support::TranslatorWindow> fullGridOfRow()
{
    QFETCH(QString, text);
    QFETCH(bool, english);
    auto window = std::make_unique<support::TranslatorWindow>();
    fillGrid(*window, text, english);
    return window;
}

} // namespace slovnik::bench
