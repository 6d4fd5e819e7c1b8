// The small windows and their pictures, painted when a window opens.
#include "windows/small_windows.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/texts.h"
#include "platform/qt/ui_text.h"
#include "platform/sound_player.h"
#include "windows/bar_palette.h"

namespace salvenor {

namespace {

// The notice's beep.
constexpr int NotSupportedBeepHz = 450;
constexpr int NotSupportedBeepMs = 100;

// Text inside a picture is never smaller than this, so that it reads at the picture's size.
constexpr int SmallestTextPixels = 12;

using bar_palette::Gold;
using bar_palette::NightBlue;
const QColor DuskBlue(38, 82, 150);
const QColor Paper(250, 246, 232);

QString Utf8(const char* text) {
    return UiText(text);
}

QFont PictureFont(int pixels, bool bold = false) {
    QFont font;
    font.setPixelSize(std::max(pixels, SmallestTextPixels));
    font.setBold(bold);
    return font;
}

// A crescent opening to the upper right, in `colour`: a disc with a smaller disc taken out of it.
void DrawCrescent(QPainter& p, const QPointF& centre, qreal radius, const QColor& colour) {
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    QPainterPath bite;
    bite.addEllipse(centre + QPointF(radius * 0.42, -radius * 0.18), radius * 0.86, radius * 0.86);
    p.fillPath(disc.subtracted(bite), colour);
}

QLabel* PictureLabel(const QImage& picture, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setPixmap(QPixmap::fromImage(picture));
    label->setFixedSize(picture.size());
    return label;
}

QLabel* TextLabel(const QString& text, QWidget* parent, const char* name = nullptr) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    if (name != nullptr) {
        label->setObjectName(QString::fromLatin1(name));
    }
    return label;
}

QDialogButtonBox* OkButtonBox(QDialog* dialog) {
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok, dialog);
    box->button(QDialogButtonBox::Ok)->setText(Utf8(texts::OkButton));
    box->setCenterButtons(true);
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    return box;
}

// Dialog flags without the "What's this" button and without resizing.
constexpr Qt::WindowFlags SmallWindowFlags =
    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

}  // namespace

// --- CAbout -------------------------------------------------------------------------------------

QImage CAbout::Picture() {
    QImage image(400, 222, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient sky(0, 0, 0, image.height());
    sky.setColorAt(0, NightBlue);
    sky.setColorAt(1, DuskBlue);
    p.fillRect(image.rect(), sky);
    DrawCrescent(p, QPointF(70, 78), 46, Gold);

    p.setPen(Qt::white);
    p.setFont(PictureFont(34, true));
    p.drawText(QRect(140, 22, 250, 44), Qt::AlignLeft | Qt::AlignVCenter,
               Utf8(texts::AboutProductName));
    p.setPen(Gold);
    p.setFont(PictureFont(18, true));
    p.drawText(QRect(142, 66, 250, 24), Qt::AlignLeft | Qt::AlignVCenter,
               Utf8(texts::AboutVersion));
    p.setPen(QColor(220, 230, 255));
    p.setFont(PictureFont(14));
    p.drawText(QRect(142, 92, 250, 20), Qt::AlignLeft | Qt::AlignVCenter,
               Utf8(texts::AboutTagline));
    p.drawText(QRect(142, 112, 250, 20), Qt::AlignLeft | Qt::AlignVCenter,
               Utf8(texts::AboutRelease));

    p.setPen(Qt::white);
    p.setFont(PictureFont(13));
    const char* const lines[] = {texts::AboutCopyright, texts::WebsiteAddress,
                                 texts::SupportMailAddress};
    int top = 140;
    for (const char* line : lines) {
        p.drawText(QRect(14, top, 372, 18), Qt::AlignLeft | Qt::AlignVCenter, Utf8(line));
        top += 20;
    }
    // The bar's three colours as a thin strip along the bottom.
    bar_palette::DrawStrip(p, QRect(0, image.height() - 8, image.width(), 8));
    return image;
}

CAbout::CAbout(QWidget* parent) : QDialog(parent, SmallWindowFlags) {
    setWindowTitle(Utf8(texts::AboutTitle));
    createControls();
}

void CAbout::createControls() {
    auto* picture = PictureLabel(Picture(), this);
    picture->setObjectName("picture");
    auto* licence = TextLabel(Utf8(texts::LicenceNotice), this, "licence");
    auto* credit = TextLabel(Utf8(texts::GeoNamesCredit), this, "credit");
    auto* version = TextLabel(
        Utf8(texts::AboutPackageVersion).arg(QStringLiteral(SALVENOR_VERSION)), this, "version");
    for (QLabel* label : {licence, credit, version}) {
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setFixedWidth(picture->width());
    }
    buttons_ = OkButtonBox(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(licence);
    layout->addWidget(credit);
    layout->addWidget(version);
    layout->addWidget(buttons_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* CAbout::okButton() const {
    return buttons_->button(QDialogButtonBox::Ok);
}

// --- CInitInstallation --------------------------------------------------------------------------

QImage CInitInstallation::Picture() {
    QImage image(72, 72, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A globe: sea, two land masses, meridians and parallels.
    const QRectF globe(6, 10, 56, 56);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 110, 200));
    p.drawEllipse(globe);
    p.setBrush(QColor(70, 170, 80));
    p.drawEllipse(QRectF(14, 22, 20, 14));
    p.drawEllipse(QRectF(34, 40, 18, 16));
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(22, 10, 24, 56));
    p.drawLine(QPointF(34, 10), QPointF(34, 66));
    p.drawLine(QPointF(7, 38), QPointF(61, 38));
    p.drawLine(QPointF(11, 24), QPointF(57, 24));
    p.drawLine(QPointF(11, 52), QPointF(57, 52));
    // The place: a red marker standing on the globe.
    QPainterPath marker;
    marker.moveTo(50, 36);
    marker.cubicTo(40, 22, 40, 8, 50, 6);
    marker.cubicTo(60, 8, 60, 22, 50, 36);
    p.setPen(QPen(QColor(120, 0, 0), 1.5));
    p.setBrush(QColor(225, 30, 30));
    p.drawPath(marker);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(50, 15), 3.5, 3.5);
    return image;
}

CInitInstallation::CInitInstallation(QWidget* parent) : QDialog(parent, SmallWindowFlags) {
    setWindowTitle(Utf8(texts::InitInstallationTitle));
    // Nothing else of the program is up yet: the notice must not end up behind other windows.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    createControls();
    createLayout();
    connectSignals();
}

void CInitInstallation::createControls() {
    heading_ = TextLabel(Utf8(texts::InitInstallationHeading), this, "heading");
    QFont bold = heading_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.25);
    heading_->setFont(bold);
    picture_ = PictureLabel(Picture(), this);
    picture_->setObjectName("picture");

    const char* const paragraphs[] = {texts::InitInstallationText1, texts::InitInstallationText2,
                                      texts::InitInstallationText3};
    for (std::size_t i = 0; i < paragraphs_.size(); ++i) {
        paragraphs_.at(i) = TextLabel(Utf8(paragraphs[i]), this);
        paragraphs_.at(i)->setFixedWidth(360);
    }

    buttons_ = new QDialogButtonBox(this);
    continue_ = buttons_->addButton(Utf8(texts::ContinueButton), QDialogButtonBox::AcceptRole);
    exit_ = buttons_->addButton(Utf8(texts::ExitSetupButton), QDialogButtonBox::RejectRole);
    continue_->setDefault(true);
}

void CInitInstallation::createLayout() {
    auto* textColumn = new QVBoxLayout;
    for (QLabel* paragraph : paragraphs_) {
        textColumn->addWidget(paragraph);
    }
    auto* body = new QHBoxLayout;
    body->addWidget(picture_, 0, Qt::AlignTop);
    body->addLayout(textColumn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addLayout(body);
    layout->addWidget(buttons_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CInitInstallation::connectSignals() {
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

// --- CWebsiteReminder ---------------------------------------------------------------------------

CWebsiteReminder::CWebsiteReminder(QWidget* parent) : QDialog(parent, SmallWindowFlags) {
    setWindowTitle(Utf8(texts::WebsiteReminderTitle));
    createControls();
}

void CWebsiteReminder::createControls() {
    auto* layout = new QVBoxLayout(this);
    const struct {
        const char* text;
        const char* name;
        bool address;
    } rows[] = {{texts::VisitWebsite, "visitText", false},
                {texts::WebsiteAddress, "website", true},
                {texts::SendUsMail, "mailText", false},
                {texts::SupportMailAddress, "mail", true}};
    for (const auto& row : rows) {
        QLabel* label = TextLabel(Utf8(row.text), this, row.name);
        label->setFixedWidth(340);
        if (row.address) {
            // The addresses stand out and can be copied.
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
            label->setAlignment(Qt::AlignCenter);
            label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        }
        layout->addWidget(label);
    }
    buttons_ = OkButtonBox(this);
    layout->addWidget(buttons_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* CWebsiteReminder::okButton() const {
    return buttons_->button(QDialogButtonBox::Ok);
}

// --- CFtNotSupported ----------------------------------------------------------------------------

QImage CFtNotSupported::Picture() {
    QImage image(360, 150, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(image.rect(), Paper);
    p.setPen(QPen(QColor(180, 140, 40), 2));
    p.drawRect(QRectF(1, 1, image.width() - 2, image.height() - 2));

    // A warning sign: an amber triangle with an exclamation mark.
    QPainterPath sign;
    sign.moveTo(52, 22);
    sign.lineTo(92, 92);
    sign.lineTo(12, 92);
    sign.closeSubpath();
    p.setPen(QPen(QColor(120, 80, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 190, 40));
    p.drawPath(sign);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 0));
    p.drawRoundedRect(QRectF(48.5, 44, 7, 28), 3, 3);
    p.drawEllipse(QPointF(52, 81), 4, 4);

    p.setPen(QColor(90, 50, 0));
    p.setFont(PictureFont(22, true));
    p.drawText(QRect(108, 20, 240, 32), Qt::AlignLeft | Qt::AlignVCenter,
               Utf8(texts::NotSupportedHeadline));
    p.setPen(QColor(40, 40, 40));
    p.setFont(PictureFont(14));
    p.drawText(QRect(108, 54, 240, 44), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               Utf8(texts::NotSupportedText));
    p.setFont(PictureFont(13));
    p.drawText(QRect(14, 104, 332, 18), Qt::AlignLeft | Qt::AlignVCenter,
               Utf8(texts::NotSupportedNews));
    p.setFont(PictureFont(13, true));
    p.setPen(QColor(20, 60, 140));
    p.drawText(QRect(14, 122, 332, 18), Qt::AlignLeft | Qt::AlignVCenter,
               Utf8(texts::WebsiteAddress));
    return image;
}

CFtNotSupported::CFtNotSupported(QWidget* parent) : QDialog(parent, SmallWindowFlags) {
    setWindowTitle(Utf8(texts::NotSupportedTitle));
    createControls();
}

void CFtNotSupported::createControls() {
    auto* picture = PictureLabel(Picture(), this);
    picture->setObjectName("picture");
    buttons_ = OkButtonBox(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(buttons_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* CFtNotSupported::okButton() const {
    return buttons_->button(QDialogButtonBox::Ok);
}

// --- Entry points -------------------------------------------------------------------------------

void OpenAbout(QWidget* parent) {
    CAbout window(parent);
    window.exec();
}

bool AskInitInstallation(QWidget* parent) {
    CInitInstallation window(parent);
    return window.exec() == QDialog::Accepted;
}

void ShowWebsiteReminder(QWidget* parent) {
    CWebsiteReminder window(parent);
    window.exec();
}

void OpenNotSupported(QWidget* parent, SoundPlayer& sound) {
    sound.beep(NotSupportedBeepHz, NotSupportedBeepMs);
    CFtNotSupported window(parent);
    window.exec();
}

}  // namespace salvenor
