#include "core/app/rtfreader.h"

#include "core/app/error.h"
#include "core/app/hexdigit.h"
#include "core/app/rtfcontrolwords.h"

#include <QHash>
#include <QStringDecoder>

#include <algorithm>
#include <climits>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace varnik {

namespace {

using rtf::Action;
using rtf::codePageOfCharset;
using rtf::namesOfCodePage;

// How 8-bit text of one code page becomes characters.
struct PageDecoder {
    std::shared_ptr<const CodePage> single;
    QByteArray multiName; // a multi-byte encoding decoded a run at a time
};

struct GroupState {
    int codePage = 0; // 0: the document's
    int uc = 1;
    bool skip = false;
    bool fontTable = false;
    bool upr = false;      // a \upr group: its first subgroup is skipped
    bool uprChild = false; // inside a \upr group, where \ud shows its text
    bool operator==(const GroupState&) const = default;
};

class Parser {
public:
    Parser(QByteArrayView rtf, std::shared_ptr<const CodePage> fallback)
        : p_(reinterpret_cast<const unsigned char*>(rtf.data())), n_(rtf.size()),
          fallback_(std::move(fallback))
    {
        out_.reserve(std::min<qsizetype>(n_ / 2, qsizetype(1) << 24));
    }

    QString run();

private:
    void openGroup();
    bool closeGroup(); // false at the end of the outermost group
    void controlWord();
    void controlSymbol(unsigned char c);
    void hexEscape();
    void doWord(std::string_view word, bool hasParam, int param);
    void skipBinary(int count);

    void put(QChar c);
    void emitByte(unsigned char b);
    void emitBreak();
    void flushBytes();
    const PageDecoder& decoderFor(int cp);
    void repairSurrogates();

    const unsigned char* p_;
    qsizetype n_;
    qsizetype i_ = 0;
    std::shared_ptr<const CodePage> fallback_;

    GroupState st_;
    // Enclosing groups' states, run-length coded: plain nesting costs no memory.
    std::vector<std::pair<GroupState, qsizetype>> stack_;
    bool started_ = false;

    int docCodePage_ = 0; // 0: the fallback
    int defaultFont_ = -1;
    int tableFont_ = -1;
    QHash<int, int> fontCodePages_;
    std::unordered_map<int, PageDecoder> decoders_;
    int lastCodePage_ = -1;
    const PageDecoder* lastDecoder_ = nullptr;

    int fallbackSkip_ = 0; // characters still to drop after \u
    QString out_;
    QByteArray pending_; // multi-byte text awaiting decoding
    QByteArray pendingName_;
    qsizetype lastBreakEnd_ = -1;
    qsizetype cellStart_ = 0;
    bool pendingTab_ = false;
    bool sawSurrogate_ = false;
};

QString Parser::run()
{
    while (i_ < n_) {
        const unsigned char c = p_[i_];
        if (c == '{') {
            ++i_;
            openGroup();
        } else if (c == '}') {
            ++i_;
            if (!closeGroup())
                break;
        } else if (c == '\\') {
            ++i_;
            if (i_ >= n_)
                break;
            const unsigned char next = p_[i_];
            if ((next >= 'a' && next <= 'z') || (next >= 'A' && next <= 'Z')) {
                controlWord();
            } else if (next == '\'') {
                ++i_;
                hexEscape();
            } else {
                ++i_;
                controlSymbol(next);
            }
        } else {
            ++i_;
            if (c == '\r' || c == '\n' || c == 0 || !started_)
                continue;
            if (fallbackSkip_ > 0) {
                --fallbackSkip_;
                continue;
            }
            if (!st_.skip) {
                if (c == '\t')
                    put(u'\t');
                else
                    emitByte(c);
            }
        }
    }
    flushBytes();
    // The last paragraph's end is the end of the text.
    if (lastBreakEnd_ == out_.size() && out_.endsWith(u'\n'))
        out_.chop(1);
    if (sawSurrogate_)
        repairSurrogates();
    return std::move(out_);
}

void Parser::openGroup()
{
    flushBytes();
    fallbackSkip_ = 0;
    if (!started_) {
        started_ = true;
        return;
    }
    if (!stack_.empty() && stack_.back().first == st_)
        ++stack_.back().second;
    else
        stack_.emplace_back(st_, 1);
    // The first group in a \upr group holds the 8-bit twin of the \ud text.
    if (st_.upr) {
        st_.upr = false;
        st_.uprChild = true;
        st_.skip = true;
    }
}

bool Parser::closeGroup()
{
    flushBytes();
    fallbackSkip_ = 0;
    if (stack_.empty())
        return false;
    st_ = stack_.back().first;
    if (--stack_.back().second == 0)
        stack_.pop_back();
    return true;
}

void Parser::controlWord()
{
    const qsizetype start = i_;
    while (i_ < n_ && ((p_[i_] >= 'a' && p_[i_] <= 'z') || (p_[i_] >= 'A' && p_[i_] <= 'Z')))
        ++i_;
    const std::string_view word(reinterpret_cast<const char*>(p_ + start), size_t(i_ - start));
    bool hasParam = false;
    bool negative = false;
    long long value = 0;
    if (i_ + 1 < n_ && p_[i_] == '-' && p_[i_ + 1] >= '0' && p_[i_ + 1] <= '9') {
        negative = true;
        ++i_;
    }
    while (i_ < n_ && p_[i_] >= '0' && p_[i_] <= '9') {
        hasParam = true;
        value = std::min<long long>(value * 10 + (p_[i_] - '0'), 1LL << 31);
        ++i_;
    }
    if (i_ < n_ && p_[i_] == ' ')
        ++i_;
    const long long signedValue = negative ? -value : value;
    const int param = int(std::clamp<long long>(signedValue, INT_MIN, INT_MAX));
    if (!started_)
        return;
    if (fallbackSkip_ > 0) {
        --fallbackSkip_;
        if (word == "bin")
            skipBinary(param);
        return;
    }
    doWord(word, hasParam, param);
}

void Parser::controlSymbol(unsigned char c)
{
    if (!started_)
        return;
    if (fallbackSkip_ > 0) {
        --fallbackSkip_;
        return;
    }
    switch (c) {
    case '*':
        st_.skip = true;
        break;
    case '\\':
    case '{':
    case '}':
        if (!st_.skip)
            put(QChar(c));
        break;
    case '~':
        if (!st_.skip)
            put(QChar(0x00A0));
        break;
    case '_':
        if (!st_.skip)
            put(QChar(0x2011));
        break;
    case '\r':
    case '\n':
        doWord("par", false, 0);
        break;
    default:
        break; // optional hyphens, index marks and unknown symbols show nothing
    }
}

void Parser::hexEscape()
{
    int value = 0;
    int digits = 0;
    while (digits < 2 && i_ < n_) {
        const int d = hexDigitValue(p_[i_]);
        if (d < 0)
            break;
        value = value * 16 + d;
        ++digits;
        ++i_;
    }
    if (digits < 2 || !started_)
        return; // a broken escape shows nothing
    if (fallbackSkip_ > 0) {
        --fallbackSkip_;
        return;
    }
    if (!st_.skip)
        emitByte(static_cast<unsigned char>(value));
}

void Parser::skipBinary(int count)
{
    i_ += std::clamp<qsizetype>(count, 0, n_ - i_);
}

void Parser::doWord(std::string_view word, bool hasParam, int param)
{
    const rtf::WordEntry* found = rtf::findWord(word);
    if (!found)
        return; // unknown words change nothing the plain text shows
    const rtf::WordEntry& e = *found;
    switch (e.action) {
    case Action::Bin:
        skipBinary(param);
        return;
    case Action::Skip:
        st_.skip = true;
        return;
    case Action::FontTable:
        st_.skip = true;
        st_.fontTable = true;
        return;
    case Action::Font:
        if (st_.fontTable)
            tableFont_ = param;
        else
            st_.codePage = fontCodePages_.value(param, 0);
        return;
    case Action::FontCharset:
        if (st_.fontTable && hasParam)
            fontCodePages_.insert(tableFont_, codePageOfCharset(param));
        return;
    case Action::FontCodePage:
        if (st_.fontTable && hasParam)
            fontCodePages_.insert(tableFont_, param);
        return;
    case Action::DefaultFont:
        defaultFont_ = param;
        return;
    case Action::Plain:
        st_.codePage = fontCodePages_.value(defaultFont_, 0);
        return;
    case Action::AnsiCpg:
        if (hasParam && param > 0)
            docCodePage_ = param;
        return;
    case Action::Mac:
        docCodePage_ = 10000;
        return;
    case Action::Pc:
        docCodePage_ = 437;
        return;
    case Action::Pca:
        docCodePage_ = 850;
        return;
    case Action::Uc:
        st_.uc = std::clamp(param, 0, 64);
        return;
    case Action::Upr:
        st_.upr = !st_.skip;
        return;
    case Action::Ud:
        if (st_.uprChild)
            st_.skip = false;
        return;
    case Action::TableRow:
        cellStart_ = out_.size();
        return;
    default:
        break;
    }
    if (st_.skip)
        return;
    switch (e.action) {
    case Action::Par:
    case Action::Line:
        emitBreak();
        break;
    case Action::Break:
        if (!out_.isEmpty() && !out_.endsWith(u'\n'))
            emitBreak();
        break;
    case Action::Tab:
        put(u'\t');
        break;
    case Action::Char:
        put(QChar(e.ch));
        break;
    case Action::Unicode: {
        if (!hasParam)
            break;
        flushBytes();
        long long cp = param;
        if (cp < 0)
            cp += 65536;
        if (cp < 0 || cp > 0x10FFFF)
            cp = 0xFFFD;
        if (cp >= 0x10000) {
            put(QChar(QChar::highSurrogate(char32_t(cp))));
            put(QChar(QChar::lowSurrogate(char32_t(cp))));
        } else {
            if (QChar::isSurrogate(char32_t(cp)))
                sawSurrogate_ = true;
            put(QChar(char16_t(cp)));
        }
        fallbackSkip_ = st_.uc;
        break;
    }
    case Action::Cell:
        flushBytes();
        // A paragraph end closing the cell's text is not a line of its own.
        if (lastBreakEnd_ == out_.size() && lastBreakEnd_ > cellStart_)
            out_.chop(1);
        if (pendingTab_)
            out_ += u'\t';
        pendingTab_ = true;
        cellStart_ = out_.size();
        break;
    case Action::Row:
        pendingTab_ = false;
        emitBreak();
        cellStart_ = out_.size();
        break;
    default:
        break;
    }
}

void Parser::put(QChar c)
{
    flushBytes();
    if (pendingTab_) {
        pendingTab_ = false;
        out_ += u'\t';
    }
    out_ += c;
}

void Parser::emitBreak()
{
    put(u'\n');
    lastBreakEnd_ = out_.size();
}

void Parser::emitByte(unsigned char b)
{
    const int cp = st_.codePage != 0 ? st_.codePage : docCodePage_;
    const PageDecoder& d = decoderFor(cp);
    if (d.single) {
        put(d.single->toUnicode(b));
        return;
    }
    if (pendingName_ != d.multiName)
        flushBytes();
    if (pendingTab_) {
        pendingTab_ = false;
        out_ += u'\t';
    }
    pendingName_ = d.multiName;
    pending_.append(char(b));
}

void Parser::flushBytes()
{
    if (pending_.isEmpty())
        return;
    QStringDecoder decoder(pendingName_.constData(), QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(pending_);
    for (const QChar c : text) {
        if (c.isSurrogate())
            sawSurrogate_ = true;
    }
    out_ += text;
    pending_.clear();
}

const PageDecoder& Parser::decoderFor(int cp)
{
    if (cp == lastCodePage_)
        return *lastDecoder_;
    if (auto it = decoders_.find(cp); it != decoders_.end()) {
        lastCodePage_ = cp;
        lastDecoder_ = &it->second;
        return it->second;
    }
    PageDecoder d;
    if (cp > 0) {
        for (const QString& name : namesOfCodePage(cp)) {
            try {
                d.single = CodePage::forName(name);
                break;
            } catch (const Error&) {
            }
            if (QStringDecoder(name.toLatin1().constData()).isValid()) {
                d.multiName = name.toLatin1();
                break;
            }
        }
    }
    if (!d.single && d.multiName.isEmpty())
        d.single = fallback_ ? fallback_ : CodePage::windows1250();
    lastCodePage_ = cp;
    lastDecoder_ = &decoders_.emplace(cp, std::move(d)).first->second;
    return *lastDecoder_;
}

void Parser::repairSurrogates()
{
    const qsizetype n = out_.size();
    QChar* s = out_.data();
    for (qsizetype i = 0; i < n; ++i) {
        if (s[i].isHighSurrogate() && i + 1 < n && s[i + 1].isLowSurrogate())
            ++i;
        else if (s[i].isSurrogate())
            s[i] = QChar::ReplacementCharacter;
    }
}

} // namespace

bool RtfReader::isRtf(QByteArrayView bytes)
{
    return bytes.startsWith("{\\rtf");
}

QString RtfReader::toPlainText(QByteArrayView rtf, const std::shared_ptr<const CodePage>& fallback)
{
    return Parser(rtf, fallback).run();
}

} // namespace varnik
