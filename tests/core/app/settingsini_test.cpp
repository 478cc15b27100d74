#include "contract/qtprinters.h"
#include "core/app/settingsini.h"

#include <gtest/gtest.h>

namespace varnik::test {

using Values = QMap<QString, QString>;

TEST(SettingsIni, format_groupsKeysIntoSections)
{
    const Values values = {
        {u"AutoSave"_qs, u"0"_qs},
        {u"files/home/u/a b/c.txt/Left"_qs, u"-8"_qs},
        {u"files/C:/x=y;z/Start"_qs, u"C:\\x"_qs},
        {u"General/x"_qs, u" padded "_qs},
    };
    EXPECT_EQ(formatSettingsIni(values), "[General]\n"
                                         "AutoSave=0\n"
                                         "\n"
                                         "[%47eneral]\n"
                                         "x=\" padded \"\n"
                                         "\n"
                                         "[files]\n"
                                         "C:\\x%3Dy%3Bz\\Start=C:\\x\n"
                                         "home\\u\\a%20b\\c.txt\\Left=-8\n");
}

TEST(SettingsIni, roundTrip_keepsAnyNameAndValue)
{
    const QString controls = u"a\0b\x01\x1f\x7f"_qs;
    const Values values = {
        {u"empty"_qs, u""_qs},
        {u"blanksAtEnds"_qs, u"  x \t"_qs},
        {u"startsWithQuote"_qs, u"\"q\" \\ rest"_qs},
        {u"lineEnds"_qs, u"one\r\ntwo\rthree\n"_qs},
        {u"controls"_qs, controls},
        {u"iniSyntax"_qs, u"[x]\n;k=v # c"_qs},
        {u"unicode"_qs, u"zażółć \U0001F600"_qs},
        {u"escapeLookalikes"_qs, u"\\n \\x41 %41"_qs},
        {u"s/=[];#\"% \\"_qs, u"1"_qs},
        {u"s/"_qs + controls + u"/źdźbło"_qs, u"2"_qs},
        {u"general/x"_qs, u"3"_qs},
        {u" lead/#hash"_qs, u"4"_qs},
    };
    Values back;
    const QByteArray text = formatSettingsIni(values);
    EXPECT_TRUE(parseSettingsIni(text, back)) << text.toStdString();
    EXPECT_EQ(back, values);
}

TEST(SettingsIni, parse_readsHandWrittenFiles)
{
    Values values;
    EXPECT_TRUE(parseSettingsIni("; comment\r\n"
                                 "  [ general ]  \n"
                                 "  AutoSave = 1  \r\n"
                                 "LoadSaveDir=C:\\texts\\new\n"
                                 "DateFormat=dd;mm # kept\n"
                                 "FontName=\"Mono \\x41\"  ; a comment\n"
                                 "[files]\n"
                                 "home\\\\u\\c.txt\\Left=5\n"
                                 "[General]\n"
                                 "AutoSave=0\n",
                                 values));
    EXPECT_EQ(values, (Values{{u"AutoSave"_qs, u"0"_qs},
                              {u"LoadSaveDir"_qs, u"C:\\texts\\new"_qs},
                              {u"DateFormat"_qs, u"dd;mm # kept"_qs},
                              {u"FontName"_qs, u"Mono A"_qs},
                              {u"files/home/u/c.txt/Left"_qs, u"5"_qs}}));
}

TEST(SettingsIni, parse_skipsDamagedLines_andSaysWhich)
{
    const struct {
        const char* behaviour;
        QByteArray text;
        QList<qsizetype> skipped;
    } rows[] = {
        {"noEquals", "just words\n", {2}},
        {"emptyKey", " \t=y\n", {2}},
        {"onlySeparators", "\\\\=x\n", {2}},
        {"unterminatedQuote", "k=\"open\\\"\n", {2}},
        {"junkAfterQuote", "k=\"a\" b\n", {2}},
        {"brokenHeader_skipsItsSection", "[files\nLeft=1\n\n; note\nTop=2\n", {2, 3, 6}},
        {"binary", QByteArray("\xfe\x00\n", 3), {2}},
    };
    for (const auto& r : rows) {
        Values values;
        QList<qsizetype> skipped;
        EXPECT_FALSE(parseSettingsIni("ok=1\n" + r.text + "[s]\nx=2", values, &skipped)) << r.behaviour;
        EXPECT_EQ(values, (Values{{u"ok"_qs, u"1"_qs}, {u"s/x"_qs, u"2"_qs}})) << r.behaviour;
        EXPECT_EQ(skipped, r.skipped) << r.behaviour;
    }
}

} // namespace varnik::test
