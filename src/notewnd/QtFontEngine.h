#pragma once

#include <QFont>
#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>

#include "settings/FontData.h"
#include "settings/FontEngine.h"

namespace vesk {

// A font record's plain font and its underlined link font. Only the
// description is kept and a QFont is made per use: a QFont that has been
// measured holds Qt's font engines, and records that outlive the application
// object (statics, settings torn down late) must not.
class QtDrawingFonts : public DrawingFonts {
public:
    QtDrawingFonts(QString family, double pointSize, bool bold, bool italics);

    int GetHeight() const override { return lineHeight_; }
    QFont GetPlainFont() const { return MakeFont(false); }
    QFont GetLinkFont() const { return MakeFont(true); }

    // The record's Qt fonts; none when it holds no drawing fonts of this
    // engine.
    static const QtDrawingFonts* Of(const FontData& font);
    // The record's Qt fonts, or those of a usable copy of it for a record
    // copied from elsewhere without them; none when no font can be made.
    static std::optional<QtDrawingFonts> Usable(const FontData& font);

private:
    QFont MakeFont(bool underline) const;

    QString family_;
    double pointSize_;
    bool bold_;
    bool italics_;
    int lineHeight_;
};

// Makes drawing fonts with Qt at the screen's resolution. Qt has a single
// text engine, so a record asking for the older kind of font gets the same.
class QtFontEngine : public FontEngine {
public:
    std::unique_ptr<DrawingFonts> MakeFonts(const FontData& font, bool preferGdiPlus) override;
    double GetScreenResolution() const override;

private:
    // Face, size, bold, italics.
    using Key = std::tuple<std::u16string, double, bool, bool>;

    // Thousands of notes share a handful of fonts: each is looked up in the
    // font database and measured once, for the run, and copied from then on.
    std::map<Key, QtDrawingFonts> made_;
};

}  // namespace vesk
