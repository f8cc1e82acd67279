// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/SelectionWatch.h"

#include <QClipboard>
#include <QGuiApplication>

namespace slovnik {

namespace {

// How long a selection must stand still before it is read: past the steps of a drag or of a
// double click turning into a triple one.
constexpr int kSettleMilliseconds = 250;
// Generous for kMostWatchedWords words of the table's at most 20 letters and what stands between.
constexpr qsizetype kLongestWatchedText = 256;

} // namespace

bool isWatchedSelection(const QString &selection)
{
    if (selection.size() > kLongestWatchedText)
        return false;
    const qsizetype words = selection.simplified().split(QChar(u' '), Qt::SkipEmptyParts).size();
    return words >= 1 && words <= kMostWatchedWords;
}

SelectionWatch::SelectionWatch(QObject *parent) : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMilliseconds);
    connect(&m_settle, &QTimer::timeout, this, &SelectionWatch::readSelection);
    connect(QGuiApplication::clipboard(), &QClipboard::selectionChanged, this,
            &SelectionWatch::selectionChanged);
}

bool SelectionWatch::available()
{
    return QGuiApplication::platformName() == u"xcb" && QGuiApplication::clipboard()->supportsSelection();
}

void SelectionWatch::setWatching(bool watching)
{
    m_watching = watching;
    m_settle.stop();
}

void SelectionWatch::selectionChanged()
{
    if (m_watching)
        m_settle.start();
}

void SelectionWatch::readSelection()
{
    QClipboard *const clipboard = QGuiApplication::clipboard();
    // What the learner selects in the dictionary itself is not a word from elsewhere.
    if (!m_watching || clipboard->ownsSelection())
        return;
    const QString text = clipboard->text(QClipboard::Selection);
    if (isWatchedSelection(text))
        Q_EMIT selected(text);
}

} // namespace slovnik
