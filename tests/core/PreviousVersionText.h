#pragma once

#include <string>
#include <vector>

namespace vesk::test {

// One note record in the previous version's text form, without the version
// number that precedes it in a single-note file.
struct PreviousNoteRecord {
    std::string title = "Old note";
    std::string kind = "0";
    std::vector<std::string> lines = {"hello"};
    std::string rect = "10 20 210 220";
    std::string state = "0";
    std::string style = "255 242 0 255 255 128 10 20 30 1 2 3";
    // Drawing runs of a scribble, after the font.
    std::string drawing;

    std::string Text() const {
        std::string text = title + "\n" + kind + "\n0\n0 0\n" + std::to_string(lines.size()) + "\n";
        for (const std::string& line : lines) {
            text += line + "\n";
        }
        return text + rect + "\n" + state + " 0 0\n0 \xc8\n" + style + "\nArial\n16 0 0\n" +
               drawing;
    }
};

// The previous version wrote its files with Windows line ends.
inline std::string WindowsLines(const std::string& text) {
    std::string windows;
    for (const char c : text) {
        windows += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    return windows;
}

// A single-note file of the previous version.
inline std::string PreviousNoteFile(const PreviousNoteRecord& record,
                                    const std::string& version = "3") {
    return WindowsLines(version + "\n" + record.Text());
}

// A notes file of the previous version holding the records.
inline std::string PreviousNotesFile(const std::vector<PreviousNoteRecord>& records,
                                     const std::string& marker = "-1") {
    std::string text = marker + "\n3.00\n" + std::to_string(records.size()) + "\n";
    for (const PreviousNoteRecord& record : records) {
        text += record.Text();
    }
    return WindowsLines(text);
}

}  // namespace vesk::test
