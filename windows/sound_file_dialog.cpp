// The open-file dialog for call-to-prayer files.
#include "windows/sound_file_dialog.h"
#include "platform/qt/ui_text.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace salvenor {

QString QtNameFilter(const FileTypeFilter& filter) {
    const QString shown = UiText(filter.shown).trimmed();
    const QString pattern = QString::fromUtf8(filter.pattern).trimmed();
    const QString bracketed = QStringLiteral("(") + pattern + QStringLiteral(")");
    if (shown.endsWith(bracketed)) {
        return shown;
    }
    return shown + QStringLiteral(" ") + bracketed;
}

QStringList SoundFileNameFilters() {
    QStringList filters;
    for (const FileTypeFilter& filter : SoundFileFilters) {
        filters.append(QtNameFilter(filter));
    }
    return filters;
}

std::string AthanFolderPath(const std::string& installationFolder) {
    const QDir installation(QString::fromStdString(installationFolder));
    return QDir::cleanPath(installation.absoluteFilePath(QString::fromUtf8(AthanFolderName)))
               .toStdString() +
           "/";
}

SoundFileRequest MakeSoundFileRequest(const std::string& installationFolder,
                                      const char* initialName) {
    return SoundFileRequest{QString::fromStdString(AthanFolderPath(installationFolder)),
                            QString::fromUtf8(initialName), SoundFileNameFilters(),
                            QString::fromUtf8(SoundFileDefaultSuffix)};
}

std::optional<std::string> ChooseSoundFileWithDialog(QWidget* parent,
                                                     const SoundFileRequest& request) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(request.nameFilters);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setDirectory(request.directory);
    dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return QFileInfo(chosen.first()).absoluteFilePath().toStdString();
}

}  // namespace salvenor
