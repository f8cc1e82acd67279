// SPDX-License-Identifier: GPL-2.0-or-later
// Another X client for the look-up tests: it owns the primary selection as a browser or a PDF
// reader does when the learner selects a word, or it prints what another program selected.
//
//   selection_owner TEXT                  owns the selection with TEXT, answers every request
//   selection_owner --bytes N TEXT        the same with TEXT repeated to N bytes of UTF-8
//   selection_owner --invalid-utf8        the same with bytes that are not UTF-8
//   selection_owner --silent TEXT         owns it and never answers a request
//   selection_owner --print               prints the current selection's text and ends
//
// It prints "owned" once the X server has made it the owner, and runs until it is ended.

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include <cstdio>
#include <cstring>
#include <thread>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    QClipboard *const clipboard = QGuiApplication::clipboard();
    if (arguments.value(0) == u"--print") {
        std::fputs(clipboard->text(QClipboard::Selection).toUtf8().constData(), stdout);
        return 0;
    }
    const bool silent = arguments.value(0) == u"--silent";
    auto *const data = new QMimeData;
    if (arguments.value(0) == u"--invalid-utf8") {
        // A lone continuation byte, an overlong slash, a cut-off sequence, a surrogate half.
        const QByteArray bytes("dog\x80\xc0\xaf\xe2\x82 \xed\xa0\x80!", 16);
        data->setData(QStringLiteral("text/plain;charset=utf-8"), bytes);
        data->setData(QStringLiteral("text/plain"), bytes);
    } else if (arguments.value(0) == u"--bytes") {
        const qsizetype size = arguments.value(1).toLongLong();
        const QByteArray piece = arguments.value(2).toUtf8();
        data->setText(QString::fromUtf8(piece.repeated(size / piece.size() + 1).left(size)));
    } else {
        data->setText(arguments.value(silent ? 1 : 0));
    }
    clipboard->setMimeData(data, QClipboard::Selection);
    std::puts("owned");
    std::fflush(stdout);
    if (silent) {
        // A frozen owner: the requests wait in its queue, never read.
        for (;;)
            std::this_thread::sleep_for(std::chrono::hours(1));
    }
    return QApplication::exec();
}
