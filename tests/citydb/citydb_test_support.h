// Shared pieces of the city database tests: a private temporary folder and a recording sink.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "citydb/city_database.h"

namespace salvenor::testing {

// A fresh folder under $TMPDIR (or /tmp), removed with everything in it at the end.
class TempFolder {
  public:
    TempFolder() {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base != nullptr && *base != '\0' ? base : "/tmp") +
                              "/salvenor-citydb-XXXXXX";
        if (::mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~TempFolder() {
        std::error_code ignored;
        if (!path_.empty()) {
            std::filesystem::remove_all(path_, ignored);
        }
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(std::string_view name) const { return path_ + "/" + std::string(name); }

  private:
    std::string path_;
};

// Records what the reader hands the selection page's list; can refuse the n-th name.
class RecordingSink final : public CitySink {
  public:
    void clear() override {
        names.clear();
        ++clears;
    }
    AddResult add(std::string_view name) override {
        ++adds;
        if (failAt != 0 && adds == failAt) {
            return failWith;
        }
        names.emplace_back(name);
        return AddResult::Added;
    }

    std::vector<std::string> names;
    int clears = 0;
    int adds = 0;
    int failAt = 0;  // 1-based; 0 never fails
    AddResult failWith = AddResult::Error;
};

}  // namespace salvenor::testing
