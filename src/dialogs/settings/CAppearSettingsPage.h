#pragma once

#include "dialogs/settings/CSettingsPage.h"

class QSlider;

namespace vesk {

class CFontRow;

// "Appearance": shadows, solid notes while active, the date format, and what
// new notes start with: the two fonts, the translucency, the title bar and a
// random style. A stored date format other than the two offered leaves the
// list without a choice and is kept.
class CAppearSettingsPage : public CSettingsPage {
public:
    explicit CAppearSettingsPage(SettingsData& settings, QWidget* parent = nullptr);

    void Apply() override;

private:
    QCheckBox* shadow_;
    QCheckBox* solid_;
    QComboBox* dateFormat_;
    CFontRow* contentFont_;
    CFontRow* titleFont_;
    QSlider* translucency_;
    QCheckBox* showTitle_;
    QCheckBox* randomStyle_;
};

}  // namespace vesk
