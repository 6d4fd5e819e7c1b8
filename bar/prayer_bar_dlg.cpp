// The prayer bar window: its pictures, its title strip, its timers and what their ticks open.
#include "bar/prayer_bar_dlg.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStringList>
#include <QToolTip>
#include <QWindow>
#include <algorithm>
#include <limits>
#include <memory>

#include "bar/reminder_dlg.h"
#include "core/paths.h"
#include "core/texts.h"
#include "platform/notifier.h"
#include "platform/qt/language.h"
#include "platform/qt/ui_text.h"
#include "windows/bar_palette.h"
#include "windows/screen_fit.h"

namespace salvenor {

namespace {

// Reminders are asked for in minutes up to 300; anything held beyond that is still armed, but
// never past what a timer can count.
constexpr std::int64_t MaxTimerMs = std::numeric_limits<int>::max();

int ClampMs(std::int64_t ms) {
    return static_cast<int>(std::clamp<std::int64_t>(ms, 0, MaxTimerMs));
}

// The picture button of the menu: its up picture, and its pressed one while held down.
class PictureButton final : public QAbstractButton {
  public:
    PictureButton(const QImage& up, const QImage& down, QWidget* parent)
        : QAbstractButton(parent), up_(up), down_(down) {
        setFixedSize(up.size());
        setFocusPolicy(Qt::NoFocus);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(0, 0, isDown() ? down_ : up_);
    }

  private:
    const QImage up_;
    const QImage down_;
};

// A flat button that draws only its text, centred, one pixel lower while pressed. The style's
// push-button margins would clip a digit in a button this small.
class FlatTextButton final : public QAbstractButton {
  public:
    FlatTextButton(const QString& text, QWidget* parent) : QAbstractButton(parent) {
        setText(text);
        setFocusPolicy(Qt::NoFocus);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(rect().translated(0, isDown() ? 1 : 0), Qt::AlignCenter, text());
    }
};

}  // namespace

NoticeText NoticeTextOf(const PrayerNotice& notice) {
    const int index = WrapPrayerIndex(notice.prayerIndex);
    const QString name = UiText(PrayerNames[static_cast<std::size_t>(index)]);
    const QString time =
        QString::fromStdString(FormatDecimalTime(index, notice.prayerTime, UiWords()));
    if (notice.minutesBefore > 0) {
        return {UiText(texts::PrayerWarningSummary)
                    .arg(name, UiDigits(QString::number(notice.minutesBefore))),
                UiText(texts::PrayerWarningBody).arg(name, time)};
    }
    return {UiText(texts::PrayerNoticeSummary).arg(name),
            UiText(texts::PrayerNoticeBody).arg(name, time)};
}

QImage CPrayerBarDlg::BarImage() {
    QImage image(ImageWidth, ImageHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    struct Zone {
        int last;  // last column of the zone
        QRgb band;
        QRgb stripe;
    };
    const Zone zones[] = {{33, qRgb(0, 128, 0), qRgb(0, 255, 0)},
                          {115, qRgb(128, 128, 128), qRgb(192, 192, 192)},
                          {ImageWidth - 1, qRgb(128, 0, 0), qRgb(255, 0, 0)}};
    const auto zoneOf = [&zones](int x) -> const Zone& {
        for (const Zone& z : zones) {
            if (x <= z.last) {
                return z;
            }
        }
        return zones[2];
    };
    // The dark bands (rows 1..7 and 14..20) end in rounded caps: black corner pixels, three at
    // the outer rows, fewer toward the middle.
    const int cut[7] = {3, 2, 1, 1, 1, 2, 3};
    for (const int top : {1, 14}) {
        for (int k = 0; k < 7; ++k) {
            for (int x = cut[k]; x < ImageWidth - cut[k]; ++x) {
                image.setPixel(x, top + k, zoneOf(x).band);
            }
        }
    }
    // The bright stripe the line grows on, columns 1..144.
    for (int y = StripeTop; y < StripeTop + StripeRows; ++y) {
        for (int x = 1; x < ImageWidth - 1; ++x) {
            image.setPixel(x, y, zoneOf(x).stripe);
        }
    }
    return image;
}

QImage CPrayerBarDlg::MenuButtonImage(bool pressed) {
    constexpr int w = 19;
    constexpr int h = 11;
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(bar_palette::Face);
    const QRgb light = qRgb(255, 255, 255);
    const QRgb shadow = qRgb(128, 128, 128);
    const QRgb dark = qRgb(0, 0, 0);
    const auto row = [&image](int y, int x0, int x1, QRgb c) {
        for (int x = x0; x <= x1; ++x) {
            image.setPixel(x, y, c);
        }
    };
    const auto column = [&image](int x, int y0, int y1, QRgb c) {
        for (int y = y0; y <= y1; ++y) {
            image.setPixel(x, y, c);
        }
    };
    if (!pressed) {
        // Raised: light top and left, dark bottom and right with a shadow inside.
        row(0, 0, w - 2, light);
        column(0, 0, h - 2, light);
        row(h - 1, 0, w - 1, dark);
        column(w - 1, 0, h - 1, dark);
        row(h - 2, 1, w - 2, shadow);
        column(w - 2, 1, h - 2, shadow);
    } else {
        // Sunken: the bevel turned round.
        row(0, 0, w - 1, dark);
        column(0, 0, h - 1, dark);
        row(1, 1, w - 2, shadow);
        column(1, 1, h - 2, shadow);
        row(h - 1, 1, w - 1, light);
        column(w - 1, 1, h - 1, light);
    }
    // A small arrow pointing down to the menu; it moves with the face when pressed.
    const int shift = pressed ? 1 : 0;
    row(4 + shift, 7 + shift, 11 + shift, dark);
    row(5 + shift, 8 + shift, 10 + shift, dark);
    row(6 + shift, 9 + shift, 9 + shift, dark);
    return image;
}

QImage CPrayerBarDlg::BarIcon() {
    // A crescent over the three colours of the bar.
    QImage icon(32, 32, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(bar_palette::NightBlue);
    p.drawRoundedRect(QRectF(0, 0, 32, 32), 6, 6);
    bar_palette::DrawStrip(p, QRect(4, 24, 24, 4));
    p.setBrush(bar_palette::Gold);
    p.drawEllipse(QRectF(7, 3, 18, 18));
    p.setBrush(bar_palette::NightBlue);
    p.drawEllipse(QRectF(12, 1, 16, 16));
    return icon;
}

CPrayerBarDlg::CPrayerBarDlg(CConfigFile& config, const Clock& clock, SoundPlayer& sound,
                             MessageBoxes& boxes, QWidget* parent)
    : QWidget(parent),
      sound_(sound),
      schedule_(config, clock),
      alertContext_{config, sound, boxes, clock},
      image_(BarImage()) {
    // A small tool window above the others with no taskbar entry; it draws its own title strip.
    // Shown or raised by the program it never takes the focus from the user's work; a click on it
    // gives it the focus, so that its keys reach it.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::ClickFocus);
    setFixedSize(BarWidth, BarHeight);
    setWindowIcon(QPixmap::fromImage(BarIcon()));
    // The title in the user's language (and its digits, below).
    schedule_.setWords(UiWords());

    menuButton_ = new PictureButton(MenuButtonImage(false), MenuButtonImage(true), this);
    menuButton_->setObjectName("menuButton");
    menuButton_->setAccessibleName(UiText(texts::CommandMenuButtonName));
    menuButton_->move(4, TitleHeight + 1);
    connect(menuButton_, &QAbstractButton::clicked, this, &CPrayerBarDlg::menuButtonClicked);

    auto* about = new FlatTextButton("0", this);
    about->setObjectName("aboutButton");
    about->setAccessibleName(UiText(texts::AboutButtonName));
    QFont small = about->font();
    small.setPixelSize(8);
    about->setFont(small);
    about->setGeometry(7, TitleHeight + 12, 12, 9);
    aboutButton_ = about;
    connect(aboutButton_, &QAbstractButton::clicked, this, &CPrayerBarDlg::aboutButtonClicked);

    progressTimer_.setTimerType(Qt::CoarseTimer);
    connect(&progressTimer_, &QTimer::timeout, this, &CPrayerBarDlg::OnProgressTimer);
    // Anything tied to a prayer's minute must not fire early on a long interval.
    nextPrayerTimer_.setTimerType(Qt::PreciseTimer);
    nextPrayerTimer_.setSingleShot(true);
    connect(&nextPrayerTimer_, &QTimer::timeout, this, &CPrayerBarDlg::OnNextPrayerTimer);
    reminderTimer_.setTimerType(Qt::PreciseTimer);
    reminderTimer_.setSingleShot(true);
    connect(&reminderTimer_, &QTimer::timeout, this, &CPrayerBarDlg::OnReminderTimer);
    clockCheckTimer_.setTimerType(Qt::CoarseTimer);
    clockCheckTimer_.setInterval(ClockCheckPeriodMs);
    connect(&clockCheckTimer_, &QTimer::timeout, this, &CPrayerBarDlg::OnClockCheckTimer);
    placeSettleTimer_.setSingleShot(true);
    placeSettleTimer_.setInterval(PlaceSettleMs);
    connect(&placeSettleTimer_, &QTimer::timeout, this, [this] { emit placeChosen(pos()); });
    warningTimer_.setTimerType(Qt::PreciseTimer);
    warningTimer_.setSingleShot(true);
    connect(&warningTimer_, &QTimer::timeout, this, &CPrayerBarDlg::OnWarningTimer);
}

CPrayerBarDlg::~CPrayerBarDlg() = default;

QRect CPrayerBarDlg::StartGeometry(std::optional<QPoint> saved, const QRect& primary,
                                   const std::vector<QRect>& freeAreas) {
    if (!saved) {
        return HomeGeometry(primary);
    }
    return KeepOnScreens(QRect(*saved, QSize(BarWidth, BarHeight)), freeAreas);
}

namespace {

QRect PrimaryScreenArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

void CPrayerBarDlg::Start(std::optional<QPoint> savedPlace) {
    setAlwaysOnTop(true);
    RestartSchedule();
    Place(StartGeometry(savedPlace, PrimaryScreenArea(), AvailableScreenAreas()).topLeft());
    for (QScreen* screen : QGuiApplication::screens()) {
        WatchScreen(screen);
    }
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::screenAdded, this, &CPrayerBarDlg::WatchScreen);
        // Queued: the screen is still listed while its removal is announced.
        connect(app, &QGuiApplication::screenRemoved, this, &CPrayerBarDlg::KeepOnScreen,
                Qt::QueuedConnection);
    }
    show();
    // Linux tells no one when the clock is set: compare it with the monotonic clock instead.
    monotonic_.start();
    schedule_.OnClockCheck(0);
    clockCheckTimer_.start();
}

void CPrayerBarDlg::WatchScreen(QScreen* screen) {
    connect(screen, &QScreen::availableGeometryChanged, this, &CPrayerBarDlg::KeepOnScreen);
}

void CPrayerBarDlg::Place(const QPoint& topLeft) {
    programPlace_ = topLeft;
    move(topLeft);
}

void CPrayerBarDlg::PutBackInCorner() {
    placeSettleTimer_.stop();
    Place(HomeGeometry(PrimaryScreenArea()).topLeft());
}

void CPrayerBarDlg::KeepOnScreen() {
    const QRect fitted = KeepOnScreens(frameGeometry(), AvailableScreenAreas());
    if (fitted.topLeft() != frameGeometry().topLeft()) {
        Place(pos() + (fitted.topLeft() - frameGeometry().topLeft()));
    }
}

void CPrayerBarDlg::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // Only a move of the user's is a place to remember, once the bar has come to rest.
    if (pos() != programPlace_) {
        placeSettleTimer_.start();
    } else {
        placeSettleTimer_.stop();
    }
}

QString CPrayerBarDlg::TipText() const {
    const std::optional<TodayAtAGlance> glance = schedule_.Glance();
    if (!glance) {
        return {};
    }
    QStringList lines;
    for (std::size_t i = 0; i < glance->times.size(); ++i) {
        lines << UiText(texts::BarTipTimeLine)
                     .arg(UiText(PrayerNames[i]), QString::fromStdString(glance->times[i]));
    }
    const QString next =
        UiText(PrayerNames[static_cast<std::size_t>(WrapPrayerIndex(glance->nextIndex))]);
    lines << (glance->hoursLeft() > 0
                  ? UiText(texts::BarTipTimeLeft)
                        .arg(next)
                        .arg(glance->hoursLeft())
                        .arg(glance->minutesPastHours(), 2, 10, QLatin1Char('0'))
                  : UiText(texts::BarTipMinutesLeft).arg(next).arg(glance->minutesLeft));
    // The hours and minutes left in the language's digits too; prayer names hold none.
    return UiDigits(lines.join(QLatin1Char('\n')));
}

void CPrayerBarDlg::RefreshTip() {
    if (QToolTip::isVisible() && underMouse()) {
        QToolTip::showText(QCursor::pos(), TipText(), this);
    }
}

bool CPrayerBarDlg::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        // Made when asked for, so that it speaks of this minute.
        setToolTip(TipText());
    }
    return QWidget::event(event);
}

void CPrayerBarDlg::RestartSchedule() {
    ArmWarning(schedule_.RestartWarning());
    Apply(schedule_.RestartSchedule());
}

void CPrayerBarDlg::Retranslate() {
    menuButton_->setAccessibleName(UiText(texts::CommandMenuButtonName));
    aboutButton_->setAccessibleName(UiText(texts::AboutButtonName));
    schedule_.setWords(UiWords());
    // The title is made anew from the schedule in the new words and digits; the prayers
    // announced so far stay announced.
    Apply(schedule_.RestartSchedule());
}

void CPrayerBarDlg::setNotifications(Notifier* notifier, const NotificationChoices& choices) {
    notifier_ = notifier;
    schedule_.setNotifications(choices);
    ArmWarning(schedule_.RestartWarning());
}

void CPrayerBarDlg::ArmWarning(const std::optional<std::int64_t>& delayMs) {
    if (delayMs) {
        warningTimer_.start(ClampMs(*delayMs));
    } else {
        warningTimer_.stop();
    }
}

void CPrayerBarDlg::OnWarningTimer() {
    const WarningTick tick = schedule_.OnWarningTick();
    if (tick.warning) {
        Notify(*tick.warning);
    }
    ArmWarning(tick.delayMs);
}

void CPrayerBarDlg::Notify(const PrayerNotice& notice) {
    if (notifier_ != nullptr) {
        const NoticeText text = NoticeTextOf(notice);
        notifier_->notify(text.summary.toStdString(), text.body.toStdString());
    }
}

void CPrayerBarDlg::setAlwaysOnTop(bool on) {
    schedule_.setAlwaysOnTop(on);
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) != on) {
        const bool visible = isVisible();
        setWindowFlag(Qt::WindowStaysOnTopHint, on);
        if (visible) {
            show();  // changing the flags hides the window
        }
    }
}

void CPrayerBarDlg::Apply(const ScheduleRestart& restart) {
    const QString title = UiDigits(QString::fromStdString(restart.title));
    if (title != windowTitle()) {
        setWindowTitle(title);
        // The title is the bar's name for screen readers too, so the next prayer is announced.
        setAccessibleName(title);
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
        update(0, 0, BarWidth, TitleHeight);
    }
    progressTimer_.start(restart.progressDelayMs);
    nextPrayerTimer_.start(ClampMs(restart.nextPrayerDelayMs));
}

void CPrayerBarDlg::OnProgressTimer() {
    const ProgressTick tick = schedule_.OnProgressTick();
    if (tick.progressPeriodMs) {
        progressTimer_.start(ClampMs(*tick.progressPeriodMs));
    }
    if (tick.lineChanged) {
        update(ImageLeft, ImageTop + StripeTop, ImageWidth, StripeRows);
    }
    if (tick.front) {
        BringBarToFront(*tick.front);
    }
    RefreshTip();
}

void CPrayerBarDlg::OnNextPrayerTimer() {
    ApplyPrayerTick(schedule_.OnNextPrayerTick());
}

void CPrayerBarDlg::ApplyPrayerTick(const PrayerTick& tick) {
    if (tick.arrival == PrayerArrival::Early) {
        nextPrayerTimer_.start(ClampMs(tick.rearmMs));
        return;
    }
    Apply(*tick.restart);
    update();  // the picture without the old line; the first progress tick draws the new one
    if (tick.arrival == PrayerArrival::Rescheduled) {
        return;
    }
    // An athan window still open from the previous prayer closes as its "Close Window" does.
    if (const QPointer<CAthanDlg> previous = openAthanWindow_) {
        openAthanWindow_.clear();
        previous->CloseAsCloseWindow();
    }
    if (tick.notice) {
        Notify(*tick.notice);  // beside the athan window, which waits in a loop of its own
    }
    if (tick.athan) {
        OpenAthanWindow(*tick.athan);
    } else if (tick.front) {
        BringBarToFront(*tick.front);
    }
}

void CPrayerBarDlg::OpenAthanWindow(const AthanRequest& request) {
    // Modal: the timers go on firing in its loop, and a later prayer may close it from there.
    const auto window = std::make_unique<CAthanDlg>(request, alertContext_);
    connect(window.get(), &CAlertDlg::reminderRequested, this, &CPrayerBarDlg::ArmReminder);
    openAthanWindow_ = window.get();
    window->exec();
    if (openAthanWindow_ == window.get()) {
        openAthanWindow_.clear();
    }
}

void CPrayerBarDlg::OnReminderTimer() {
    if (reminderTimerId_ == 0) {
        return;
    }
    reminderTimer_.stop();
    CReminderDlg reminder(alertContext_);
    connect(&reminder, &CAlertDlg::reminderRequested, this, &CPrayerBarDlg::ArmReminder);
    reminder.exec();
}

void CPrayerBarDlg::ArmReminder(int minutes) {
    // Arming again replaces a reminder still pending.
    reminderTimer_.start(ClampMs(std::max(minutes, 0) * std::int64_t{60000}));
    reminderTimerId_ = ReminderTimerId;
}

void CPrayerBarDlg::OnClockCheckTimer() {
    if (const auto tick = schedule_.OnClockCheck(monotonic_.elapsed())) {
        // The clock jumped or its zone changed: the warning looks again first, as the athan
        // window of the prayer's tick may hold the loop.
        OnWarningTimer();
        ApplyPrayerTick(*tick);
    }
    RefreshTip();
}

void CPrayerBarDlg::BringBarToFront(const BarFront& front) {
    if (front.raise) {
        raise();
    }
    if (front.chime) {
        sound_.play(NativePath(ChimeFileName));
    }
}

void CPrayerBarDlg::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), bar_palette::Face);

    QLinearGradient gradient(0, 0, BarWidth, 0);
    gradient.setColorAt(0, bar_palette::TitleLeft);
    gradient.setColorAt(1, bar_palette::TitleRight);
    p.fillRect(QRect(1, 1, BarWidth - 2, TitleHeight - 1), gradient);
    QFont titleFont = font();
    titleFont.setPixelSize(11);
    p.setFont(titleFont);
    p.setPen(Qt::white);
    const QRect textArea(4, 1, BarWidth - 8, TitleHeight - 1);
    p.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetrics(titleFont).elidedText(windowTitle(), Qt::ElideRight, textArea.width()));

    p.setPen(bar_palette::Frame);
    p.drawRect(0, 0, BarWidth - 1, BarHeight - 1);

    // The picture, then the line over its stripe: drawn on every paint, so it survives them.
    p.drawImage(ImageLeft, ImageTop, image_);
    const int columns = schedule_.lineColumns();
    if (columns > 0) {
        p.fillRect(ImageLeft + 1, ImageTop + StripeTop, columns, StripeRows, bar_palette::Line);
    }
}

void CPrayerBarDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    // The user's click, unlike the program's show and raise, makes the bar the active window.
    activateWindow();
    if (InTitleStrip(event->position().toPoint())) {
        // Let the window manager move it where it can; otherwise follow the mouse ourselves.
        if (windowHandle() != nullptr && windowHandle()->startSystemMove()) {
            return;
        }
        dragging_ = true;
        dragOffset_ = event->globalPosition().toPoint() - pos();
        return;
    }
    emit faceClicked();
}

void CPrayerBarDlg::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - dragOffset_);
    }
}

void CPrayerBarDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && dragging_) {
        dragging_ = false;
        if (placeSettleTimer_.isActive()) {
            // Our own drag has ended: the place is known now.
            placeSettleTimer_.stop();
            emit placeChosen(pos());
        }
    }
}

void CPrayerBarDlg::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !InTitleStrip(event->position().toPoint())) {
        emit faceDoubleClicked();
    }
}

void CPrayerBarDlg::contextMenuEvent(QContextMenuEvent* event) {
    // The window's own menu, which a title bar drawn by the window manager would have carried.
    emit windowMenuRequested(event->globalPos());
}

void CPrayerBarDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
            emit cancelRequested();
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            break;  // Enter does nothing on the bar
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

void CPrayerBarDlg::closeEvent(QCloseEvent* event) {
    // The bar runs for the whole session; the window manager's close request does not end it.
    event->ignore();
}

}  // namespace salvenor
