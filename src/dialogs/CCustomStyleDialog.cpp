#include "dialogs/CCustomStyleDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

#include "notebook/NotePreviewStatic.h"
#include "settings/SettingsData.h"

namespace vesk {

CCustomStyleDialog::CCustomStyleDialog(const StyleData& style, SettingsData& settings,
                                       QWidget* parent)
    : QDialog(parent),
      style_(style),
      settings_(settings),
      bgTop_(new CColorSwatchButton(style.bgcolor, this)),
      bgBottom_(new CColorSwatchButton(style.bg2color, this)),
      content_(new CColorSwatchButton(style.textcolor, this)),
      title_(new CColorSwatchButton(style.titlecolor, this)),
      preview_(new NotePreviewStatic(true, this)),
      addToTheme_(new QCheckBox(QStringLiteral("Add to Theme:"), this)),
      themes_(new QComboBox(this)) {
    setWindowTitle(QStringLiteral("Custom Style"));
    preview_->SetStyle(style_);
    preview_->setMinimumSize(120, 90);
    for (const auto& [id, theme] : settings.GetThemes()) {
        themes_->addItem(QString::fromStdU16String(theme.GetName()), id);
    }
    themes_->setCurrentIndex(themes_->findData(settings.GetSelectedThemeId()));
    themes_->setEnabled(false);
    connect(addToTheme_, &QCheckBox::toggled, themes_, &QComboBox::setEnabled);
    for (CColorSwatchButton* button : {bgTop_, bgBottom_, content_, title_}) {
        connect(button, &CColorSwatchButton::ColorChosen, this, &CCustomStyleDialog::ColorsChanged);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CCustomStyleDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QGridLayout(this);
    int row = 0;
    for (const auto& [label, button] :
         {std::pair{"BG Top", bgTop_}, std::pair{"BG Bottom", bgBottom_},
          std::pair{"Content", content_}, std::pair{"Title", title_}}) {
        auto* caption = new QLabel(QString::fromLatin1(label), this);
        caption->setBuddy(button);
        layout->addWidget(caption, row, 0);
        layout->addWidget(button, row++, 1);
    }
    layout->addWidget(preview_, 0, 2, row, 1);
    layout->addWidget(addToTheme_, row, 0, 1, 2);
    layout->addWidget(themes_, row++, 2);
    layout->addWidget(buttons, row, 0, 1, 3);
}

void CCustomStyleDialog::accept() {
    ThemeData* theme = addToTheme_->isChecked() && themes_->currentIndex() >= 0
                           ? settings_.FindTheme(themes_->currentData().toInt())
                           : nullptr;
    if (theme != nullptr) {
        theme->AddStyle(style_.bgcolor, style_.bg2color, style_.textcolor, style_.titlecolor);
    }
    QDialog::accept();
}

void CCustomStyleDialog::ColorsChanged() {
    style_.SetColors(bgTop_->Color(), bgBottom_->Color(), content_->Color(), title_->Color());
    preview_->SetStyle(style_);
}

}  // namespace vesk
