// The Location Positioning dialog.
#include "windows/location_dlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/texts.h"
#include "platform/qt/ui_text.h"
#include "windows/field_exchange.h"

namespace salvenor {

namespace {

QLabel* Label(const char* text, QWidget* parent) {
    return new QLabel(UiText(text), parent);
}

}  // namespace

CLocationDlg::CLocationDlg(MessageBoxes& boxes, QWidget* parent) : QDialog(parent), boxes_(boxes) {
    setWindowTitle(UiText(texts::LocationTitle));
    createControls();
    createLayout();
    connectSignals();
}

void CLocationDlg::createControls() {
    place_ = Label(texts::LocationPlaceInitial, this);
    place_->setAlignment(Qt::AlignCenter);
    longitudeEdit_ = new QLineEdit(this);
    latitudeEdit_ = new QLineEdit(this);
    altitudeEdit_ = new QLineEdit(this);
    for (QLineEdit* edit : {longitudeEdit_, latitudeEdit_, altitudeEdit_}) {
        // West and south are negative, and few places lie on whole degrees.
        fx::RestrictTyping(edit, fx::TypedNumber::SignedDecimal);
    }

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    okButton()->setText(UiText(texts::OkButton));
    okButton()->setDefault(true);
    cancelButton()->setText(UiText(texts::CancelButton));
}

void CLocationDlg::createLayout() {
    auto* group = new QGroupBox(UiText(texts::CityCoordinatesGroup), this);
    auto* grid = new QGridLayout(group);
    const struct {
        const char* label;
        QLineEdit* edit;
        const char* unit;
    } rows[] = {{texts::EnterLongitude, longitudeEdit_, texts::DecimalUnit},
                {texts::EnterLatitude, latitudeEdit_, texts::DecimalUnit},
                {texts::EnterAltitude, altitudeEdit_, texts::MetersUnit}};
    int row = 0;
    for (const auto& r : rows) {
        grid->addWidget(Label(r.label, group), row, 0);
        grid->addWidget(r.edit, row, 1);
        grid->addWidget(Label(r.unit, group), row, 2);
        ++row;
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(place_);
    layout->addWidget(group);
    layout->addWidget(Label(texts::CoordinateSigns, this));
    layout->addWidget(buttons_);
}

void CLocationDlg::connectSignals() {
    // OK goes through accept(), which keeps the dialog open on a refused number.
    connect(buttons_, &QDialogButtonBox::accepted, this, &CLocationDlg::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &CLocationDlg::reject);
}

QPushButton* CLocationDlg::okButton() const {
    return buttons_->button(QDialogButtonBox::Ok);
}

QPushButton* CLocationDlg::cancelButton() const {
    return buttons_->button(QDialogButtonBox::Cancel);
}

void CLocationDlg::showEvent(QShowEvent* event) {
    if (!shown_) {
        shown_ = true;
        place_->setText(QString::fromStdString(placeLabel));
        fx::ShowDouble(longitudeEdit_, longitude);
        fx::ShowDouble(latitudeEdit_, latitude);
        fx::ShowDouble(altitudeEdit_, altitude);
    }
    QDialog::showEvent(event);
}

void CLocationDlg::accept() {
    double newAltitude = altitude;
    double newLatitude = latitude;
    double newLongitude = longitude;
    if (!fx::ReadDoubleInRange(altitudeEdit_, newAltitude, MinAltitude, MaxAltitude, boxes_) ||
        !fx::ReadDoubleInRange(latitudeEdit_, newLatitude, MinLatitude, MaxLatitude, boxes_) ||
        !fx::ReadDoubleInRange(longitudeEdit_, newLongitude, MinLongitude, MaxLongitude, boxes_)) {
        return;
    }
    altitude = newAltitude;
    latitude = newLatitude;
    longitude = newLongitude;
    QDialog::accept();
}

}  // namespace salvenor
