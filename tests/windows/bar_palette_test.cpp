// The bar's three-colour strip: green, grey and red a third each, the last third taking what is
// left, and nothing drawn outside its area.
#include "windows/bar_palette.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace salvenor {
namespace {

TEST(BarPalette, StripIsGreenGreyAndRedByThirds) {
    QImage image(12, 4, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        bar_palette::DrawStrip(p, QRect(1, 1, 10, 2));
    }
    const QRgb green = qRgb(0, 200, 0);
    const QRgb grey = qRgb(192, 192, 192);
    const QRgb red = qRgb(230, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    // Columns 1..3 green, 4..6 grey, 7..10 red (10 does not divide by three).
    const QRgb row[12] = {white, green, green, green, grey, grey, grey, red, red, red, red, white};
    for (int x = 0; x < 12; ++x) {
        EXPECT_EQ(image.pixel(x, 0), white) << x;
        EXPECT_EQ(image.pixel(x, 1), row[x]) << x;
        EXPECT_EQ(image.pixel(x, 2), row[x]) << x;
        EXPECT_EQ(image.pixel(x, 3), white) << x;
    }
}

}  // namespace
}  // namespace salvenor
