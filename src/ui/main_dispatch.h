// The main window's event handler: every menu command, shortcut, gadget,
// canvas event, raw key, timer tick and close request arrives here and is
// routed to the operation that handles it.
#pragma once

#include "model/glyph_ops.h"
#include "model/workspace.h"
#include "ui/host.h"
#include "ui/main_event.h"
#include "ui/main_view.h"

namespace pw {

enum class Command {
    None,
    OpenProject, SaveProject, SaveProjectAs, About, Exit,
    LoadFont, SaveFont, SaveRangeFont, DefaultFont, NextSlot, PreviousSlot,
    Undo, Redo,
    Rotate, MirrorH, MirrorV, ShiftLeft, ShiftRight, ShiftUp, ShiftDown, Inverse, Clear, CopyGlyph, PasteGlyph,
    PreviewGrid, NextSet, PreviousSet, LoadSet, SaveSet, LoadAllSets, SaveAllSets,
    CopySet, PasteSet, ClearSet, ClearSetBits, ExportSetBin,
    // Gadget-only commands
    StartAnimation, ModeNormal, ModeMask, OpenViewEditor, ExportImage, ExportText, SaveColors, LoadColors,
    PickColor, ColourMode, DrawOnSet, EditorGrid,
};

// Left click, once the input countdown has been armed, waits this many events.
constexpr int InputGuardEvents = 15;

class MainDispatch {
public:
    MainDispatch(Workspace& ws, Host& host, MainView& view) : ws_(ws), host_(host), view_(view) {}

    // Handles one event; false means the program is to end.
    bool dispatch(const MainEvent& e);

    // The three ways to a command: menu id (also raised by the shortcuts), gadget.
    static Command menuCommand(int id);

private:
    bool runMenu(int id);
    bool runGadget(const MainEvent& e);
    bool run(Command c, int arg = 0, bool checked = false);
    void canvasEvent(const MainEvent& e);

    void charEditorEvent(const MainEvent& e);
    void setEditorEvent(const MainEvent& e);
    void fontSheetEvent(const MainEvent& e);
    void setPreviewEvent(const MainEvent& e);
    void swatchEvent(int reg, const MainEvent& e);
    void keyDown(int key);

    void glyphOp(GlyphOp op);
    void showCharCode();
    void stepSlot(int delta);
    void stepSet(bool next);
    void startAnimation();
    void fileCommand(Command c);
    bool askExit();

    Workspace& ws_;
    Host& host_;
    MainView& view_;
};

}  // namespace pw
