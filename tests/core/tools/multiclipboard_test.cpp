#include "core/tools/multiclipboard.h"
#include "core/tools/tooltexts.h"

#include <gtest/gtest.h>

namespace varnik {
namespace {

QStringList collect(std::initializer_list<const char16_t*> texts)
{
    MultiClipboard list(QLocale(QLocale::English, QLocale::UnitedStates));
    for (const char16_t* t : texts)
        list.add(QString::fromUtf16(t));
    return list.entries();
}

TEST(MultiClipboard, keepsLocaleOrderIgnoringCaseAndRefusesCaseDuplicates)
{
    struct Row {
        const char* name;
        std::initializer_list<const char16_t*> added;
        QStringList expected;
    };
    const Row rows[] = {
        {"alpha_beta_ALPHA_keepsFirstSpelling", {u"Alpha", u"beta", u"ALPHA"}, {u"Alpha"_qs, u"beta"_qs}},
        {"capitalsDoNotSortFirst", {u"b", u"C", u"a"}, {u"a"_qs, u"b"_qs, u"C"_qs}},
        {"accentedLetterBesideItsBase",
         {u"z", u"\u00e9t\u00e9", u"ete", u"f"},
         {u"ete"_qs, u"\u00e9t\u00e9"_qs, u"f"_qs, u"z"_qs}},
        {"accentsMakeDifferentEntries",
         {u"\u00c9T\u00c9", u"\u00e9t\u00e9", u"ete"},
         {u"ete"_qs, u"\u00c9T\u00c9"_qs}},
        {"emptyTextIsNotAnEntry", {u"", u"x"}, {u"x"_qs}},
        {"exactRepeatAddedOnce", {u"same", u"same"}, {u"same"_qs}},
    };
    for (const Row& r : rows) {
        const QStringList got = collect(r.added);
        EXPECT_EQ(got, r.expected) << r.name << ": " << got.join(u'|').toStdString();
    }
}

TEST(MultiClipboard, textsDifferingInIgnorableCharactersAreBothKept)
{
    // The collation may ignore a tab; the list still holds both texts.
    const QStringList got = collect({u"a\tb", u"ab", u"A\tB"});
    EXPECT_EQ(got.size(), 2) << got.join(u'|').toStdString();
}

TEST(MultiClipboard, removeTakesOnlyTheExactEntry)
{
    MultiClipboard list(QLocale(QLocale::English));
    ASSERT_TRUE(list.add(u"Alpha"_qs));
    ASSERT_TRUE(list.add(u"beta"_qs));
    EXPECT_FALSE(list.add(u"BETA"_qs));
    EXPECT_FALSE(list.remove(u"ALPHA"_qs));
    EXPECT_TRUE(list.remove(u"Alpha"_qs));
    EXPECT_EQ(list.entries(), QStringList{u"beta"_qs});
    list.clear();
    EXPECT_TRUE(list.isEmpty());
    EXPECT_TRUE(list.add(u"Alpha"_qs)) << "a removed text can be collected again";
}

TEST(MultiClipboardToolTip, trimsAndCutsAt33Characters)
{
    const QString d32(32, u'd');
    struct Row {
        const char* name;
        QString entry;
        QString shown;
    };
    const Row rows[] = {
        {"short", u"Hello"_qs, u"Hello"_qs},
        {"blanksAndControlsTrimmed", u" \t\r\nHello world\r\n\x01"_qs, u"Hello world"_qs},
        {"thirtyTwoShownWhole", d32, d32},
        {"thirtyThreeCut", d32 + u"e"_qs, d32 + u"..."_qs},
        {"fortyCut", d32 + u"eeeeeeee"_qs, d32 + u"..."_qs},
        {"lengthCountedAfterTrimming", u"   "_qs + d32 + u"   "_qs, d32},
        {"surrogatePairNotSplit", QString(31, u'x') + u"\U0001F600tail"_qs, QString(31, u'x') + u"..."_qs},
        {"blankOnly", u" \t "_qs, QString()},
    };
    for (const Row& r : rows)
        EXPECT_EQ(multiClipboardToolTip(r.entry),
                  u"In clipboard: "_qs + r.shown + u"\r\nDouble click to paste."_qs)
            << r.name;
}

TEST(ListRowText, controlsBecomeBlanksAndLongTextsAreCut)
{
    EXPECT_EQ(listRowText(u"a\r\nb\tc"_qs), u"a  b c"_qs);
    EXPECT_EQ(listRowText(QString(10, u'x'), 4), u"xxxx..."_qs);
    EXPECT_EQ(listRowText(u"\U0001F600\U0001F600"_qs, 3), u"\U0001F600..."_qs);
}

} // namespace
} // namespace varnik
