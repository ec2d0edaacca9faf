// Prepares and compares the program's files for the end-to-end scenarios and
// the start-up measurements, through the program's own readers and writers.
//
//   vesk_e2e_files notes <path> <shown> <hidden> <wastebasket> [shown after the hidden]
//   vesk_e2e_files demo <path>              a few notes of every place and colour
//   vesk_e2e_files on-top <path>            one stay-on-top note over the middle
//   vesk_e2e_files picture <path> <image>   one picture note showing the image
//   vesk_e2e_files alarms <path> <n> <s>    n hidden notes, alarms s seconds from now
//   vesk_e2e_files settings <path> <auto-save ms> <wastebasket policy 0|1|2>
//   vesk_e2e_files same-notes <a> <b>       exit 0 when both hold the same notes
//   vesk_e2e_files same-settings <a> <b>    exit 0 when both hold the same settings
//   vesk_e2e_files note-place <path> <n>    prints "left top right bottom" of note n
//   vesk_e2e_files list <path>              prints "state kind title|text" per note, a
//                                           checklist's text as it is copied
//   vesk_e2e_files ink <path>               prints "width height left top right bottom inked"
//                                           of each drawing: its size, the box around its
//                                           ink and how many pixels hold some
//   vesk_e2e_files looks <path>             prints "alpha bgcolor bg2color" per note
//   vesk_e2e_files previous <folder>        the previous version's notes.dat (a message and a
//                                           checklist), settings.dat and archive/Old plans.vesknote
#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "notes/ChecklistNoteData.h"
#include "notes/MessageNoteData.h"
#include "notes/NoteData.h"
#include "notes/NoteFactory.h"
#include "notes/PictureNoteData.h"
#include "notes/ScribbleNoteData.h"
#include "settings/HotKeyData.h"
#include "settings/SettingsData.h"
#include "xml/FileIO.h"
#include "xml/TextForms.h"
#include "xml/XMLDocument.h"

#include "PreviousVersionText.h"

namespace {

using vesk::NoteData;
using vesk::XMLDocument;
using vesk::XMLElement;

using vesk::COLORREF;
using vesk::RGB;

std::u16string Wide(const std::string& text) { return std::u16string(text.begin(), text.end()); }

// An empty notes file: its active list and its wastebasket.
std::pair<XMLElement*, XMLElement*> NewCollection(XMLDocument& document) {
    XMLElement& root = document.CreateRoot(u"notecollection");
    root.SetAttribute(u"version", u"4.00");
    XMLElement& active = root.AddChild(u"active");
    return {&active, &root.AddChild(u"wastebasket")};
}

// Shown notes, hidden ones, then shown ones again (loaded last, they tell when
// a load is done), then the wastebasket.
int WriteNotes(const std::filesystem::path& path, int shown, int hidden, int waste, int shownLast) {
    XMLDocument document;
    const auto [active, wastebasket] = NewCollection(document);
    const int total = shown + hidden + shownLast + waste;
    for (int i = 0; i < total; ++i) {
        auto note =
            vesk::CreateNoteDataByKind(i % 3 == 2 ? NoteData::kChecklist : NoteData::kMessage);
        note->SetTitle(u"Note " + Wide(std::to_string(i)));
        note->SetStyle(vesk::StyleData::Fallback());
        const int left = 20 + (i % 6) * 200;
        const int top = 20 + (i / 6) % 5 * 150;
        note->SetRect({left, top, left + 180, top + 140});
        const bool inWaste = i >= shown + hidden + shownLast;
        const bool isHidden = i >= shown && i < shown + hidden;
        note->SetState(inWaste    ? NoteData::kStateWastebasket
                       : isHidden ? NoteData::kStateHidden
                                  : NoteData::kStateShown);
        note->SaveToElement(inWaste ? *wastebasket : *active, false);
    }
    return document.Save(path) ? 0 : 1;
}

int WriteDemoNotes(const std::filesystem::path& path) {
    XMLDocument document;
    const auto [active, wastebasket] = NewCollection(document);
    // Places and colours a note whose contents are set, and files it.
    const auto put = [&](NoteData& note, std::u16string title, vesk::Rect rect, COLORREF bg,
                         COLORREF bg2, COLORREF titleColor) {
        note.SetTitle(std::move(title));
        note.SetRect(rect);
        vesk::StyleData style;
        style.SetColors(bg, bg2, RGB(0, 0, 0), titleColor);
        note.SetStyle(style);
        const bool inWaste = note.GetState() == NoteData::kStateWastebasket;
        note.SaveToElement(inWaste ? *wastebasket : *active, false);
    };
    vesk::MessageNoteData shopping;
    shopping.SetText(u"Milk\nBread\nCoffee beans");
    put(shopping, u"Shopping", {80, 90, 330, 330}, RGB(255, 255, 160), RGB(230, 200, 40),
        RGB(90, 60, 0));
    vesk::ChecklistNoteData week;
    week.AddItem(u"Call the plumber", true);
    week.AddItem(u"Book the train", false);
    put(week, u"This week", {400, 140, 640, 400}, RGB(170, 220, 255), RGB(40, 110, 200),
        RGB(255, 255, 255));
    vesk::MessageNoteData call;
    call.EnableAlarm(true);
    call.GetAlarm()->time = vesk::Now() + 30 * 24 * 3600;
    put(call, u"Call Anna back about the weekend plans", {720, 80, 980, 260}, RGB(255, 200, 220),
        RGB(220, 90, 130), RGB(255, 255, 255));
    vesk::MessageNoteData idea;
    idea.SetState(NoteData::kStateHidden);
    put(idea, u"Someday", {300, 430, 520, 600}, RGB(128, 225, 128), RGB(0, 64, 0),
        RGB(255, 255, 255));
    vesk::MessageNoteData old;
    old.SetState(NoteData::kStateWastebasket);
    put(old, u"Old list", {600, 450, 800, 620}, RGB(220, 220, 220), RGB(120, 120, 120),
        RGB(0, 0, 0));
    return document.Save(path) ? 0 : 1;
}

// Where dialogs open: the middle of the virtual desktop's 1280 by 800 screen.
int WriteOnTopNote(const std::filesystem::path& path) {
    XMLDocument document;
    vesk::MessageNoteData note;
    note.SetTitle(u"On top");
    note.SetStyle(vesk::StyleData::Fallback());
    note.SetRect({240, 150, 1040, 650});
    note.SetStayOnTop(1);
    note.SaveToElement(*NewCollection(document).first, false);
    return document.Save(path) ? 0 : 1;
}

// Opaque and stretched, so the image's colour covers the content area:
// (306, 230) to (694, 494) with the default title font.
int WritePictureNote(const std::filesystem::path& path, const std::string& image) {
    XMLDocument document;
    vesk::PictureNoteData note;
    note.SetTitle(u"Picture");
    note.SetStyle(vesk::StyleData::Fallback());
    note.SetRect({300, 200, 700, 500});
    note.SetAlpha(255);
    note.SetMaintainRatio(false);
    note.SetSource(Wide(image));
    note.SaveToElement(*NewCollection(document).first, false);
    return document.Save(path) ? 0 : 1;
}

int WriteAlarmNotes(const std::filesystem::path& path, int count, vesk::TimeValue ahead) {
    XMLDocument document;
    XMLElement& active = *NewCollection(document).first;
    for (int i = 0; i < count; ++i) {
        vesk::MessageNoteData note;
        note.SetTitle(u"Alarm " + Wide(std::to_string(i)));
        note.SetStyle(vesk::StyleData::Fallback());
        note.SetRect({20, 20, 200, 160});
        note.SetState(NoteData::kStateHidden);
        note.EnableAlarm(true);
        note.GetAlarm()->time = vesk::Now() + ahead;
        note.SaveToElement(active, false);
    }
    return document.Save(path) ? 0 : 1;
}

int WriteSettings(const std::filesystem::path& path, int interval, int policy) {
    vesk::SettingsData settings;
    settings.GetAutoSaveData().SetInterval(interval);
    settings.SetEmptyWaste(static_cast<vesk::EmptyWastePolicy>(policy));
    settings.SetAlpha(180);
    settings.SetDateFormat(u"%Y-%m-%d");
    // The virtual desktop has no sound output.
    settings.SetSoundEnabled(false);
    // New notes come pale with black text, so that drawn text stands out.
    vesk::ThemeData& theme = *settings.FindTheme(settings.AddTheme());
    theme.SetName(u"Pale");
    theme.AddStyle(RGB(255, 255, 210), RGB(255, 250, 170), RGB(0, 0, 0), RGB(0, 0, 0));
    settings.SetSelectedThemeId(theme.GetId());
    // Ctrl+Alt+N opens the new-note chooser.
    settings.GetNewNoteHotKey().virtualKey = 'N';
    settings.GetNewNoteHotKey().modifiers = vesk::HotKeyData::kControl | vesk::HotKeyData::kAlt;
    settings.GetNewNoteHotKey().used = true;
    return settings.Save(path) ? 0 : 1;
}

// Calls visit(section, note) for every note of a notes file, as the program
// reads it; 1 when the file is not a notes file.
template <typename Visit>
int ForEachNote(const std::filesystem::path& path, Visit visit) {
    XMLDocument document;
    if (!document.Load(path) || document.GetRoot() == nullptr ||
        document.GetRoot()->GetName() != u"notecollection") {
        return 1;
    }
    for (const char16_t* section : {u"active", u"wastebasket"}) {
        const XMLElement* list = document.GetRoot()->FindChild(section);
        if (list == nullptr) continue;
        for (const XMLElement* child : list->Children()) {
            auto note = vesk::CreateNoteDataByType(child->GetAttribute(u"type"));
            if (!note) continue;
            note->LoadFromElement(*child);
            visit(std::u16string_view(section), *note);
        }
    }
    return 0;
}

// Every note of the file as the program would write it again, section by
// section; empty when the file is not a notes file.
std::vector<std::string> NormalNotes(const std::filesystem::path& path) {
    std::vector<std::string> notes;
    ForEachNote(path, [&](std::u16string_view section, const NoteData& note) {
        XMLDocument one;
        note.SaveToElement(one.CreateRoot(section), false);
        notes.push_back(one.ToBytes());
    });
    return notes;
}

std::string NormalSettings(const std::filesystem::path& path) {
    vesk::SettingsData settings;
    if (!settings.Load(path)) return {};
    const std::filesystem::path copy = std::filesystem::temp_directory_path() /
                                       ("vesk-e2e-settings-" + std::to_string(getpid()) + ".xml");
    std::string bytes;
    if (settings.Save(copy)) vesk::ReadFileBytes(copy, bytes);
    std::filesystem::remove(copy);
    return bytes;
}

int PrintNotePlace(const std::filesystem::path& path, std::size_t n) {
    std::size_t index = 0;
    ForEachNote(path, [&](std::u16string_view section, const NoteData& note) {
        if (section != u"active" || index++ != n) return;
        const vesk::Rect& rect = note.GetRect();
        std::printf("%d %d %d %d\n", rect.left, rect.top, rect.right, rect.bottom);
    });
    return index > n ? 0 : 1;
}

std::string Narrow(const std::u16string& text) {
    std::string narrow;
    for (const char16_t c : text) {
        if (c == u'\r') continue;
        narrow += c == u'\n' ? std::string("\\n") : std::string(1, c < 128 ? char(c) : '?');
    }
    return narrow;
}

int ListNotes(const std::filesystem::path& path) {
    return ForEachNote(path, [](std::u16string_view section, const NoteData& note) {
        const int state = section == u"wastebasket" ? NoteData::kStateWastebasket : note.GetState();
        const auto* message = dynamic_cast<const vesk::MessageNoteData*>(&note);
        const auto* checklist = dynamic_cast<const vesk::ChecklistNoteData*>(&note);
        const std::u16string text = message     ? message->GetText()
                                    : checklist ? checklist->GetPlainText()
                                                : std::u16string();
        std::printf("%d %d %s|%s\n", state, note.GetKind(), Narrow(note.GetTitle()).c_str(),
                    Narrow(text).c_str());
    });
}

int PrintLooks(const std::filesystem::path& path) {
    return ForEachNote(path, [](std::u16string_view, const NoteData& note) {
        const vesk::StyleData& style = note.GetStyle();
        std::printf("%d %s %s\n", note.GetAlpha(),
                    vesk::WideToNarrow(vesk::ColorToText(style.bgcolor)).c_str(),
                    vesk::WideToNarrow(vesk::ColorToText(style.bg2color)).c_str());
    });
}

int WritePreviousVersion(const std::filesystem::path& folder) {
    using vesk::test::PreviousRecord;
    std::filesystem::create_directories(folder / "archive");
    const std::string notes =
        vesk::test::PreviousNotesFile({{.title = "Old groceries", .lines = {"eggs", "milk"}},
                                       {.title = "Old chores",
                                        .kind = "2",
                                        .lines = {"*^Dishes", "Laundry."},
                                        .rect = "400 20 600 220"}});
    const std::string archived =
        vesk::test::PreviousNoteFile({.title = "Old plans", .lines = {"move house"}});
    const bool written =
        vesk::WriteFileAtomically(folder / "notes.dat", notes) &&
        vesk::WriteFileAtomically(folder / "settings.dat", vesk::test::kPreviousSettings) &&
        vesk::WriteFileAtomically(folder / "archive" / "Old plans.vesknote", archived);
    return written ? 0 : 1;
}

int PrintInk(const std::filesystem::path& path) {
    return ForEachNote(path, [](std::u16string_view, const NoteData& note) {
        const auto* scribble = dynamic_cast<const vesk::ScribbleNoteData*>(&note);
        const vesk::Bitmap* drawing = scribble ? scribble->GetImage() : nullptr;
        if (drawing == nullptr) return;
        int left = drawing->GetWidth(), top = drawing->GetHeight(), right = -1, bottom = -1;
        long inked = 0;
        for (int y = 0; y < drawing->GetHeight(); ++y) {
            for (int x = 0; x < drawing->GetWidth(); ++x) {
                if (vesk::AlphaOf(drawing->GetPixel(x, y)) == 0) continue;
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                ++inked;
            }
        }
        std::printf("%d %d %d %d %d %d %ld\n", drawing->GetWidth(), drawing->GetHeight(), left, top,
                    right, bottom, inked);
    });
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if ((args.size() == 5 || args.size() == 6) && args[0] == "notes") {
        return WriteNotes(args[1], std::stoi(args[2]), std::stoi(args[3]), std::stoi(args[4]),
                          args.size() == 6 ? std::stoi(args[5]) : 0);
    }
    if (args.size() == 2 && args[0] == "demo") return WriteDemoNotes(args[1]);
    if (args.size() == 2 && args[0] == "on-top") return WriteOnTopNote(args[1]);
    if (args.size() == 3 && args[0] == "picture") return WritePictureNote(args[1], args[2]);
    if (args.size() == 4 && args[0] == "alarms") {
        return WriteAlarmNotes(args[1], std::stoi(args[2]), std::stoll(args[3]));
    }
    if (args.size() == 4 && args[0] == "settings") {
        return WriteSettings(args[1], std::stoi(args[2]), std::stoi(args[3]));
    }
    if (args.size() == 3 && args[0] == "same-notes") {
        const auto a = NormalNotes(args[1]);
        return !a.empty() && a == NormalNotes(args[2]) ? 0 : 1;
    }
    if (args.size() == 3 && args[0] == "same-settings") {
        const auto a = NormalSettings(args[1]);
        return !a.empty() && a == NormalSettings(args[2]) ? 0 : 1;
    }
    if (args.size() == 3 && args[0] == "note-place") {
        return PrintNotePlace(args[1], std::stoul(args[2]));
    }
    if (args.size() == 2 && args[0] == "list") return ListNotes(args[1]);
    if (args.size() == 2 && args[0] == "ink") return PrintInk(args[1]);
    if (args.size() == 2 && args[0] == "looks") return PrintLooks(args[1]);
    if (args.size() == 2 && args[0] == "previous") return WritePreviousVersion(args[1]);
    std::cerr << "usage: vesk_e2e_files "
                 "notes|demo|on-top|picture|alarms|settings|same-notes|same-settings|note-place|"
                 "list|ink|looks|previous ...\n";
    return 2;
}
