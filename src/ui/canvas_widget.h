// A canvas: shows an RGB32 image drawn by the core through a Surface, inside
// an optional 2-pixel sunken border, and reports every mouse event with the
// position measured from the top-left of the drawable area.
#pragma once

#include <QFrame>
#include <QImage>
#include <functional>

#include "render/surface.h"
#include "ui/main_event.h"

namespace pw {

class CanvasWidget : public QFrame {
public:
    using MouseHandler = std::function<void(CanvasAction action, int x, int y, int held, int button)>;

    // width and height are the widget's full size, border included.
    CanvasWidget(QWidget* parent, int width, int height, bool sunkenBorder);

    Surface surface();
    const QImage& image() const { return image_; }
    void setMouseHandler(MouseHandler handler) { handler_ = std::move(handler); }
    int border() const { return border_; }
    // A point of the drawable area in widget coordinates, for tests and tools.
    QPoint toWidget(int x, int y) const { return QPoint(x + border_, y + border_); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void report(CanvasAction action, QMouseEvent* event);

    int border_;
    QImage image_;
    MouseHandler handler_;
};

int heldButtons(Qt::MouseButtons buttons);
int buttonBit(Qt::MouseButton button);

}  // namespace pw
