#include "core/app/messagesink.h"
#include "ui/calc/formlistgen.h"
#include "ui/calc/unicnvform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace varnik::test {
namespace {

// Records the boxes the windows raise (a class of this file's own: the
// search tests have a sink of the same name).
class RecordingSink : public MessageSink {
public:
    struct Message {
        QString text;
        MessageKind kind;
    };
    int message(const QString& text, MessageKind kind, int) override
    {
        messages.push_back({text, kind});
        return Result::OK;
    }
    void errorBox(const QString& text) override { messages.push_back({text, MessageKind::Error}); }

    std::vector<Message> messages;
};

template <typename W> W* child(QWidget& form, const char* name)
{
    W* w = form.findChild<W*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

void typeInto(QLineEdit* field, const QString& text)
{
    field->selectAll();
    QTest::keyClicks(field, text);
}

std::vector<QString> texts(const RecordingSink& sink)
{
    std::vector<QString> out;
    for (const auto& m : sink.messages)
        out.push_back(m.text);
    return out;
}

TEST(UniCnvForm, fiveKilometresWithPrefixGoIntoTheDocumentLine)
{
    RecordingSink sink;
    UniCnvForm form(sink, u'.', QString());
    child<QComboBox>(form, "mode")->setCurrentIndex(UniConvert::Length);
    child<QComboBox>(form, "to")->setCurrentIndex(1);
    child<QComboBox>(form, "prefix")->setCurrentText(QStringLiteral("k"));
    typeInto(child<QLineEdit>(form, "input"), QStringLiteral("5"));
    EXPECT_EQ(child<QLineEdit>(form, "result")->text(), QStringLiteral("5000000.000"));
    EXPECT_EQ(child<QLabel>(form, "prefixLabel")->text(), QStringLiteral("k = Thousand = x 1E+3 = 1000"));
    QTest::mouseClick(child<QPushButton>(form, "copyBelow"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(form, "use"), Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.memoText(), QStringLiteral("5 km * 1000 = 5000000.000 m\n")) << "the memo was not empty";
    EXPECT_TRUE(sink.messages.empty());
}

TEST(UniCnvForm, useWithAnEmptyMemoTakesTheCurrentLine_clearEmptiesIt)
{
    RecordingSink sink;
    UniCnvForm form(sink, u'.', QStringLiteral("100"));
    EXPECT_EQ(child<QLineEdit>(form, "input")->text(), QStringLiteral("100"));
    child<QComboBox>(form, "to")->setCurrentIndex(1);
    QTest::mouseClick(child<QPushButton>(form, "copyBelow"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(form, "clear"), Qt::LeftButton);
    EXPECT_TRUE(form.memoText().isEmpty());
    form.use();
    EXPECT_EQ(form.memoText(), QStringLiteral("100 °C = 212.000 °F\n"));
}

TEST(UniCnvForm, badStandardInputIsReportedAndClearsTheResult)
{
    struct Row {
        const char* name;
        const char* typed;
        QString message;
    };
    const Row rows[] = {
        {"notANumber", "abc", QStringLiteral("Invalid input vaule! Possibly not a number...")},
        {"beyondExtended", "1e5000", QStringLiteral("Invalid input vaule! Possibly not a number...")},
    };
    for (const Row& r : rows) {
        RecordingSink sink;
        UniCnvForm form(sink, u'.', QString());
        typeInto(child<QLineEdit>(form, "input"), QString::fromLatin1(r.typed));
        EXPECT_TRUE(child<QLineEdit>(form, "result")->text().isEmpty()) << r.name;
        ASSERT_FALSE(sink.messages.empty()) << r.name;
        EXPECT_EQ(sink.messages.back().text, r.message) << r.name;
        EXPECT_EQ(sink.messages.back().kind, MessageKind::Error) << r.name;
        EXPECT_TRUE(form.descriptionLine().isEmpty()) << r.name;
    }
    RecordingSink sink;
    UniCnvForm form(sink, u'.', QString());
    child<QLineEdit>(form, "input")->clear();
    EXPECT_EQ(texts(sink),
              std::vector<QString>{QStringLiteral("Invalid input vaule! Possibly not a number...")});
}

TEST(UniCnvForm, numberSystemsReportOnlyWhatTheUserTyped)
{
    RecordingSink sink;
    UniCnvForm form(sink, u'.', QStringLiteral("hello"));
    auto* input = child<QLineEdit>(form, "basesInput");
    EXPECT_EQ(input->text(), QStringLiteral("HELLO")) << "only the number-system input takes a non-number";
    EXPECT_EQ(child<QLineEdit>(form, "input")->text(), QStringLiteral("0"));
    EXPECT_TRUE(sink.messages.empty()) << "opening is no edit";

    typeInto(input, QStringLiteral("ff"));
    EXPECT_EQ(input->text(), QStringLiteral("FF"));
    EXPECT_EQ(child<QLineEdit>(form, "basesResult")->text(), QStringLiteral("255"));
    child<QTabWidget>(form, "pages")->setCurrentIndex(UniCnvForm::BasesTab);
    EXPECT_EQ(form.descriptionLine(), QStringLiteral("FF as X*16^N = 255 as X*10^N"));

    child<QComboBox>(form, "basesFrom")->setCurrentIndex(0); // base 2: FF is no number there
    EXPECT_TRUE(child<QLineEdit>(form, "basesResult")->text().isEmpty());
    EXPECT_TRUE(sink.messages.empty()) << "changing a base reports nothing";

    child<QComboBox>(form, "basesFrom")->setCurrentIndex(14);
    QTest::keyClicks(input, QStringLiteral("g"));
    EXPECT_EQ(texts(sink), std::vector<QString>{QStringLiteral("Invalid value for given system!")});
}

TEST(UniCnvForm, bitsPageDescribesItsConversion)
{
    RecordingSink sink;
    UniCnvForm form(sink, u',', QStringLiteral("1,5"));
    child<QComboBox>(form, "bitsFrom")->setCurrentText(QStringLiteral("MB"));
    child<QComboBox>(form, "bitsTo")->setCurrentText(QStringLiteral("kB"));
    child<QTabWidget>(form, "pages")->setCurrentIndex(UniCnvForm::BitsTab);
    EXPECT_EQ(form.descriptionLine(), QStringLiteral("1,5 MB = 1536 kB"));
}

std::array<char16_t, 256> latin1()
{
    std::array<char16_t, 256> set{};
    for (size_t i = 0; i < set.size(); ++i)
        set[i] = static_cast<char16_t>(i);
    return set;
}

TEST(FormListGen, opensWithItsDefaults)
{
    RecordingSink sink;
    FormListGen form(sink, QString(), latin1());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Advanced list generator"));
    EXPECT_EQ(child<QLineEdit>(form, "EditPattern")->text(), QStringLiteral("c:\\images\\%1\\pic%2.jpg"));
    EXPECT_EQ(child<QLabel>(form, "LabelTotal")->text(), QStringLiteral("This will generate 1 entries"));
    EXPECT_FALSE(child<QPushButton>(form, "use")->isEnabled());
    EXPECT_EQ(child<QSpinBox>(form, "RxSpinEditR1")->minimum(), 1);
    EXPECT_EQ(child<QSpinBox>(form, "RxSpinEditLZ2")->maximum(), 99);

    FormListGen fromSelection(sink, QStringLiteral("x%1"), latin1());
    EXPECT_EQ(child<QLineEdit>(fromSelection, "EditPattern")->text(), QStringLiteral("x%1"));
}

TEST(FormListGen, generateFillsTheListAndEnablesUse)
{
    RecordingSink sink;
    FormListGen form(sink, QStringLiteral("%1-%2"), latin1());
    child<QSpinBox>(form, "RxSpinEditp1e")->setValue(1);
    child<QSpinBox>(form, "RxSpinEditp2s")->setValue(1);
    child<QSpinBox>(form, "RxSpinEditp2e")->setValue(2);
    EXPECT_EQ(child<QLabel>(form, "LabelTotal")->text(), QStringLiteral("This will generate 4 entries"));
    QTest::mouseClick(child<QPushButton>(form, "generate"), Qt::LeftButton);
    EXPECT_EQ(form.listText(), QStringLiteral("0-1\r\n0-2\r\n1-1\r\n1-2\r\n\r\n"));
    EXPECT_EQ(child<QPlainTextEdit>(form, "MemoList")->toPlainText(),
              QStringLiteral("0-1\n0-2\n1-1\n1-2\n\n"));
    ASSERT_TRUE(child<QPushButton>(form, "use")->isEnabled());

    child<QSpinBox>(form, "RxSpinEditp1s")->setValue(5);
    EXPECT_EQ(child<QLabel>(form, "LabelTotal")->text(), QStringLiteral("This will generate nothing..."));
    form.generate();
    EXPECT_TRUE(form.listText().isEmpty());
    EXPECT_FALSE(child<QPushButton>(form, "use")->isEnabled()) << "a generation without text";
}

TEST(FormListGen, hexSwitchesTheRangeFieldsAndKeepsTheirValues)
{
    RecordingSink sink;
    FormListGen form(sink, QStringLiteral("%1"), latin1());
    auto* first = child<QSpinBox>(form, "RxSpinEditp1s");
    first->setValue(250);
    child<QCheckBox>(form, "CBhex")->setChecked(true);
    EXPECT_EQ(first->text(), QStringLiteral("fa"));
    EXPECT_EQ(first->value(), 250);
    child<QCheckBox>(form, "CBhex")->setChecked(false);
    EXPECT_EQ(first->text(), QStringLiteral("250"));
}

TEST(FormListGen, aLongGenerationCanBeCancelled)
{
    RecordingSink sink;
    FormListGen form(sink, QStringLiteral("%1"), latin1());
    child<QSpinBox>(form, "RxSpinEditp1s")->setValue(std::numeric_limits<qint32>::min());
    child<QSpinBox>(form, "RxSpinEditp1e")->setValue(std::numeric_limits<qint32>::max());
    EXPECT_EQ(child<QLabel>(form, "LabelTotal")->text(),
              QStringLiteral("This will generate 4294967296 entries"));
    int reports = 0;
    QObject::connect(&form, &FormListGen::progressed, &form, [&](double share) {
        EXPECT_GT(share, 0.0);
        if (++reports == 3)
            form.cancelGeneration();
    });
    form.generate();
    EXPECT_EQ(reports, 3);
    EXPECT_TRUE(form.listText().isEmpty());
    EXPECT_FALSE(child<QPushButton>(form, "use")->isEnabled());
    EXPECT_TRUE(child<QPlainTextEdit>(form, "MemoList")->toPlainText().isEmpty());
}

} // namespace
} // namespace varnik::test
