// Small text and file helpers shared by the page generators: placeholder replacement, template
// lines, HTML escaping and paths under the installation folder.
#pragma once

#include <fstream>
#include <string>
#include <string_view>

namespace salvenor::pages {

// True when `word` occurs in `line` (case-sensitive, as the placeholders are matched).
inline bool Contains(std::string_view line, std::string_view word) {
    return line.find(word) != std::string_view::npos;
}

// Replaces every occurrence of `from` in `line`, left to right; the inserted text is not searched
// again, so a replacement can never loop.
void ReplaceAll(std::string& line, std::string_view from, std::string_view to);

// Inserts `text` right after the first occurrence of `after`; false when `after` does not occur.
bool InsertAfterFirst(std::string& line, std::string_view after, std::string_view text);

// &, <, > and the double quote as character references; every other byte is kept as it is.
std::string HtmlEscape(std::string_view text);

// `workingDirectory` joined with a stored relative path such as "Calendar\TEMP\CalTempFile.html"
// or "..\Calendar\Trailers\occasion.txt", in native form.
std::string UnderDirectory(const std::string& workingDirectory, std::string_view stored);

// The translated copy of the template `stored` (a relative path as UnderDirectory takes it) for
// `language` ("ar"), kept in a folder of that name beside the English file, when the installation
// has it; otherwise the English template. Both under `workingDirectory`.
std::string TemplateFor(const std::string& workingDirectory, std::string_view stored,
                        const std::string& language);

// Opens `path` for writing as a new, empty file. An existing file is removed first rather than
// truncated: ext4 writes a truncated and rewritten file through to the disk when it is closed,
// which made every page build wait milliseconds on the disk. The stream is closed on failure.
std::ofstream CreateFresh(const std::string& path);

// Reads a text file line by line. Lines come without their line break; the carriage return of a
// Windows line end is dropped too, so templates edited on either system give the same page.
class LineReader {
  public:
    // A path that is not a file that can be read (a folder, say) does not open.
    explicit LineReader(const std::string& path) { reopen(path); }
    bool isOpen() const { return in_.is_open(); }
    // Reads another file from its start instead; false when it cannot be opened.
    bool reopen(const std::string& path);
    bool next(std::string& line);

  private:
    std::ifstream in_;
};

}  // namespace salvenor::pages
