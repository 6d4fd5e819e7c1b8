// The prayer bar's colours: the bar paints itself with them, and the pictures that stand for the
// program (its icon, the About picture) take theirs from here.
#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace salvenor::bar_palette {

// The bar window: its face, its outline, its title strip's gradient and the line that grows.
inline const QColor Face(212, 208, 200);
inline const QColor Frame(64, 64, 64);
inline const QColor TitleLeft(10, 36, 106);
inline const QColor TitleRight(58, 110, 165);
inline const QColor Line(0, 0, 255);

// The pictures that stand for the program: a gold crescent in a night sky over the bar's three
// zones (green, grey, red) in the bright shades of the icon.
inline const QColor NightBlue(16, 40, 96);
inline const QColor Gold(255, 214, 90);
inline const QColor StripGreen(0, 200, 0);
inline const QColor StripGrey(192, 192, 192);
inline const QColor StripRed(230, 0, 0);

// The bar's three colours side by side across `area`, a third each (the last takes what is left).
void DrawStrip(QPainter& p, const QRect& area);

}  // namespace salvenor::bar_palette
