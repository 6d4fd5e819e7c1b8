// The bar's colours as a strip.
#include "windows/bar_palette.h"

#include <QPainter>

namespace salvenor::bar_palette {

void DrawStrip(QPainter& p, const QRect& area) {
    const int third = area.width() / 3;
    p.fillRect(QRect(area.left(), area.top(), third, area.height()), StripGreen);
    p.fillRect(QRect(area.left() + third, area.top(), third, area.height()), StripGrey);
    p.fillRect(QRect(area.left() + 2 * third, area.top(), area.width() - 2 * third, area.height()),
               StripRed);
}

}  // namespace salvenor::bar_palette
