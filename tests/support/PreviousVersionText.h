#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vesk::test {

// One note record in the previous version's text form. A scribble's drawing
// runs follow the font.
struct PreviousRecord {
    std::string title = "Old note";
    std::string kind = "0";
    std::string alarm = "";  // time and repeat; none when empty
    std::string created = "0 0";
    std::vector<std::string> lines = {"hello"};
    std::optional<std::string> lineCount = std::nullopt;  // by default the number of lines
    std::string rect = "10 20 210 220";
    std::string flags = "0 0 0 0";  // state, alignment, stay on top, shaded
    std::string alpha = "\xc8";
    std::string font = "Arial\n16 0 0";
    std::string drawing = "";

    std::string Text() const {
        std::string text = title + "\n" + kind + "\n" + (alarm.empty() ? "0" : "1\n" + alarm) +
                           "\n" + created + "\n" +
                           lineCount.value_or(std::to_string(lines.size())) + "\n";
        for (const std::string& line : lines) text += line + "\n";
        return text + rect + "\n" + flags + " " + alpha +
               "\n255 242 0 255 255 128 10 20 30 1 2 3\n" + font + "\n" + drawing;
    }
};

// A settings file of the previous version: two themes, then alpha 'd' (100),
// the six switches, tray 3, policy 0, a content font of 24 and a title font
// of 16 pixels, and the two hot keys.
inline const std::string kPreviousSettings =
    "2\n1\n128 225 128 0 64 0 0 0 0 255 255 255\nDefault\n"
    "2\n255 242 0 255 255 128 0 0 0 0 0 0\n10 20 30 40 50 60 70 80 90 100 110 120\n"
    "Caf\xe9 Colours\n1\nd\n0 1 0 0 0 1\n3 0\nCourier New\n24 1 0\nTahoma\n16 0 1\n"
    "65 6 1\n78 32 0\n";

// The previous version wrote its files with Windows line ends.
inline std::string WindowsLines(const std::string& text) {
    std::string windows;
    for (const char c : text) windows += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return windows;
}

// A single-note file of the previous version.
inline std::string PreviousNoteFile(const PreviousRecord& record,
                                    const std::string& version = "3") {
    return WindowsLines(version + "\n" + record.Text());
}

// A notes file of the previous version holding the records.
inline std::string PreviousNotesFile(const std::vector<PreviousRecord>& records,
                                     const std::string& marker = "-1") {
    std::string text = marker + "\n3.00\n" + std::to_string(records.size()) + "\n";
    for (const PreviousRecord& record : records) text += record.Text();
    return WindowsLines(text);
}

}  // namespace vesk::test
