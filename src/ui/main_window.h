// The main window: every editing view, the tool buttons, the colour panel,
// four menus, the shortcuts and the status bar. It turns what Qt delivers into
// MainEvents for MainDispatch and draws the views the dispatcher asks for.
#pragma once

#include <QMainWindow>
#include <map>

#include "model/workspace.h"
#include "ui/canvas_widget.h"
#include "ui/host.h"
#include "ui/main_dispatch.h"
#include "ui/main_view.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

namespace pw {

constexpr int ClientWidth = 945;
constexpr int ClientHeight = 645;
extern const char* const MainWindowTitle;

class MainWindow : public QMainWindow, public MainView {
public:
    MainWindow(Workspace& ws, Host& host);
    ~MainWindow() override;

    // The rest of start-up once the window is built: tables, the built-in
    // font, the frame lists, the timer, the colour swatches and the first draw.
    void startUp();
    // Shows the window centred on its screen.
    void showCentred();

    // Every main-window event passes through here.
    bool forward(const MainEvent& e);

    // MainView
    void refreshViews() override;
    void drawCharEditor() override;
    void drawPickedChar() override;
    void drawSetPreview() override;
    void drawSetEditor() override;
    void drawAnimationFrame(int setNumber) override;
    void updateButtonSwatches() override;
    void fillColorSwatches() override;
    void setCharCodeText(const std::string& text) override;
    void setSheetCodeText(const std::string& text) override;
    void setHoverText(const std::string& text) override;
    void setFontFieldText(const std::string& text) override;
    void setSlotNumber(int slot) override;
    void setSetNumber(int set) override;
    void setModeButtonText(const std::string& text) override;
    void setDrawOnSetChecked(bool on) override;
    int startFrameIndex() const override;
    int stopFrameIndex() const override;
    void openPalettePicker(int reg) override;

    // Handles for tests and tools.
    QWidget* gadget(Gadget g) const;
    CanvasWidget* canvas(Gadget g) const;
    QLabel* charCodeLabel() const { return charCodeLabel_; }
    QLabel* sheetCodeLabel() const { return sheetCodeLabel_; }
    QLabel* slotNumberLabel() const { return slotNumberLabel_; }
    QLabel* setNumberLabel() const { return setNumberLabel_; }
    QLabel* lmbSwatch() const { return lmbSwatch_; }
    QLabel* rmbSwatch() const { return rmbSwatch_; }
    QLabel* hoverField() const { return hoverField_; }
    QLabel* fontField() const { return fontField_; }
    QLabel* projectField() const { return projectField_; }
    QWidget* client() const { return client_; }
    QAction* menuAction(int id) const;
    Workspace& workspace() { return ws_; }
    Host& host() { return host_; }
    int timerId() const { return timerId_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildShortcuts();
    void buildStatusBar();
    void buildGadgets();

    QPushButton* button(const char* text, int x, int y, int w, int h, Gadget g, bool wrapped = false);
    QLabel* label(const char* text, int x, int y, int w, int h, bool centred = false, bool sunken = false);
    CanvasWidget* canvasAt(int x, int y, int w, int h, bool sunken, Gadget g);
    void frame(const char* caption, int x, int y, int w, int h);
    void paintCanvas(Gadget g, void (*draw)(const Workspace&, Surface&));
    bool modalDialogOpen() const;

    Workspace& ws_;
    Host& host_;
    MainDispatch dispatch_;

    QWidget* client_ = nullptr;
    std::map<Gadget, QWidget*> gadgets_;
    std::map<int, QAction*> actions_;
    QLabel* charCodeLabel_ = nullptr;
    QLabel* sheetCodeLabel_ = nullptr;
    QLabel* slotNumberLabel_ = nullptr;
    QLabel* setNumberLabel_ = nullptr;
    QLabel* lmbSwatch_ = nullptr;
    QLabel* rmbSwatch_ = nullptr;
    QLabel* hoverField_ = nullptr;
    QLabel* fontField_ = nullptr;
    QLabel* projectField_ = nullptr;
    QComboBox* startFrameCombo_ = nullptr;
    QComboBox* stopFrameCombo_ = nullptr;
    QPushButton* modeButton_ = nullptr;
    QCheckBox* drawOnSetBox_ = nullptr;
    int timerId_ = 0;
    bool closing_ = false;
};

}  // namespace pw
