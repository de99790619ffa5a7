#include "ui/canvas_widget.h"

#include <QMouseEvent>
#include <QPainter>

namespace pw {

int buttonBit(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton: return LeftButton;
        case Qt::RightButton: return RightButton;
        case Qt::MiddleButton: return MiddleButton;
        default: return NoButton;
    }
}

int heldButtons(Qt::MouseButtons buttons) {
    int held = NoButton;
    if (buttons & Qt::LeftButton) held |= LeftButton;
    if (buttons & Qt::RightButton) held |= RightButton;
    if (buttons & Qt::MiddleButton) held |= MiddleButton;
    return held;
}

CanvasWidget::CanvasWidget(QWidget* parent, int width, int height, bool sunkenBorder)
    : QFrame(parent), border_(sunkenBorder ? 2 : 0) {
    if (sunkenBorder) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
    }
    setFixedSize(width, height);
    image_ = QImage(width - 2 * border_, height - 2 * border_, QImage::Format_RGB32);
    image_.fill(Qt::black);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

Surface CanvasWidget::surface() {
    return Surface(reinterpret_cast<Pixel*>(image_.bits()), image_.width(), image_.height(),
                   static_cast<int>(image_.bytesPerLine() / sizeof(Pixel)));
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(border_, border_, image_);
}

void CanvasWidget::report(CanvasAction action, QMouseEvent* event) {
    if (!handler_) return;
    const QPoint p = event->position().toPoint();
    handler_(action, p.x() - border_, p.y() - border_, heldButtons(event->buttons()), buttonBit(event->button()));
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) { report(CanvasAction::Press, event); }
void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) { report(CanvasAction::Release, event); }
void CanvasWidget::mouseMoveEvent(QMouseEvent* event) { report(CanvasAction::Move, event); }
void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* event) { report(CanvasAction::DoubleClick, event); }

}  // namespace pw
