// A scratch installation folder for tests and benchmarks: the folders the program writes pages
// into, optionally the shipped page templates, all removed at the end of the scope.
#pragma once

#include <filesystem>
#include <random>
#include <string>

#include "tests/support/files.h"

namespace salvenor::testing {

// <temp>/salvenor-pages-XXXX/inst is the installation folder, so that the folder one level above
// it (where the trailer is looked for first) belongs to the test as well.
class InstallationFolder {
  public:
    InstallationFolder() {
        std::random_device rd;
        root_ = std::filesystem::temp_directory_path() /
                ("salvenor-pages-" + std::to_string(rd()) + std::to_string(rd()));
        dir_ = root_ / "inst";
        for (const char* sub :
             {"Calendar/TEMP", "Calendar/Output", "Calendar/Hijri/Month", "Calendar/Meladi/Month",
              "Calendar/SalaTimeDlg/HTML/tmp", "Calendar/Trailers"}) {
            std::filesystem::create_directories(dir_ / sub);
        }
    }
    ~InstallationFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    InstallationFolder(const InstallationFolder&) = delete;
    InstallationFolder& operator=(const InstallationFolder&) = delete;

    std::string path() const { return dir_.string(); }
    std::filesystem::path at(const std::string& relative) const { return dir_ / relative; }
    // The folder above the installation folder.
    std::filesystem::path above(const std::string& relative) const { return root_ / relative; }

    void writeFile(const std::filesystem::path& file, const std::string& text) const {
        WriteText(file, text);
    }
    void write(const std::string& relative, const std::string& text) const {
        writeFile(at(relative), text);
    }
    // The shipped page templates and trailer of a source data folder, copied in.
    void copyCalendarFrom(const std::filesystem::path& sourceDataDir) const {
        std::filesystem::copy(sourceDataDir / "Calendar", at("Calendar"),
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
    }

  private:
    std::filesystem::path root_;
    std::filesystem::path dir_;
};

}  // namespace salvenor::testing
