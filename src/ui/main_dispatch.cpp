#include "ui/main_dispatch.h"

#include "model/code_text.h"
#include "model/hit_boxes.h"
#include "model/packed_font.h"
#include "model/painting.h"
#include "sets/animation.h"
#include "sets/set_ops.h"

namespace pw {

namespace {

// Menu commands by id (the shortcuts raise the same ids). refresh: redraw all
// views afterwards; guard: arm the input countdown afterwards.
struct MenuRow {
    int id;
    Command command;
    bool refresh;
    bool guard;
};

constexpr MenuRow MenuTable[] = {
    {0, Command::OpenProject, true, true},
    {1, Command::SaveProject, false, true},
    {2, Command::SaveProjectAs, false, true},
    {3, Command::About, false, false},
    {4, Command::Exit, false, false},
    {5, Command::LoadFont, true, true},
    {6, Command::SaveFont, false, true},
    {7, Command::SaveRangeFont, false, true},
    {8, Command::DefaultFont, false, false},
    {9, Command::NextSlot, false, false},
    {10, Command::PreviousSlot, false, false},
    {11, Command::Undo, false, false},
    {12, Command::Redo, false, false},
    {13, Command::Rotate, false, false},
    {14, Command::MirrorH, false, false},
    {15, Command::MirrorV, false, false},
    {16, Command::ShiftLeft, false, false},
    {17, Command::ShiftRight, false, false},
    {18, Command::ShiftUp, false, false},
    {19, Command::ShiftDown, false, false},
    {20, Command::Inverse, false, false},
    {21, Command::Clear, false, false},
    {22, Command::CopyGlyph, false, false},
    {23, Command::PasteGlyph, false, false},
    {24, Command::PreviewGrid, false, false},
    {25, Command::NextSet, false, false},
    {26, Command::PreviousSet, false, false},
    {27, Command::LoadSet, false, false},
    {28, Command::SaveSet, false, false},
    {29, Command::LoadAllSets, false, false},
    {30, Command::SaveAllSets, false, false},
    {31, Command::CopySet, false, false},
    {32, Command::PasteSet, true, false},
    {33, Command::ClearSet, true, false},
    {34, Command::ClearSetBits, true, false},
    {35, Command::ExportSetBin, false, false},
};

// Push buttons, check boxes and radio buttons. The set-file buttons arm the
// countdown although the menu items for the same files do not.
struct GadgetRow {
    Gadget gadget;
    Command command;
    int arg;
    bool refresh;
    bool guard;
};

constexpr GadgetRow GadgetTable[] = {
    {Gadget::AnimationStart, Command::StartAnimation, 0, false, false},
    {Gadget::ModeNormal, Command::ModeNormal, 0, false, false},
    {Gadget::ModeMask, Command::ModeMask, 0, false, false},
    {Gadget::SetCopy, Command::CopySet, 0, false, false},
    {Gadget::SetPaste, Command::PasteSet, 0, true, false},
    {Gadget::SetNext, Command::NextSet, 0, false, false},
    {Gadget::SetPrevious, Command::PreviousSet, 0, false, false},
    {Gadget::SaveSet, Command::SaveSet, 0, false, true},
    {Gadget::SaveAllSets, Command::SaveAllSets, 0, false, true},
    {Gadget::LoadSet, Command::LoadSet, 0, false, true},
    {Gadget::LoadAllSets, Command::LoadAllSets, 0, false, true},
    {Gadget::ViewEditor, Command::OpenViewEditor, 0, false, false},
    {Gadget::ExportImage, Command::ExportImage, 0, false, true},
    {Gadget::ExportText, Command::ExportText, 0, false, false},
    {Gadget::SaveColors, Command::SaveColors, 0, false, false},
    {Gadget::LoadColors, Command::LoadColors, 0, false, false},
    {Gadget::Rotate, Command::Rotate, 0, false, false},
    {Gadget::MirrorH, Command::MirrorH, 0, false, false},
    {Gadget::MirrorV, Command::MirrorV, 0, false, false},
    {Gadget::Inverse, Command::Inverse, 0, false, false},
    {Gadget::Clear, Command::Clear, 0, false, false},
    {Gadget::Copy, Command::CopyGlyph, 0, false, false},
    {Gadget::Paste, Command::PasteGlyph, 0, false, false},
    {Gadget::ShiftLeft, Command::ShiftLeft, 0, false, false},
    {Gadget::ShiftRight, Command::ShiftRight, 0, false, false},
    {Gadget::ShiftUp, Command::ShiftUp, 0, false, false},
    {Gadget::ShiftDown, Command::ShiftDown, 0, false, false},
    {Gadget::PickLum, Command::PickColor, ColorLum, false, false},
    {Gadget::PickBak, Command::PickColor, ColorBak, false, false},
    {Gadget::PickPf0, Command::PickColor, ColorPf0, false, false},
    {Gadget::PickPf1, Command::PickColor, ColorPf1, false, false},
    {Gadget::PickPf2, Command::PickColor, ColorPf2, false, false},
    {Gadget::PickPf3, Command::PickColor, ColorPf3, false, false},
    {Gadget::SlotNext, Command::NextSlot, 0, false, false},
    {Gadget::SlotPrevious, Command::PreviousSlot, 0, false, false},
    {Gadget::EditorGrid, Command::EditorGrid, 0, false, false},
    {Gadget::DrawOnSet, Command::DrawOnSet, 0, false, false},
    {Gadget::LoadFnt, Command::LoadFont, 0, true, true},
    {Gadget::SaveFnt, Command::SaveFont, 0, false, true},
    {Gadget::SaveRangeFnt, Command::SaveRangeFont, 0, false, true},
    {Gadget::DefaultFont, Command::DefaultFont, 0, false, false},
    {Gadget::ColourMode, Command::ColourMode, 0, false, false},
};

constexpr struct {
    Command command;
    GlyphOp op;
} GlyphCommands[] = {
    {Command::Rotate, GlyphOp::Rotate},         {Command::MirrorH, GlyphOp::MirrorH},
    {Command::MirrorV, GlyphOp::MirrorV},       {Command::ShiftLeft, GlyphOp::ShiftLeft},
    {Command::ShiftRight, GlyphOp::ShiftRight}, {Command::ShiftUp, GlyphOp::ShiftUp},
    {Command::ShiftDown, GlyphOp::ShiftDown},   {Command::Inverse, GlyphOp::Inverse},
    {Command::Clear, GlyphOp::Clear},           {Command::CopyGlyph, GlyphOp::Copy},
    {Command::PasteGlyph, GlyphOp::Paste},
};

int swatchRegister(Gadget g) {
    switch (g) {
        case Gadget::SwatchLum: return ColorLum;
        case Gadget::SwatchBak: return ColorBak;
        case Gadget::SwatchPf0: return ColorPf0;
        case Gadget::SwatchPf1: return ColorPf1;
        case Gadget::SwatchPf2: return ColorPf2;
        case Gadget::SwatchPf3: return ColorPf3;
        default: return 0;
    }
}

const char* const AboutText =
    "Pixelwick (ver$ 0.97.85)\n\n"
    "A character font editor for the Atari 8-bit computers.";

std::string hoverCellText(int code) {
    return code == EmptyCell ? "Char Set: NONE" : codeText("Char Set: $", code);
}

}  // namespace

Command MainDispatch::menuCommand(int id) {
    for (const MenuRow& row : MenuTable)
        if (row.id == id) return row.command;
    return Command::None;
}

bool MainDispatch::dispatch(const MainEvent& e) {
    // Every event counts, the timer's too, so a guard runs down by itself.
    if (ws_.inputCountdown > 0) --ws_.inputCountdown;

    switch (e.kind) {
        case MainEvent::Kind::Close:
            return !askExit();
        case MainEvent::Kind::Timer:
            if (ws_.animation.running && e.id == AnimationTimerId) view_.drawAnimationFrame(animationTick(ws_.animation));
            return true;
        case MainEvent::Kind::KeyDown:
            keyDown(e.id);
            return true;
        case MainEvent::Kind::KeyUp:
            ws_.heldRowKey = 0;
            return true;
        case MainEvent::Kind::Menu:
            return runMenu(e.id);
        case MainEvent::Kind::Gadget:
            return runGadget(e);
        case MainEvent::Kind::Canvas:
            canvasEvent(e);
            return true;
    }
    return true;
}

bool MainDispatch::runMenu(int id) {
    for (const MenuRow& row : MenuTable) {
        if (row.id != id) continue;
        const bool goOn = run(row.command);
        if (row.refresh) view_.refreshViews();
        if (row.guard) ws_.inputCountdown = InputGuardEvents;
        return goOn;
    }
    return true;
}

bool MainDispatch::runGadget(const MainEvent& e) {
    for (const GadgetRow& row : GadgetTable) {
        if (row.gadget != e.gadget) continue;
        const bool goOn = run(row.command, row.arg, e.checked);
        if (row.refresh) view_.refreshViews();
        if (row.guard) ws_.inputCountdown = InputGuardEvents;
        return goOn;
    }
    return true;
}

bool MainDispatch::run(Command c, int arg, bool checked) {
    for (const auto& g : GlyphCommands) {
        if (g.command == c) {
            glyphOp(g.op);
            return true;
        }
    }
    switch (c) {
        case Command::Exit:
            return !askExit();
        case Command::About:
            host_.message("About", AboutText);
            break;
        case Command::DefaultFont:
            if (host_.question("Default font...", "Load Atari Default Font ?")) {
                loadDefaultFont(ws_);
                unpackFont(ws_, ws_.currentSlot);
                view_.refreshViews();
            }
            break;
        case Command::NextSlot:
            stepSlot(+1);
            break;
        case Command::PreviousSlot:
            stepSlot(-1);
            break;
        case Command::Undo:
        case Command::Redo:
            // There is no undo history; the commands are accepted and do nothing.
            break;
        case Command::PreviewGrid:
            ws_.setPreviewGrid = !ws_.setPreviewGrid;
            view_.drawSetPreview();
            break;
        case Command::EditorGrid:
            ws_.setEditorGrid = checked;
            view_.drawSetEditor();
            break;
        case Command::DrawOnSet:
            ws_.drawOnSet = checked;
            break;
        case Command::NextSet:
            stepSet(true);
            break;
        case Command::PreviousSet:
            stepSet(false);
            break;
        case Command::CopySet:
            copySet(ws_);
            break;
        case Command::PasteSet:
            pasteSet(ws_);
            break;
        case Command::ClearSet:
            clearSet(ws_);
            break;
        case Command::ClearSetBits:
            clearSetBits(ws_);
            break;
        case Command::StartAnimation:
            startAnimation();
            break;
        case Command::ModeNormal:
            ws_.displayMode = DisplayMode::Normal;
            view_.refreshViews();
            break;
        case Command::ModeMask:
            ws_.displayMode = DisplayMode::Mask;
            view_.refreshViews();
            break;
        case Command::ColourMode:
            toggleColourMode(ws_);
            view_.setModeButtonText(modeButtonText(ws_));
            view_.updateButtonSwatches();
            view_.refreshViews();
            break;
        case Command::PickColor:
            view_.openPalettePicker(arg);
            break;
        case Command::OpenProject:
        case Command::SaveProject:
        case Command::SaveProjectAs:
        case Command::LoadFont:
        case Command::SaveFont:
        case Command::SaveRangeFont:
        case Command::LoadSet:
        case Command::SaveSet:
        case Command::LoadAllSets:
        case Command::SaveAllSets:
        case Command::ExportSetBin:
        case Command::OpenViewEditor:
        case Command::ExportImage:
        case Command::ExportText:
        case Command::SaveColors:
        case Command::LoadColors:
            fileCommand(c);
            break;
        default:
            break;
    }
    return true;
}

void MainDispatch::fileCommand(Command) {
    // Files, exports and the View Editor are not part of this build yet: the
    // commands are routed here and change nothing.
}

bool MainDispatch::askExit() { return host_.question("Exit...", "Exit? Unsaved changes will be lost!"); }

void MainDispatch::glyphOp(GlyphOp op) {
    if (applyGlyphOp(ws_, op)) view_.refreshViews();
}

void MainDispatch::showCharCode() { view_.setCharCodeText(codeText("Char: $", ws_.editedChar)); }

void MainDispatch::stepSlot(int delta) {
    const int slot = ws_.currentSlot + delta;
    if (slot < 1 || slot > SlotCount) return;
    ws_.currentSlot = slot;
    view_.setSlotNumber(slot);
    view_.refreshViews();
}

void MainDispatch::stepSet(bool next) {
    if (!(next ? nextSet(ws_) : previousSet(ws_))) return;
    view_.setSetNumber(ws_.currentSet);
    view_.refreshViews();
}

void MainDispatch::startAnimation() {
    const int start = view_.startFrameIndex() + 1;
    const int stop = view_.stopFrameIndex() + 1;
    if (pw::startAnimation(ws_.animation, start, stop) == StartResult::StopBeforeStart)
        host_.message("Error anim!", "Start frame must not be less than the stop frame!");
}

void MainDispatch::keyDown(int key) {
    if (key >= KeyDigit1 && key <= KeyDigit5) {
        ws_.heldRowKey = key - KeyDigit1 + 1;
    } else if (key == KeyD) {
        ws_.drawOnSet = !ws_.drawOnSet;
        view_.setDrawOnSetChecked(ws_.drawOnSet);
    }
}

void MainDispatch::canvasEvent(const MainEvent& e) {
    switch (e.gadget) {
        case Gadget::CharEditorCanvas: charEditorEvent(e); break;
        case Gadget::SetEditorCanvas: setEditorEvent(e); break;
        case Gadget::FontSheetCanvas: fontSheetEvent(e); break;
        case Gadget::SetPreviewCanvas: setPreviewEvent(e); break;
        default:
            if (const int reg = swatchRegister(e.gadget)) swatchEvent(reg, e);
            break;
    }
}

void MainDispatch::charEditorEvent(const MainEvent& e) {
    const int box = hitTest(ws_.hitBoxes, CharEditorBoxes, e.x, e.y);
    if (box < 0 || ws_.editedChar == NoChar) return;
    const HitBox& b = ws_.hitBoxes[box];
    if (e.held == LeftButton && ws_.inputCountdown == 0) {
        paintPixel(ws_, ws_.editedChar, b.col, b.row, MouseButton::Left);
        view_.refreshViews();
    }
    if (e.held == RightButton) {
        paintPixel(ws_, ws_.editedChar, b.col, b.row, MouseButton::Right);
        view_.refreshViews();
    }
}

void MainDispatch::setEditorEvent(const MainEvent& e) {
    const int pix = hitTest(ws_.hitBoxes, SetEditorPixelBoxes, e.x, e.y);
    const int cell = hitTest(ws_.hitBoxes, SetEditorCellBoxes, e.x, e.y);
    const auto& cells = ws_.set(ws_.currentSet).cells;
    auto pickAndPaint = [&](MouseButton button) {
        if (cell >= 0) {
            ws_.editedChar = cells[cell - SetEditorCellBoxes.first];
            view_.drawCharEditor();
            showCharCode();
        }
        if (ws_.drawOnSet && pix >= 0 && ws_.editedChar != NoChar) {
            const HitBox& b = ws_.hitBoxes[pix];
            paintPixel(ws_, ws_.editedChar, b.col, b.row, button);
            view_.refreshViews();
        }
    };
    if (e.held == LeftButton && ws_.inputCountdown == 0) pickAndPaint(MouseButton::Left);
    if (e.held == RightButton) pickAndPaint(MouseButton::Right);
    view_.setHoverText(cell >= 0 ? hoverCellText(cells[cell - SetEditorCellBoxes.first]) : "Char Set: NONE");
}

void MainDispatch::fontSheetEvent(const MainEvent& e) {
    int b = hitTest(ws_.hitBoxes, FontSheetBoxes, e.x, e.y);
    if (b < 0) return;
    // The inverse half stands for the same characters as the normal half.
    if (b >= GlyphCount) b -= GlyphCount;
    if (e.action == CanvasAction::Release && e.button == LeftButton) {
        if (ws_.heldRowKey != 0) {
            appendCharToSetRow(ws_, b, ws_.heldRowKey);
            view_.refreshViews();
        } else {
            ws_.pickedChar = b;
            ws_.editedChar = b;
            showCharCode();
            view_.drawPickedChar();
            view_.drawCharEditor();
        }
        view_.setSheetCodeText(codeText("$", b));
    }
    view_.setHoverText(codeText("Char Font: $", b));
}

void MainDispatch::setPreviewEvent(const MainEvent& e) {
    const int box = hitTest(ws_.hitBoxes, SetPreviewBoxes, e.x, e.y);
    const int cell = box < 0 ? -1 : box - SetPreviewBoxes.first;
    const auto& cells = ws_.set(ws_.currentSet).cells;
    if (cell >= 0) {
        if (e.held == MiddleButton) {
            ws_.editedChar = cells[cell];
            showCharCode();
            view_.drawCharEditor();
        } else if (e.held == LeftButton && ws_.inputCountdown == 0) {
            placeCharInSet(ws_, cell);
            view_.refreshViews();
        } else if (e.held == RightButton) {
            placeCharInSet(ws_, cell + 50);
            view_.drawSetPreview();
            view_.drawSetEditor();
            view_.drawCharEditor();
        }
    }
    view_.setHoverText(cell >= 0 ? hoverCellText(cells[cell]) : "Char Set: NONE");
}

void MainDispatch::swatchEvent(int reg, const MainEvent& e) {
    if (e.action != CanvasAction::Release) return;
    if (e.button == LeftButton) {
        chooseButtonColor(ws_, reg, MouseButton::Left);
    } else if (e.button == RightButton) {
        chooseButtonColor(ws_, reg, MouseButton::Right);
    } else {
        return;
    }
    view_.updateButtonSwatches();
}

}  // namespace pw
