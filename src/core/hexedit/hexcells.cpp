#include "core/hexedit/hexcells.h"

namespace varnik {

namespace {

QString octal(qint64 v)
{
    return QStringLiteral("0") + QString::number(v, 8);
}

} // namespace

int HexCells::offsetWidth(const HexLayout& layout, OffsetDisplay display)
{
    const qint64 last = (layout.rowCount() - 1) * layout.bytesPerLine();
    switch (display) {
    case OffsetDisplay::Hex:
        return int(QString::number(last, 16).size()) + 3;
    case OffsetDisplay::Dec:
        return int(QString::number(last).size()) + 1;
    case OffsetDisplay::Octal:
        return int(octal(last).size()) + 3;
    case OffsetDisplay::None:
        break;
    }
    return 0;
}

std::vector<int> HexCells::columnWidths() const
{
    const HexLayout& layout = editor_.layout();
    const int perGroup = 2 * editor_.bytesPerColumn();
    std::vector<int> widths(size_t(layout.columnCount()), 1);
    widths[0] = offsetWidth(layout, options_.offsetDisplay);
    widths[1] = options_.showMarkerColumn ? 1 : 0;
    for (int c = 2; c <= layout.lastHexColumn(); ++c)
        widths[size_t(c)] = c % perGroup == 1 ? 2 : 1;
    return widths;
}

QString HexCells::offsetText(qint64 row) const
{
    const HexLayout& layout = editor_.layout();
    const int k = offsetWidth(layout, options_.offsetDisplay);
    const qint64 s = row * layout.bytesPerLine();
    const QChar sep = options_.offsetSeparator;
    switch (options_.offsetDisplay) {
    case OffsetDisplay::Hex:
        return QStringLiteral("0x") + QString::number(s, 16).toUpper().rightJustified(k - 3, u'0') + sep;
    case OffsetDisplay::Dec:
        return QString::number(s).rightJustified(k - 1, u' ') + sep;
    case OffsetDisplay::Octal:
        return QStringLiteral("o ") + octal(s).rightJustified(k - 3, u'0') + sep;
    case OffsetDisplay::None:
        break;
    }
    return QStringLiteral(" ");
}

QChar HexCells::hexDigit(quint8 byte, int column, bool swapNibbles)
{
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    const bool high = (column - 2) % 2 == (swapNibbles ? 1 : 0);
    return QChar(kDigits[high ? byte >> 4 : byte & 15]);
}

HexRgb HexCells::groupColor(int column) const
{
    const bool odd = ((column - 2) / (2 * editor_.bytesPerColumn())) % 2 == 0;
    return odd ? options_.colors.oddColumn : options_.colors.evenColumn;
}

HexCell HexCells::cell(int column, qint64 row) const
{
    const HexColors& colors = options_.colors;
    const HexLayout& layout = editor_.layout();
    if (editor_.dataSize() == 0) {
        static const QString blank = QStringLiteral("   ");
        QString text = blank;
        if (column == 0) {
            const QChar sep = options_.offsetSeparator;
            switch (options_.offsetDisplay) {
            case OffsetDisplay::Hex:
                text = QStringLiteral("0x0") + sep;
                break;
            case OffsetDisplay::Dec:
                text = QStringLiteral("0") + sep;
                break;
            case OffsetDisplay::Octal:
                text = QStringLiteral("o 0") + sep;
                break;
            case OffsetDisplay::None:
                break;
            }
        }
        return {text, colors.offset, colors.background, false};
    }
    if (column == 0)
        return {offsetText(row), colors.offset, colors.background, false};
    if (column == 1) {
        const int marker = editor_.markerAt(row);
        if (marker >= 0)
            return {QString::number(marker), colors.positionText, colors.positionBackground, true};
        return {QStringLiteral(" "), options_.fontColor, colors.background, false};
    }
    const qint64 pos = layout.positionOf(column, row);
    if (column == layout.gapColumn() || pos >= editor_.dataSize())
        return {QStringLiteral(" "), options_.fontColor, colors.background, false};

    const QByteArrayView rowBytes = editor_.rowBytes(row);
    const quint8 byte = quint8(rowBytes[pos - row * layout.bytesPerLine()]);
    const bool hex = layout.isHexColumn(column);
    HexCell cell;
    if (hex) {
        cell.text = hexDigit(byte, column, editor_.swapNibbles());
    } else {
        const QChar c = editor_.translator().shown(byte, options_.maskChar, options_.maskWhiteSpaces);
        cell.text = c.isNull() ? QStringLiteral(" ") : QString(c);
    }
    const bool changed = editor_.isChanged(pos);
    if (changed) {
        cell.textColor = colors.changedText;
        cell.background = colors.changedBackground;
    } else {
        cell.textColor = hex ? groupColor(column) : options_.fontColor;
        cell.background = colors.background;
    }
    if (editor_.isSelected(pos)) {
        std::swap(cell.textColor, cell.background);
        if (!changed && hex)
            cell.textColor = complementOf(groupColor(column));
    }
    return cell;
}

} // namespace varnik
