#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <array>

namespace varnik {

class CodePage;

// A character conversion table (".cnv"): a title line, then one mapping per
// line, "B9 B1" (source code, a separator that is not read, target code).
// Codes are single bytes; the first mapping of a source code wins.
class CnvTable {
public:
    static constexpr int kMaxMappings = 255;
    static constexpr int kMaxTitle = 255;

    // A table from a file's bytes; an empty table when they are not a
    // readable table (empty title, an empty or short mapping line).
    static CnvTable parse(QByteArrayView bytes);
    // The same from a file; an empty table when it cannot be read. Never
    // waits on a pipe or device.
    static CnvTable load(const QString& path);

    // Whether any of title, sources and targets is empty: not usable.
    bool isEmpty() const { return title_.isEmpty() || sources_.isEmpty() || targets_.isEmpty(); }
    const QByteArray& title() const { return title_; }
    const QByteArray& sources() const { return sources_; }
    const QByteArray& targets() const { return targets_; }

    // The target byte of a source byte, or -1 when the table does not map it.
    int map(unsigned char byte) const { return map_[byte]; }

    // Each character whose byte in `sourcePage` the table maps becomes the
    // character of the target byte in `targetPage`; the others stay. Every
    // character is looked up once, so chains are not followed. With the same
    // page on both sides this is the byte conversion of a document in it.
    QString convert(QStringView text, const CodePage& sourcePage, const CodePage& targetPage) const;

private:
    friend class CnvTableParser;
    void addMapping(unsigned char source, unsigned char target);

    QByteArray title_;
    QByteArray sources_;
    QByteArray targets_;
    std::array<short, 256> map_ = filled();

    static std::array<short, 256> filled()
    {
        std::array<short, 256> a{};
        a.fill(-1);
        return a;
    }
};

} // namespace varnik
