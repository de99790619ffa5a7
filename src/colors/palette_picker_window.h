// The modal palette picker: the user picks one of the Atari's 128 colours for
// one colour register from the palette picture and confirms it with OK.
#pragma once

#include <QDialog>

#include "colors/palette_picker.h"
#include "ui/canvas_widget.h"

class QLabel;
class QPushButton;

namespace pw {

extern const char* const PalettePickerTitle;
constexpr int PalettePickerWidth = 250;
constexpr int PalettePickerHeight = 340;
// Where the picker opens, measured from the main window's top-left corner.
constexpr int PalettePickerOffsetX = 300;
constexpr int PalettePickerOffsetY = 150;

class PalettePickerWindow : public QDialog {
public:
    // Picks a colour for register reg of colors; OK writes it there, the close
    // box leaves colors alone.
    PalettePickerWindow(ColorRegisters& colors, int reg, QWidget* parent);

    // Handles for tests and tools.
    CanvasWidget* paletteCanvas() const { return palette_; }
    QLabel* colorField() const { return colorField_; }
    QLabel* chosenText() const { return chosenText_; }
    QLabel* hoverText() const { return hoverText_; }
    QPushButton* okButton() const { return okButton_; }
    const PalettePickerState& state() const { return state_; }

private:
    void onPaletteMouse(int x, int y, int held);
    void showChosen();

    ColorRegisters& colors_;
    PalettePickerState state_;
    CanvasWidget* palette_ = nullptr;
    QLabel* colorField_ = nullptr;
    QLabel* chosenText_ = nullptr;
    QLabel* hoverText_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

}  // namespace pw
