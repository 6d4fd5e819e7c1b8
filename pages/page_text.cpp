// Text and file helpers of the page generators.
#include "pages/page_text.h"

#include <cstdio>
#include <filesystem>

#include "core/paths.h"

namespace salvenor::pages {

void ReplaceAll(std::string& line, std::string_view from, std::string_view to) {
    if (from.empty()) {
        return;
    }
    std::size_t pos = line.find(from);
    if (pos == std::string::npos) {
        return;
    }
    std::string out;
    out.reserve(line.size() + to.size());
    std::size_t start = 0;
    while (pos != std::string::npos) {
        out.append(line, start, pos - start);
        out.append(to);
        start = pos + from.size();
        pos = line.find(from, start);
    }
    out.append(line, start, std::string::npos);
    line = std::move(out);
}

bool InsertAfterFirst(std::string& line, std::string_view after, std::string_view text) {
    const std::size_t pos = line.find(after);
    if (pos == std::string::npos) {
        return false;
    }
    line.insert(pos + after.size(), text);
    return true;
}

std::string HtmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string UnderDirectory(const std::string& workingDirectory, std::string_view stored) {
    if (workingDirectory.empty()) {
        return NativePath(stored);  // relative to the current directory
    }
    std::string path = workingDirectory;
    if (path.back() != '/') {
        path += '/';
    }
    path += NativePath(stored);
    return path;
}

std::string TemplateFor(const std::string& workingDirectory, std::string_view stored,
                        const std::string& language) {
    // A code is a few letters; anything else (a path, say) never names a folder here.
    const bool plainCode =
        !language.empty() && language.size() <= 8 &&
        language.find_first_not_of("abcdefghijklmnopqrstuvwxyz_") == std::string::npos;
    if (plainCode) {
        const std::size_t fileStart = stored.find_last_of('\\') + 1;  // 0 without a folder
        std::string translated(stored.substr(0, fileStart));
        translated += language + '\\';
        translated += stored.substr(fileStart);
        std::string path = UnderDirectory(workingDirectory, translated);
        if (LineReader(path).isOpen()) {
            return path;
        }
    }
    return UnderDirectory(workingDirectory, stored);
}

std::ofstream CreateFresh(const std::string& path) {
    std::remove(path.c_str());  // a missing file is no error here; the open below tells
    return std::ofstream(path, std::ios::binary | std::ios::trunc);
}

bool LineReader::reopen(const std::string& path) {
    in_.close();
    in_.clear();
    // A folder opens as a stream on Linux and then reads as nothing at all.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return false;
    }
    in_.open(path, std::ios::binary);
    return in_.is_open();
}

bool LineReader::next(std::string& line) {
    if (!std::getline(in_, line)) {
        return false;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

}  // namespace salvenor::pages
