// "Location Positioning": the dialog in which the user types the coordinates of a place that the
// city database lacks.
#pragma once

#include <QDialog>
#include <string>

#include "core/prayer_times.h"
#include "platform/message_boxes.h"

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace salvenor {

class CLocationDlg final : public QDialog {
    Q_OBJECT

  public:
    explicit CLocationDlg(MessageBoxes& boxes, QWidget* parent = nullptr);

    // Set before the dialog runs; after OK they hold what the user entered.
    double altitude = 0.0;   // metres
    double latitude = 0.0;   // decimal degrees, north positive
    double longitude = 0.0;  // decimal degrees, east positive
    std::string placeLabel;  // the place the coordinates belong to

    // OK: the three numbers are read (altitude, latitude, longitude; the first that fails keeps
    // the dialog open on its edit); the fields change only when all three are numbers within
    // their ranges.
    void accept() override;

    QLineEdit* longitudeEdit() const { return longitudeEdit_; }
    QLineEdit* latitudeEdit() const { return latitudeEdit_; }
    QLineEdit* altitudeEdit() const { return altitudeEdit_; }
    QLabel* placeLabelControl() const { return place_; }
    QPushButton* okButton() const;
    QPushButton* cancelButton() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void createControls();
    void createLayout();
    void connectSignals();

    MessageBoxes& boxes_;
    QLabel* place_ = nullptr;
    QLineEdit* longitudeEdit_ = nullptr;
    QLineEdit* latitudeEdit_ = nullptr;
    QLineEdit* altitudeEdit_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    bool shown_ = false;
};

}  // namespace salvenor
