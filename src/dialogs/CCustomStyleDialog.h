#pragma once

#include <QDialog>

#include "dialogs/CColorSwatchButton.h"
#include "settings/StyleData.h"

class QCheckBox;
class QComboBox;

namespace vesk {

class NotePreviewStatic;
class SettingsData;

// "Custom Style": a note's style with colours of the user's choosing, shown
// on a sample note. With "Add to Theme:" set, OK also adds the style to the
// theme chosen beside it. The name stays the note's.
class CCustomStyleDialog : public QDialog {
    Q_OBJECT

public:
    CCustomStyleDialog(const StyleData& style, SettingsData& settings, QWidget* parent = nullptr);

    const StyleData& GetStyle() const { return style_; }
    void accept() override;

    CColorSwatchButton& BgTop() { return *bgTop_; }
    CColorSwatchButton& BgBottom() { return *bgBottom_; }
    CColorSwatchButton& Content() { return *content_; }
    CColorSwatchButton& Title() { return *title_; }
    QCheckBox& AddToTheme() { return *addToTheme_; }
    QComboBox& Themes() { return *themes_; }
    const NotePreviewStatic& Preview() const { return *preview_; }

private:
    void ColorsChanged();

    StyleData style_;
    SettingsData& settings_;
    CColorSwatchButton* bgTop_;
    CColorSwatchButton* bgBottom_;
    CColorSwatchButton* content_;
    CColorSwatchButton* title_;
    NotePreviewStatic* preview_;
    QCheckBox* addToTheme_;
    QComboBox* themes_;
};

}  // namespace vesk
