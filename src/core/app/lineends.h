#pragma once

#include <QString>

#include <optional>

namespace varnik {

// The line end written between the lines of a saved document.
enum class LineEnd { CrLf, Lf, Cr };

// The CRLF setting: 0 CR LF, 1 LF, 2 CR; any other value CR LF.
LineEnd lineEndFromSetting(int crlf);
QStringView lineEndText(LineEnd end);

// How many line ends of each kind a text held.
struct LineEndCounts {
    qsizetype crlf = 0;
    qsizetype lf = 0;
    qsizetype cr = 0;

    qsizetype total() const { return crlf + lf + cr; }
    bool mixed() const { return (crlf > 0) + (lf > 0) + (cr > 0) > 1; }
    // The one kind used, when the text used exactly one.
    std::optional<LineEnd> uniform() const;
    bool operator==(const LineEndCounts&) const = default;
};

// Turns every CR LF and lone CR into LF, in place, and counts what it found.
LineEndCounts normalizeLineEnds(QString& text);

} // namespace varnik
