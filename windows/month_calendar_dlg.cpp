// The month calendar window.
#include "windows/month_calendar_dlg.h"

#include <QAction>
#include <QBoxLayout>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QTextCursor>
#include <QToolButton>
#include <QUrl>
#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <string>
#include <utility>

#include "base/atomic_file.h"
#include "base/file_reading.h"
#include "config/config_file.h"
#include "core/hijri.h"
#include "core/local_time.h"
#include "core/texts.h"
#include "pages/ics_export.h"
#include "pages/month_page.h"
#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "platform/qt/language.h"
#include "platform/qt/ui_text.h"
#include "windows/arrow_spin.h"
#include "windows/busy_cursor.h"
#include "windows/field_exchange.h"
#include "windows/find_bar.h"
#include "windows/page_dialogs.h"

namespace salvenor {

namespace {

// A month page is a few kilobytes; anything far larger in its place is not one.
constexpr std::size_t MaxSavedPageBytes = 4 * 1024 * 1024;

QString Text(const char* text) {
    return UiText(text);
}

const std::array<const char*, 12>& MonthNames(CalendarKind kind) {
    return kind == CalendarKind::Hijri ? HijriMonthNames : GregorianMonthNames;
}

// Wide enough that a month page fits across the view without a horizontal scroll bar.
constexpr QSize DefaultSize(780, 680);

}  // namespace

CMonthCalendarDlg::CMonthCalendarDlg(QWidget* parent, MessageBoxes& boxes, const Clock& clock,
                                     PageDialogs& dialogs, std::string installationFolder,
                                     const ShownMonth& opening, int hijriAdjustDays)
    : QDialog(parent),
      boxes_(boxes),
      clock_(clock),
      dialogs_(dialogs),
      installationFolder_(std::move(installationFolder)),
      hijriAdjustDays_(hijriAdjustDays),
      shown_(opening) {
    setWindowTitle(Text(texts::MonthCalendarTitle));
    setSizeGripEnabled(true);
    createControls();
    createActions();
    createMenus();
    createLayout();
    connectSignals();
    resize(DefaultSize.expandedTo(sizeHint()));

    fillMonthList();
    showFields();
    refresh();
}

CMonthCalendarDlg::~CMonthCalendarDlg() = default;

void CMonthCalendarDlg::createControls() {
    monthLabel_ = new QLabel(Text(texts::SelectMonthLabel), this);
    monthList_ = new QComboBox(this);
    monthList_->setEditable(true);
    monthList_->setInsertPolicy(QComboBox::NoInsert);
    monthList_->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    monthList_->setAccessibleName(Text(texts::MonthListName));
    monthList_->lineEdit()->setAccessibleName(Text(texts::MonthListName));
    // One width for both calendars' names, so that the controls after the list keep their places
    // whichever calendar is shown.
    std::size_t longest = 0;
    for (const auto* names : {&HijriMonthNames, &GregorianMonthNames}) {
        for (const char* name : *names) {
            longest = std::max<std::size_t>(longest, static_cast<std::size_t>(Text(name).size()));
        }
    }
    monthList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    monthList_->setMinimumContentsLength(static_cast<int>(longest));
    monthLabel_->setBuddy(monthList_);

    yearLabel_ = new QLabel(Text(texts::SelectYearLabel), this);
    yearEdit_ = new QLineEdit(this);
    fx::RestrictTyping(yearEdit_, fx::TypedNumber::Digits);
    yearEdit_->setAccessibleName(Text(texts::YearEditName));
    yearEdit_->setMaximumWidth(yearEdit_->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 8 +
                               12);
    yearLabel_->setBuddy(yearEdit_);
    yearSpin_ =
        new ArrowSpin(Qt::Vertical, Text(texts::NextYearName), Text(texts::PreviousYearName), this);

    calendarButtons_ = new QWidget(this);
    calendarButtons_->setAccessibleName(Text(texts::CalendarKindName));
    hijri_ = new QRadioButton(Text(texts::HijriRadio), calendarButtons_);
    gregorian_ = new QRadioButton(Text(texts::GeorgianRadio), calendarButtons_);
    hijri_->setAccessibleName(Text(texts::HijriRadio));
    gregorian_->setAccessibleName(Text(texts::GeorgianRadio));

    monthSpin_ = new ArrowSpin(Qt::Horizontal, Text(texts::NextMonthName),
                               Text(texts::PreviousMonthName), this);

    rangeNote_ = new QLabel(this);
    rangeNote_->setAccessibleName(Text(texts::RangeNoteName));
    rangeNote_->hide();

    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(false);
    browser_->setAccessibleName(Text(texts::CalendarPageName));
    browser_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    findBar_ = new FindBar(browser_, this);

    print_ = new QPushButton(Text(texts::CalendarPrintButton), this);
    print_->setAccessibleName(Text(texts::CalendarPrintButton));
    close_ = new QPushButton(Text(texts::CalendarCloseButton), this);
    close_->setAccessibleName(Text(texts::CalendarCloseButton));
    close_->setDefault(true);
}

void CMonthCalendarDlg::createActions() {
    const auto action = [this](const char* label, void (CMonthCalendarDlg::*handler)()) {
        auto* a = new QAction(Text(label), this);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    saveAsAction_ = action(texts::SaveAsItem, &CMonthCalendarDlg::saveAs);
    printAction_ = action(texts::PrintItem, &CMonthCalendarDlg::print);
    printPreviewAction_ = action(texts::PrintPreviewItem, &CMonthCalendarDlg::printPreview);
    closeAction_ = action(texts::CloseItem, &CMonthCalendarDlg::closeChecked);
    copyAction_ = action(texts::CopyItem, &CMonthCalendarDlg::copy);
    selectAllAction_ = new QAction(Text(texts::SelectAllItem), this);
    connect(selectAllAction_, &QAction::triggered, browser_, &QTextBrowser::selectAll);
    findAction_ = new QAction(Text(texts::FindItem), this);
    connect(findAction_, &QAction::triggered, findBar_, &FindBar::open);
    fontAction_ = action(texts::FontItem, &CMonthCalendarDlg::chooseFont);
    exportAction_ = new QAction(UiText(texts::ExportPrayerTimesItem), this);
    exportAction_->setEnabled(false);
    connect(exportAction_, &QAction::triggered, this, &CMonthCalendarDlg::exportPrayerTimes);
}

void CMonthCalendarDlg::createMenus() {
    menuBar_ = new QMenuBar(this);
    menuBar_->setAccessibleName(Text(texts::CalendarMenuBarName));
    QMenu* file = menuBar_->addMenu(Text(texts::FileMenu));
    file->addAction(saveAsAction_);
    file->addSeparator();
    file->addAction(printAction_);
    file->addAction(printPreviewAction_);
    file->addSeparator();
    file->addAction(closeAction_);
    file->addSeparator();
    file->addAction(exportAction_);
    QMenu* edit = menuBar_->addMenu(Text(texts::EditMenu));
    edit->addAction(copyAction_);
    edit->addAction(selectAllAction_);
    edit->addSeparator();
    edit->addAction(findAction_);
    QMenu* format = menuBar_->addMenu(Text(texts::FormatMenu));
    format->addAction(fontAction_);
    for (QMenu* menu : {file, edit, format}) {
        menu->setAccessibleName(QString(menu->title()).remove(QLatin1Char('&')));
    }
}

// The controls stand in one row at the top and keep their places; the view takes whatever room
// the window gives.
void CMonthCalendarDlg::createLayout() {
    auto* radios = new QHBoxLayout(calendarButtons_);
    radios->setContentsMargins(0, 0, 0, 0);
    radios->addWidget(hijri_);
    radios->addWidget(gregorian_);

    auto* controls = new QHBoxLayout;
    controls->addWidget(monthLabel_);
    controls->addWidget(monthList_);
    controls->addSpacing(12);
    controls->addWidget(yearLabel_);
    controls->addWidget(yearEdit_);
    controls->addWidget(yearSpin_);
    controls->addSpacing(12);
    controls->addWidget(calendarButtons_);
    controls->addSpacing(12);
    controls->addWidget(monthSpin_);
    controls->addStretch(1);
    controls->addWidget(print_);
    controls->addWidget(close_);
    // Only the stretch takes the room a wider window gives.
    for (int i = 0; i < controls->count(); ++i) {
        if (QWidget* control = controls->itemAt(i)->widget()) {
            control->setSizePolicy(QSizePolicy::Fixed, control->sizePolicy().verticalPolicy());
        }
    }

    auto* window = new QVBoxLayout(this);
    window->setMenuBar(menuBar_);
    window->addLayout(controls);
    window->addWidget(rangeNote_);
    window->addWidget(browser_, 1);
    window->addWidget(findBar_);

    setTabOrder(monthList_, yearEdit_);
    setTabOrder(yearEdit_, yearSpin_->forwardArrow());
    setTabOrder(yearSpin_->forwardArrow(), yearSpin_->backArrow());
    setTabOrder(yearSpin_->backArrow(), hijri_);
    setTabOrder(hijri_, gregorian_);
    setTabOrder(gregorian_, monthSpin_->backArrow());
    setTabOrder(monthSpin_->backArrow(), monthSpin_->forwardArrow());
    setTabOrder(monthSpin_->forwardArrow(), browser_);
    setTabOrder(browser_, print_);
    setTabOrder(print_, close_);
    setTabOrder(close_, findBar_->field());
}

// Only the user's own changes reach the handlers: textEdited, activated and clicked are not sent
// when the window puts the shown month into the controls, so a spin press builds the page once.
void CMonthCalendarDlg::connectSignals() {
    connect(yearSpin_, &ArrowSpin::stepped, this, &CMonthCalendarDlg::yearStepped);
    connect(monthSpin_, &ArrowSpin::stepped, this, &CMonthCalendarDlg::monthStepped);
    connect(yearEdit_, &QLineEdit::textEdited, this, &CMonthCalendarDlg::yearEdited);
    yearEdit_->installEventFilter(this);
    connect(monthList_, &QComboBox::activated, this, &CMonthCalendarDlg::monthChosen);
    connect(monthList_->lineEdit(), &QLineEdit::textEdited, this,
            &CMonthCalendarDlg::monthTextEdited);
    connect(hijri_, &QRadioButton::clicked, this, [this] { calendarClicked(CalendarKind::Hijri); });
    connect(gregorian_, &QRadioButton::clicked, this,
            [this] { calendarClicked(CalendarKind::Gregorian); });
    connect(print_, &QPushButton::clicked, this, &CMonthCalendarDlg::print);
    connect(close_, &QPushButton::clicked, this, &CMonthCalendarDlg::closeChecked);
}

void CMonthCalendarDlg::refresh() {
    BuildMonthPage(shown_.kind, shown_.year, shown_.month, installationFolder_, boxes_,
                   hijriAdjustDays_, UiWords(), InstalledLanguage());
    showPage();
    monthList_->setCurrentIndex(shown_.month - 1);
    emit pageShown();
}

// The view shows whatever the output file holds, also after a failed build.
void CMonthCalendarDlg::showPage() {
    const QString path = QString::fromStdString(MonthPagePath(installationFolder_));
    if (!QFileInfo::exists(path)) {
        browser_->clear();
        return;
    }
    const QUrl url = QUrl::fromLocalFile(path);
    if (browser_->source() == url) {
        browser_->reload();  // the same file, rewritten
    } else {
        browser_->setSource(url);
    }
    browser_->clearHistory();
}

void CMonthCalendarDlg::showFields() {
    yearEdit_->setText(QString::number(shown_.year));
    (shown_.kind == CalendarKind::Hijri ? hijri_ : gregorian_)->setChecked(true);
    monthList_->setCurrentIndex(shown_.month - 1);
}

void CMonthCalendarDlg::fillMonthList() {
    monthList_->clear();
    for (const char* name : MonthNames(shown_.kind)) {
        monthList_->addItem(Text(name));
    }
}

void CMonthCalendarDlg::showRangeNote(bool outOfRange) {
    if (!outOfRange) {
        rangeNote_->clear();
        rangeNote_->hide();
        return;
    }
    rangeNote_->setText(Text(shown_.kind == CalendarKind::Hijri ? texts::HijriRangeNote
                                                                : texts::GregorianRangeNote));
    rangeNote_->show();
}

void CMonthCalendarDlg::yearStepped(int step) {
    const std::optional<ShownMonth> next = AfterYearStep(shown_, step);
    showRangeNote(!next);
    if (!next) {
        return;
    }
    shown_ = *next;
    showFields();
    refresh();
}

void CMonthCalendarDlg::monthStepped(int step) {
    const BusyCursor busy;
    const std::optional<ShownMonth> next = AfterMonthStep(shown_, step);
    showRangeNote(!next);
    if (!next) {
        return;
    }
    shown_ = *next;
    refresh();
    showFields();
}

// A text that does not start with a number is refused with the field-exchange message and the
// page is built again for the year shown before; a year outside the calendar is refused with the
// range note and the page stays.
void CMonthCalendarDlg::yearEdited() {
    unsigned typed = 0;
    ShownMonth next = shown_;
    next.month = monthList_->currentIndex() >= 0 ? monthList_->currentIndex() + 1 : shown_.month;
    if (fx::ReadPositiveInteger(yearEdit_, typed, boxes_)) {
        const bool fits = typed <= static_cast<unsigned>(std::numeric_limits<int>::max()) &&
                          MonthInCalendar(next.kind, static_cast<int>(typed), next.month);
        showRangeNote(!fits);
        if (!fits) {
            return;
        }
        next.year = static_cast<int>(typed);
    }
    shown_ = next;
    refresh();
}

void CMonthCalendarDlg::monthChosen(int index) {
    if (index < 0) {
        return;
    }
    const bool fits = MonthInCalendar(shown_.kind, shown_.year, index + 1);
    showRangeNote(!fits);
    if (!fits) {
        monthList_->setCurrentIndex(shown_.month - 1);
        return;
    }
    shown_.month = index + 1;
    refresh();
}

// A name typed in full (case ignored) chooses its month.
void CMonthCalendarDlg::monthTextEdited(const QString& text) {
    const auto& names = MonthNames(shown_.kind);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (text.trimmed().compare(Text(names[i]), Qt::CaseInsensitive) == 0) {
            monthChosen(static_cast<int>(i));
            return;
        }
    }
}

// Both buttons jump to the current month of their calendar; the month shown is not converted.
void CMonthCalendarDlg::calendarClicked(CalendarKind kind) {
    const CalendarFields today = BreakLocal(clock_.now());
    shown_ = CurrentMonth(kind, today.day, today.month, today.year, hijriAdjustDays_);
    showRangeNote(false);
    fillMonthList();
    showFields();
    refresh();
}

bool CMonthCalendarDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == yearEdit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            yearEdited();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// "Close" checks the year edit first, as the window's OK does; the close box does not.
void CMonthCalendarDlg::closeChecked() {
    unsigned typed = 0;
    if (fx::ReadPositiveInteger(yearEdit_, typed, boxes_)) {
        accept();
    }
}

// The save dialog for a file of the shown month, suggesting "<month> <year>.<suffix>" in the home
// folder; a name typed without a suffix gets `suffix`. Empty when the user cancelled.
QString CMonthCalendarDlg::chooseTargetForShownMonth(const QString& suffix) {
    const QString suggested = QDir::home().filePath(
        QStringLiteral("%1 %2.%3")
            .arg(Text(MonthNames(shown_.kind)[static_cast<std::size_t>(shown_.month - 1)]))
            .arg(shown_.year)
            .arg(suffix));
    QString target = dialogs_.saveFileName(this, suggested);
    if (!target.isEmpty() && QFileInfo(target).suffix().isEmpty()) {
        target += QLatin1Char('.') + suffix;
    }
    return target;
}

void CMonthCalendarDlg::saveAs() {
    const QString target = chooseTargetForShownMonth(QStringLiteral("html"));
    if (target.isEmpty()) {
        return;
    }
    // The bytes of the shown page, written whole or not at all.
    const std::optional<std::string> page =
        ReadSmallFile(MonthPagePath(installationFolder_), MaxSavedPageBytes);
    if (!page || !ReplaceFileAtomically(QFile::encodeName(target).toStdString(), *page)) {
        boxes_.show(Text(texts::SavePageFailed).arg(QDir::toNativeSeparators(target)).toStdString(),
                    MessageIcon::Error);
    }
}

void CMonthCalendarDlg::setExportSettings(const CConfigFile* config) {
    exportSettings_ = config;
    exportAction_->setEnabled(config != nullptr);
}

// The shown month's prayer times as an iCalendar file, at the moments the bar announces them.
void CMonthCalendarDlg::exportPrayerTimes() {
    if (exportSettings_ == nullptr) {
        return;
    }
    const QString target = chooseTargetForShownMonth(QStringLiteral("ics"));
    if (target.isEmpty()) {
        return;
    }
    const CConfigFile& config = *exportSettings_;
    const GregorianSpan span = GregorianDaysOf(shown_);
    const std::vector<IcsEvent> events = PrayerEventsOfDays(
        span.first, span.days, config.prayerSettings(), DaylightSavingRule::LocalClock, false);
    const IcsPlace place{config.cityName + ", " + config.countryName, config.latitude,
                         config.longitude};
    if (!ReplaceFileAtomically(QFile::encodeName(target).toStdString(),
                               IcsCalendar(events, place, {}, clock_.now()))) {
        boxes_.show(UiText(texts::ExportPrayerTimesFailed)
                        .arg(QDir::toNativeSeparators(target))
                        .toStdString(),
                    MessageIcon::Error);
    }
}

QPrinter& CMonthCalendarDlg::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}

void CMonthCalendarDlg::paintPage(QPrinter* printer) const {
    browser_->print(printer);
}

void CMonthCalendarDlg::print() {
    QPrinter& target = printer();
    if (dialogs_.setUpPrinter(this, target)) {
        paintPage(&target);
    }
}

void CMonthCalendarDlg::printPreview() {
    dialogs_.preview(this, printer(), [this](QPrinter* target) { paintPage(target); });
}

// Copies the selection and leaves nothing selected.
void CMonthCalendarDlg::copy() {
    browser_->copy();
    QTextCursor cursor = browser_->textCursor();
    cursor.clearSelection();
    browser_->setTextCursor(cursor);
}

// The font of the whole page; it stays for the months shown after.
void CMonthCalendarDlg::chooseFont() {
    if (const std::optional<QFont> font = dialogs_.chooseFont(this, browser_->font())) {
        browser_->setFont(*font);
    }
}

void OpenMonthCalendar(QWidget* parent, MessageBoxes& boxes, const Clock& clock,
                       const std::string& installationFolder, int hijriAdjustDays,
                       const CConfigFile* config) {
    const CalendarFields today = BreakLocal(clock.now());
    QtPageDialogs dialogs;
    CMonthCalendarDlg window(
        parent, boxes, clock, dialogs, installationFolder,
        CurrentMonth(CalendarKind::Hijri, today.day, today.month, today.year, hijriAdjustDays),
        hijriAdjustDays);
    window.setExportSettings(config);
    window.exec();
}

}  // namespace salvenor
