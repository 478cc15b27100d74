#include "core/text/numberwords.h"

#include "core/app/error.h"

#include <array>

namespace varnik {

namespace {

struct WordTable {
    std::array<const char16_t*, 10> units;
    std::array<const char16_t*, 10> teens;
    std::array<const char16_t*, 10> tens;
    std::array<const char16_t*, 10> hundreds;
    std::array<const char16_t*, 4> thousand;
    std::array<const char16_t*, 4> million;
};

// These spellings are the program's own and are kept as they are.
constexpr WordTable polish{
    {u" zero", u" jeden", u" dwa", u" trzy", u" cztery", u" pięć", u" sześć", u" siedem", u" osiem",
     u" dziewięć"},
    {u" dziesięć", u" jedenaście", u" dwanaście", u" trzynaście", u" czternaście", u" piętnaście",
     u" szesnascie", u" siedemnaście", u" osiemnaście", u" dziewiętnaście"},
    {u"", u" dziesięć", u" dwadzieścia", u" trzydzieści", u" czterdzieści", u" pięćdziesiąt",
     u" sześćdziesiąt", u" siedemdziesiąt", u" osiemdziesiąt", u" dziewięćdziesiąt"},
    {u"", u" sto", u" dwieście", u" trzysta", u" czterysta", u" pięćset", u" sześćset", u" siedemset",
     u" osiemset", u" dziewięćset"},
    {u"", u" tysiąc", u" tysiące", u" tysięcy"},
    {u"", u" milion", u" miliony", u" milionów"},
};

constexpr WordTable english{
    {u" zero", u" one", u" two", u" three", u" four", u" five", u" six", u" seven", u" eight", u" nine"},
    {u" ten", u" eleven", u" twelve", u" thirteen", u" fourteen", u" fifteen", u" sixteen", u" seventeen",
     u" eighteen", u" nineteen"},
    {u"", u" ten", u" twenty", u" thirty", u" forty", u" fifty", u" sixty", u" seventy", u" eighty",
     u" ninety"},
    {u"", u" one hundred", u" two hundred", u" three hundred", u" four hundred", u" five hundred",
     u" six hundred", u" seven hundred", u" eight hundred", u" nine hundred"},
    {u"", u" thausend", u" thausends", u" thausends"},
    {u"", u" milion", u" milions", u" milions"},
};

// Words of a group of 1 to 3 digits and the form of the word that follows it.
QString groupWords(const QString& g, const WordTable& t, int& form)
{
    QString w;
    const auto digit = [&](qsizetype i) { return g[i].unicode() - u'0'; };
    const qsizetype n = g.size();
    const int last = digit(n - 1);
    const int tensDigit = n >= 2 ? digit(n - 2) : 0;
    if (n == 3)
        w += QString::fromUtf16(t.hundreds[static_cast<size_t>(digit(0))]);
    if (n >= 2) {
        if (tensDigit == 1)
            w += QString::fromUtf16(t.teens[static_cast<size_t>(last)]);
        else if (tensDigit >= 2)
            w += QString::fromUtf16(t.tens[static_cast<size_t>(tensDigit)]);
    }
    if (n == 1 || (last != 0 && tensDigit != 1))
        w += QString::fromUtf16(t.units[static_cast<size_t>(last)]);

    if (n >= 2 && tensDigit == 1)
        form = 3;
    else if (n == 1 && last == 0)
        form = 0;
    else if (last == 1)
        form = 1;
    else if (last >= 2 && last <= 4)
        form = 2;
    else
        form = 3;
    return w;
}

} // namespace

QString numberToWords(qint32 number, WordsLanguage language)
{
    const qint64 a = number < 0 ? -static_cast<qint64>(number) : number;
    if (a >= 1000000000)
        throw Error(QStringLiteral("Sorry - number must be < 1000000000!"));
    const WordTable& t = language == WordsLanguage::Polish ? polish : english;
    const QString s = QString::number(a);
    const qsizetype n = s.size();
    QString w1, w2, w3;
    int form1 = 0, thousandForm = 0, millionForm = 0;
    if (a <= 999) {
        w1 = groupWords(s, t, form1);
    } else if (a <= 999999) {
        w1 = groupWords(s.right(3), t, form1);
        w2 = groupWords(s.left(n - 3), t, thousandForm);
    } else {
        w1 = groupWords(s.right(3), t, form1);
        w2 = groupWords(s.mid(n - 6, 3), t, thousandForm);
        w3 = groupWords(s.left(n - 6), t, millionForm);
        if (w2.trimmed().isEmpty())
            thousandForm = 0;
    }
    QString out;
    if (number < 0)
        out += QStringLiteral("minus");
    out += w3;
    out += QString::fromUtf16(t.million[static_cast<size_t>(millionForm)]);
    out += w2;
    out += QString::fromUtf16(t.thousand[static_cast<size_t>(thousandForm)]);
    out += w1;
    return out;
}

} // namespace varnik
