// The shared month-length table.
#include "core/month_days.h"

namespace salvenor {

std::array<int, 12> GregorianMonthDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

void SetFebruaryFor(int year) {
    GregorianMonthDays[1] = (year % 4 == 0) ? 29 : 28;
}

}  // namespace salvenor
