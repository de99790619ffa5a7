// The started main window with a scripted host, and ways to drive its canvases
// as a user would: presses, drags and releases at canvas coordinates.
#pragma once

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

#include "scripted_host.h"
#include "ui/main_window.h"

namespace pw::testing {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ws = std::make_unique<Workspace>();
        window = std::make_unique<MainWindow>(*ws, host);
        window->startUp();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        QApplication::processEvents();
    }

    CanvasWidget* canvas(Gadget g) { return window->canvas(g); }
    QPushButton* button(Gadget g) { return qobject_cast<QPushButton*>(window->gadget(g)); }

    // Sends one mouse event to a canvas at drawable-area coordinates.
    void mouse(Gadget g, QEvent::Type type, int x, int y, Qt::MouseButton button, Qt::MouseButtons held) {
        CanvasWidget* c = canvas(g);
        const QPointF local = c->toWidget(x, y);
        QMouseEvent event(type, local, c->mapToGlobal(local), button, held, Qt::NoModifier);
        QApplication::sendEvent(c, &event);
    }
    void press(Gadget g, int x, int y, Qt::MouseButton b) {
        mouse(g, QEvent::MouseButtonPress, x, y, b, b);
    }
    void moveHeld(Gadget g, int x, int y, Qt::MouseButtons held) {
        mouse(g, QEvent::MouseMove, x, y, Qt::NoButton, held);
    }
    void release(Gadget g, int x, int y, Qt::MouseButton b) {
        mouse(g, QEvent::MouseButtonRelease, x, y, b, Qt::NoButton);
    }
    void click(Gadget g, int x, int y, Qt::MouseButton b = Qt::LeftButton) {
        press(g, x, y, b);
        release(g, x, y, b);
    }
    // Press at the first point, move through the others with the button held, release at the last.
    void drag(Gadget g, std::initializer_list<QPoint> points, Qt::MouseButton b) {
        const QPoint first = *points.begin();
        press(g, first.x(), first.y(), b);
        QPoint last = first;
        for (const QPoint& p : points) {
            moveHeld(g, p.x(), p.y(), b);
            last = p;
        }
        release(g, last.x(), last.y(), b);
    }
    void clickButton(Gadget g) { QTest::mouseClick(window->gadget(g), Qt::LeftButton); }
    void menu(int id) { window->menuAction(id)->trigger(); }

    QRgb canvasPixel(Gadget g, int x, int y) { return canvas(g)->image().pixel(x, y); }
    std::string text(QLabel* l) { return l->text().toStdString(); }
    Glyph& glyph(int code, int slot = 0) { return ws->slot(slot ? slot : ws->currentSlot).glyphs[code]; }

    ScriptedHost host;
    std::unique_ptr<Workspace> ws;
    std::unique_ptr<MainWindow> window;
};

}  // namespace pw::testing
