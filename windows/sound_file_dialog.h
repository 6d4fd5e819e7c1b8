// Choosing a call-to-prayer file: what the open-file dialog is asked for, the seam through which
// the settings page asks (tests answer it without a dialog), and the real dialog behind it.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "core/texts.h"

namespace salvenor {

// The installation's folder of call-to-prayer files, and the file names the "Browse..." dialog
// proposes for each row (what the dialog starts with, not a setting).
inline constexpr const char* AthanFolderName = "Athan";
inline constexpr const char* AthanBrowseProposedName = "Athan-1.wav";
inline constexpr const char* FajrAthanBrowseProposedName = "AthanFajr.wav";
// Added to a typed name that has no extension.
inline constexpr const char* SoundFileDefaultSuffix = "wav";

// One entry of the dialog's type list: the text shown and the pattern it selects.
struct FileTypeFilter {
    const char* shown;
    const char* pattern;
};
inline constexpr std::array<FileTypeFilter, 2> SoundFileFilters{{
    {texts::WaveFilesFilter, texts::WaveFilesPattern},
    {texts::AllFilesFilter, texts::AllFilesPattern},
}};

// The entry as a Qt name filter, "text (pattern)": blanks round the text and the pattern are
// dropped, and a text that already ends with its pattern in parentheses is not given it twice.
QString QtNameFilter(const FileTypeFilter& filter);
QStringList SoundFileNameFilters();

// The installation's Athan folder, with a closing separator.
std::string AthanFolderPath(const std::string& installationFolder);

// Everything the dialog is opened with. It opens files that exist, in folders that exist.
struct SoundFileRequest {
    QString directory;
    QString initialName;
    QStringList nameFilters;
    QString defaultSuffix;
};

SoundFileRequest MakeSoundFileRequest(const std::string& installationFolder,
                                      const char* initialName);

// Answers the absolute path of the chosen file, or nothing when the user cancelled.
using SoundFileChooser =
    std::function<std::optional<std::string>(QWidget* parent, const SoundFileRequest& request)>;

// The system's open-file dialog, modal over `parent`.
std::optional<std::string> ChooseSoundFileWithDialog(QWidget* parent,
                                                     const SoundFileRequest& request);

}  // namespace salvenor
