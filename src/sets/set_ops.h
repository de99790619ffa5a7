// Choosing the current set and filling, emptying, copying and clearing it.
#pragma once

#include "model/workspace.h"

namespace pw {

// 0..24 writes pickedChar into that cell of the current set; 50..74 empties
// cell (arg - 50). Anything else changes nothing. One entry serves both mouse
// buttons of the set preview, which pass the cell index or the index + 50.
void placeCharInSet(Workspace& ws, int arg);

// Writes code into the first empty cell of row rowKey (1..5, top to bottom) of
// the current set, scanning left to right. Returns false, changing nothing, when
// the row is full, the key is not 1..5 or the code is not 0..127.
bool appendCharToSetRow(Workspace& ws, int code, int rowKey);

void copySet(Workspace& ws);
void pasteSet(Workspace& ws);
void clearSet(Workspace& ws);
// Blanks the pixels of every character the current set shows, in the current slot.
void clearSetBits(Workspace& ws);

// Step the current set within 1..100; false (and no change) at the bound.
bool nextSet(Workspace& ws);
bool previousSet(Workspace& ws);

}  // namespace pw
