#include "dialogs/themes/CThemeSelectDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "dialogs/UserPrompts.h"
#include "dialogs/themes/ThemeFileDialogs.h"
#include "dialogs/themes/ThemeManagerDialog.h"
#include "notebook/NotePreviewStatic.h"
#include "settings/SettingsData.h"

namespace vesk {

CThemeSelectDialog::CThemeSelectDialog(SettingsData& settings, QWidget* parent)
    : QDialog(parent), settings_(settings), themes_(new QComboBox(this)) {
    setWindowTitle(QStringLiteral("Theme"));
    themes_->setObjectName(QStringLiteral("themes"));
    auto* previews = new QGridLayout;
    for (std::size_t i = 0; i < previews_.size(); ++i) {
        auto* preview = new NotePreviewStatic(true, this);
        preview->setObjectName(QStringLiteral("preview%1").arg(i));
        preview->setFixedSize(110, 90);
        // A box without a style stays empty, in its place.
        QSizePolicy policy = preview->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        preview->setSizePolicy(policy);
        previews->addWidget(preview, static_cast<int>(i / 2), static_cast<int>(i % 2));
        previews_[i] = preview;
    }
    auto* edit = new QPushButton(QStringLiteral("Edit Themes"), this);
    edit->setObjectName(QStringLiteral("editThemes"));
    edit->setAutoDefault(false);
    auto* import = new QPushButton(QStringLiteral("Import"), this);
    import->setObjectName(QStringLiteral("import"));
    import->setAutoDefault(false);
    connect(edit, &QPushButton::clicked, this, &CThemeSelectDialog::EditThemes);
    connect(import, &QPushButton::clicked, this, &CThemeSelectDialog::Import);
    connect(themes_, &QComboBox::currentIndexChanged, this, &CThemeSelectDialog::ShowStyles);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CThemeSelectDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CThemeSelectDialog::reject);

    auto* choice = new QHBoxLayout;
    choice->addWidget(new QLabel(QStringLiteral("Current Theme:"), this));
    choice->addWidget(themes_, 1);
    auto* actions = new QHBoxLayout;
    actions->addWidget(edit);
    actions->addWidget(import);
    actions->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addLayout(previews);
    layout->addLayout(actions);
    layout->addWidget(buttons);
    FillThemes(settings_.GetSelectedThemeId());
}

void CThemeSelectDialog::FillThemes(std::int32_t current) {
    {
        const QSignalBlocker quiet(themes_);
        themes_->clear();
        for (const auto& [id, theme] : settings_.GetThemes()) {
            themes_->addItem(QString::fromStdU16String(theme.GetName()), id);
        }
        themes_->setCurrentIndex(themes_->findData(current));
    }
    ShowStyles();
}

std::int32_t CThemeSelectDialog::ChosenId() const {
    const QVariant id = themes_->currentData();
    return id.isValid() ? id.toInt() : -1;
}

void CThemeSelectDialog::ShowStyles() {
    std::vector<const StyleData*> styles;
    if (const ThemeData* theme = settings_.FindTheme(ChosenId())) {
        for (const auto& [id, style] : theme->GetStyles()) styles.push_back(&style);
    }
    for (std::size_t i = 0; i < previews_.size(); ++i) {
        previews_[i]->setVisible(i < styles.size());
        if (i < styles.size()) previews_[i]->SetStyle(*styles[i]);
    }
}

void CThemeSelectDialog::EditThemes() {
    const std::int32_t chosen = ChosenId();
    ThemeManagerDialog editor(settings_, chosen, this);
    UserPrompts::Current().RunDialog(editor);
    // Themes may have come, gone or been renamed.
    FillThemes(settings_.FindTheme(chosen) != nullptr ? chosen : settings_.GetSelectedThemeId());
}

void CThemeSelectDialog::Import() {
    if (const auto id = OfferThemeImport(this, settings_)) FillThemes(*id);
}

void CThemeSelectDialog::accept() {
    if (const std::int32_t chosen = ChosenId(); chosen >= 0) settings_.SetSelectedThemeId(chosen);
    QDialog::accept();
}

}  // namespace vesk
