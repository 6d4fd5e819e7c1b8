// The play button's faces, drawn here rather than shipped as pictures.
#include "windows/play_button.h"

#include <QPainter>
#include <QPolygon>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace salvenor {

namespace {

const QColor FaceColour(192, 192, 192);
const QColor Light(255, 255, 255);
const QColor Shadow(128, 128, 128);
const QColor Dark(0, 0, 0);
const QColor Triangle(0, 96, 0);

}  // namespace

QImage CPlayButton::Face(bool pressed) {
    constexpr int w = FaceWidth;
    constexpr int h = FaceHeight;
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(FaceColour);
    QPainter painter(&image);
    const auto line = [&painter](const QColor& c, int x0, int y0, int x1, int y1) {
        painter.setPen(c);
        painter.drawLine(x0, y0, x1, y1);
    };
    if (!pressed) {
        // Raised: light top and left, dark bottom and right with a shadow inside.
        line(Light, 0, 0, w - 2, 0);
        line(Light, 0, 0, 0, h - 2);
        line(Dark, 0, h - 1, w - 1, h - 1);
        line(Dark, w - 1, 0, w - 1, h - 1);
        line(Shadow, 1, h - 2, w - 2, h - 2);
        line(Shadow, w - 2, 1, w - 2, h - 2);
    } else {
        // Sunken: the bevel turned round.
        line(Dark, 0, 0, w - 1, 0);
        line(Dark, 0, 0, 0, h - 1);
        line(Shadow, 1, 1, w - 2, 1);
        line(Shadow, 1, 1, 1, h - 2);
        line(Light, 1, h - 1, w - 1, h - 1);
        line(Light, w - 1, 1, w - 1, h - 1);
    }
    // The play triangle, pointing right; it moves with the face when pressed.
    const int shift = pressed ? 1 : 0;
    const QPolygon triangle({QPoint(8 + shift, 5 + shift), QPoint(8 + shift, 15 + shift),
                             QPoint(14 + shift, 10 + shift)});
    painter.setPen(Triangle);
    painter.setBrush(Triangle);
    painter.drawPolygon(triangle);
    return image;
}

CPlayButton::CPlayButton(QWidget* parent)
    : QAbstractButton(parent), up_(Face(false)), down_(Face(true)) {
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
}

QSize CPlayButton::sizeHint() const {
    return up_.size();
}

void CPlayButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, isDown() ? down_ : up_);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

}  // namespace salvenor
