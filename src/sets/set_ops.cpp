#include "sets/set_ops.h"

namespace pw {

namespace {

constexpr int RowKeyCount = 5;
constexpr int RowLength = 5;
// placeCharInSet empties a cell when its argument is the cell index plus this.
constexpr int EmptyCellArg = 50;

bool isCharCode(int v) { return v >= 0 && v < GlyphCount; }

SetGrid& currentGrid(Workspace& ws) { return ws.set(ws.currentSet); }

}  // namespace

void placeCharInSet(Workspace& ws, int arg) {
    auto& cells = currentGrid(ws).cells;
    if (arg >= 0 && arg < SetCells) {
        // The ink comes from the font sheet, so it is a code already; the check
        // keeps a bad value from ever reaching a set.
        if (isCharCode(ws.pickedChar)) cells[arg] = ws.pickedChar;
    } else if (arg >= EmptyCellArg && arg < EmptyCellArg + SetCells) {
        cells[arg - EmptyCellArg] = EmptyCell;
    }
}

bool appendCharToSetRow(Workspace& ws, int code, int rowKey) {
    if (rowKey < 1 || rowKey > RowKeyCount || !isCharCode(code)) return false;
    auto& cells = currentGrid(ws).cells;
    const int first = (rowKey - 1) * RowLength;
    for (int k = first; k < first + RowLength; ++k) {
        if (cells[k] == EmptyCell) {
            cells[k] = code;
            return true;
        }
    }
    return false;
}

void copySet(Workspace& ws) { ws.setClipboard = currentGrid(ws).cells; }

// The clipboard starts as 25 zeros rather than empty cells, so pasting before
// any copy fills the set with code 0; that is how the program has always behaved.
void pasteSet(Workspace& ws) { currentGrid(ws).cells = ws.setClipboard; }

void clearSet(Workspace& ws) { currentGrid(ws).cells.fill(EmptyCell); }

void clearSetBits(Workspace& ws) {
    auto& glyphs = ws.current().glyphs;
    for (const std::int32_t code : currentGrid(ws).cells) {
        // Empty cells are skipped; anything else outside the code range could
        // only come from a damaged table and must not index past the font.
        if (!isCharCode(code)) continue;
        for (auto& column : glyphs[code].pixel) column.fill(0);
    }
}

bool nextSet(Workspace& ws) {
    if (ws.currentSet >= SetCount) return false;
    ++ws.currentSet;
    return true;
}

bool previousSet(Workspace& ws) {
    if (ws.currentSet <= 1) return false;
    --ws.currentSet;
    return true;
}

}  // namespace pw
