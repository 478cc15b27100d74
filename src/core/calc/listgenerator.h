#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

#include <array>

namespace varnik {

class CodePage;

// What the list generator window asks for: a pattern with the placeholders
// marker+"1" and marker+"2" and the two nested number ranges they run over.
struct ListGenOptions {
    QString pattern = QStringLiteral("c:\\images\\%1\\pic%2.jpg");
    qint32 first1 = 0, last1 = 0, step1 = 1, width1 = 0;
    qint32 first2 = 0, last2 = 0, step2 = 1, width2 = 0;
    QChar marker = u'%';
    bool hex = false;
    bool ascii = false;
    bool wrap = false;
    // The character of each code 0-255 for "ASCII" (the code page's);
    // Latin-1 unless hasCharset.
    std::array<char16_t, 256> charset{};
    bool hasCharset = false;

    void useCodePage(const CodePage& page);
};

// The character of each code 0-255 in a code page, for "ASCII".
std::array<char16_t, 256> codePageCharset(const CodePage& page);

// The estimate the window announces: the product of the two range lengths
// divided by the steps, truncating. Zero when either range is empty or a
// step is not positive.
QString estimatedCount(const ListGenOptions& options);
// "This will generate N entries" or "This will generate nothing...".
QString countLabel(const ListGenOptions& options);

// Expands the pattern over both ranges, the second varying fastest, a piece
// at a time so that callers can show progress, stop early, or stream lists
// far larger than memory.
class ListGenerator {
public:
    // `lineBreak` follows each entry unless Wrap is on.
    explicit ListGenerator(const ListGenOptions& options, const QString& lineBreak = QStringLiteral("\r\n"));

    // Appends up to `maxEntries` entries to `out`. Returns false once every
    // entry has been produced.
    bool generate(QString& out, qint64 maxEntries);
    bool done() const { return done_; }
    // The share of the entries produced so far, 0 to 1.
    double progress() const;
    // How many entries the ranges really give (which the estimate can miss);
    // the product may reach 2^64, hence floating point.
    long double entryCount() const;

    // The text of a number for a placeholder of the given width.
    QString numberText(qint64 value, int width) const;
    // One entry, replacing by plain search and replace (the reference the
    // faster precompiled form must agree with).
    QString entryBySearch(const QString& t1, const QString& t2) const;

private:
    bool precompiledFits(const QString& t1) const;
    void appendEntry(QString& out, const QString& t1, const QString& t2) const;
    void appendNumber(QString& out, qint64 value, int width) const;
    bool advance();

    ListGenOptions o_;
    QString c1_, c2_;
    // The pattern split at each marker+"1"; each piece split again at marker+"2".
    QList<QStringList> pieces_;
    bool markerBeforeFirst_ = false; // a piece before a first placeholder ends with the marker
    qint64 i_, j_;
    quint64 count1_ = 0, count2_ = 0, index1_ = 0, index2_ = 0;
    bool done_ = false;
    bool hasSecond_ = false; // the pattern holds marker+"2"
    QString lineBreak_;
    QString t1_;
    bool t1Fits_ = true;
};

// Every `what` in `text` replaced by `with`, searching on after each inserted
// text so that a replacement containing `what` cannot make it loop.
QString replaceEach(const QString& text, const QString& what, const QString& with);

} // namespace varnik
