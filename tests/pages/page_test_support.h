// A throw-away installation folder for the page tests, and readers of the pages they write.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

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
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << text;
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

inline std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace salvenor::testing
