// libFuzzer target for the world city database reader: the input is split into a country
// summary and a city file, written to a private folder, and read through every operation the
// selection page uses, its city search included. A short read is the reader's fatal exit, which
// becomes an exception here.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "base/fatal_exit.h"
#include "citydb/city_database.h"
#include "citydb/city_search.h"
#include "platform/message_boxes.h"

namespace {

using namespace salvenor;

struct FatalExit {
    int code;
};

[[noreturn]] void ThrowOnFatalExit(int code) {
    throw FatalExit{code};
}

// Keeps the names like the page's list; refuses the n-th one when asked to.
class FuzzSink final : public CitySink {
  public:
    explicit FuzzSink(int refuseAt, AddResult refusal) : refuseAt_(refuseAt), refusal_(refusal) {}
    void clear() override { count_ = 0; }
    AddResult add(std::string_view name) override {
        ++count_;
        if (count_ == refuseAt_) {
            return refusal_;
        }
        last_.assign(name);
        return AddResult::Added;
    }

  private:
    int count_ = 0;
    int refuseAt_;
    AddResult refusal_;
    std::string last_;
};

std::string folder;

bool WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) {
        return false;
    }
    const bool ok = size == 0 || std::fwrite(data, 1, size, f) == size;
    return std::fclose(f) == 0 && ok;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setFatalExitHook(ThrowOnFatalExit);
    const char* base =
        std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::getenv("TMPDIR");
    std::string pattern = std::string(base != nullptr ? base : "/tmp") + "/citydb-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::abort();
    }
    folder = pattern;
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) {
        return 0;
    }
    // Byte 0-1: where the summary ends; byte 2: a letter; byte 3: which name the sink refuses.
    const std::size_t body = size - 4;
    const std::size_t summarySize = (data[0] | (data[1] << 8)) % (body + 1);
    const int letter = data[2] % 28 - 1;  // -1 and 26 lie outside A..Z
    const int refuseAt = data[3] & 0x3F;  // 0: never
    const auto refusal =
        (data[3] & 0x40) != 0 ? CitySink::AddResult::NoSpace : CitySink::AddResult::Error;
    if (!WriteFile(folder + "/world.sum", data + 4, summarySize) ||
        !WriteFile(folder + "/IndexWorld.zav", data + 4 + summarySize, body - summarySize)) {
        std::abort();
    }

    SilentMessageBoxes boxes;
    const CityDatabase db(folder, boxes);
    static auto table = std::make_unique<CityCoordinateTable>();
    try {
        const auto names = db.ReadCountryNames();
        const int count = names ? static_cast<int>(names->size()) : 0;
        for (const int position : {-1, 0, 1, 2, count, count + 1}) {
            const auto entry = db.FindCountryEntry(position);
            if (!entry) {
                continue;
            }
            FuzzSink sink(refuseAt, refusal);
            int listed = 0;
            db.ListCitiesByLetter(*entry, letter, sink, *table, &listed);
            if (listed < -1 || listed > MaxListedCities) {
                std::abort();
            }
            // The search reads the whole block and folds every name, whatever its bytes.
            const auto cities = db.ReadCountryCities(*entry);
            if (cities && !cities->empty()) {
                const CitySearch search(*cities);
                const std::string& probe = cities->front().name;
                for (const CityMatch& match : search.Find(probe.substr(0, probe.size() / 2), 50)) {
                    if (match.index >= cities->size()) {
                        std::abort();
                    }
                }
            }
        }
    } catch (const FatalExit& exit) {
        if (exit.code != 1) {
            std::abort();
        }
    }
    return 0;
}
