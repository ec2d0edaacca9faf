#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>

#include "app/AlarmData.h"
#include "notes/Rect.h"
#include "settings/FontData.h"
#include "settings/StyleData.h"
#include "xml/TextForms.h"

namespace vesk {

class XMLElement;

// Everything stored about one note. The kinds derive from it and add their
// content; a note window owns one record and keeps it current.
class NoteData {
public:
    // Kinds of note; 4 is deliberately absent, the archive uses it to mark a
    // file that is not a note.
    static constexpr std::int32_t kMessage = 0;
    static constexpr std::int32_t kScribble = 1;
    static constexpr std::int32_t kChecklist = 2;
    static constexpr std::int32_t kPicture = 5;

    static constexpr std::int32_t kStateShown = 0;
    static constexpr std::int32_t kStateHidden = 1;
    static constexpr std::int32_t kStateWastebasket = 2;

    static constexpr std::int32_t kAlignLeft = 0;
    static constexpr std::int32_t kAlignCenter = 1;

    // Alpha of every record built for loading.
    static constexpr std::uint8_t kLoadingAlpha = 200;

    NoteData(std::int32_t kind, const Rect& rect, const StyleData& style, std::uint8_t alpha);
    virtual ~NoteData();
    NoteData(const NoteData&) = delete;
    NoteData& operator=(const NoteData&) = delete;

    // Puts back what an edit can change: alpha, style, font, alignment and
    // alarm. Title, kind, place, state, times and the window flags stay.
    virtual void CopyFrom(const NoteData& other);
    // Writes the kind's content into the note's content element.
    virtual bool SaveContent(XMLElement& content) const;
    virtual bool LoadContent(const XMLElement& content);
    // "message", "checklist", "scribble" or "picture"; empty for the base.
    virtual std::u16string GetTypeName() const;

    const std::u16string& GetTitle() const { return title_; }
    void SetTitle(std::u16string title) { title_ = std::move(title); }
    std::int32_t GetKind() const { return kind_; }
    std::int32_t GetStayOnTop() const { return stayOnTop_; }
    void SetStayOnTop(std::int32_t stayOnTop) { stayOnTop_ = stayOnTop; }
    FontData& GetFont() { return font_; }
    const FontData& GetFont() const { return font_; }
    // Copies the font and makes it usable; false when that fails.
    bool SetFont(const FontData& font);
    std::int32_t GetState() const { return state_; }
    void SetState(std::int32_t state) { state_ = state; }
    std::int32_t GetAlignment() const { return alignment_; }
    void SetAlignment(std::int32_t alignment) { alignment_ = alignment; }
    StyleData& GetStyle() { return style_; }
    const StyleData& GetStyle() const { return style_; }
    void SetStyle(const StyleData& style) { style_ = style; }
    const Rect& GetRect() const { return rect_; }
    void SetRect(const Rect& rect) { rect_ = rect; }
    TimeValue GetCreationTime() const { return creationTime_; }
    void SetCreationTime(TimeValue time) { creationTime_ = time; }
    TimeValue GetLastModified() const { return lastModified_; }
    void SetLastModified(TimeValue time) { lastModified_ = time; }
    std::uint8_t GetAlpha() const { return alpha_; }
    void SetAlpha(std::uint8_t alpha) { alpha_ = alpha; }
    bool IsShaded() const { return shaded_; }
    void SetShaded(bool shaded) { shaded_ = shaded; }
    bool GetShowTitle() const { return showTitle_; }
    void SetShowTitle(bool showTitle) { showTitle_ = showTitle; }

    // None when the note has no alarm.
    AlarmData* GetAlarm() { return alarm_.get(); }
    const AlarmData* GetAlarm() const { return alarm_.get(); }
    // On: an alarm with the defaults unless there is one already. Off: no alarm.
    void EnableAlarm(bool enable);

    void Touch();

    // asRoot: parent is itself the note element (the root of a single-note
    // file); otherwise a vesknote child is added to it.
    bool SaveToElement(XMLElement& parent, bool asRoot) const;
    // Missing parts keep their values, so this never fails.
    bool LoadFromElement(const XMLElement& element);

    // A single-note file: the note element as the root of its own document.
    bool SaveToFile(const std::filesystem::path& path) const;

private:
    void LoadAppearance(const XMLElement& appearance);
    void LoadBehavior(const XMLElement& behavior);
    void LoadDesktop(const XMLElement& desktop);

    std::u16string title_;
    std::int32_t kind_;
    std::int32_t stayOnTop_ = 0;
    FontData font_;
    std::int32_t state_ = kStateShown;
    std::int32_t alignment_ = kAlignLeft;
    StyleData style_;
    Rect rect_;
    TimeValue creationTime_;
    TimeValue lastModified_;
    std::uint8_t alpha_;
    bool shaded_ = false;
    std::unique_ptr<AlarmData> alarm_;
    bool showTitle_ = true;
};

}  // namespace vesk
