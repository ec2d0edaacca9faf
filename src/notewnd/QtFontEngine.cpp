#include "notewnd/QtFontEngine.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <utility>

namespace vesk {

namespace {

// Sizes read from files can be anything; beyond this a glyph is larger than
// any screen and only costs memory to render.
constexpr double kLargestPointSize = 1000.0;

}  // namespace

QtDrawingFonts::QtDrawingFonts(QString family, double pointSize, bool bold, bool italics)
    : family_(std::move(family)), pointSize_(pointSize), bold_(bold), italics_(italics) {
    lineHeight_ = static_cast<int>(QFontMetricsF(MakeFont(false)).lineSpacing());
}

QFont QtDrawingFonts::MakeFont(bool underline) const {
    QFont font;
    if (family_.isEmpty()) {
        font.setStyleHint(QFont::SansSerif);
        font.setFamilies({QStringLiteral("sans-serif")});
    } else {
        font.setFamilies({family_});
    }
    if (pointSize_ > 0.0) {
        font.setPointSizeF(pointSize_);
    }
    font.setWeight(bold_ ? QFont::Bold : QFont::Normal);
    font.setItalic(italics_);
    font.setUnderline(underline);
    return font;
}

const QtDrawingFonts* QtDrawingFonts::Of(const FontData& font) {
    return dynamic_cast<const QtDrawingFonts*>(font.GetDrawingFonts());
}

std::optional<QtDrawingFonts> QtDrawingFonts::Usable(const FontData& font) {
    if (const QtDrawingFonts* fonts = Of(font)) {
        return *fonts;
    }
    FontData usable = font;
    usable.MakeUsable();
    if (const QtDrawingFonts* fonts = Of(usable)) {
        return *fonts;
    }
    return std::nullopt;
}

std::unique_ptr<DrawingFonts> QtFontEngine::MakeFonts(const FontData& font, bool) {
    if (QGuiApplication::instance() == nullptr) {
        return nullptr;
    }
    // A size of 0 or less keeps the application's default size.
    const double size = std::min(static_cast<double>(font.GetSize()), kLargestPointSize);
    Key key{font.GetFace(), size, font.GetBold(), font.GetItalics()};
    auto made = made_.find(key);
    if (made == made_.end()) {
        const QString face = QString::fromStdU16String(font.GetFace());
        // An unknown face takes the generic sans-serif family rather than
        // whatever the font matcher would pick.
        QString family = QFontDatabase::hasFamily(face) ? face : QString();
        made = made_
                   .emplace(std::move(key), QtDrawingFonts(std::move(family), size, font.GetBold(),
                                                           font.GetItalics()))
                   .first;
    }
    return std::make_unique<QtDrawingFonts>(made->second);
}

double QtFontEngine::GetScreenResolution() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInchY() : 0.0;
}

}  // namespace vesk
