#pragma once

#include "dialogs/settings/CSettingsPage.h"

class QBoxLayout;

namespace vesk {

class CHotKeyField;
struct HotKeyData;

// "Hot Keys": the two global hot keys, each with its switch, its field and
// "+ Windows Key". An enabled hot key without the Windows key needs F1 to
// F12 or one of Shift, Control and Alt: a lone key would be taken from every
// program on the desktop.
class CHotKeySettingsPage : public CSettingsPage {
public:
    explicit CHotKeySettingsPage(SettingsData& settings, QWidget* parent = nullptr);

    bool Validate() override;
    void Apply() override;

private:
    // One hot key's three controls.
    struct Row {
        QCheckBox* on = nullptr;
        CHotKeyField* field = nullptr;
        QCheckBox* windows = nullptr;

        bool Acceptable() const;
        void Store(HotKeyData& key) const;
    };

    Row AddRow(QBoxLayout& layout, const char* name, const QString& text, const HotKeyData& key);

    Row showNotes_;
    Row newNote_;
};

}  // namespace vesk
