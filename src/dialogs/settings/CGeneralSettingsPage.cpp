#include "dialogs/settings/CGeneralSettingsPage.h"

#include <QFormLayout>
#include <QVBoxLayout>
#include <array>

#include "platform/Autostart.h"
#include "settings/SettingsData.h"

namespace vesk {
namespace {

// The lists' entries in order, each with the value it stands for.
constexpr std::array kTrayActions{TrayAction::CreateNote, TrayAction::CreateChecklist,
                                  TrayAction::ToggleShow, TrayAction::BringToFront};
constexpr std::array kEmptyWastePolicies{EmptyWastePolicy::OnExit, EmptyWastePolicy::Always,
                                         EmptyWastePolicy::Never};

// The entry standing for the value, or -1.
template <typename Value, std::size_t N>
int EntryOf(const std::array<Value, N>& values, Value value) {
    for (std::size_t i = 0; i < N; ++i) {
        if (values[i] == value) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

CGeneralSettingsPage::CGeneralSettingsPage(SettingsData& settings, platform::Autostart& autostart,
                                           QWidget* parent)
    : CSettingsPage(settings, parent), autostart_(autostart) {
    startAtLogIn_ = AddCheck("startAtLogIn", QStringLiteral("Start vesk notes when I &log in"),
                             autostart_.Exists(platform::Autostart::ProgramName()));
    sounds_ = AddCheck("sounds", QStringLiteral("Enable &Sounds"), settings_.GetSoundEnabled());
    crumple_ = AddCheck("crumple", QStringLiteral("Enable &Crumple Animation"),
                        settings_.GetAnimatedCrumple());
    quickActions_ = AddCheck("quickActions", QStringLiteral("Use &Quick Action Buttons"),
                             settings_.GetShowQAButtons());
    trayAction_ = AddList(
        "trayAction",
        {QStringLiteral("creates new message note."), QStringLiteral("create new checklist note."),
         QStringLiteral("hides/shows all notes."), QStringLiteral("bring all notes to front.")},
        EntryOf(kTrayActions, settings_.GetTray()));
    emptyWaste_ = AddList("emptyWaste",
                          {QStringLiteral("on program exit."),
                           QStringLiteral("after each crumple."), QStringLiteral("never.")},
                          EntryOf(kEmptyWastePolicies, settings_.GetEmptyWaste()));

    auto* lists = new QFormLayout;
    lists->addRow(QStringLiteral("&Double-clicking tray icon"), trayAction_);
    lists->addRow(QStringLiteral("&Empty waste basket"), emptyWaste_);
    auto* layout = new QVBoxLayout(this);
    for (QWidget* box : {startAtLogIn_, sounds_, crumple_, quickActions_}) {
        layout->addWidget(box);
    }
    layout->addLayout(lists);
    layout->addStretch();
}

void CGeneralSettingsPage::Apply() {
    // A failed write leaves the entry as it was; the box shows that next time.
    if (startAtLogIn_->isChecked()) {
        autostart_.CreateProgramEntry();
    } else {
        autostart_.Remove(platform::Autostart::ProgramName());
    }
    settings_.SetSoundEnabled(sounds_->isChecked());
    settings_.SetAnimatedCrumple(crumple_->isChecked());
    settings_.SetShowQAButtons(quickActions_->isChecked());
    if (const int entry = trayAction_->currentIndex(); entry >= 0) {
        settings_.SetTray(kTrayActions[static_cast<std::size_t>(entry)]);
    }
    if (const int entry = emptyWaste_->currentIndex(); entry >= 0) {
        settings_.SetEmptyWaste(kEmptyWastePolicies[static_cast<std::size_t>(entry)]);
    }
}

}  // namespace vesk
