#include "windows/settings_saving.h"

#include <QString>

#include "core/texts.h"
#include "platform/qt/ui_text.h"

namespace salvenor {

bool SaveSettingsOrSay(const SettingsFile& settings, MessageBoxes& boxes) {
    std::string error;
    if (settings.Save(&error)) {
        return true;
    }
    boxes.show(UiText(texts::SettingsSaveFailed)
                   .arg(QString::fromStdString(settings.path()), QString::fromStdString(error))
                   .toStdString(),
               MessageIcon::Exclamation);
    return false;
}

}  // namespace salvenor
