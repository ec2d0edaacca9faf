#include "dialogs/editoptions/CColorPage.h"

#include <QComboBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/CCustomStyleDialog.h"
#include "dialogs/ModalDialog.h"
#include "dialogs/UserPrompts.h"
#include "dialogs/editoptions/CSwatchPicker.h"
#include "notes/NoteCommands.h"
#include "notewnd/CVeskNoteWnd.h"
#include "notewnd/NoteHost.h"
#include "settings/SettingsData.h"

namespace vesk {

CColorPage::CColorPage(CVeskNoteWnd& note, NoteHost& host)
    : CEditPage(note, host, QStringLiteral("C"), QStringLiteral("Colour"), "colour"),
      themes_(new QComboBox(this)),
      swatches_(new CSwatchPicker(this)),
      custom_(new QPushButton(QStringLiteral("Custom"), this)),
      shownTheme_(host.GetSettings().GetSelectedThemeId()) {
    FillThemes();
    ShowSwatches();
    connect(themes_, &QComboBox::activated, this, &CColorPage::ThemeChosen);
    connect(swatches_, &QComboBox::activated, this, &CColorPage::SwatchChosen);
    connect(custom_, &QPushButton::clicked, this, &CColorPage::ChooseCustom);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(themes_);
    layout->addWidget(swatches_);
    layout->addWidget(custom_, 0, Qt::AlignLeft);
    layout->addStretch();
}

void CColorPage::FillThemes() {
    themes_->clear();
    themes_->addItem(QStringLiteral("Change Theme"));
    for (const auto& [id, theme] : Host().GetSettings().GetThemes()) {
        themes_->addItem(QString::fromStdU16String(theme.GetName()), id);
    }
}

void CColorPage::ShowSwatches() {
    swatches_->SetSwatches(
        BuildSwatches(Host().GetSettings().FindTheme(shownTheme_), Record().GetStyle()));
}

void CColorPage::ThemeChosen(int index) {
    if (index <= 0) {
        return;
    }
    shownTheme_ = themes_->itemData(index).toInt();
    ShowSwatches();
    themes_->setCurrentIndex(0);
}

void CColorPage::SwatchChosen(int index) {
    if (index < 0) {
        return;
    }
    Record().SetStyle(swatches_->StyleAt(index));
    Send(NoteCommand::kStyleChanged);
}

void CColorPage::ChooseCustom() {
    MadeDialog dialog(new CCustomStyleDialog(Record().GetStyle(), Host().GetSettings(), this));
    if (UserPrompts::Current().RunDialog(*dialog) != QDialog::Accepted || dialog.Gone()) {
        return;
    }
    Record().SetStyle(dialog->GetStyle());
    Send(NoteCommand::kStyleChanged);
    // Themes may have gained the style.
    ShowSwatches();
}

}  // namespace vesk
