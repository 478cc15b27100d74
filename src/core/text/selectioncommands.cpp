#include "core/text/selectioncommands.h"

#include "core/app/error.h"
#include "core/text/applytoselection.h"
#include "core/text/integertext.h"
#include "core/text/numberruns.h"

namespace varnik {

namespace {

// The result goes in place of the selection or at the caret.
constexpr ApplyPolicy kInsert{EmptySelection::AtCaret, Collapse::UnlessSelectStay};

} // namespace

void numberToWordsCommand(TextEdit& edit, EngineEnvironment& environment, MessageSink& messages,
                          WordsLanguage language)
{
    if (edit.selectionLength() == 0)
        return;
    const QString text = edit.selectedText();
    if (!isDecimalValid(text))
        return;
    qint32 number = 0;
    if (!tryParseInteger(text, number)) {
        // Digits beyond the 32-bit range are simply a number too large;
        // only a misplaced "-" is an invalid integer.
        if (text.lastIndexOf(u'-') <= 0 && text != u"-") {
            messages.message(QStringLiteral("Sorry - number must be < 1000000000!"), MessageKind::Error,
                             Buttons::OK);
            return;
        }
        parseInteger(text); // throws the integer error
    }
    if (number <= -1000000000 || number >= 1000000000) {
        messages.message(QStringLiteral("Sorry - number must be < 1000000000!"), MessageKind::Error,
                         Buttons::OK);
        return;
    }
    applyToSelection(edit, environment, kInsert,
                     [&](const QString&) { return numberToWords(number, language); });
}

void insertCurrentUser(TextEdit& edit, EngineEnvironment& environment)
{
    applyToSelection(edit, environment, kInsert, [&](const QString&) { return environment.userName(); });
}

void insertDateValue(TextEdit& edit, QDate date, EngineEnvironment& environment)
{
    const EngineSettings s = environment.settings();
    edit.setCaret(edit.selectionStart());
    applyToSelection(edit, environment, kInsert, [&](const QString&) {
        return formatDateTime(s.dateFormat, date, QTime(0, 0), s.locale);
    });
}

std::optional<Rgb> colourFromSelection(const QString& selection)
{
    if (selection.isEmpty())
        return std::nullopt;
    QStringView s = QStringView(selection).trimmed();
    if (s.startsWith(u'#') || s.startsWith(u'$'))
        s = s.sliced(1);
    else if (s.startsWith(u"0x"))
        s = s.sliced(2);
    const auto v = static_cast<quint32>(hexValue(s));
    return Rgb{static_cast<int>((v >> 16) & 0xFF), static_cast<int>((v >> 8) & 0xFF),
               static_cast<int>(v & 0xFF)};
}

QString colourHexText(Rgb c)
{
    return QStringLiteral("#%1%2%3")
        .arg(c.red & 0xFF, 2, 16, QChar(u'0'))
        .arg(c.green & 0xFF, 2, 16, QChar(u'0'))
        .arg(c.blue & 0xFF, 2, 16, QChar(u'0'))
        .toUpper();
}

void insertColourValue(TextEdit& edit, EngineEnvironment& environment, Rgb colour)
{
    applyToSelection(edit, environment, {EmptySelection::AtCaret, Collapse::Never},
                     [&](const QString&) { return colourHexText(colour); });
}

} // namespace varnik
