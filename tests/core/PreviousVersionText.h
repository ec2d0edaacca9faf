#pragma once

#include <string>
#include <vector>

namespace vesk::test {

// One note record in the previous version's text form, without the version
// number that precedes it in a single-note file. A scribble's drawing runs
// follow the font.
inline std::string PreviousNoteRecord(const std::string& title = "Old note",
                                      const std::string& kind = "0", const std::string& state = "0",
                                      const std::vector<std::string>& lines = {"hello"},
                                      const std::string& drawing = "") {
    std::string text = title + "\n" + kind + "\n0\n0 0\n" + std::to_string(lines.size()) + "\n";
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text + "10 20 210 220\n" + state +
           " 0 0\n0 \xc8\n255 242 0 255 255 128 10 20 30 1 2 3\nArial\n16 0 0\n" + drawing;
}

// The previous version wrote its files with Windows line ends.
inline std::string WindowsLines(const std::string& text) {
    std::string windows;
    for (const char c : text) {
        windows += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    return windows;
}

// A single-note file of the previous version.
inline std::string PreviousNoteFile(const std::string& record, const std::string& version = "3") {
    return WindowsLines(version + "\n" + record);
}

// A notes file of the previous version holding the records.
inline std::string PreviousNotesFile(const std::vector<std::string>& records,
                                     const std::string& marker = "-1") {
    std::string text = marker + "\n3.00\n" + std::to_string(records.size()) + "\n";
    for (const std::string& record : records) {
        text += record;
    }
    return WindowsLines(text);
}

}  // namespace vesk::test
