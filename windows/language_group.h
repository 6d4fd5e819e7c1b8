// The Options sheet's language choice: the system's language, English, or a shipped translation,
// each listed in its own name, kept in salvenor.ini and used from the sheet's OK on.
#pragma once

#include <QGroupBox>
#include <string>

#include "base/messages.h"

class QComboBox;
class QLabel;

namespace salvenor {

class CLanguageGroup final : public QGroupBox {
    Q_OBJECT

  public:
    explicit CLanguageGroup(QWidget* parent = nullptr);

    // The choice as salvenor.ini keeps it (LanguageKey): "system", "en" or a shipped code.
    std::string choice() const;
    void setChoice(const std::string& choice);

    QComboBox* list() const { return list_; }

  private:
    QComboBox* list_;
    QLabel* note_;
};

// The choice saved in the installation folder's salvenor.ini.
std::string SavedLanguageChoiceIn(const std::string& installationFolder);
// Keeps `choice` there; false when the file could not be written, which is told through `boxes`
// when given.
bool SaveLanguageChoiceIn(const std::string& installationFolder, const std::string& choice,
                          MessageBoxes* boxes = nullptr);

}  // namespace salvenor
