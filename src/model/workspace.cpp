#include "model/workspace.h"

#include "assets/default_atari_font.h"
#include "model/packed_font.h"

namespace pw {

Workspace::Workspace() : fontBuffer(DefaultAtariFont) {}

void prepareTables(Workspace& ws) {
    for (SetGrid& s : ws.sets) s.cells.fill(EmptyCell);
    for (auto& column : ws.view) column.fill(EmptyCell);
    buildHitBoxes(ws.hitBoxes);
}

void initStartupWorkspace(Workspace& ws) {
    prepareTables(ws);
    loadDefaultFont(ws);
    unpackFont(ws, 1);
    ws.editedChar = 1;
}

}  // namespace pw
