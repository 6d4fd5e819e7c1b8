// The wait cursor over the whole program for as long as a piece of slow work runs.
#pragma once

#include <QApplication>

namespace salvenor {

// Shows the wait cursor from its construction to the end of its scope. Nested ones stack: the
// cursor comes back when the last ends.
class BusyCursor final {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace salvenor
