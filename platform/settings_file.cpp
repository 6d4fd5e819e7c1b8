// The INI format of salvenor.ini: groups, keys and (possibly quoted) values.
#include "platform/settings_file.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

#include "base/atomic_file.h"
#include "base/file_reading.h"
#include "base/text.h"

namespace salvenor {

namespace {

constexpr std::string_view GeneralGroup = "General";
// A settings file holds a few hundred bytes; anything far larger is not ours.
constexpr std::size_t MaxSettingsBytes = 256 * 1024;

// A value as written: plain when it reads back the same, otherwise in double quotes with
// backslash escapes, as Qt writes a value with special characters.
std::string EncodeValue(std::string_view value) {
    const bool plain = value == Trimmed(value) &&
                       value.find_first_of("\"\\;,=\n\r\t") == std::string_view::npos &&
                       (value.empty() || value.front() != '@');
    if (plain) {
        return std::string(value);
    }
    std::string out = "\"";
    for (const char c : value) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out += c;
        }
    }
    return out + "\"";
}

std::string DecodeValue(std::string_view raw) {
    raw = Trimmed(raw);
    if (raw.size() < 2 || raw.front() != '"' || raw.back() != '"') {
        return std::string(raw);
    }
    std::string out;
    for (std::size_t i = 1; i + 1 < raw.size(); ++i) {
        char c = raw[i];
        if (c == '\\' && i + 2 < raw.size()) {
            c = raw[++i];
            c = c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
        }
        out += c;
    }
    return out;
}

// A key as the file can carry it: its "/"-separated parts trimmed, empty parts dropped, and the
// general group's name dropped from its front. Nothing for a key that no line can hold (none
// left, or a last part that would read as a comment).
std::optional<std::string> CanonicalKey(std::string_view key) {
    std::vector<std::string_view> parts;
    while (!key.empty()) {
        const std::size_t slash = key.find('/');
        const std::string_view part = Trimmed(key.substr(0, slash));
        if (!part.empty()) {
            parts.push_back(part);
        }
        key = slash == std::string_view::npos ? std::string_view() : key.substr(slash + 1);
    }
    std::size_t first = 0;
    while (parts.size() - first > 1 && parts[first] == GeneralGroup) {
        ++first;
    }
    if (first == parts.size() || parts.back().front() == ';' || parts.back().front() == '#') {
        return std::nullopt;
    }
    std::string canonical;
    for (std::size_t i = first; i < parts.size(); ++i) {
        canonical += (i == first ? "" : "/") + std::string(parts[i]);
    }
    return canonical;
}

}  // namespace

SettingsFile::SettingsFile(std::string path) : path_(std::move(path)) {
    if (const std::optional<std::string> text = ReadSmallFile(path_, MaxSettingsBytes)) {
        values_ = Parse(*text);
    }
}

std::map<std::string, std::string> SettingsFile::Parse(std::string_view text) {
    std::map<std::string, std::string> values;
    std::string group;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = Trimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty() || line.front() == ';' || line.front() == '#') {
            continue;
        }
        const std::size_t equals = line.find('=');
        if (line.front() == '[' && line.back() == ']' && equals == std::string_view::npos) {
            group = std::string(line.substr(1, line.size() - 2));
            continue;
        }
        // A key needs a name of its own after its group's ("=7", "a/=7" are none).
        const std::string_view name = Trimmed(line.substr(0, equals));
        if (equals == std::string_view::npos || name.empty() ||
            Trimmed(name.substr(name.rfind('/') + 1)).empty()) {
            continue;
        }
        if (const std::optional<std::string> key =
                CanonicalKey(group + "/" + std::string(line.substr(0, equals)))) {
            values[*key] = DecodeValue(line.substr(equals + 1));
        }
    }
    return values;
}

std::string SettingsFile::Format(const std::map<std::string, std::string>& values) {
    // Plain keys first under [General], then each group; the map keeps keys sorted.
    std::map<std::string, std::string, std::less<>> groups;
    for (const auto& [key, value] : values) {
        const std::size_t slash = key.rfind('/');
        const std::string group =
            slash == std::string::npos ? std::string(GeneralGroup) : key.substr(0, slash);
        const std::string name = slash == std::string::npos ? key : key.substr(slash + 1);
        groups[group] += name + "=" + EncodeValue(value) + "\n";
    }
    std::string text;
    const auto general = groups.find(GeneralGroup);
    if (general != groups.end()) {
        text += "[General]\n" + general->second;
    }
    for (const auto& [group, lines] : groups) {
        if (group != GeneralGroup) {
            text += (text.empty() ? "[" : "\n[") + group + "]\n" + lines;
        }
    }
    return text;
}

std::optional<std::string> SettingsFile::value(std::string_view key) const {
    const std::optional<std::string> canonical = CanonicalKey(key);
    const auto found = canonical ? values_.find(*canonical) : values_.end();
    if (found == values_.end()) {
        return std::nullopt;
    }
    return found->second;
}

bool SettingsFile::boolValue(std::string_view key, bool fallback) const {
    const std::optional<std::string> v = value(key);
    if (v == "true" || v == "1") {
        return true;
    }
    if (v == "false" || v == "0") {
        return false;
    }
    return fallback;
}

int SettingsFile::intValue(std::string_view key, int fallback, int min, int max) const {
    const std::optional<std::string> v = value(key);
    int parsed = 0;
    if (!v || v->empty()) {
        return fallback;
    }
    const auto [end, error] = std::from_chars(v->data(), v->data() + v->size(), parsed);
    if (error != std::errc() || end != v->data() + v->size() || parsed < min || parsed > max) {
        return fallback;
    }
    return parsed;
}

double SettingsFile::doubleValue(std::string_view key, double fallback, double min,
                                 double max) const {
    const std::optional<std::string> v = value(key);
    double parsed = 0;
    if (!v || v->empty()) {
        return fallback;
    }
    const auto [end, error] = std::from_chars(v->data(), v->data() + v->size(), parsed);
    if (error != std::errc() || end != v->data() + v->size() || !std::isfinite(parsed) ||
        parsed < min || parsed > max) {
        return fallback;
    }
    return parsed;
}

void SettingsFile::setValue(std::string_view key, std::string_view value) {
    if (const std::optional<std::string> canonical = CanonicalKey(key)) {
        values_[*canonical] = std::string(value);
    }
}

void SettingsFile::setBool(std::string_view key, bool value) {
    setValue(key, value ? "true" : "false");
}

void SettingsFile::setInt(std::string_view key, int value) {
    setValue(key, std::to_string(value));
}

void SettingsFile::setDouble(std::string_view key, double value) {
    // The shortest text that reads back as the same double.
    std::string text(32, '\0');
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
    text.resize(static_cast<std::size_t>(result.ptr - text.data()));
    setValue(key, text);
}

void SettingsFile::remove(std::string_view key) {
    if (const std::optional<std::string> canonical = CanonicalKey(key)) {
        values_.erase(*canonical);
    }
}

bool SettingsFile::Save(std::string* error) const {
    return ReplaceFileAtomically(path_, Format(values_), error);
}

}  // namespace salvenor
