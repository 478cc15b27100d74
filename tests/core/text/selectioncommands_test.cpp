#include "core/app/error.h"
#include "core/app/plaintextbuffer.h"
#include "core/text/netlookup.h"
#include "core/text/selectioncommands.h"

#include "texttestsupport.h"

namespace varnik::test {
namespace {

TEST(NumberToWordsCommand, replacesTheSelectedNumber)
{
    struct Row {
        const char* name;
        const char* text;
        bool selectAll;
        WordsLanguage language;
        const char* expected;
        const char* message;
    } rows[] = {
        {"english", "1234", true, WordsLanguage::English, " one thausend two hundred thirty four", nullptr},
        {"polish", "2000", true, WordsLanguage::Polish, " dwa tysiące", nullptr},
        {"negative", "-5", true, WordsLanguage::English, "minus five", nullptr},
        {"noSelection_nothing", "12", false, WordsLanguage::English, "12", nullptr},
        {"notDecimal_nothing", "12a", true, WordsLanguage::English, "12a", nullptr},
        {"trailingSpace_nothing", "12 ", true, WordsLanguage::English, "12 ", nullptr},
        {"oneThousandMillion", "1000000000", true, WordsLanguage::English, "1000000000",
         "Sorry - number must be < 1000000000!"},
        {"beyond32Bits", "99999999999999999999", true, WordsLanguage::Polish, "99999999999999999999",
         "Sorry - number must be < 1000000000!"},
        {"negativeBeyond32Bits", "-99999999999", true, WordsLanguage::Polish, "-99999999999",
         "Sorry - number must be < 1000000000!"},
    };
    for (const auto& r : rows) {
        PlainTextBuffer edit(u8(r.text));
        if (r.selectAll)
            edit.selectAll();
        RecordingSink sink;
        FakeEnvironment env;
        numberToWordsCommand(edit, env, sink, r.language);
        EXPECT_EQ(edit.text(), u8(r.expected)) << r.name;
        ASSERT_EQ(sink.messages.size(), r.message ? 1u : 0u) << r.name;
        if (r.message) {
            EXPECT_EQ(sink.messages[0].text, u8(r.message)) << r.name;
            EXPECT_EQ(sink.messages[0].kind, MessageKind::Error) << r.name;
        }
    }
}

TEST(NumberToWordsCommand, misplacedMinusIsAnIntegerError)
{
    for (const char* text : {"1-2", "-", "--5"}) {
        PlainTextBuffer edit(u8(text));
        edit.selectAll();
        RecordingSink sink;
        FakeEnvironment env;
        try {
            numberToWordsCommand(edit, env, sink, WordsLanguage::English);
            ADD_FAILURE() << text;
        } catch (const Error& e) {
            EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid integer value").arg(u8(text)));
        }
        EXPECT_EQ(edit.text(), u8(text));
    }
}

TEST(InsertCommands, userNameReplacesTheSelection)
{
    PlainTextBuffer edit(u8("abc"));
    edit.setSelection(1, 1);
    FakeEnvironment env;
    insertCurrentUser(edit, env);
    EXPECT_EQ(edit.text(), u8("aalicec"));
    EXPECT_EQ(edit.caretPosition(), 6);
    EXPECT_EQ(edit.selectionLength(), 0);
}

TEST(InsertCommands, dateGoesBeforeTheSelectedText)
{
    struct Row {
        const char* format;
        const char* expected;
    } rows[] = {
        {"c", "3/5/2024xy"}, {"yyyy-mm-dd", "2024-03-05xy"}, {"dddd", "Tuesdayxy"}, {"", "3/5/2024xy"}};
    for (const auto& r : rows) {
        PlainTextBuffer edit(u8("xy"));
        edit.setSelection(0, 1);
        FakeEnvironment env;
        env.values.dateFormat = u8(r.format);
        env.values.locale = DateTimeLocale();
        env.values.selectStay = false;
        insertDateValue(edit, QDate(2024, 3, 5), env);
        EXPECT_EQ(edit.text(), u8(r.expected)) << r.format;
        EXPECT_EQ(edit.selectionLength(), 0) << r.format;
    }
}

TEST(InsertCommands, colourFromSelection)
{
    struct Row {
        const char* selection;
        std::optional<Rgb> colour;
    } rows[] = {
        {"#ff8000", Rgb{255, 128, 0}},
        {"$FF8000", Rgb{255, 128, 0}},
        {"0xff8000", Rgb{255, 128, 0}},
        {"  ff8000\r\n", Rgb{255, 128, 0}},
        {"#fff", Rgb{0, 15, 255}},
        {"zz", Rgb{0, 0, 0}},
        {"0Xff8000", Rgb{0, 0, 0}},
        {"#123456789", Rgb{0x45, 0x67, 0x89}},
        {"", std::nullopt},
    };
    for (const auto& r : rows)
        EXPECT_EQ(colourFromSelection(u8(r.selection)), r.colour) << r.selection;
    EXPECT_EQ(colourHexText(*colourFromSelection(u8("#ff8000"))), u8("#FF8000"));
    EXPECT_EQ(colourHexText({0, 0, 0}), u8("#000000"));
    PlainTextBuffer edit(u8("c=#ff8000;"));
    edit.setSelection(2, 7);
    FakeEnvironment env;
    insertColourValue(edit, env, {1, 2, 255});
    EXPECT_EQ(edit.text(), u8("c=#0102FF;"));
}

TEST(NetLookup, hostsLineByLine)
{
    FakeEnvironment env;
    env.hosts[u8("example.org")] = QStringList{u8("1.1.1.1"), u8("2.2.2.2")};
    EXPECT_EQ(hostsToIp(u8("example.org\r\n\r\n  unknown.host  \r\n   "), env),
              u8("host example.org has IP 2.2.2.2\r\n\r\nhost unknown.host is unknown\r\n   \r\n"));
    const std::vector<QString> status{u8("Resolving host example.org ..."), u8("Done."),
                                      u8("Resolving host unknown.host ..."), u8("Host unknown")};
    EXPECT_EQ(env.statusTexts, status);
    ASSERT_EQ(env.timeouts.size(), 2u);
    for (auto t : env.timeouts)
        EXPECT_TRUE(t.count() > 0 && t.count() <= 5000);
}

TEST(NetLookup, longHostNameIsCutForTheLookupOnly)
{
    FakeEnvironment env;
    const QString name(300, u'a');
    EXPECT_EQ(hostsToIp(name, env), u8("host ") + name + u8(" is unknown\r\n"));
    ASSERT_EQ(env.lookedUpHosts.size(), 1u);
    EXPECT_EQ(env.lookedUpHosts[0].size(), 254);
}

TEST(NetLookup, addressesLineByLine)
{
    FakeEnvironment env;
    env.names[0x7F000001u] = u8("localhost");
    EXPECT_EQ(ipsToHosts(u8("127.0.0.1\r\n\r\n10.0.0.300\r\n8.8.8.8"), env),
              u8("127.0.0.1 is localhost\r\n\r\n10.0.0.300 not resolved\r\n8.8.8.8 not resolved\r\n"));
    const std::vector<QString> status{u8("Resolving IP 127.0.0.1 ..."),  u8("Done."),
                                      u8("Resolving IP 10.0.0.300 ..."), u8("IP not resolved"),
                                      u8("Resolving IP 8.8.8.8 ..."),    u8("IP not resolved")};
    EXPECT_EQ(env.statusTexts, status);
    EXPECT_EQ(env.timeouts.size(), 2u); // no lookup for a text that is no address
}

TEST(NetLookup, commandsKeepAnEmptySelectionEmpty)
{
    FakeEnvironment env;
    env.hosts[u8("a")] = QStringList{u8("9.9.9.9")};
    PlainTextBuffer edit(u8("a\nb"));
    hostToIpCommand(edit, env);
    EXPECT_EQ(edit.text(), u8("a\r\nb"));
    edit.setSelection(0, 1);
    hostToIpCommand(edit, env);
    EXPECT_EQ(edit.text(), u8("host a has IP 9.9.9.9\r\n\r\nb"));
    EXPECT_EQ(env.busyDepth, 0);
    edit.setSelection(edit.length() - 1, 1);
    resolveIpCommand(edit, env);
    EXPECT_TRUE(edit.text().endsWith(u8("b not resolved\r\n")));
}

} // namespace
} // namespace varnik::test
