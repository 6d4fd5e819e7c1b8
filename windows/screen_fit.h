// Keeping a window on screen: the one rule every window that places itself follows.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>
#include <vector>

class QScreen;
class QWidget;

namespace salvenor {

// Pushes a window's outer frame inside `available` (a screen without its panels); a frame larger
// than it keeps its top-left corner there, so that its title bar can still be reached.
QRect KeepInside(const QRect& frame, const QRect& available);

// A frame brought fully onto the screens whose free areas are `areas` (the primary screen's
// first): kept inside the area it overlaps most, or the primary one when it overlaps none (its
// screen has gone, or shrunk away from it). With no area at all it stays as it is.
QRect KeepOnScreens(const QRect& frame, const std::vector<QRect>& areas);

// The free areas of the connected screens, the primary screen's first.
std::vector<QRect> AvailableScreenAreas();

// A frame of `size` with its centre on `centre`, kept inside `available`.
QRect CentredInside(const QPoint& centre, const QSize& size, const QRect& available);

// Moves a top-level window so that its frame is centred on `centre`, or on the middle of the free
// area when none is given, and kept inside the free area of `screen` (the primary screen when
// null). With no screen at all the window stays where it is.
void MoveCentredOnScreen(QWidget& window, const QScreen* screen,
                         std::optional<QPoint> centre = std::nullopt);

}  // namespace salvenor
