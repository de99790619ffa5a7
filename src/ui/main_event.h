// One plain event of the main window, as the dispatcher sees it: whatever Qt
// delivered (a menu command, a gadget, a canvas mouse event, a key, the timer
// or the close box) is turned into one of these.
#pragma once

namespace pw {

enum class Gadget {
    None,
    // Set panel
    SetNext, SetPrevious, SetCopy, SetPaste, SaveSet, LoadSet, SaveAllSets, LoadAllSets,
    // Animation panel
    StartFrameCombo, StopFrameCombo, AnimationStart,
    // Display mode
    ModeNormal, ModeMask,
    // Font slot and files
    SlotPrevious, SlotNext, LoadFnt, SaveFnt, SaveRangeFnt, DefaultFont, ExportImage, ExportText, ViewEditor,
    // Character tools
    ColourMode, Rotate, MirrorH, MirrorV, ShiftLeft, ShiftRight, ShiftUp, ShiftDown, Inverse, Clear, Copy, Paste,
    Undo, Redo,
    // Editor options
    DrawOnSet, EditorGrid,
    // Colour registers: the six "<" buttons, then files
    PickLum, PickBak, PickPf0, PickPf1, PickPf2, PickPf3, LoadColors, SaveColors,
    // Canvases
    SetPreviewCanvas, AnimationCanvas, SetEditorCanvas, SelectedCharCanvas, FontSheetCanvas, CharEditorCanvas,
    SwatchLum, SwatchBak, SwatchPf0, SwatchPf1, SwatchPf2, SwatchPf3,
};

// Mouse buttons as a held set: compared as a whole, so two buttons held
// together are neither "left" nor "right".
enum Buttons : int { NoButton = 0, LeftButton = 1, RightButton = 2, MiddleButton = 4 };

enum class CanvasAction { Press, Release, Move, DoubleClick };

// The virtual-key codes the program reads as raw keys.
constexpr int KeyDigit1 = 49;
constexpr int KeyDigit5 = 53;
constexpr int KeyD = 68;

constexpr int AnimationTimerId = 125;

struct MainEvent {
    enum class Kind { Menu, Gadget, Canvas, KeyDown, KeyUp, Timer, Close };

    Kind kind = Kind::Gadget;
    int id = 0;                 // menu command id, timer id or virtual-key code
    Gadget gadget = Gadget::None;
    bool checked = false;       // state of a check box after the event
    CanvasAction action = CanvasAction::Move;
    int x = 0, y = 0;           // canvas position, inside the border
    int held = NoButton;        // buttons held at the time of the event
    int button = NoButton;      // the button pressed or released by this event

    static MainEvent menu(int id) { return {Kind::Menu, id}; }
    static MainEvent timer(int id) { return {Kind::Timer, id}; }
    static MainEvent keyDown(int key) { return {Kind::KeyDown, key}; }
    static MainEvent keyUp(int key) { return {Kind::KeyUp, key}; }
    static MainEvent close() { return {Kind::Close}; }
    static MainEvent gadgetEvent(Gadget g, bool checked = false) {
        MainEvent e{Kind::Gadget};
        e.gadget = g;
        e.checked = checked;
        return e;
    }
    static MainEvent canvas(Gadget g, CanvasAction action, int x, int y, int held, int button = NoButton) {
        MainEvent e{Kind::Canvas};
        e.gadget = g;
        e.action = action;
        e.x = x;
        e.y = y;
        e.held = held;
        e.button = button;
        return e;
    }
};

}  // namespace pw
