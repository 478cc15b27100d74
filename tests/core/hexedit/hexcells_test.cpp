// Cell texts, colours and column widths of the hex editor.
#include "core/hexedit/hexcells.h"

#include "hexedittesting.h"

#include <gtest/gtest.h>

namespace varnik {
namespace {

using test::loadHex;

TEST(HexCells, offsetColumn)
{
    struct Row {
        OffsetDisplay display;
        int width;
        const char* row0;
        const char* row1;
    };
    const Row rows[] = {
        {OffsetDisplay::Hex, 5, "0x00:", "0x10:"},
        {OffsetDisplay::Dec, 3, " 0:", "16:"},
        {OffsetDisplay::Octal, 7, "o 0000:", "o 0020:"},
        {OffsetDisplay::None, 0, " ", " "},
    };
    HexEditor editor;
    loadHex(editor, 100);
    for (const Row& r : rows) {
        HexDisplayOptions options;
        options.offsetDisplay = r.display;
        const HexCells cells(editor, options);
        EXPECT_EQ(HexCells::offsetWidth(editor.layout(), r.display), r.width) << int(r.display);
        EXPECT_EQ(cells.columnWidths()[0], r.width);
        EXPECT_EQ(cells.cell(0, 0).text, r.row0) << int(r.display);
        EXPECT_EQ(cells.cell(0, 1).text, r.row1) << int(r.display);
    }
}

TEST(HexCells, emptyBufferRow)
{
    HexEditor editor;
    editor.newBuffer(QStringLiteral("Untitled"));
    HexDisplayOptions options;
    const HexCells cells(editor, options);
    for (auto [display, text] :
         {std::pair{OffsetDisplay::Hex, "0x0:"}, std::pair{OffsetDisplay::Dec, "0:"},
          std::pair{OffsetDisplay::Octal, "o 0:"}, std::pair{OffsetDisplay::None, "   "}}) {
        options.offsetDisplay = display;
        EXPECT_EQ(cells.cell(0, 0).text, text);
    }
    EXPECT_EQ(cells.cell(2, 0), (HexCell{"   ", options.colors.offset, options.colors.background, false}));
    EXPECT_EQ(cells.cell(20, 0).text, "   ");
}

TEST(HexCells, columnWidthsLeaveAGapAfterEachGroup)
{
    HexEditor editor;
    loadHex(editor, 100);
    editor.setBytesPerLine(4);
    HexDisplayOptions options;
    const HexCells cells(editor, options);
    editor.setBytesPerColumn(1);
    //                  off mk  b0    b1    b2    b3    gap  chars
    EXPECT_EQ(cells.columnWidths(), (std::vector<int>{5, 1, 1, 2, 1, 2, 1, 2, 1, 2, 1, 1, 1, 1, 1}));
    editor.setBytesPerColumn(2);
    EXPECT_EQ(cells.columnWidths(), (std::vector<int>{5, 1, 1, 1, 1, 2, 1, 1, 1, 2, 1, 1, 1, 1, 1}));
    options.showMarkerColumn = false;
    EXPECT_EQ(cells.columnWidths()[1], 0);
}

TEST(HexCells, digitsCharactersAndColours)
{
    HexEditor editor;
    loadHex(editor, QByteArray("\x3C"
                               "A\x09"
                               "B",
                               4));
    editor.setBytesPerColumn(1);
    HexDisplayOptions options;
    const HexColors& c = options.colors;
    const HexCells cells(editor, options);
    editor.clearSelection();
    const int chars = editor.layout().firstCharColumn();
    struct Row {
        const char* name;
        int column;
        HexCell expected;
    };
    const std::vector<Row> rows = {
        {"high digit", 2, {"3", c.oddColumn, c.background, false}},
        {"low digit", 3, {"C", c.oddColumn, c.background, false}},
        {"second group", 4, {"4", c.evenColumn, c.background, false}},
        {"character", chars + 1, {"A", options.fontColor, c.background, false}},
        {"masked tab", chars + 2, {".", options.fontColor, c.background, false}},
        {"gap", editor.layout().gapColumn(), {" ", options.fontColor, c.background, false}},
        {"past the data", chars + 5, {" ", options.fontColor, c.background, false}},
        {"marker column", 1, {" ", options.fontColor, c.background, false}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(cells.cell(r.column, 0), r.expected) << r.name;

    editor.setSwapNibbles(true);
    EXPECT_EQ(cells.cell(2, 0).text, "C");
    EXPECT_EQ(cells.cell(3, 0).text, "3");
    editor.setSwapNibbles(false);

    editor.changeByte(0, 0xAC);
    EXPECT_EQ(cells.cell(2, 0), (HexCell{"A", c.changedText, c.changedBackground, false}));
    editor.setSelStart(0);
    editor.setSelEnd(1);
    // Selected: swapped, and an unchanged hex digit takes the complement of its group colour.
    EXPECT_EQ(cells.cell(2, 0), (HexCell{"A", c.changedBackground, c.changedText, false}));
    EXPECT_EQ(cells.cell(4, 0), (HexCell{"4", complementOf(c.evenColumn), c.evenColumn, false}));
    EXPECT_EQ(cells.cell(chars + 1, 0), (HexCell{"A", c.background, options.fontColor, false}));

    editor.setMarker(4, 0);
    EXPECT_EQ(cells.cell(1, 0), (HexCell{"4", c.positionText, c.positionBackground, true}));
    EXPECT_EQ(complementOf(0x0000FF), 0xFFFF00u);
}

} // namespace
} // namespace varnik
