// Commands run as the window and the headless mode run them: through their table row's operation.
#include "core/app/error.h"
#include "core/app/plaintextbuffer.h"
#include "core/commands/commandids.h"
#include "core/commands/commandtable.h"
#include "core/commands/documentcommands.h"
#include "core/text/applytoselection.h"

#include "core/text/texttestsupport.h"

namespace varnik::test {
namespace {

struct CommandRun {
    PlainTextBuffer edit;
    FakeEnvironment env;
    RecordingSink sink;
    CommandFields fields;
    std::optional<QString> newDocument;

    explicit CommandRun(const char* text) : edit(u8(text)) {}

    void command(CommandId id)
    {
        DocumentEncoding encoding = DocumentEncoding::utf8();
        CommandContext context{edit, sink, env, encoding, id.toString(), fields, std::nullopt};
        const CommandItem& item = CommandTable::standard().item(id);
        ASSERT_NE(item.run, nullptr) << id.toString().toStdString();
        item.run(context);
        newDocument = context.newDocument;
    }
};

TEST(ApplyToSelection, policiesForAnEmptySelection_andTheSelectionAfterwards)
{
    struct Row {
        const char* name;
        ApplyPolicy policy;
        bool selectStay;
        qsizetype selStart, selLength; // before
        const char* expected;
        qsizetype caret; // afterwards; nothing is selected
        bool applied;
    } rows[] = {
        {"wholeDocument_emptySelection_takesAll",
         {EmptySelection::WholeDocument},
         true,
         1,
         0,
         "[abc]",
         5,
         true},
        {"wholeDocument_selection_takesIt", {EmptySelection::WholeDocument}, true, 1, 1, "a[b]c", 4, true},
        {"atCaret_insertsThere", {EmptySelection::AtCaret}, true, 1, 0, "a[]bc", 3, true},
        {"skip_emptySelection_nothing", {EmptySelection::Skip}, true, 1, 0, "abc", 1, false},
        {"skip_selection_replaced", {EmptySelection::Skip, Collapse::Never}, false, 0, 2, "[ab]c", 4, true},
    };
    for (const Row& r : rows) {
        PlainTextBuffer edit(u8("abc"));
        edit.setSelection(r.selStart, r.selLength);
        FakeEnvironment env;
        env.values.selectStay = r.selectStay;
        const bool applied =
            applyToSelection(edit, env, r.policy, [](QString s) { return QStringLiteral("[%1]").arg(s); });
        EXPECT_EQ(applied, r.applied) << r.name;
        EXPECT_EQ(edit.text(), u8(r.expected)) << r.name;
        EXPECT_EQ(edit.selectionStart(), r.caret) << r.name;
        EXPECT_EQ(edit.selectionLength(), 0) << r.name;
        EXPECT_EQ(edit.canUndo(), r.applied) << r.name;
    }
}

TEST(ApplyToSelection, failureLeavesTheDocument_runsTheClosingSteps_andReachesTheCaller)
{
    struct Row {
        const char* name;
        Collapse collapse;
        bool selectStay;
        qsizetype lengthAfterwards;
    } rows[] = {
        {"unlessSelectStay_stays", Collapse::UnlessSelectStay, true, 3},
        {"unlessSelectStay_off_collapses", Collapse::UnlessSelectStay, false, 0},
        {"always_collapses", Collapse::Always, true, 0},
        {"never_stays", Collapse::Never, false, 3},
    };
    for (const Row& r : rows) {
        PlainTextBuffer edit(u8("abc"));
        FakeEnvironment env;
        env.values.selectStay = r.selectStay;
        const ApplyPolicy policy{EmptySelection::WholeDocument, r.collapse, true};
        EXPECT_THROW(applyToSelection(edit, env, policy, [](QString) -> QString { throw Error(u8("no")); }),
                     Error)
            << r.name;
        EXPECT_EQ(edit.text(), u8("abc")) << r.name;
        EXPECT_FALSE(edit.canUndo()) << r.name;
        EXPECT_EQ(edit.selectionLength(), r.lengthAfterwards) << r.name;
        EXPECT_EQ(env.busyDepth, 0) << r.name;
        EXPECT_EQ(env.busyCalls, 2) << r.name;
    }
}

TEST(DocumentCommands, evaluation_needsASelection_andUndoesInOneStep)
{
    CommandRun run("head\nr=2\npi*r^2\ntail");
    run.edit.setSelection(3, 0);
    run.command(ids::Evaluatequadraticequation1);
    EXPECT_FALSE(run.edit.canUndo()) << "nothing selected: nothing happens";

    run.edit.setSelection(5, 10); // "r=2\npi*r^2"
    run.command(ids::Evaluateexpressioninselection1);
    EXPECT_EQ(run.edit.text(), u8("head\r\nr=2\r\npi*r^2 = 12.5663706143592\r\n\r\ntail"));
    EXPECT_EQ(run.edit.selectionLength(), 0);
    EXPECT_EQ(run.edit.caretPosition(), 5 + 30) << "a line break counts as one position";
    run.edit.undo();
    EXPECT_EQ(run.edit.text(), u8("head\r\nr=2\r\npi*r^2\r\ntail"));
}

TEST(DocumentCommands, evaluationError_leavesTheDocumentAndTheSelection)
{
    for (const CommandId id : {ids::Evaluateexpressioninselection1, ids::Evaluatequadraticequation1}) {
        CommandRun run(id == ids::Evaluatequadraticequation1 ? "0,1,1" : "1+1\nx = 2*3\n");
        run.edit.selectAll();
        run.env.values.selectStay = false;
        const QString before = run.edit.text();
        EXPECT_THROW(run.command(id), Error);
        EXPECT_EQ(run.edit.text(), before);
        EXPECT_EQ(run.edit.selectionLength(), run.edit.length());
        EXPECT_FALSE(run.edit.canUndo());
    }
}

TEST(DocumentCommands, dialogAnswersComeAsFields)
{
    struct Row {
        const char* name;
        CommandId id;
        CommandFields fields;
        const char* missingOrBad; // the field a FieldError names, or nullptr
        const char* expected;     // the document afterwards, or the new document
    } rows[] = {
        {"split_ok",
         ids::Splitcolumn1,
         {{u"column"_qs, u"1"_qs}, {u"separator"_qs, u","_qs}},
         nullptr,
         "b\r\n\r\n"},
        {"split_noColumn", ids::Splitcolumn1, {{u"separator"_qs, u","_qs}}, "column", nullptr},
        {"split_columnNotANumber",
         ids::Splitcolumn1,
         {{u"column"_qs, u"x"_qs}, {u"separator"_qs, u","_qs}},
         "column",
         nullptr},
        {"split_noSeparator", ids::Splitcolumn1, {{u"column"_qs, u"1"_qs}}, "separator", nullptr},
        {"date_ok", ids::Date1, {{u"date"_qs, u"2024-02-29"_qs}}, nullptr, "2024-02-29a,b,c\r\nx"},
        {"date_bad", ids::Date1, {{u"date"_qs, u"2024-02-30"_qs}}, "date", nullptr},
        {"colour_ok", ids::HEXvaluecolor1, {{u"color"_qs, u"#ff8000"_qs}}, nullptr, "#FF8000a,b,c\r\nx"},
        {"colour_missing", ids::HEXvaluecolor1, {}, "color", nullptr},
    };
    for (const Row& r : rows) {
        CommandRun run("a,b,c\nx");
        run.env.values.dateFormat = u8("yyyy-mm-dd");
        run.fields = r.fields;
        try {
            run.command(r.id);
            EXPECT_EQ(r.missingOrBad, nullptr) << r.name;
            EXPECT_EQ(run.newDocument.value_or(run.edit.text()), u8(r.expected)) << r.name;
            EXPECT_EQ(run.newDocument.has_value(), r.id == ids::Splitcolumn1) << r.name;
        } catch (const FieldError& e) {
            ASSERT_NE(r.missingOrBad, nullptr) << r.name;
            EXPECT_EQ(e.field, u8(r.missingOrBad)) << r.name;
            EXPECT_EQ(run.edit.text(), u8("a,b,c\r\nx")) << r.name;
        }
    }
}

} // namespace
} // namespace varnik::test
