// Salvenor's own settings, beside zav.cfg in "salvenor.ini": what the documented record has no
// field for. An INI file as Qt writes it ("[General]" for plain keys, "[Group]" for "Group/key"),
// read and written in standard C++ so that the program and the command line share it. With no
// such file every value is its default and the program behaves exactly as before.
// Its keys, and when each is written: README.md, "What Salvenor saves, and when".
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace salvenor {

inline constexpr char SettingsFileName[] = "salvenor.ini";

class SettingsFile {
  public:
    // The settings of the file at `path`. A missing, unreadable or damaged file (or anything that
    // is not a small regular file) reads as no settings; lines that are not "key=value" are
    // passed over.
    explicit SettingsFile(std::string path);

    const std::string& path() const { return path_; }

    std::optional<std::string> value(std::string_view key) const;
    // Typed readings; a value that is missing, unreadable or out of range gives `fallback`.
    bool boolValue(std::string_view key, bool fallback) const;
    int intValue(std::string_view key, int fallback, int min, int max) const;
    double doubleValue(std::string_view key, double fallback, double min, double max) const;

    void setValue(std::string_view key, std::string_view value);
    void setBool(std::string_view key, bool value);
    void setInt(std::string_view key, int value);
    void setDouble(std::string_view key, double value);
    void remove(std::string_view key);

    // Writes every value (the ones read and the ones set) in place of the file, atomically.
    // False, with `error` saying why, when it could not be written; the file is then as it was.
    bool Save(std::string* error = nullptr) const;

    // The file's text for a set of values, and the values of a text: the format on its own.
    static std::string Format(const std::map<std::string, std::string>& values);
    static std::map<std::string, std::string> Parse(std::string_view text);

  private:
    std::string path_;
    std::map<std::string, std::string> values_;  // "Group/key", or "key" for the general group
};

}  // namespace salvenor
