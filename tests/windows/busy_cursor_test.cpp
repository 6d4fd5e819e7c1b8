// The busy cursor: the wait cursor for the length of a scope, nested ones stacking.
#include "windows/busy_cursor.h"

#include <QCursor>

#include <gtest/gtest.h>

namespace salvenor {
namespace {

TEST(BusyCursor, ShowsTheWaitCursorForItsScopeAndNestedOnesStack) {
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    {
        const BusyCursor outer;
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        {
            const BusyCursor inner;
            EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        ASSERT_NE(QApplication::overrideCursor(), nullptr) << "the outer one still holds";
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace salvenor
