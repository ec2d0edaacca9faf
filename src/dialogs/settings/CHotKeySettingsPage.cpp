#include "dialogs/settings/CHotKeySettingsPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "dialogs/UserPrompts.h"
#include "dialogs/settings/CHotKeyField.h"
#include "settings/SettingsData.h"

namespace vesk {
namespace {

constexpr unsigned kF1 = 0x70;
constexpr unsigned kF12 = 0x7B;
constexpr unsigned kHeldModifiers = HotKeyData::kShift | HotKeyData::kControl | HotKeyData::kAlt;

}  // namespace

CHotKeySettingsPage::CHotKeySettingsPage(SettingsData& settings, QWidget* parent)
    : CSettingsPage(settings, parent) {
    auto* text = new QLabel(
        QStringLiteral("Hot keys are button combinations you can press at any time to perform an "
                       "action in vesk notes. To change a hot key combo, click the combo box and "
                       "press the combination of buttons you want. Check the \"Windows Key\" "
                       "check box to include the Windows key."),
        this);
    text->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    showNotes_ =
        AddRow(*layout, "showNotes", QStringLiteral("Enable 'Bring Notes To &Top' Hot Key"),
               settings_.GetShowNotesHotKey());
    newNote_ = AddRow(*layout, "newNote", QStringLiteral("Enable 'Create &New Note' Hot Key"),
                      settings_.GetNewNoteHotKey());
    layout->addStretch();
}

CHotKeySettingsPage::Row CHotKeySettingsPage::AddRow(QBoxLayout& layout, const char* name,
                                                     const QString& text, const HotKeyData& key) {
    const QByteArray prefix(name);
    Row row{AddCheck(prefix + "On", text, key.used), new CHotKeyField(this),
            AddCheck(prefix + "Windows", QStringLiteral("+ Windows Key"),
                     (key.modifiers & HotKeyData::kWindows) != 0)};
    row.field->setObjectName(QLatin1String(prefix + "Key"));
    row.field->SetHotKey(key.virtualKey, key.modifiers);
    const auto enable = [row](bool on) {
        row.field->setEnabled(on);
        row.windows->setEnabled(on);
    };
    enable(key.used);
    connect(row.on, &QCheckBox::toggled, this, enable);

    auto* grid = new QGridLayout;
    grid->addWidget(row.on, 0, 0, 1, 2);
    grid->addWidget(row.field, 1, 0);
    grid->addWidget(row.windows, 1, 1);
    layout.addLayout(grid);
    return row;
}

bool CHotKeySettingsPage::Row::Acceptable() const {
    if (!on->isChecked() || windows->isChecked()) return true;
    const unsigned key = field->VirtualKey();
    return (key >= kF1 && key <= kF12) || (field->Modifiers() & kHeldModifiers) != 0;
}

void CHotKeySettingsPage::Row::Store(HotKeyData& key) const {
    key.virtualKey = static_cast<std::uint16_t>(field->VirtualKey());
    key.modifiers = static_cast<std::uint16_t>(field->Modifiers() |
                                               (windows->isChecked() ? HotKeyData::kWindows : 0));
    key.used = on->isChecked();
}

bool CHotKeySettingsPage::Validate() {
    for (const Row* row : {&showNotes_, &newNote_}) {
        if (row->Acceptable()) continue;
        UserPrompts::Current().ShowMessage(
            this,
            QStringLiteral("You cannot have a single character for a hot key.\nMaybe combine it "
                           "with Ctrl, Alt, or something. I dunno, be creative."),
            QStringLiteral("Whoops"), UserPrompts::Buttons::Ok, UserPrompts::Icon::Critical);
        row->field->setFocus();
        return false;
    }
    return true;
}

void CHotKeySettingsPage::Apply() {
    showNotes_.Store(settings_.GetShowNotesHotKey());
    newNote_.Store(settings_.GetNewNoteHotKey());
}

}  // namespace vesk
