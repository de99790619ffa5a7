// The document: ten fonts, one hundred sets, the colour registers, the view map
// and the editor's selection state, all in fixed tables owned by one Workspace.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/colors.h"
#include "model/hit_boxes.h"

namespace pw {

constexpr int GlyphCount = 128;
constexpr int SlotCount = 10;
constexpr int SetCount = 100;
constexpr int SetCells = 25;
constexpr int ViewWidth = 60;
constexpr int ViewHeight = 40;
constexpr int EmptyCell = -1;
constexpr int NoChar = -1;

// One 8 x 8 character; pixel[x][y] holds 0 or 1, one byte per pixel in both modes.
struct Glyph {
    std::array<std::array<std::uint8_t, 8>, 8> pixel{};

    std::uint8_t at(int x, int y) const { return pixel[x][y]; }
    // Value 0..3 of the four-colour pair starting at even column x0; the left pixel is the high bit.
    int pair(int x0, int y) const { return 2 * pixel[x0][y] + pixel[x0 + 1][y]; }
};

struct FontSlot {
    std::array<Glyph, GlyphCount> glyphs{};
    std::string fileName = "Default.fnt";
    std::string filePath;
};

// The Atari's own 1024-byte character-set layout: byte 8*c + y is row y of
// character c, bit 7 the leftmost pixel.
using PackedFont = std::array<std::uint8_t, 1024>;

struct SetGrid {
    std::array<std::int32_t, SetCells> cells{};
};

enum class DisplayMode { Normal, Mask };

// The set animation player's state; driven by the main window's timer.
struct AnimationPlayer {
    bool running = false;
    int startFrame = 1;
    int stopFrame = 1;
    int frame = 1;
    std::int32_t ticksLeft = 0;
};

// The View Editor's export rectangle, in map cells.
struct ExportRegion {
    int x = 0;
    int y = 0;
    int width = 4;
    int height = 4;
};

struct Workspace {
    Workspace();

    // Fonts, numbered 1..10; index 0 is never used.
    std::array<FontSlot, SlotCount + 1> fontSlots{};
    PackedFont fontBuffer{};

    // Sets, numbered 1..100; index 0 is never used.
    std::array<SetGrid, SetCount + 1> sets{};
    std::array<std::int32_t, SetCells> setClipboard{};
    std::array<std::uint8_t, 64> glyphClipboard{};

    ColorRegisters colors;

    // view[x][y]: a character code 0..127 or -1.
    std::array<std::array<std::int32_t, ViewHeight>, ViewWidth> view{};

    HitBoxTable hitBoxes{};

    int currentSlot = 1;
    int currentSet = 1;
    int editedChar = NoChar;
    int pickedChar = 1;
    bool multicolour = false;
    DisplayMode displayMode = DisplayMode::Normal;
    int lmbColor = ColorLum;
    int rmbColor = ColorBak;
    int savedLmbColor = ColorPf0;
    int savedRmbColor = ColorBak;
    bool drawOnSet = true;
    bool setEditorGrid = true;
    bool setPreviewGrid = true;
    std::int32_t inputCountdown = 0;
    int heldRowKey = 0;  // 0 = none, else the digit 1..5 held down
    std::string projectPath;

    AnimationPlayer animation;

    bool viewEditorOpen = false;
    bool viewGrid = false;
    bool viewSetDraw = false;
    bool viewAlwaysOnTop = false;
    ExportRegion exportRegion;

    FontSlot& slot(int n) { return fontSlots[n]; }
    const FontSlot& slot(int n) const { return fontSlots[n]; }
    FontSlot& current() { return fontSlots[currentSlot]; }
    const FontSlot& current() const { return fontSlots[currentSlot]; }
    SetGrid& set(int n) { return sets[n]; }
    const SetGrid& set(int n) const { return sets[n]; }
};

// Empties every set and the view map and fills the hit-box table: the part of
// start-up that prepares the tables before any font is loaded.
void prepareTables(Workspace& ws);

// The state right after the program has started: tables prepared, the built-in
// font in slot 1, and character 1 in the editor.
void initStartupWorkspace(Workspace& ws);

}  // namespace pw
