#pragma once

#include "core/hexedit/hexdisplayoptions.h"
#include "core/hexedit/hexeditor.h"

#include <QString>

#include <vector>

namespace varnik {

// What one grid cell of the hex editor shows.
struct HexCell {
    QString text;
    HexRgb textColor = 0;
    HexRgb background = 0;
    bool markerFont = false; // the marker digit uses a smaller font of its own
    bool operator==(const HexCell&) const = default;
};

// The texts, colours and widths of the hex editor's cells, as pure functions
// of the model and the display options.
class HexCells {
public:
    HexCells(HexEditor& editor, const HexDisplayOptions& options) : editor_(editor), options_(options) {}

    // Width of the offset column in character widths.
    static int offsetWidth(const HexLayout& layout, OffsetDisplay display);
    // Width of every column in character widths, for the current layout.
    std::vector<int> columnWidths() const;
    QString offsetText(qint64 row) const;
    HexCell cell(int column, qint64 row) const;

    // The hex digit a hex column shows of a byte.
    static QChar hexDigit(quint8 byte, int column, bool swapNibbles);
    // The column groups' colour of a hex column.
    HexRgb groupColor(int column) const;

private:
    HexEditor& editor_;
    const HexDisplayOptions& options_;
};

} // namespace varnik
