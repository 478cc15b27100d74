#pragma once

#include "contract/qtprinters.h"
#include "core/app/memorysettingsstore.h"
#include "core/app/messagesink.h"
#include "core/app/textedit.h"
#include "support/windowteststore.h"
#include "ui/app/documentedit.h"
#include "ui/search/searchcontroller.h"
#include "ui/shell/sdiappform.h"

#include <QApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace varnik::test {

// Records messages instead of showing them; questions get `answer`.
class RecordingSink : public MessageSink {
public:
    int message(const QString& text, MessageKind kind, int) override
    {
        texts << text;
        return kind == MessageKind::Confirmation ? answer : Result::OK;
    }
    void errorBox(const QString& text) override { errors << text; }

    int answer = Result::Yes;
    QStringList texts;
    QStringList errors;
};

// A selection as (start, length), for readable comparisons.
struct Sel {
    qsizetype start;
    qsizetype length;
    friend bool operator==(const Sel&, const Sel&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Sel& s)
    {
        return os << '(' << s.start << ", " << s.length << ')';
    }
};

// The main window with its search controller, messages recorded, web
// addresses collected, shown and active so that shortcuts reach it.
class SearchWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // Nothing from a real session (autosave copies) may reach the window.
        dataHome_ = new QTemporaryDir;
        qputenv("XDG_DATA_HOME", dataHome_->path().toLocal8Bit());
    }
    static void TearDownTestSuite()
    {
        delete dataHome_;
        dataHome_ = nullptr;
    }

    void SetUp() override
    {
        window = std::make_unique<SDIAppForm>(QStringList{QStringLiteral("varnik")}, store);
        controller = window->findChild<SearchController*>();
        ASSERT_NE(controller, nullptr);
        controller->setMessageSink(&sink);
        controller->setUrlOpener([this](const QString& url) { urls << url; });
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        ASSERT_TRUE(QTest::qWaitFor([this] { return window->startupDone(); }));
    }
    void TearDown() override { window.reset(); }

    // The main window active again (a tool window or a modal one may have taken it).
    void activate()
    {
        QApplication::setActiveWindow(window.get());
        edit()->setFocus();
    }
    TextEdit& text() { return window->activeText(); }
    DocumentEdit* edit() { return window->activeEdit(); }
    Sel selection() { return {text().selectionStart(), text().selectionLength()}; }

    // Sets the document and lets the commands follow it, as the status tick does.
    void setDocument(const QString& content, qsizetype selStart = 0, qsizetype selLength = 0)
    {
        text().setText(content);
        text().setSelection(selStart, selLength);
        window->statusTick();
        edit()->setFocus();
    }
    // A key pressed in the document, as the user would.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        activate();
        window->statusTick();
        QTest::keyClick(edit(), key, modifiers);
    }

    test::WindowTestStore store;
    std::unique_ptr<SDIAppForm> window;
    SearchController* controller = nullptr;
    RecordingSink sink;
    QStringList urls;

private:
    static inline QTemporaryDir* dataHome_ = nullptr;
};

} // namespace varnik::test
