#include "app/MainFrame.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdlib>
#include <ctime>
#include <utility>

#include "app/CollectionCommands.h"
#include "app/FirstStart.h"
#include "app/HelpCommands.h"
#include "app/MainCommandIds.h"
#include "app/NoteSettings.h"
#include "app/PathText.h"
#include "app/StartUp.h"
#include "app/TrayAction.h"
#include "backup/BackupManager.h"
#include "dialogs/UserPrompts.h"
#include "import/SettingsV3Reader.h"
#include "notewnd/CVeskNoteWnd.h"

namespace vesk {
namespace {

// The previous version's settings file has no interval.
constexpr int kPreviousVersionAutoSaveMs = 20000;

}  // namespace

CMainFrame::CMainFrame(MainFrameServices services, QObject* parent)
    : QObject(parent),
      services_(std::move(services)),
      factory_(*this),
      archive_([this] { return factory_.TitleBarHeight(); }),
      alarms_(*this, services_.clockWatch.get()),
      trayMenu_(commands_),
      tray_([this](QMenu& menu) { trayMenu_.Fill(menu, collection_.GetNotes()); },
            services_.trayAvailable, *services_.trayWatch),
      hotKeys_(*services_.hotKeys),
      sounds_(std::move(services_.sounds)),
      autoSave_(settings_, [this] { return SaveNotes(NotesFile()); }),
      settingsSaver_(settings_),
      settingsCommand_({settings_, collection_, dialogs_, hotKeys_, *services_.autostart,
                        [this] { autoSave_.Restart(); }, [this] { OpenBackupManager(); }}),
      themeCommand_(settings_, collection_, dialogs_, [this] { MarkChanged(); }),
      importCommand_(collection_, dialogs_, [this] { NoteAdded(); }),
      collection_(factory_),
      newNotes_(settings_, collection_, *sounds_),
      saver_(collection_, settings_.GetBackupData()),
      notebook_(collection_, archive_, settings_, *this),
      // Notes left unsaved at the close stay marked, so auto-save tries again.
      closing_({dialogs_, saver_, [this] { return SaveAtEnd(); }, [this] { MarkChanged(); },
                [this] { ShutDown(); }}) {
    SetUpCommands();
    collection_.SetWatcher(&alarms_);
    connect(&saver_, &NotesSaver::Report, &tray_, &TrayIcon::ShowMessage);
    connect(&settingsSaver_, &SettingsSaver::Report, &tray_, &TrayIcon::ShowMessage);
    connect(&tray_, &TrayIcon::DoubleClicked, this, &CMainFrame::OnTrayDoubleClick);
    connect(services_.hotKeys.get(), &platform::HotKeys::HotKeyPressed, this,
            &CMainFrame::OnHotKey);
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::SetUpCommands() {
    commands_.Set(MainCommand::kNewNote, [this] { CreateNewNote(NoteData::kMessage); });
    commands_.Set(MainCommand::kNewChecklist, [this] { CreateNewNote(NoteData::kChecklist); });
    commands_.Set(MainCommand::kNewScribble, [this] { CreateNewNote(NoteData::kScribble); });
    commands_.Set(MainCommand::kNewPicture, [this] { CreateNewNote(NoteData::kPicture); });
    SetUpCollectionCommands(commands_, collection_, [this] { MarkChanged(); });
    SetUpHelpCommands(commands_, dialogs_, *services_.links, *services_.folders);
    commands_.Set(MainCommand::kEmptyWastebasket, [this] { EmptyWastebasket(); });
    commands_.Set(MainCommand::kImportNote, [this] { importCommand_.Run(); });
    commands_.Set(MainCommand::kBackupManager, [this] { OpenBackupManager(); });
    commands_.Set(MainCommand::kSettings, [this] { settingsCommand_.Run(); });
    commands_.Set(MainCommand::kTheme, [this] { themeCommand_.Run(); });
    commands_.Set(MainCommand::kNotebook, [this] { notebook_.Show(); });
    commands_.Set(MainCommand::kExit, [this] { Close(); });
    commands_.SetNoteHandler([this](NoteId id) { ShowNote(id); });
}

void CMainFrame::Create() {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    tray_.Add();
    StartUp startUp(*this, *services_.folders);
    const bool firstStart = startUp.SetUpDataFolder();
    ApplyNoteSettings(settings_, collection_);
    archive_.SetFolder(ToPath(services_.folders->ArchiveFolder()));
    if (firstStart) {
        FirstStart(*this, *services_.folders, *services_.autostart).Run();
    } else {
        startUp.LoadData();
    }
    alarms_.Start();
    RegisterHotKeys();
    autoSave_.Begin();
    closing_.StartUpDone();
}

std::filesystem::path CMainFrame::NotesFile() const {
    return ToPath(services_.folders->DataFolder() + QStringLiteral("notes.xml"));
}

std::filesystem::path CMainFrame::SettingsFile() const {
    return ToPath(services_.folders->DataFolder() + QStringLiteral("settings.xml"));
}

void CMainFrame::MarkChanged() { autoSave_.MarkChanged(); }

void CMainFrame::NoteMoved(NoteId id, std::int32_t from, std::int32_t to) {
    notebook_.NoteMoved(id, from, to);
    const bool crumpled =
        to == NotePlace::kWastebasket && (from == NotePlace::kShown || from == NotePlace::kHidden);
    if (crumpled && settings_.GetEmptyWaste() == EmptyWastePolicy::Always) {
        // The crumpled window is still in its own command handler; emptying
        // destroys it, so that waits until the handler has returned.
        QTimer::singleShot(0, this, &CMainFrame::EmptyAfterCrumple);
    }
}

void CMainFrame::EmptyAfterCrumple() {
    if (!closing_.IsClosed() && settings_.GetEmptyWaste() == EmptyWastePolicy::Always) {
        EmptyWastebasket();
    }
}

void CMainFrame::ScheduleAlarm(NoteWindow& window) {
    for (const auto& [id, held] : collection_.GetNotes()) {
        if (held.get() == &window) alarms_.Schedule(id, window.GetNoteData().GetAlarm());
    }
}

void CMainFrame::UnscheduleAlarm(NoteId id) { alarms_.Unschedule(id); }

bool CMainFrame::ArchiveNote(NoteId id) {
    if (!collection_.ArchiveNote(id, archive_)) return false;
    NoteMoved(id, NotePlace::kShown, NotePlace::kArchived);
    MarkChanged();
    return collection_.Remove(id);
}

void CMainFrame::RegisterFontFace(const std::u16string& face) { fontFaces_.insert(face); }

void CMainFrame::OpenLink(const std::u16string& url) {
    services_.links->OpenLink(QString::fromStdU16String(url), ReportUnopened);
}

void CMainFrame::PlaySound(int resource) {
    sounds_->PlaySound(resource, platform::SoundPlayer::Repeat::Once);
}

bool CMainFrame::LoadNotes(const std::filesystem::path& path) {
    // The alarms follow the notes in and out of the collection.
    if (!collection_.RestoreCollection(path)) return false;
    notesRestored_ = true;
    notebook_.NotesLoaded();
    return true;
}

void CMainFrame::OnAlarmDue(std::uint32_t noteId) { collection_.AlertNote(noteId); }

bool CMainFrame::AddNotes(const std::filesystem::path& path) {
    if (!collection_.MergeCollection(path)) return false;
    notebook_.NotesLoaded();
    return true;
}

bool CMainFrame::LoadSettings(const std::filesystem::path& path, bool fromPreviousVersion) {
    const bool loaded =
        fromPreviousVersion ? LoadSettingsV3(settings_, path) : settings_.Load(path);
    if (fromPreviousVersion) settings_.GetAutoSaveData().SetInterval(kPreviousVersionAutoSaveMs);
    UseSettings();
    return loaded;
}

void CMainFrame::UseSettings() {
    autoSave_.Restart();
    BackupData& backups = settings_.GetBackupData();
    backups.SetOwner(this);
    if (backups.GetFolder().empty()) {
        backups.SetFolder(services_.folders->BackupFolder().toStdU16String());
    }
    if (backups.IsEnabled()) backups.ScanBackups();
    ApplyNoteSettings(settings_, collection_);
}

bool CMainFrame::SaveNotes(const std::filesystem::path& path) {
    return static_cast<bool>(saver_.Save(path));
}

void CMainFrame::SaveAll() {
    if (closing_.IsClosed()) return;
    collection_.DoneEditingAll();
    if (SaveNotes(NotesFile())) settings_.GetAutoSaveData().SetChanged(false);
    settingsSaver_.Save(SettingsFile());
}

void CMainFrame::EmptyWastebasket() {
    notebook_.WastebasketEmptying();
    collection_.EmptyWastebasket();
    MarkChanged();
}

bool CMainFrame::CreateNewNote(std::int32_t kind) {
    if (newNotes_.CreateNote(kind) == nullptr) return false;
    NoteAdded();
    return true;
}

void CMainFrame::NoteAdded() {
    // The new note has the highest id.
    notebook_.NoteAdded(collection_.GetNotes().rbegin()->first);
    MarkChanged();
}

void CMainFrame::RegisterHotKeys() { hotKeys_.RegisterHotKeys(settings_); }

void CMainFrame::OnTimer(int id) {
    switch (id) {
        case MainTimer::kAlarmCheck:
            alarms_.CheckDue();
            break;
        case MainTimer::kAutoSave:
            autoSave_.Tick();
            break;
        default:
            break;
    }
}

void CMainFrame::OnHotKey(int id) {
    if (id == MainHotKey::kShowNotes) collection_.BringAllToFront();
    if (id == MainHotKey::kNewNote) NewNotes::RunChooser(dialogs_, commands_);
}

void CMainFrame::OnTrayDoubleClick() {
    RunTrayAction(settings_.GetTray(), commands_, collection_, [this] { MarkChanged(); });
}

bool CMainFrame::OnCommand(std::uint32_t command) { return commands_.Run(command); }

void CMainFrame::ShowNote(NoteId id) {
    if (collection_.Find(id) == nullptr) return;
    collection_.ShowNoteById(id);
    MarkChanged();
}

void CMainFrame::OpenBackupManager() {
    if (dialogs_.Raise(DialogSlot::BackupManager)) return;
    CBackupManager manager(settings_.GetBackupData(), *this, NotesFile());
    dialogs_.Run(DialogSlot::BackupManager, &manager,
                 [&manager] { UserPrompts::Current().RunDialog(manager); });
}

bool CMainFrame::SaveAtEnd() {
    // What is being typed belongs to the notes as much as what was.
    collection_.DoneEditingAll();
    if (settings_.GetEmptyWaste() == EmptyWastePolicy::OnExit) {
        notebook_.WastebasketEmptying();
        collection_.EmptyWastebasket();
    }
    return saver_.SaveAtEnd(NotesFile());
}

void CMainFrame::ShutDown() {
    autoSave_.End();
    settingsSaver_.SaveAtEnd(SettingsFile(), saver_.IsSessionEnding());
    tray_.Remove();
    alarms_.Stop();
    collection_.Clear();
    hotKeys_.UnregisterHotKeys();
    QCoreApplication::quit();
}

}  // namespace vesk
