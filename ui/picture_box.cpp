#include "picture_box.h"

#include "device_pixels.h"

#include <QPainter>

namespace pabrel::ui {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent)
{
    // A Windows-style panel is two pixels wide on each side, whatever the style.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        const QRect interior = contentsRect();
        painter.fillRect(interior, palette().button());
        painter.setClipRect(interior);
        drawAtPixelSize(painter, interior.topLeft(), picture_);
    }
    QFrame::paintEvent(event);
}

} // namespace pabrel::ui
