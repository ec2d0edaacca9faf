#include "notes/NoteData.h"

#include "notes/NoteSize.h"
#include "xml/XMLDocument.h"
#include "xml/XMLElement.h"

namespace vesk {

namespace {

// Below a tenth of full opacity a note could no longer be found on screen.
constexpr std::uint8_t kMinimumAlpha = 25;
// The size of a note whose desktop element has no size.
constexpr std::int32_t kMissingSide = 10;

}  // namespace

NoteData::NoteData(std::int32_t kind, const Rect& rect, const StyleData& style, std::uint8_t alpha)
    : kind_(kind),
      style_(style),
      rect_(rect),
      creationTime_(Now()),
      lastModified_(creationTime_),
      alpha_(alpha) {}

NoteData::~NoteData() = default;

void NoteData::CopyFrom(const NoteData& other) {
    alpha_ = other.alpha_;
    style_ = other.style_;
    SetFont(other.font_);
    alignment_ = other.alignment_;
    if (other.alarm_) {
        alarm_ = std::make_unique<AlarmData>(*other.alarm_);
    } else {
        alarm_.reset();
    }
}

bool NoteData::SaveContent(XMLElement&) const { return false; }

bool NoteData::LoadContent(const XMLElement&) { return false; }

std::u16string NoteData::GetTypeName() const { return {}; }

bool NoteData::SetFont(const FontData& font) {
    font_ = font;
    return font_.MakeUsable();
}

void NoteData::EnableAlarm(bool enable) {
    if (!enable) {
        alarm_.reset();
    } else if (!alarm_) {
        alarm_ = std::make_unique<AlarmData>();
    }
}

void NoteData::Touch() { lastModified_ = Now(); }

bool NoteData::SaveToElement(XMLElement& parent, bool asRoot) const {
    XMLElement& note = asRoot ? parent : parent.AddChild(u"vesknote");
    note.SetAttribute(u"creationtime", TimeToText(creationTime_));
    note.SetAttribute(u"lastmodified", TimeToText(lastModified_));
    note.SetAttribute(u"type", GetTypeName());

    note.AddChild(u"title", false, true).SetText(title_);
    SaveContent(note.AddChild(u"content"));

    // Spelled so in every file the program has written.
    XMLElement& appearance = note.AddChild(u"appearence");
    appearance.SetAttribute(u"alpha", IntToText(alpha_));
    if (shaded_) {
        appearance.SetAttribute(u"shaded", u"true");
    }
    if (state_ == kStateHidden) {
        appearance.SetAttribute(u"hidden", u"true");
    }
    if (!showTitle_) {
        appearance.SetAttribute(u"showtitle", u"false");
    }
    style_.SaveToElement(appearance);
    font_.SaveToElement(appearance);

    XMLElement& behavior = note.AddChild(u"behavior");
    if (stayOnTop_ == 1) {
        behavior.SetAttribute(u"stayontop", u"true");
    }
    if (alarm_) {
        alarm_->SaveToElement(behavior);
    }

    XMLElement& desktop = note.AddChild(u"desktop");
    XMLElement& position = desktop.AddChild(u"position", true);
    position.SetAttribute(u"x", IntToText(rect_.left));
    position.SetAttribute(u"y", IntToText(rect_.top));
    XMLElement& size = desktop.AddChild(u"size", true);
    size.SetAttribute(u"height", IntToText(rect_.Height()));
    size.SetAttribute(u"width", IntToText(rect_.Width()));
    return true;
}

bool NoteData::LoadFromElement(const XMLElement& element) {
    const std::u16string_view created = element.GetAttribute(u"creationtime");
    if (!created.empty()) {
        creationTime_ = TextToTime(created);
    }
    const std::u16string_view modified = element.GetAttribute(u"lastmodified");
    if (!modified.empty()) {
        lastModified_ = TextToTime(modified);
    }
    for (const XMLElement* child : element.Children()) {
        const std::u16string_view name = child->GetName();
        if (name == u"appearence") {
            LoadAppearance(*child);
        } else if (name == u"behavior") {
            LoadBehavior(*child);
        } else if (name == u"content") {
            LoadContent(*child);
        } else if (name == u"desktop") {
            LoadDesktop(*child);
        } else if (name == u"title") {
            title_ = child->GetText();
        }
    }
    return true;
}

void NoteData::LoadAppearance(const XMLElement& appearance) {
    alpha_ = static_cast<std::uint8_t>(
        static_cast<std::uint32_t>(TextToInt(appearance.GetAttribute(u"alpha"))));
    if (alpha_ < kMinimumAlpha) {
        alpha_ = kMinimumAlpha;
    }
    state_ = appearance.GetAttribute(u"hidden") == u"true" ? kStateHidden : kStateShown;
    shaded_ = appearance.GetAttribute(u"shaded") == u"true";
    showTitle_ = appearance.GetAttribute(u"showtitle") != u"false";
    for (const XMLElement* child : appearance.Children()) {
        const std::u16string_view name = child->GetName();
        if (name == u"font") {
            FontData font;
            font.LoadFromElement(*child);
            if (!SetFont(font)) {
                SetFont(FontData::Fallback());
            }
        } else if (name == u"style") {
            style_.LoadFromElement(*child);
        }
    }
}

void NoteData::LoadBehavior(const XMLElement& behavior) {
    stayOnTop_ = behavior.GetAttribute(u"stayontop") == u"true" ? 1 : 0;
    if (const XMLElement* alarm = behavior.FindChild(u"alarm")) {
        EnableAlarm(true);
        alarm_->LoadFromElement(*alarm);
    }
}

void NoteData::LoadDesktop(const XMLElement& desktop) {
    std::int32_t width = kMissingSide;
    std::int32_t height = kMissingSide;
    for (const XMLElement* child : desktop.Children()) {
        const std::u16string_view name = child->GetName();
        if (name == u"position") {
            rect_.left = TextToInt(child->GetAttribute(u"x"));
            rect_.top = TextToInt(child->GetAttribute(u"y"));
        } else if (name == u"size") {
            width = HeldNoteSide(TextToInt(child->GetAttribute(u"width")));
            height = HeldNoteSide(TextToInt(child->GetAttribute(u"height")));
        }
    }
    rect_.right = WrapToInt32(std::int64_t{rect_.left} + width);
    rect_.bottom = WrapToInt32(std::int64_t{rect_.top} + height);
}

bool NoteData::SaveToFile(const std::filesystem::path& path) const {
    XMLDocument document;
    SaveToElement(document.CreateRoot(u"vesknote"), true);
    return static_cast<bool>(document.Save(path));
}

}  // namespace vesk
