// The today window.
#include "windows/day_sala_time_dlg.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>

#include "config/config_file.h"
#include "core/texts.h"
#include "pages/today_page.h"
#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "platform/qt/language.h"
#include "platform/qt/ui_text.h"

namespace salvenor {

namespace {

// The window's layout is given in dialog units: a quarter of the average character width across
// and an eighth of the character height down, so the window scales with its font.
class DialogUnits {
  public:
    explicit DialogUnits(const QFontMetrics& metrics)
        : baseX_(metrics.horizontalAdvance(
                     QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                 52.0),
          baseY_(metrics.height()) {}
    int x(int units) const { return qRound(units * baseX_ / 4.0); }
    int y(int units) const { return qRound(units * baseY_ / 8.0); }
    QRect rect(int left, int top, int width, int height) const {
        return {x(left), y(top), x(width), y(height)};
    }

  private:
    double baseX_;
    double baseY_;
};

}  // namespace

CDaySalaTimeDlg::CDaySalaTimeDlg(QWidget* parent, const CConfigFile& config, MessageBoxes& boxes,
                                 const Clock& clock, const std::string& workingDirectory)
    : QDialog(parent), browser_(new QTextBrowser(this)), ok_(new QPushButton(this)) {
    setWindowTitle(UiText(texts::TodayWindowTitle));
    const DialogUnits du(fontMetrics());
    setFixedSize(du.x(389), du.y(334));
    browser_->setGeometry(du.rect(7, 7, 375, 302));
    browser_->setOpenLinks(false);
    browser_->setAccessibleName(UiText(texts::TodayPageName));
    ok_->setText(UiText(texts::TodayWindowOk));
    ok_->setGeometry(du.rect(154, 313, 50, 14));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    // One reading of the clock gives every text of the page, in the user's language and its
    // template when a translation is installed.
    const std::string language = InstalledLanguage();
    const WordsOf words = UiWords();
    const TodayPageTexts pageTexts =
        GatherTodayTexts(clock.now(), config, config.prayerSettings(), words);
    if (BuildTodayPage(pageTexts, workingDirectory, boxes, language)) {
        browser_->setSource(
            QUrl::fromLocalFile(QString::fromStdString(TodayPagePath(workingDirectory))));
    }
}

void OpenTodayWindow(QWidget* parent, const CConfigFile& config, MessageBoxes& boxes,
                     const Clock& clock, const std::string& workingDirectory) {
    CDaySalaTimeDlg window(parent, config, boxes, clock, workingDirectory);
    window.exec();
}

}  // namespace salvenor
