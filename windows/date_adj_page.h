// "Date Adjustments": shows today's Hijri day and the month list of a date adjustment that this
// release does not offer. Every control but the note is disabled, and nothing is stored.
#pragma once

#include <cstdint>

#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "windows/property_sheet.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace salvenor {

class CDateAdj final : public CPropertyPage {
    Q_OBJECT

  public:
    explicit CDateAdj(MessageBoxes& boxes, QWidget* parent = nullptr);

    // The page's fields: the list's selected position (-1: none) and the day of month.
    std::int32_t monthIndex() const { return monthIndex_; }
    std::uint32_t day() const { return day_; }
    // Set before the page is shown.
    void setDay(std::uint32_t day) { day_ = day; }

    // Reads the list's position and the day, which must lie in 1..30.
    bool OnKillActive() override;

    static constexpr std::uint32_t MinDay = 1;
    static constexpr std::uint32_t MaxDay = 30;

    QLabel* note() const { return note_; }
    QLabel* overwriteLabel() const { return overwrite_; }
    QLabel* todayLabel() const { return today_; }
    QLabel* ofLabel() const { return of_; }
    QLineEdit* dayEdit() const { return dayEdit_; }
    QComboBox* monthList() const { return monthList_; }

  protected:
    void OnInitPage() override;

  private:
    void createControls();
    void createLayout();

    MessageBoxes& boxes_;
    std::int32_t monthIndex_ = -1;
    std::uint32_t day_ = 0;

    QLabel* note_ = nullptr;
    QLabel* overwrite_ = nullptr;
    QLabel* today_ = nullptr;
    QLabel* of_ = nullptr;
    QLineEdit* dayEdit_ = nullptr;
    QComboBox* monthList_ = nullptr;
};

// Today's Hijri day of month: the leading number of the Hijri date text of `now` ("7 of Rajab,
// 1445" gives 7), with the user's Hijri day adjustment; 0 when the text has none.
std::uint32_t HijriDayOfMonth(ClockTime now, int hijriAdjustDays = 0);

}  // namespace salvenor
