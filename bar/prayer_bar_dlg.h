// The prayer bar: the small always-on-top strip in the top right-hand corner that names the next
// prayer, grows a line across its picture towards it, and opens the athan window when it comes.
#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <vector>

#include "bar/athan_dlg.h"
#include "bar/schedule.h"

class QAbstractButton;

namespace salvenor {

class Notifier;

// What a notice of a prayer says: "Time for Asr" / "Asr at 3:29 pm", or for a warning
// "Asr in 10 minutes" / "Asr at 3:29 pm", in the user's language.
struct NoticeText {
    QString summary;
    QString body;
};
NoticeText NoticeTextOf(const PrayerNotice& notice);

class CPrayerBarDlg : public QWidget {
    Q_OBJECT

  public:
    // The window: 176 x 42 pixels, placed 236 pixels left of the screen's right edge, at the top.
    static constexpr int BarWidth = 176;
    static constexpr int BarHeight = 42;
    static constexpr int RightEdgeGap = 236;
    // Where the bar starts on a screen whose whole area is `screen`.
    static QRect HomeGeometry(const QRect& screen) {
        return {screen.x() + screen.width() - RightEdgeGap, screen.y(), BarWidth, BarHeight};
    }
    // Where the bar starts: at the place the user last dragged it to, brought fully onto the
    // screens whose free areas are `freeAreas` (the primary one's first; see KeepOnScreens);
    // with no such place, in the corner of the primary screen, whose whole area is `primary`.
    static QRect StartGeometry(std::optional<QPoint> saved, const QRect& primary,
                               const std::vector<QRect>& freeAreas);
    // After the user moved the bar, this long without a further move counts as its new place.
    static constexpr int PlaceSettleMs = 600;
    // The title strip the bar draws itself (a window manager's title bar cannot be relied on for
    // a window this small) and by which it is dragged.
    static constexpr int TitleHeight = 20;
    // The bar image lies so that its bright stripe (rows 9..12) is window rows 29..32 and its
    // column 1 is window column 29.
    static constexpr int ImageLeft = 28;
    static constexpr int ImageTop = 20;
    static constexpr int ImageWidth = 146;
    static constexpr int ImageHeight = 22;
    static constexpr int StripeTop = 9;
    static constexpr int StripeRows = 4;
    // The reminder timer's id, as the alert windows report it.
    static constexpr int ReminderTimerId = 400;

    CPrayerBarDlg(CConfigFile& config, const Clock& clock, SoundPlayer& sound, MessageBoxes& boxes,
                  QWidget* parent = nullptr);
    ~CPrayerBarDlg() override;

    // Puts the bar on top, arms the first schedule, places the bar (StartGeometry: where the user
    // left it, else in the top right-hand corner) and shows it without taking the focus. While it
    // runs, a screen that shrinks or goes away brings the bar back onto the screens.
    void Start(std::optional<QPoint> savedPlace = std::nullopt);

    // Back in the top right-hand corner of the primary screen, as at a first start.
    void PutBackInCorner();
    // Brought fully onto the connected screens, if it is not; the place the user chose is kept
    // for when its screen is back.
    void KeepOnScreen();

    // What hovering over the bar shows: today's six times, then the time left to the next prayer;
    // empty without a place.
    QString TipText() const;

    // Measures the interval anew and re-arms the progress and next-prayer timers (also for the
    // setup command, after the settings change).
    void RestartSchedule();
    // Gives the bar's title and button names in the language installed since it was made.
    void Retranslate();

    // Where the notices at the prayers and the warnings before them go, and which are given
    // (salvenor.ini). Without a notifier nothing is said. The warning is planned anew.
    void setNotifications(Notifier* notifier, const NotificationChoices& choices);

    void setAlwaysOnTop(bool on);
    bool alwaysOnTop() const { return schedule_.alwaysOnTop(); }

    const PrayerSchedule& schedule() const { return schedule_; }
    QString titleText() const { return windowTitle(); }

    // The athan window that is open, if any; it clears itself when the window goes away.
    QPointer<CAthanDlg> openAthanWindow() const { return openAthanWindow_; }
    // What the last arming of the reminder timer returned (400, or 0 before the first).
    int reminderTimerId() const { return reminderTimerId_; }

    // The timers' ticks. The timers call them; tests on a fake clock call them directly.
    void OnProgressTimer();
    void OnNextPrayerTimer();
    void OnReminderTimer();
    void OnClockCheckTimer();
    void OnWarningTimer();

    const QTimer& progressTimer() const { return progressTimer_; }
    const QTimer& nextPrayerTimer() const { return nextPrayerTimer_; }
    const QTimer& reminderTimer() const { return reminderTimer_; }
    const QTimer& warningTimer() const { return warningTimer_; }

    // The pictures, drawn pixel by pixel: the bar image (146 x 22: black outline rows 0, 8, 13
    // and 21, dark bands with rounded ends, the bright stripe in rows 9..12; green to column 33,
    // grey to column 115, red after) and the menu button up and pressed (19 x 11).
    static QImage BarImage();
    static QImage MenuButtonImage(bool pressed);
    static QImage BarIcon();

  signals:
    // Where the bar leads; the program connects the windows and menus.
    void faceClicked();         // a click on the face: today's prayer times
    void faceDoubleClicked();   // a double click on the face
    void menuButtonClicked();   // the command menu
    void aboutButtonClicked();  // the About window
    // A right click: the bar's own window menu, at `globalPos`.
    void windowMenuRequested(const QPoint& globalPos);
    // The Escape key, while the bar has the focus.
    void cancelRequested();
    // The user moved the bar and left it at `topLeft`.
    void placeChosen(const QPoint& topLeft);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void Apply(const ScheduleRestart& restart);
    void ApplyPrayerTick(const PrayerTick& tick);
    void BringBarToFront(const BarFront& front);
    void OpenAthanWindow(const AthanRequest& request);
    void ArmWarning(const std::optional<std::int64_t>& delayMs);
    void Notify(const PrayerNotice& notice);
    // Arms the reminder timer (id 400) for `minutes`, replacing a running one: what an alert
    // window's reminderRequested asks for.
    void ArmReminder(int minutes);
    bool InTitleStrip(const QPoint& pos) const { return pos.y() < TitleHeight; }
    // Moves the bar where the program puts it: such a move is no place the user chose.
    void Place(const QPoint& topLeft);
    // The tip shown now follows the clock (the timers' ticks call this).
    void RefreshTip();
    void WatchScreen(QScreen* screen);

    SoundPlayer& sound_;
    PrayerSchedule schedule_;
    AlertContext alertContext_;

    const QImage image_;
    QTimer progressTimer_;
    QTimer nextPrayerTimer_;
    QTimer reminderTimer_;
    QTimer clockCheckTimer_;
    QTimer placeSettleTimer_;
    QPoint programPlace_;  // where the program last put the bar
    QTimer warningTimer_;
    Notifier* notifier_ = nullptr;
    QElapsedTimer monotonic_;

    QAbstractButton* menuButton_ = nullptr;
    QAbstractButton* aboutButton_ = nullptr;

    QPointer<CAthanDlg> openAthanWindow_;
    int reminderTimerId_ = 0;

    bool dragging_ = false;
    QPoint dragOffset_;
};

}  // namespace salvenor
