// The country and city selection page.
#include "windows/city_selection_page.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <new>
#include <utility>

#include "core/number_text.h"
#include "core/texts.h"
#include "windows/busy_cursor.h"
#include "windows/location_dlg.h"
#include "windows/wait_dlg.h"

namespace salvenor {

namespace {

constexpr int LetterCount = 26;

QString FromBytes(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* Label(const char* text, QWidget* parent) {
    return new QLabel(QString::fromUtf8(text), parent);
}

// The first entry whose text begins with `name` (case ignored), searched from position 1 to the
// end and then position 0; -1 for none and for an empty name.
int FindEntryStartingWith(const QComboBox* list, const std::string& name) {
    if (name.empty()) {
        return -1;
    }
    const QString prefix = FromBytes(name);
    const int count = list->count();
    for (int step = 1; step <= count; ++step) {
        const int i = step % count;
        if (list->itemText(i).startsWith(prefix, Qt::CaseInsensitive)) {
            return i;
        }
    }
    return -1;
}

// The entry that is the city `name` (case ignored); -1 for none.
int FindCityEntry(const QComboBox* list, const std::string& name) {
    return name.empty() ? -1 : list->findText(FromBytes(name), Qt::MatchFixedString);
}

}  // namespace

void CDropDownCombo::showPopup() {
    droppedDown_ = true;
    QComboBox::showPopup();
}

void CDropDownCombo::hidePopup() {
    QComboBox::hidePopup();
    if (!droppedDown_) {
        return;
    }
    // The entry chosen in the list becomes current only after the list has been hidden, so the
    // close is reported once the current event has been handled.
    QMetaObject::invokeMethod(
        this,
        [this] {
            droppedDown_ = false;
            emit closedUp();
        },
        Qt::QueuedConnection);
}

// The city list as the reader's sink. Each entry keeps the city's name as the file has it, so
// that the stored name is the database's, byte for byte.
class CCitySelectionPage::ListSink final : public CitySink {
  public:
    explicit ListSink(QComboBox* list) : list_(list) {}

    void clear() override {
        list_->clear();
        count_ = 0;
    }

    AddResult add(std::string_view name) override {
        try {
            list_->addItem(FromBytes(name),
                           QByteArray(name.data(), static_cast<qsizetype>(name.size())));
        } catch (const std::bad_alloc&) {
            return AddResult::NoSpace;
        }
        ++count_;
        return AddResult::Added;
    }

    // Entries added since the last clear; only they have coordinates in the table.
    int count() const { return count_; }

  private:
    QComboBox* list_;
    int count_ = 0;
};

CCitySelectionPage::CCitySelectionPage(CConfigFile& config, MessageBoxes& boxes,
                                       std::string databaseDirectory, QWidget* parent)
    : CPropertyPage(parent),
      config_(config),
      boxes_(boxes),
      database_(std::move(databaseDirectory), boxes) {
    createControls();
    createLayout();
    connectSignals();
}

void CCitySelectionPage::createControls() {
    // The order of creation is the Tab key's: the two lists, "Not Found?", then the letters.
    countryList_ = new CDropDownCombo(this);
    cityList_ = new CDropDownCombo(this);
    letters_ = new QButtonGroup(this);
    notFound_ = new QPushButton(QString::fromUtf8(texts::NotFoundButton), this);
    countryDisplay_ = Label(texts::CountryDisplayInitial, this);
    cityDisplay_ = Label(texts::CityDisplayInitial, this);
    sink_ = std::make_unique<ListSink>(cityList_);
    cityList_->setEditable(true);
    cityList_->setInsertPolicy(QComboBox::NoInsert);
    countryList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    countryList_->setMinimumContentsLength(24);
    cityList_->setMinimumContentsLength(24);

    cityGroup_ = new QGroupBox(QString::fromUtf8(texts::CityNameGroup), this);
    for (int k = 0; k < LetterCount; ++k) {
        auto* button = new QPushButton(QString(QChar('A' + k)), cityGroup_);
        button->setCheckable(true);
        button->setMaximumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("WW")) + 8);
        letters_->addButton(button, k);
    }
}

void CCitySelectionPage::createLayout() {
    auto* country = new QGridLayout;
    country->addWidget(Label(texts::CountryLabel, this), 0, 0);
    country->addWidget(countryList_, 0, 1);
    country->addWidget(Label(texts::CurrentCountryLabel, this), 1, 0);
    country->addWidget(countryDisplay_, 1, 1);

    auto* letterGrid = new QGridLayout;
    letterGrid->setSpacing(2);
    for (int k = 0; k < LetterCount; ++k) {
        letterGrid->addWidget(letters_->button(k), k / 13, k % 13);
    }
    auto* city = new QGridLayout;
    city->addWidget(Label(texts::CityNameLabel, cityGroup_), 0, 0);
    city->addWidget(cityList_, 0, 1);
    city->addWidget(Label(texts::CurrentCityLabel, cityGroup_), 1, 0);
    city->addWidget(cityDisplay_, 1, 1);
    auto* groupLayout = new QVBoxLayout(cityGroup_);
    groupLayout->addWidget(Label(texts::CityFirstCharacterLabel, cityGroup_));
    groupLayout->addLayout(letterGrid);
    groupLayout->addLayout(city);

    // Three decorative pictures.
    auto* pictures = new QHBoxLayout;
    for (const QStyle::StandardPixmap icon :
         {QStyle::SP_DriveNetIcon, QStyle::SP_DirHomeIcon, QStyle::SP_FileDialogContentsView}) {
        auto* picture = new QLabel(this);
        picture->setPixmap(style()->standardIcon(icon).pixmap(32, 32));
        pictures->addWidget(picture);
    }
    pictures->addStretch(1);
    pictures->addWidget(notFound_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(country);
    layout->addWidget(cityGroup_);
    layout->addLayout(pictures);
    layout->addStretch(1);
}

void CCitySelectionPage::connectSignals() {
    // `activated` comes from the user only (keyboard, wheel or the list); choices made in
    // code do not rebuild anything.
    connect(countryList_, &QComboBox::activated, this, &CCitySelectionPage::OnCountryActivated);
    connect(countryList_, &CDropDownCombo::closedUp, this, &CCitySelectionPage::OnCountryChanged);
    connect(cityList_, &QComboBox::activated, this, &CCitySelectionPage::OnCitySelected);
    connect(cityList_, &CDropDownCombo::closedUp, this, &CCitySelectionPage::OnCitySelected);
    connect(letters_, &QButtonGroup::idClicked, this, &CCitySelectionPage::OnLetterPressed);
    connect(notFound_, &QPushButton::clicked, this, &CCitySelectionPage::OnNotFound);
}

CCitySelectionPage::~CCitySelectionPage() = default;

QAbstractButton* CCitySelectionPage::letterButton(int index) const {
    return letters_->button(index);
}

void CCitySelectionPage::OnInitPage() {
    countryList_->addItem(QString::fromUtf8(texts::ChoseCountry));
    cityList_->addItem(QString::fromUtf8(texts::ChoseCity));
    countryDisplay_->setText(FromBytes(countryDisplayText));
    cityDisplay_->setText(FromBytes(cityDisplayText));

    CWaitDlg wait(window());
    wait.ShowNow();

    const auto names = database_.ReadCountryNames();
    if (names) {
        for (const std::string& name : *names) {
            countryList_->addItem(FromBytes(name));
        }
    }

    currentCountryName_ = config_.countryName;
    // No entry stays selected when the stored country is not in the list.
    countryList_->setCurrentIndex(FindEntryStartingWith(countryList_, config_.countryName));

    // A damaged file may hold any number; the page works with letters A..Z only.
    letterIndex_ = (config_.cityLetterIndex >= 0 && config_.cityLetterIndex < LetterCount)
                       ? config_.cityLetterIndex
                       : 0;
    SelectedCity.name = config_.cityName;
    storedChoice_ = SelectedCity;

    // Without the summary (already reported) the lookup would only fail once more.
    if (names) {
        RebuildCityList(ListCause::Opening);
    }
    ShowChoiceInBox();
    letters_->button(letterIndex_)->setChecked(true);
}

bool CCitySelectionPage::RebuildCityList(ListCause cause) {
    const auto entry = database_.FindCountryEntry(countryList_->currentIndex());
    if (!entry) {
        return false;  // the file error has been reported
    }
    countryChosen_ = true;
    currentCountryName_ = entry->name;

    // A letter without cities: after a change of country the first letter that has cities is
    // listed without a word (the user chose no letter); a letter the user chose falls back to A
    // after one message, and so does the stored letter at opening. When A has no city either,
    // the list stays empty.
    int nextFallback = 0;
    bool messageShown = false;
    for (;;) {
        CityListOutcome outcome;
        {
            const BusyCursor busy;
            outcome = database_.ListCitiesByLetter(*entry, letterIndex_, *sink_, table_);
        }
        switch (outcome) {
            case CityListOutcome::Listed:
            case CityListOutcome::ListedDamaged:
                letters_->button(letterIndex_)->setChecked(true);
                return sink_->count() > 0;
            case CityListOutcome::SinkError:
                boxes_.show(texts::CityListError, MessageIcon::None);
                return false;
            case CityListOutcome::SinkNoSpace:
                boxes_.show(texts::CityListNoMemory, MessageIcon::None);
                return false;
            case CityListOutcome::FileError:
                return false;
            case CityListOutcome::NoCityWithLetter:
                break;
        }
        if (cause == ListCause::Country) {
            if (nextFallback == LetterCount) {
                letterIndex_ = 0;
                letters_->button(0)->setChecked(true);
                return false;
            }
            letterIndex_ = nextFallback++;
            continue;
        }
        if (!messageShown) {
            boxes_.show(texts::NoCityWithLetter, MessageIcon::None);
            messageShown = true;
        }
        letters_->button(0)->setChecked(true);
        if (cause == ListCause::Opening) {
            // The stored letter is the one whose cities are listed, so the next opening is quiet.
            config_.cityLetterIndex = 0;
        }
        if (letterIndex_ == 0) {
            return false;
        }
        letterIndex_ = 0;
    }
}

void CCitySelectionPage::ShowChoiceInBox() {
    const int entry =
        cityCleared_ || typedPlace_ ? -1 : FindCityEntry(cityList_, SelectedCity.name);
    cityList_->setCurrentIndex(entry);
    if (entry < 0) {
        cityList_->setEditText(FromBytes(SelectedCity.name));
    }
}

void CCitySelectionPage::OnCountryChanged() {
    const std::string before = currentCountryName_;
    RebuildCityList(ListCause::Country);
    if (currentCountryName_ != before) {
        // A city of another country is no choice: back to the stored place for the stored
        // country, otherwise nothing until a city of the new one is chosen.
        const bool stored = currentCountryName_ == config_.countryName;
        SelectedCity = storedChoice_;
        if (!stored) {
            SelectedCity.name.clear();
        }
        cityCleared_ = !stored;
        typedPlace_ = false;
        emit countryPicked(currentCountryName_);
    }
    ShowChoiceInBox();
}

void CCitySelectionPage::OnCountryActivated() {
    // A choice made in the open list is taken when the list closes.
    if (!countryList_->droppedDown()) {
        OnCountryChanged();
    }
}

void CCitySelectionPage::OnLetterPressed(int index) {
    if (!countryChosen_) {
        boxes_.show(texts::CountryNotSelected, MessageIcon::None);
        countryList_->setFocus();
        return;
    }
    letterIndex_ = index;
    // The letter's first city becomes the choice the box shows.
    if (RebuildCityList(ListCause::Letter)) {
        cityList_->setCurrentIndex(0);
        OnCitySelected();
    } else {
        ShowChoiceInBox();
    }
}

void CCitySelectionPage::OnCitySelected() {
    const int position = cityList_->currentIndex();
    // Only entries of the current listing are cities with coordinates.
    if (position < 0 || position >= sink_->count()) {
        return;
    }
    SelectedCity.coordinates = table_.at(static_cast<std::size_t>(position));
    const QByteArray name = cityList_->itemData(position).toByteArray();
    SelectedCity.name.assign(name.constData(), static_cast<std::size_t>(name.size()));
    cityCleared_ = false;
    typedPlace_ = false;
}

void CCitySelectionPage::OnNotFound() {
    // The dialog edits the page's current city: the record takes the coordinates only when the
    // sheet ends with OK, so that Cancel leaves it as it was.
    CLocationDlg dialog(boxes_, window());
    dialog.longitude = SelectedCity.coordinates.longitude;
    dialog.latitude = SelectedCity.coordinates.latitude;
    dialog.altitude = SelectedCity.coordinates.altitude;
    dialog.placeLabel = currentCountryName_ + texts::LocationPlaceSeparator + SelectedCity.name;
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // The typed place is named by its coordinates; the country stays the one shown.
    SelectedCity.coordinates = {dialog.latitude, dialog.longitude, dialog.altitude};
    SelectedCity.name = FormatCoordinates(dialog.latitude, dialog.longitude);
    typedPlace_ = true;
    cityCleared_ = false;
    ShowChoiceInBox();
}

bool CCitySelectionPage::OnApplyCheck() {
    // "Not Valid" keeps its own refusal in OnOK.
    if (cityCleared_ && currentCountryName_ != texts::InvalidCountryName) {
        boxes_.show(texts::CityOfNewCountryNotChosen, MessageIcon::None);
        cityList_->setFocus();
        return false;
    }
    return true;
}

void CCitySelectionPage::OnOK() {
    if (currentCountryName_ == texts::InvalidCountryName) {
        boxes_.show(texts::InvalidCountry, MessageIcon::None);
        return;
    }
    if (cityCleared_) {
        return;  // refused by OnApplyCheck
    }
    config_.cityName = SelectedCity.name;
    config_.countryName = currentCountryName_;
    config_.cityLetterIndex = letterIndex_;
}

}  // namespace salvenor
