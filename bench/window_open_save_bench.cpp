// The window's open and save time: the main window, started as the program
// starts it with FILE, ends as soon as the opened document has been painted;
// with --save-to PATH it first saves the document there (as Save as).
// bench/run_open_save.sh runs it under GNU time beside vim and a bare editor.
//
//   window_open_save_bench FILE [--save-to PATH]
#include "ui/app/activedocument.h"
#include "ui/app/documentedit.h"
#include "ui/app/filecontroller.h"
#include "ui/platform/qsettingsstore.h"
#include "ui/shell/sdiappform.h"

#include "core/app/documentinfo.h"
#include "core/app/messagesink.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {

// Once the edit's view has been painted: the save, if asked for, then the end.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(varnik::SDIAppForm& window, QString saveTo) : window_(window), saveTo_(std::move(saveTo))
    {
        varnik::DocumentEdit* edit = window.activeEdit();
        edit->viewport()->installEventFilter(this);
        edit->viewport()->update();
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !done_) {
            done_ = true;
            // Runs once this paint is over.
            QTimer::singleShot(0, this, [this] {
                const bool saved = saveTo_.isEmpty() || window_.files().saveDocumentAs(window_.activeEdit(),
                                                                                       saveTo_, false, false);
                QCoreApplication::exit(saved ? 0 : 1);
            });
        }
        return false;
    }

private:
    varnik::SDIAppForm& window_;
    QString saveTo_;
    bool done_ = false;
};

// A message would wait for an answer: it is printed and answered No.
class PrintedMessages : public varnik::MessageSink {
public:
    int message(const QString& text, varnik::MessageKind, int) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        return varnik::Result::No;
    }
    void errorBox(const QString& text) override { message(text, varnik::MessageKind::Error, 0); }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnik"));
    QApplication::setOrganizationName(QStringLiteral("Varnik"));
    const QStringList args = QApplication::arguments();
    if (args.size() != 2 && !(args.size() == 4 && args[2] == u"--save-to")) {
        std::fprintf(stderr, "usage: window_open_save_bench FILE [--save-to PATH]\n");
        return 2;
    }
    varnik::QSettingsStore store;
    PrintedMessages messages;
    varnik::SDIAppForm window({args[0], args[1], QStringLiteral("-n")}, store, &messages);
    std::unique_ptr<AfterFirstPaint> watch;
    QObject::connect(&window, &varnik::SDIAppForm::startupFinished, &window, [&] {
        if (window.activeRecord().fileName.isEmpty()) {
            std::fprintf(stderr, "the file did not open\n");
            QCoreApplication::exit(1);
            return;
        }
        watch = std::make_unique<AfterFirstPaint>(window, args.value(3));
    });
    window.show();
    return QApplication::exec();
}
