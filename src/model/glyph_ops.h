// Whole-character operations on the edited character: rotate, mirror, shift,
// inverse, clear, and the one-character clipboard.
#pragma once

#include "model/workspace.h"

namespace pw {

enum class GlyphOp { Rotate, MirrorH, MirrorV, ShiftLeft, ShiftRight, ShiftUp, ShiftDown, Inverse, Clear, Copy, Paste };

// Applies op to editedChar in the current slot. Returns true when the views
// must be repainted: false for Copy and whenever no character is edited.
bool applyGlyphOp(Workspace& ws, GlyphOp op);

}  // namespace pw
