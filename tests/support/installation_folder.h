// A scratch installation folder for tests and benchmarks: the folders the program writes pages
// into, optionally the shipped page templates, all removed at the end of the scope.
#pragma once

#include <filesystem>
#include <string>

#include "tests/support/files.h"
#include "tests/support/temp_dir.h"

namespace salvenor::testing {

// <temp>/salvenor-test-XXXX/inst is the installation folder, so that the folder one level above
// it (where the trailer is looked for first) belongs to the test as well.
class InstallationFolder {
  public:
    InstallationFolder() : dir_(root_.path() / "inst") {
        for (const char* sub :
             {"Calendar/TEMP", "Calendar/Output", "Calendar/Hijri/Month", "Calendar/Meladi/Month",
              "Calendar/SalaTimeDlg/HTML/tmp", "Calendar/Trailers"}) {
            std::filesystem::create_directories(dir_ / sub);
        }
    }

    std::string path() const { return dir_.string(); }
    std::filesystem::path at(const std::string& relative) const { return dir_ / relative; }
    // The folder above the installation folder.
    std::filesystem::path above(const std::string& relative) const {
        return root_.path() / relative;
    }

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
    TempDir root_;
    std::filesystem::path dir_;
};

}  // namespace salvenor::testing
