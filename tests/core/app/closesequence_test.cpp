#include "core/app/closesequence.h"
#include "core/app/messagesink.h"

#include <gtest/gtest.h>

#include <deque>

namespace varnik {
namespace {

TEST(CloseSequence, asksEachDocumentUntilOneIsLeftOrCancelled)
{
    struct Row {
        const char* name;
        int documents;
        std::deque<int> answers;
        bool closes;
        int asked, closed;
    };
    const Row rows[] = {
        {"singleSaved", 1, {Result::Yes}, true, 1, 0},
        {"singleCancelled", 1, {Result::Cancel}, false, 1, 0},
        {"threeTabsAllAnswered", 3, {Result::No, Result::Yes, Result::No}, true, 3, 2},
        {"cancelKeepsTheRest", 3, {Result::No, Result::Cancel, Result::No}, false, 2, 1},
        {"firstCancelClosesNothing", 2, {Result::Cancel}, false, 1, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        int documents = r.documents;
        std::deque<int> answers = r.answers;
        int asked = 0;
        const bool closes = askSaveEveryDocument([&] { return documents; },
                                                 [&] {
                                                     ++asked;
                                                     const int a = answers.front();
                                                     answers.pop_front();
                                                     return a;
                                                 },
                                                 [&] { --documents; });
        EXPECT_EQ(closes, r.closes);
        EXPECT_EQ(asked, r.asked);
        EXPECT_EQ(r.documents - documents, r.closed);
    }
}

TEST(CloseSequence, onlyTheFirstCloseWithATrayHidesTheWindow)
{
    struct Row {
        const char* name;
        bool trayIcon, trayAvailable, trayActive, reallyExit;
        bool hides;
    };
    const Row rows[] = {
        {"firstClose", true, true, false, false, true},
        {"settingOff", false, true, false, false, false},
        {"noTrayOnThisDesktop", true, false, false, false, false},
        {"alreadyInTray", true, true, true, false, false},
        {"exitFromTheTrayMenu", true, true, false, true, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(closeHidesInTray(r.trayIcon, r.trayAvailable, r.trayActive, r.reallyExit), r.hides);
    }
}

} // namespace
} // namespace varnik
