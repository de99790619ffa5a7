// What the dispatcher needs of the main window: redrawing views and setting
// the texts and states of its gadgets. MainWindow implements it.
#pragma once

#include <string>

namespace pw {

class MainView {
public:
    virtual ~MainView() = default;

    // Font sheet, set preview, set editor, character editor, picked character,
    // button swatches and, while it is open, the View Editor's map.
    virtual void refreshViews() = 0;
    virtual void drawCharEditor() = 0;
    virtual void drawPickedChar() = 0;
    virtual void drawSetPreview() = 0;
    virtual void drawSetEditor() = 0;
    virtual void drawAnimationFrame(int setNumber) = 0;
    virtual void updateButtonSwatches() = 0;
    virtual void fillColorSwatches() = 0;

    virtual void setCharCodeText(const std::string& text) = 0;
    virtual void setSheetCodeText(const std::string& text) = 0;
    virtual void setHoverText(const std::string& text) = 0;
    virtual void setFontFieldText(const std::string& text) = 0;
    virtual void setSlotNumber(int slot) = 0;
    virtual void setSetNumber(int set) = 0;
    virtual void setModeButtonText(const std::string& text) = 0;
    virtual void setDrawOnSetChecked(bool on) = 0;

    // Selected items of the two animation frame lists, counted from 0.
    virtual int startFrameIndex() const = 0;
    virtual int stopFrameIndex() const = 0;

    // The modal palette picker for register 1..6; returns when it closes.
    virtual void openPalettePicker(int reg) = 0;
};

}  // namespace pw
