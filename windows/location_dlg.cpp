// The Location Positioning dialog.
#include "windows/location_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/texts.h"
#include "windows/field_exchange.h"

namespace salvenor {

namespace {

QLabel* Label(const char* text, QWidget* parent) {
    return new QLabel(QString::fromUtf8(text), parent);
}

}  // namespace

CLocationDlg::CLocationDlg(MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent),
      boxes_(boxes),
      place_(Label(texts::LocationPlaceInitial, this)),
      longitudeEdit_(new QLineEdit(this)),
      latitudeEdit_(new QLineEdit(this)),
      altitudeEdit_(new QLineEdit(this)) {
    setWindowTitle(QString::fromUtf8(texts::LocationTitle));
    place_->setAlignment(Qt::AlignCenter);

    auto* group = new QGroupBox(QString::fromUtf8(texts::CityCoordinatesGroup), this);
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
        // West and south are negative, and few places lie on whole degrees.
        fx::RestrictTyping(r.edit, fx::TypedNumber::SignedDecimal);
        grid->addWidget(Label(r.label, group), row, 0);
        grid->addWidget(r.edit, row, 1);
        grid->addWidget(Label(r.unit, group), row, 2);
        ++row;
    }

    auto* ok = new QPushButton(QString::fromUtf8(texts::OkButton), this);
    auto* cancel = new QPushButton(QString::fromUtf8(texts::CancelButton), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CLocationDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CLocationDlg::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(place_);
    layout->addWidget(group);
    layout->addWidget(Label(texts::CoordinateSigns, this));
    layout->addLayout(buttons);
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
