#include "app/MainFrame.h"

#include <QApplication>
#include <QWidget>
#include <cstdlib>
#include <ctime>
#include <utility>

#include "app/CollectionCommands.h"
#include "app/FirstStart.h"
#include "app/MainCommandIds.h"
#include "app/NoteSettings.h"
#include "app/PathText.h"
#include "app/StartUp.h"
#include "backup/BackupManager.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/UserPrompts.h"
#include "import/SettingsV3Reader.h"
#include "notewnd/CVeskNoteWnd.h"

namespace vesk {
namespace {

// What a zero or negative interval in a hand-edited settings file means: the
// usual period rather than a save on every turn of the event loop.
constexpr int kDefaultAutoSaveMs = 10000;
// The previous version's settings file has no interval.
constexpr int kPreviousVersionAutoSaveMs = 20000;

const QString kNoteFileFilter =
    QStringLiteral("Vesk Notes (*.vesknote)|*.vesknote|All Files (*.*)|*.*||");

// Without a word the user would click the link again and again.
void ReportUnopened(const QString& target) {
    UserPrompts::Current().ShowMessage(
        nullptr,
        QStringLiteral("\"%1\" could not be opened: no program on this computer is set up "
                       "to open it (for a web link, a web browser).")
            .arg(target),
        QStringLiteral("No Go"), UserPrompts::Buttons::Ok, UserPrompts::Icon::Warning);
}

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
      settingsSaver_(settings_),
      settingsCommand_({settings_, collection_, dialogs_, hotKeys_, *services_.autostart,
                        [this] { RestartAutoSave(); }, [this] { OpenBackupManager(); }}),
      themeCommand_(settings_, collection_, dialogs_, [this] { MarkChanged(); }),
      collection_(factory_),
      newNotes_(settings_, collection_, *sounds_),
      saver_(collection_, settings_.GetBackupData()),
      notebook_(collection_, archive_, settings_, *this) {
    SetUpCommands();
    collection_.SetWatcher(&alarms_);
    connect(&saver_, &NotesSaver::Report, &tray_, &TrayIcon::ShowMessage);
    connect(&settingsSaver_, &SettingsSaver::Report, &tray_, &TrayIcon::ShowMessage);
    connect(&tray_, &TrayIcon::DoubleClicked, this, &CMainFrame::OnTrayDoubleClick);
    connect(services_.hotKeys.get(), &platform::HotKeys::HotKeyPressed, this,
            &CMainFrame::OnHotKey);
    autoSaveTimer_.setSingleShot(true);
    connect(&autoSaveTimer_, &QTimer::timeout, this, [this] { OnTimer(MainTimer::kAutoSave); });
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::SetUpCommands() {
    commands_.Set(MainCommand::kNewNote, [this] { CreateNewNote(NoteData::kMessage); });
    commands_.Set(MainCommand::kNewChecklist, [this] { CreateNewNote(NoteData::kChecklist); });
    commands_.Set(MainCommand::kNewScribble, [this] { CreateNewNote(NoteData::kScribble); });
    commands_.Set(MainCommand::kNewPicture, [this] { CreateNewNote(NoteData::kPicture); });
    SetUpCollectionCommands(commands_, collection_, [this] { MarkChanged(); });
    commands_.Set(MainCommand::kHelp, [this] { ShowHelp(); });
    commands_.Set(MainCommand::kAbout, [this] { ShowAbout(); });
    commands_.Set(MainCommand::kEmptyWastebasket, [this] { EmptyWastebasket(); });
    commands_.Set(MainCommand::kImportNote, [this] { ImportNote(); });
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
    created_ = true;
    ArmAutoSave();
    if (closeRequested_) Close();
}

std::filesystem::path CMainFrame::NotesFile() const {
    return ToPath(services_.folders->DataFolder() + QStringLiteral("notes.xml"));
}

std::filesystem::path CMainFrame::SettingsFile() const {
    return ToPath(services_.folders->DataFolder() + QStringLiteral("settings.xml"));
}

void CMainFrame::MarkChanged() {
    settings_.GetAutoSaveData().SetChanged(true);
    ArmAutoSave();
}

void CMainFrame::ArmAutoSave() {
    // The save waits for a change: a program with nothing to save does not
    // wake up for it. Before the notes are loaded it would write over them.
    if (created_ && !closed_ && settings_.GetAutoSaveData().IsChanged() && AutoSaveInterval() > 0 &&
        !autoSaveTimer_.isActive()) {
        autoSaveTimer_.start(AutoSaveInterval());
    }
}

void CMainFrame::RestartAutoSave() {
    autoSaveTimer_.stop();
    ArmAutoSave();
}

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
    if (!closed_ && settings_.GetEmptyWaste() == EmptyWastePolicy::Always) EmptyWastebasket();
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
    autoSaveTimer_.stop();
    ArmAutoSave();
    BackupData& backups = settings_.GetBackupData();
    backups.SetOwner(this);
    if (backups.GetFolder().empty()) {
        backups.SetFolder(services_.folders->BackupFolder().toStdU16String());
    }
    if (backups.IsEnabled()) backups.ScanBackups();
    ApplyNoteSettings(settings_, collection_);
    return loaded;
}

int CMainFrame::AutoSaveInterval() const {
    const AutoSaveData& autoSave = settings_.GetAutoSaveData();
    if (!autoSave.IsEnabled()) return 0;
    return autoSave.GetInterval() > 0 ? autoSave.GetInterval() : kDefaultAutoSaveMs;
}

bool CMainFrame::SaveNotes(const std::filesystem::path& path) {
    return static_cast<bool>(saver_.Save(path));
}

void CMainFrame::SaveAll() {
    if (closed_) return;
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
    // The new note has the highest id.
    notebook_.NoteAdded(collection_.GetNotes().rbegin()->first);
    MarkChanged();
    return true;
}

void CMainFrame::RegisterHotKeys() { hotKeys_.RegisterHotKeys(settings_); }

void CMainFrame::OnTimer(int id) {
    switch (id) {
        case MainTimer::kAlarmCheck:
            alarms_.CheckDue();
            break;
        case MainTimer::kAutoSave:
            if (settings_.GetAutoSaveData().IsChanged() && SaveNotes(NotesFile())) {
                settings_.GetAutoSaveData().SetChanged(false);
            }
            // A save that failed keeps the mark and tries again an interval
            // later.
            ArmAutoSave();
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
    switch (settings_.GetTray()) {
        case TrayAction::CreateNote:
            OnCommand(MainCommand::kNewNote);
            break;
        case TrayAction::CreateChecklist:
            OnCommand(MainCommand::kNewChecklist);
            break;
        case TrayAction::BringToFront:
            collection_.BringAllToFront();
            break;
        case TrayAction::ToggleShow:
            collection_.ToggleAll();
            MarkChanged();
            break;
        case TrayAction::None:
            break;
    }
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

void CMainFrame::ImportNote() {
    QString file;
    const bool ran = dialogs_.Run(DialogSlot::ImportNote, nullptr, [&file] {
        file = UserPrompts::Current().GetOpenFileName(nullptr, QStringLiteral("Import Note"),
                                                      QString(), kNoteFileFilter);
    });
    if (!ran || file.isEmpty()) return;
    if (collection_.ImportNoteFile(ToPath(file))) {
        // The new note has the highest id.
        notebook_.NoteAdded(collection_.GetNotes().rbegin()->first);
        MarkChanged();
        return;
    }
    UserPrompts::Current().ShowMessage(
        nullptr, QStringLiteral("Could not open note. It may be incompatible or corrupted."),
        QStringLiteral("Uh oh"), UserPrompts::Buttons::Ok, UserPrompts::Icon::Warning);
}

void CMainFrame::ShowHelp() {
    services_.links->OpenFile(services_.folders->HelpFile(), ReportUnopened);
}

void CMainFrame::ShowAbout() {
    CAboutDialog about;
    UserPrompts::Current().RunDialog(about);
}

bool CMainFrame::CancelOpenDialogs() {
    bool any = dialogs_.AnyOpen();
    dialogs_.CancelAll();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->isModal()) {
            CancelModalWindow(*window);
            any = true;
        }
    }
    return any;
}

void CMainFrame::Close() {
    if (closed_) return;
    if (!created_) {
        // Mid start-up: let the start-up finish, then close.
        closeRequested_ = true;
        CancelOpenDialogs();
        return;
    }
    if (ending_) {
        // The close waits for the user's answer; a session that ends cannot
        // wait for it.
        if (saver_.IsSessionEnding()) CancelOpenDialogs();
        return;
    }
    if (!dialogsCancelled_ && CancelOpenDialogs()) {
        // The dialogs end when their event loops next turn; the close comes
        // back after them.
        dialogsCancelled_ = true;
        QMetaObject::invokeMethod(
            this, [this] { OnCommand(MainCommand::kExit); }, Qt::QueuedConnection);
        return;
    }
    SaveAndEnd();
}

void CMainFrame::EndSession() {
    saver_.SetSessionEnding();
    Close();
}

void CMainFrame::CloseNow() {
    if (closed_) return;
    saver_.SetSessionEnding();
    CancelOpenDialogs();
    SaveAndEnd();
}

void CMainFrame::SaveAndEnd() {
    if (ending_) return;
    ending_ = true;
    // What is being typed belongs to the notes as much as what was.
    collection_.DoneEditingAll();
    if (settings_.GetEmptyWaste() == EmptyWastePolicy::OnExit) {
        notebook_.WastebasketEmptying();
        collection_.EmptyWastebasket();
    }
    const bool saved = saver_.SaveAtEnd(NotesFile());
    ending_ = false;
    if (!saved) {
        // The user keeps the program running: auto-save tries again, and a
        // later close cancels the dialogs open then.
        MarkChanged();
        dialogsCancelled_ = false;
        return;
    }
    closed_ = true;
    settingsSaver_.SaveAtEnd(SettingsFile(), saver_.IsSessionEnding());
    tray_.Remove();
    autoSaveTimer_.stop();
    alarms_.Stop();
    collection_.Clear();
    hotKeys_.UnregisterHotKeys();
    QCoreApplication::quit();
}

}  // namespace vesk
