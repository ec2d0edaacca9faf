#include "dialogs/themes/ThemeManagerDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/UserPrompts.h"
#include "dialogs/themes/CThemeStylesEditor.h"
#include "dialogs/themes/RenameDialog.h"
#include "dialogs/themes/ThemeFileDialogs.h"
#include "settings/SettingsData.h"

namespace vesk {
namespace {

constexpr std::int32_t kDefaultThemeId = 0;

QPushButton* AddButton(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

QString NameOf(const ThemeData& theme) { return QString::fromStdU16String(theme.GetName()); }

}  // namespace

ThemeManagerDialog::ThemeManagerDialog(SettingsData& settings, std::int32_t themeId,
                                       QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      themes_(new QComboBox(this)),
      rename_(AddButton(this, "renameTheme", QStringLiteral("Rename"))),
      delete_(AddButton(this, "deleteTheme", QStringLiteral("Delete"))),
      export_(AddButton(this, "exportTheme", QStringLiteral("Export Theme"))),
      styles_(new CThemeStylesEditor(this)) {
    setWindowTitle(QStringLiteral("Theme Editor"));
    themes_->setObjectName(QStringLiteral("themes"));
    auto* create = AddButton(this, "newTheme", QStringLiteral("New"));
    auto* import = AddButton(this, "importTheme", QStringLiteral("Import Theme"));
    auto* done = AddButton(this, "done", QStringLiteral("I'm Done"));
    done->setDefault(true);
    connect(create, &QPushButton::clicked, this, &ThemeManagerDialog::NewTheme);
    connect(rename_, &QPushButton::clicked, this, &ThemeManagerDialog::RenameTheme);
    connect(delete_, &QPushButton::clicked, this, &ThemeManagerDialog::DeleteTheme);
    connect(export_, &QPushButton::clicked, this,
            [this] { OfferThemeExport(this, *ChosenTheme()); });
    connect(import, &QPushButton::clicked, this, &ThemeManagerDialog::ImportTheme);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QGridLayout;
    top->addWidget(new QLabel(QStringLiteral("Theme:"), this), 0, 0);
    top->addWidget(themes_, 0, 1, 1, 3);
    top->addWidget(create, 1, 1);
    top->addWidget(rename_, 1, 2);
    top->addWidget(delete_, 1, 3);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(export_);
    bottom->addWidget(import);
    bottom->addStretch();
    bottom->addWidget(done);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(styles_);
    layout->addLayout(bottom);

    FillThemes();
    connect(themes_, &QComboBox::currentIndexChanged, this, &ThemeManagerDialog::ThemeChosen);
    ChooseTheme(themeId);
}

void ThemeManagerDialog::FillThemes() {
    const QSignalBlocker quiet(themes_);
    themes_->clear();
    for (const auto& [id, theme] : settings_.GetThemes()) themes_->addItem(NameOf(theme), id);
    themes_->setCurrentIndex(-1);
    themes_->setEnabled(themes_->count() > 0);
}

void ThemeManagerDialog::ChooseTheme(std::int32_t id) {
    {
        const QSignalBlocker quiet(themes_);
        themes_->setCurrentIndex(themes_->findData(id));
    }
    ThemeChosen();
}

ThemeData* ThemeManagerDialog::ChosenTheme() const {
    const QVariant id = themes_->currentData();
    return id.isValid() ? settings_.FindTheme(id.toInt()) : nullptr;
}

void ThemeManagerDialog::ThemeChosen() {
    ThemeData* theme = ChosenTheme();
    for (QWidget* control : {static_cast<QWidget*>(rename_), static_cast<QWidget*>(delete_),
                             static_cast<QWidget*>(export_)}) {
        control->setEnabled(theme != nullptr);
    }
    styles_->SetTheme(theme);
}

void ThemeManagerDialog::NewTheme() {
    RenameDialog name(QStringLiteral("New Theme"), QStringLiteral("New Theme"), this);
    if (UserPrompts::Current().RunDialog(name) != QDialog::Accepted) return;
    const std::int32_t id = settings_.AddTheme();
    settings_.FindTheme(id)->SetName(name.Name().toStdU16String());
    themes_->addItem(name.Name(), id);
    themes_->setEnabled(true);
}

void ThemeManagerDialog::RenameTheme() {
    ThemeData& theme = *ChosenTheme();
    if (theme.GetId() == kDefaultThemeId) {
        UserPrompts::Current().ShowMessage(
            this, QStringLiteral("You can't rename the default theme!"), QStringLiteral("Nope"),
            UserPrompts::Buttons::Ok, UserPrompts::Icon::Warning);
        return;
    }
    RenameDialog name(QStringLiteral("Rename Theme"), NameOf(theme), this);
    if (UserPrompts::Current().RunDialog(name) != QDialog::Accepted) return;
    theme.SetName(name.Name().toStdU16String());
    themes_->setItemText(themes_->currentIndex(), name.Name());
}

void ThemeManagerDialog::DeleteTheme() {
    const ThemeData& theme = *ChosenTheme();
    if (UserPrompts::Current().ShowMessage(
            this, QStringLiteral("Do you really, really want to delete %1?").arg(NameOf(theme)),
            QStringLiteral("Confirm Delete"), UserPrompts::Buttons::YesNo,
            UserPrompts::Icon::Question) != UserPrompts::Answer::Yes) {
        return;
    }
    const std::int32_t id = theme.GetId();
    settings_.RemoveTheme(id);
    if (settings_.GetSelectedThemeId() == id && settings_.ThemeCount() > 0) {
        settings_.SetSelectedThemeId(settings_.GetThemes().begin()->first);
    }
    {
        const QSignalBlocker quiet(themes_);
        themes_->removeItem(themes_->currentIndex());
        themes_->setCurrentIndex(-1);
        themes_->setEnabled(themes_->count() > 0);
    }
    ThemeChosen();
}

void ThemeManagerDialog::ImportTheme() {
    if (const auto id = OfferThemeImport(this, settings_)) {
        themes_->addItem(NameOf(*settings_.FindTheme(*id)), *id);
        themes_->setEnabled(true);
        ChooseTheme(*id);
    }
}

}  // namespace vesk
