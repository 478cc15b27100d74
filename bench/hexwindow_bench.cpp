// The hex editor window on a document: open it and paint the first screen,
// jump to the end (Ctrl+End) and paint, type one byte at the start in insert
// mode and paint. Prints the median of each over RUNS runs and the growth of
// the process's peak memory against the document's size.
//
//   hexwindow_bench FILE [RUNS]
#include "core/hexedit/hexdocumentbytes.h"
#include "ui/hexedit/hexeditform.h"
#include "ui/hexedit/hexeditorview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QPixmap>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using namespace varnik;

qint64 statusValue(const char* name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(name))
            return line.mid(qstrlen(name)).trimmed().split(' ').first().toLongLong() * 1024;
    }
    return 0;
}

void key(QWidget* target, int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, k, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, k, modifiers, text);
    QApplication::sendEvent(target, &release);
}

// Renders the rows on screen (grab paints the widget whether or not the
// window system has shown it yet).
void paint(HexEditorView* view)
{
    const QPixmap screen = view->viewport()->grab();
    if (screen.isNull())
        std::fprintf(stderr, "nothing painted\n");
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: hexwindow_bench FILE [RUNS]\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot open %s\n", argv[1]);
        return 1;
    }
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 3;
    // The document as the edit control holds it: UTF-8 text.
    const QByteArray document = file.readAll();
    const qint64 before = statusValue("VmRSS:");
    std::vector<double> open, end, type;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        HexEditForm form;
        form.load(hexBytesOfDocument(document, DocumentEncoding::utf8()));
        form.show();
        HexEditorView* view = form.editor();
        view->setFocus();
        paint(view);
        open.push_back(timer.nsecsElapsed() / 1e9);

        timer.restart();
        key(view, Qt::Key_End, Qt::ControlModifier);
        paint(view);
        end.push_back(timer.nsecsElapsed() / 1e9);

        key(view, Qt::Key_Home, Qt::ControlModifier);
        key(view, Qt::Key_Insert);
        paint(view);
        timer.restart();
        key(view, Qt::Key_4, Qt::NoModifier, QStringLiteral("4"));
        paint(view);
        type.push_back(timer.nsecsElapsed() / 1e9);
        if (view->model().dataSize() != document.size() + 1)
            std::fprintf(stderr, "the typed byte is missing\n");
    }
    const double peak = double(statusValue("VmHWM:") - before) / double(document.size());
    std::printf("open and paint the first screen  %8.3f s   (target 1 s)\n", median(open));
    std::printf("Ctrl+End and paint               %8.2f ms  (target 50 ms)\n", median(end) * 1e3);
    std::printf("type a byte at 0 (insert), paint %8.2f ms  (target 50 ms)\n", median(type) * 1e3);
    std::printf("peak memory growth               %8.2f x the document (target 2)\n", peak);
    return 0;
}
