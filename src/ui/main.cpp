// Pixelwick: a character font editor for the Atari 8-bit computers.
#include <QApplication>
#include <memory>

#include "model/workspace.h"
#include "ui/main_window.h"
#include "ui/qt_host.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    auto workspace = std::make_unique<pw::Workspace>();
    pw::QtHost host;
    pw::MainWindow window(*workspace, host);
    host.setParent(&window);
    window.startUp();
    window.showCentred();
    return app.exec();
}
