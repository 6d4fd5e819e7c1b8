// Shared pieces of the city database tests: the shared temporary folder and a recording sink.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "citydb/city_database.h"
#include "tests/support/temp_dir.h"

namespace salvenor::testing {

// The tests' shared temporary folder.
using TempFolder = TempDir;

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
