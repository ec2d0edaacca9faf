#include "settings/FontData.h"

#include <utility>

#include "xml/TextForms.h"
#include "xml/XMLElement.h"

namespace vesk {

FontData::FontData(std::u16string face, std::int32_t size, bool bold, bool italics)
    : face_(std::move(face)), size_(size), bold_(bold), italics_(italics) {}

FontData::FontData(const FontData& other)
    : face_(other.face_), size_(other.size_), bold_(other.bold_), italics_(other.italics_) {}

FontData& FontData::operator=(const FontData& other) {
    if (this != &other) {
        fonts_.reset();
        face_ = other.face_;
        size_ = other.size_;
        bold_ = other.bold_;
        italics_ = other.italics_;
    }
    return *this;
}

FontData::~FontData() = default;

FontData FontData::Fallback() { return FontData(u"Arial", 12, false, false); }

bool FontData::IsDefault() const { return face_ == u"Default" || face_.empty() || size_ == 0; }

bool FontData::MakeUsable(bool preferGdiPlus) {
    fonts_.reset();
    FontEngine* engine = GetFontEngine();
    if (engine == nullptr) {
        return true;
    }
    fonts_ = engine->MakeFonts(*this, preferGdiPlus);
    return fonts_ != nullptr;
}

int FontData::GetHeight() const { return fonts_ ? fonts_->GetHeight() : 0; }

void FontData::SaveToElement(XMLElement& parent) const {
    XMLElement& element = parent.AddChild(u"font", true);
    element.SetAttribute(u"face", face_);
    element.SetAttribute(u"size", IntToText(size_));
    if (bold_) {
        element.SetAttribute(u"bold", u"true");
    }
    if (italics_) {
        element.SetAttribute(u"italics", u"true");
    }
}

void FontData::LoadFromElement(const XMLElement& element) {
    face_ = element.GetAttribute(u"face");
    size_ = TextToInt(element.GetAttribute(u"size"));
    bold_ = element.GetAttribute(u"bold") == u"true";
    italics_ = element.GetAttribute(u"italics") == u"true";
}

bool FontData::operator==(const FontData& other) const {
    return face_ == other.face_ && size_ == other.size_ && bold_ == other.bold_ &&
           italics_ == other.italics_;
}

}  // namespace vesk
