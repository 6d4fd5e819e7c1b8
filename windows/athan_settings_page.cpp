// The Athan & Reminder Settings page.
#include "windows/athan_settings_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cstdlib>
#include <utility>

#include "core/paths.h"
#include "core/texts.h"
#include "platform/qt/ui_text.h"
#include "windows/play_button.h"

namespace salvenor {

namespace {

QString Text(const char* text) {
    return UiText(text);
}

QCheckBox* NewCheck(const char* text, QWidget* parent) {
    auto* check = new QCheckBox(parent);
    check->setAccessibleName(Text(text));
    return check;
}

QLabel* NewLabel(const char* text, QWidget* parent) {
    auto* label = new QLabel(Text(text), parent);
    label->setAccessibleName(Text(text));
    return label;
}

}  // namespace

QString OnTwoLines(const QString& text) {
    const qsizetype middle = text.size() / 2;
    qsizetype best = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char(' ') &&
            (best < 0 || std::abs(i - middle) < std::abs(best - middle))) {
            best = i;
        }
    }
    QString out = text;
    if (best >= 0) {
        out[best] = QLatin1Char('\n');
    }
    return out;
}

CAthanSettingsPage::CAthanSettingsPage(CConfigFile& config, SoundPlayer& sound,
                                       std::string installationFolder, SoundFileChooser chooseFile,
                                       QWidget* parent)
    : CPropertyPage(parent),
      config_(config),
      sound_(sound),
      installationFolder_(std::move(installationFolder)),
      chooseFile_(chooseFile ? std::move(chooseFile)
                             : SoundFileChooser(ChooseSoundFileWithDialog)) {
    createControls();
    createLayout();
    connectSignals();
}

void CAthanSettingsPage::createControls() {
    athanEdit_ = new QLineEdit(this);
    athanEdit_->setAccessibleName(Text(texts::AthanFileLabel));
    athanPlay_ = new CPlayButton(this);
    athanPlay_->setAccessibleName(Text(texts::PlayAthanName));
    athanBrowse_ = new QPushButton(Text(texts::BrowseButton), this);
    athanBrowse_->setAccessibleName(Text(texts::BrowseAthanName));

    fajrAthanEdit_ = new QLineEdit(this);
    fajrAthanEdit_->setAccessibleName(Text(texts::FajrAthanFileLabel));
    fajrAthanPlay_ = new CPlayButton(this);
    fajrAthanPlay_->setAccessibleName(Text(texts::PlayFajrAthanName));
    fajrAthanBrowse_ = new QPushButton(Text(texts::BrowseButton), this);
    fajrAthanBrowse_->setAccessibleName(Text(texts::BrowseFajrAthanName));

    showAlert_ = NewCheck(texts::ShowAthanAlertCheck, this);
    showAlert_->setText(OnTwoLines(Text(texts::ShowAthanAlertCheck)));
    barOnTop_ = NewCheck(texts::BarOnTopReminderCheck, this);
    barOnTop_->setText(Text(texts::BarOnTopReminderCheck));
    mute_ = NewCheck(texts::MuteAllSoundsCheck, this);
    mute_->setText(Text(texts::MuteAllSoundsCheck));
    login_ = NewCheck(texts::StartAtLoginCheck, this);
    login_->setText(Text(texts::StartAtLoginCheck));
    createNotificationControls();
}

void CAthanSettingsPage::createNotificationControls() {
    notificationsGroup_ = new QGroupBox(UiText(texts::NotificationsGroup), this);
    notificationsGroup_->setAccessibleName(notificationsGroup_->title());
    notifyAtPrayer_ = new QCheckBox(UiText(texts::NotifyAtPrayerCheck), notificationsGroup_);
    notifyAtPrayer_->setAccessibleName(notifyAtPrayer_->text());
    warnBefore_ = new QCheckBox(UiText(texts::WarnBeforeCheck), notificationsGroup_);
    warnBefore_->setAccessibleName(warnBefore_->text());
    warnMinutes_ = new QSpinBox(notificationsGroup_);
    warnMinutes_->setRange(MinWarningMinutes, MaxWarningMinutes);
    warnMinutes_->setValue(MinWarningMinutes);
    warnMinutes_->setSuffix(UiText(texts::WarnMinutesSuffix));
    warnMinutes_->setAccessibleName(UiText(texts::WarnMinutesName));
    // The spin's own edit is what the keyboard reaches; it carries the same name.
    for (QWidget* part : warnMinutes_->findChildren<QWidget*>()) {
        part->setAccessibleName(warnMinutes_->accessibleName());
    }
    warnMinutes_->setEnabled(false);
    connect(warnBefore_, &QCheckBox::toggled, warnMinutes_, &QWidget::setEnabled);

    auto* warn = new QHBoxLayout;
    warn->addWidget(warnBefore_);
    warn->addWidget(warnMinutes_);
    warn->addStretch(1);
    auto* group = new QVBoxLayout(notificationsGroup_);
    group->addWidget(notifyAtPrayer_);
    group->addLayout(warn);
}

void CAthanSettingsPage::createLayout() {
    auto* athanLabel = NewLabel(texts::AthanFileLabel, this);
    athanLabel->setBuddy(athanEdit_);
    auto* fajrLabel = NewLabel(texts::FajrAthanFileLabel, this);
    fajrLabel->setBuddy(fajrAthanEdit_);

    auto* files = new QGridLayout;
    files->setColumnStretch(0, 1);
    files->addWidget(athanLabel, 0, 0, 1, 3);
    files->addWidget(athanEdit_, 1, 0);
    files->addWidget(athanPlay_, 1, 1);
    files->addWidget(athanBrowse_, 1, 2);
    files->addWidget(fajrLabel, 2, 0, 1, 3);
    files->addWidget(fajrAthanEdit_, 3, 0);
    files->addWidget(fajrAthanPlay_, 3, 1);
    files->addWidget(fajrAthanBrowse_, 3, 2);
    files_ = files;

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(files);
    layout->addSpacing(8);
    layout->addWidget(showAlert_);
    layout->addWidget(barOnTop_);
    layout->addWidget(mute_);
    layout->addSpacing(8);
    layout->addWidget(login_);
    layout->addSpacing(8);
    layout->addWidget(notificationsGroup_);
    layout->addStretch(1);

    // Tab goes down the page as it reads: each file's edit, play and browse, then the switches.
    setTabOrder(athanEdit_, athanPlay_);
    setTabOrder(athanPlay_, athanBrowse_);
    setTabOrder(athanBrowse_, fajrAthanEdit_);
    setTabOrder(fajrAthanEdit_, fajrAthanPlay_);
    setTabOrder(fajrAthanPlay_, fajrAthanBrowse_);
    setTabOrder(fajrAthanBrowse_, showAlert_);
    setTabOrder(showAlert_, barOnTop_);
    setTabOrder(barOnTop_, mute_);
    setTabOrder(mute_, login_);
    setTabOrder(login_, notifyAtPrayer_);
    setTabOrder(notifyAtPrayer_, warnBefore_);
    setTabOrder(warnBefore_, warnMinutes_);
}

void CAthanSettingsPage::connectSignals() {
    // The play buttons play the fields, not what is typed into the edits.
    connect(athanPlay_, &QAbstractButton::clicked, this, [this] { Play(athanPath_); });
    connect(fajrAthanPlay_, &QAbstractButton::clicked, this, [this] { Play(fajrAthanPath_); });
    connect(athanBrowse_, &QPushButton::clicked, this, [this] {
        Browse({&athanPath_, athanEdit_, AthanBrowseProposedName});
    });
    connect(fajrAthanBrowse_, &QPushButton::clicked, this, [this] {
        Browse({&fajrAthanPath_, fajrAthanEdit_, FajrAthanBrowseProposedName});
    });
}

void CAthanSettingsPage::setSwitches(const AthanSwitches& switches) {
    switches_ = switches;
    if (created()) {
        ShowSwitches();
    }
}

void CAthanSettingsPage::OnInitPage() {
    athanPath_ = config_.athanWavPath;
    fajrAthanPath_ = config_.fajrAthanWavPath;
    ShowFields();
}

void CAthanSettingsPage::ShowFields() {
    athanEdit_->setText(QString::fromStdString(athanPath_));
    fajrAthanEdit_->setText(QString::fromStdString(fajrAthanPath_));
    ShowSwitches();
}

void CAthanSettingsPage::ShowSwitches() {
    showAlert_->setChecked(switches_.showAthanAlert != 0);
    barOnTop_->setChecked(switches_.barOnTopReminder != 0);
    mute_->setChecked(switches_.muteAllSounds != 0);
    login_->setChecked(startAtLogin_);
    ShowNotifications();
}

void CAthanSettingsPage::setNotifications(const NotificationChoices& choices) {
    notifications_ = choices;
    if (created()) {
        ShowNotifications();
    }
}

void CAthanSettingsPage::ShowNotifications() {
    shownNotice_ = NotifiesAtPrayer(notifications_, switches_.showAthanAlert != 0);
    notifyAtPrayer_->setChecked(shownNotice_);
    const int minutes = ValidWarningMinutes(notifications_.warningMinutes);
    warnBefore_->setChecked(minutes != 0);
    warnMinutes_->setValue(minutes != 0 ? minutes : MinWarningMinutes);
    warnMinutes_->setEnabled(minutes != 0);
}

void CAthanSettingsPage::setStartAtLogin(bool on) {
    startAtLogin_ = on;
    if (created()) {
        login_->setChecked(on);
    }
}

void CAthanSettingsPage::ReadControls() {
    athanPath_ = athanEdit_->text().toStdString();
    fajrAthanPath_ = fajrAthanEdit_->text().toStdString();
    switches_.showAthanAlert = showAlert_->isChecked() ? 1 : 0;
    switches_.barOnTopReminder = barOnTop_->isChecked() ? 1 : 0;
    switches_.muteAllSounds = mute_->isChecked() ? 1 : 0;
    startAtLogin_ = login_->isChecked();
    // A notice box left as shown keeps the choice as it was, unset included.
    if (notifyAtPrayer_->isChecked() != shownNotice_) {
        notifications_.atPrayer = notifyAtPrayer_->isChecked();
        shownNotice_ = notifyAtPrayer_->isChecked();
    }
    notifications_.warningMinutes = warnBefore_->isChecked() ? warnMinutes_->value() : 0;
}

void CAthanSettingsPage::Browse(const SoundRow& row) {
    // Only the chosen file's own edit changes: what the user typed or ticked elsewhere on the
    // page since it was last saved stays as it is.
    if (const auto chosen =
            chooseFile_(this, MakeSoundFileRequest(installationFolder_, row.initialName))) {
        *row.path = *chosen;
        row.edit->setText(QString::fromStdString(*chosen));
    }
    row.edit->setFocus();
}

void CAthanSettingsPage::Play(const std::string& path) {
    // One flag for both buttons, not cleared when a sound ends by itself: a press while it is
    // set only stops.
    if (playing_) {
        playing_ = false;
        sound_.stop();
        return;
    }
    playing_ = true;
    sound_.play(NativePath(path));
    // Made only when it has something to say, so that the page is otherwise as it always was.
    if (noDevice_ == nullptr && !sound_.hasOutputDevice()) {
        noDevice_ = new QLabel(Text(texts::NoSoundDevice), this);
        noDevice_->setAccessibleName(noDevice_->text());
        files_->addWidget(noDevice_, 4, 0, 1, 3);
        noDevice_->show();
    }
}

bool CAthanSettingsPage::OnKillActive() {
    ReadControls();
    return true;
}

void CAthanSettingsPage::OnOK() {
    ReadControls();
    config_.athanWavPath = athanPath_;
    config_.fajrAthanWavPath = fajrAthanPath_;
}

}  // namespace salvenor
