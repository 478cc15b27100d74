#include "core/app/asksave.h"
#include "core/app/filetexts.h"
#include "filetestsupport.h"

#include <gtest/gtest.h>

namespace varnik {
namespace {

TEST(AskSave, asksOnlyAboutChangesAndKeepsThemUnlessSaved)
{
    struct Row {
        const char* name;
        bool modified, warnings;
        std::deque<int> answers;
        bool saveSucceeds;
        int result;
        bool asked, saved;
    };
    const Row rows[] = {
        {"unmodifiedGoesOn", false, true, {}, true, Result::Yes, false, false},
        {"warningsOffDropsChanges", true, false, {}, true, Result::No, false, false},
        {"yesSaves", true, true, {Result::Yes}, true, Result::Yes, true, true},
        {"yesButSaveFailedStops", true, true, {Result::Yes}, false, Result::Cancel, true, true},
        {"noDrops", true, true, {Result::No}, true, Result::No, true, false},
        {"cancelStops", true, true, {Result::Cancel}, true, Result::Cancel, true, false},
        {"dialogClosedStops", true, true, {0}, true, Result::Cancel, true, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        test::RecordingSink sink(r.answers);
        bool saved = false;
        const int result =
            askSave(FileTexts::kSaveBeforeOpening.toString(), r.modified, r.warnings, sink, [&] {
                saved = true;
                return r.saveSucceeds;
            });
        EXPECT_EQ(result, r.result);
        EXPECT_EQ(saved, r.saved);
        ASSERT_EQ(sink.messages.size(), r.asked ? 1u : 0u);
        if (r.asked) {
            EXPECT_EQ(sink.messages[0].text,
                      u"File has changed !\r\nDo you want to save changes before opening another file?"_qs);
            EXPECT_EQ(sink.messages[0].kind, MessageKind::Warning);
            EXPECT_EQ(sink.messages[0].buttons, Buttons::YesNoCancel);
        }
    }
}

TEST(AskSave, dropsChangesOnlyWhenUnchangedUnwarnedOrConfirmed)
{
    struct Row {
        const char* name;
        bool modified, warnings;
        std::deque<int> answers;
        bool goesOn, asked;
    };
    const Row rows[] = {
        {"unmodified", false, true, {}, true, false},
        {"warningsOff", true, false, {}, true, false},
        {"confirmed", true, true, {Result::Yes}, true, true},
        {"refused", true, true, {Result::No}, false, true},
        {"dialogClosed", true, true, {0}, false, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        test::RecordingSink sink(r.answers);
        EXPECT_EQ(mayDropChanges(FileTexts::kNewAnyway.toString(), r.modified, r.warnings, sink), r.goesOn);
        ASSERT_EQ(sink.messages.size(), r.asked ? 1u : 0u);
        if (r.asked) {
            EXPECT_EQ(sink.messages[0].text, FileTexts::kNewAnyway.toString());
            EXPECT_EQ(sink.messages[0].kind, MessageKind::Confirmation);
            EXPECT_EQ(sink.messages[0].buttons, Buttons::YesNo);
        }
    }
}

TEST(FileTexts, dialogFilterBecomesNameFilters)
{
    const QStringList filters = FileTexts::nameFilters();
    ASSERT_EQ(filters.size(), 10);
    EXPECT_EQ(filters[0], u"Text files (*.txt *.wri)"_qs);
    EXPECT_EQ(filters[2], u"System files (*.ini *.bat *.cmd *.inf *.log)"_qs);
    EXPECT_EQ(filters[6], u"Programmer's (*.asp *.sql *.bas *.vbs *.js)"_qs);
    EXPECT_EQ(filters[9], u"All Files (*)"_qs);
    EXPECT_EQ(FileTexts::nameFilters(u"Odd|*.a;;*.b|Trailing"), QStringList{u"Odd (*.a *.b)"_qs});
}

} // namespace
} // namespace varnik
