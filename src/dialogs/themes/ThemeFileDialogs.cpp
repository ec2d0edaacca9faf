#include "dialogs/themes/ThemeFileDialogs.h"

#include <QDir>

#include "app/PathText.h"
#include "dialogs/UserPrompts.h"
#include "settings/SettingsData.h"
#include "settings/ThemeFile.h"

namespace vesk {
namespace {

const QString kThemeFileFilter =
    QStringLiteral("vesk notes Theme Files (*.vnt)|*.vnt|All Files (*.*)|*.*||");
// The proposed file name takes this much of the theme's name.
constexpr qsizetype kProposedNameLength = 20;

// The theme's name made fit to name a file: characters that a file name
// cannot hold (a "/" would name a folder) become "_".
QString ProposedFileName(const ThemeData& theme) {
    QString name = QString::fromStdU16String(theme.GetName()).left(kProposedNameLength);
    for (QChar& c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c)) {
            c = u'_';
        }
    }
    return name + ".vnt";
}

void Tell(QWidget* parent, const QString& text) {
    UserPrompts::Current().ShowMessage(parent, text, QStringLiteral("Uh oh"),
                                       UserPrompts::Buttons::Ok, UserPrompts::Icon::Warning);
}

}  // namespace

void OfferThemeExport(QWidget* parent, const ThemeData& theme) {
    const QString file = UserPrompts::Current().GetSaveFileName(
        parent, QStringLiteral("Export Theme"), ProposedFileName(theme), kThemeFileFilter);
    if (file.isEmpty()) return;
    if (const FileResult saved = SaveThemeFile(theme, ToPath(file)); !saved) {
        Tell(parent, QStringLiteral("The theme could not be saved:\n%1")
                         .arg(QString::fromLocal8Bit(saved.Reason())));
    }
}

std::optional<std::int32_t> OfferThemeImport(QWidget* parent, SettingsData& settings) {
    const QString file = UserPrompts::Current().GetOpenFileName(
        parent, QStringLiteral("Import Theme"), QString(), kThemeFileFilter);
    if (file.isEmpty()) return std::nullopt;
    const std::optional<std::int32_t> id = ImportThemeFile(settings, ToPath(file));
    if (!id) {
        Tell(parent, QStringLiteral("\"%1\" is not a vesk notes theme file, so no theme was "
                                    "imported.")
                         .arg(QDir::toNativeSeparators(file)));
    }
    return id;
}

}  // namespace vesk
