#include "MainFrameFixture.h"

#include <QDir>
#include <QFile>

#include "app/PathText.h"
#include "notes/NoteFactory.h"
#include "xml/XMLDocument.h"

namespace vesk::test {
namespace {

class TestFolders : public platform::Folders {
public:
    TestFolders(QString data, QString installation) : data_(data), installation_(installation) {}
    QString DataFolder() const override { return data_; }
    QString PreviousVersionFolder() const override { return data_ + "../v3/"; }
    QString InstallationFolder() const override { return installation_; }

private:
    QString data_;
    QString installation_;
};

}  // namespace

bool RecordingHotKeys::RegisterHotKey(int id, unsigned modifiers, unsigned virtualKey) {
    UnregisterHotKey(id);
    registered << QStringLiteral("%1:%2:%3").arg(id).arg(modifiers).arg(virtualKey);
    return true;
}

bool RecordingHotKeys::UnregisterHotKey(int id) {
    return registered.removeIf(
               [id](const QString& key) { return key.startsWith(QString::number(id) + ':'); }) > 0;
}

MainFrameFixture::MainFrameFixture() {
    QDir().mkpath(DataFolder());
    QDir().mkpath(DefaultFolder());
}

MainFrameFixture::~MainFrameFixture() { frame_.reset(); }

CMainFrame& MainFrameFixture::Start() {
    auto hotKeys = std::make_unique<RecordingHotKeys>();
    auto links = std::make_unique<RecordingLinks>();
    auto sounds = std::make_unique<RecordingSounds>();
    hotKeys_ = hotKeys.get();
    links_ = links.get();
    sounds_ = sounds.get();
    frame_ = std::make_unique<CMainFrame>(MainFrameServices{
        std::make_unique<TestFolders>(DataFolder(), InstallFolder()), std::move(hotKeys),
        std::move(links), [this] { return trayAvailable; }, std::move(sounds),
        std::make_unique<platform::TrayWatch>(), std::make_unique<platform::ClockWatch>(),
        std::make_unique<RecordingAutostart>(autostart_)});
    frame_->Create();
    return *frame_;
}

void MainFrameFixture::WriteNotes(const QString& path, const std::vector<TestNote>& notes) {
    XMLDocument document;
    XMLElement& root = document.CreateRoot(u"notecollection");
    XMLElement& active = root.AddChild(u"active");
    XMLElement& waste = root.AddChild(u"wastebasket");
    for (const TestNote& wanted : notes) {
        const auto note = CreateNoteDataByKind(wanted.kind);
        note->SetTitle(wanted.title);
        note->SetState(wanted.state);
        note->SetRect({40, 40, 240, 240});
        if (wanted.alarm) {
            note->EnableAlarm(true);
            note->GetAlarm()->time = *wanted.alarm;
        }
        note->SaveToElement(wanted.state == NoteData::kStateWastebasket ? waste : active, false);
    }
    document.Save(ToPath(path));
}

QStringList MainFrameFixture::SavedNotes(const QString& path) {
    XMLDocument document;
    QStringList notes;
    if (!document.Load(ToPath(path)) || document.GetRoot() == nullptr) return notes;
    for (const char16_t* section : {u"active", u"wastebasket"}) {
        const XMLElement* list = document.GetRoot()->FindChild(section);
        for (const XMLElement* child : list->Children()) {
            const auto note = CreateNoteDataByType(child->GetAttribute(u"type"));
            note->LoadFromElement(*child);
            const int state = section == std::u16string_view(u"wastebasket") ? 2 : note->GetState();
            notes << QStringLiteral("%1:%2:%3")
                         .arg(QString::fromStdU16String(note->GetTitle()))
                         .arg(note->GetKind())
                         .arg(state);
        }
    }
    return notes;
}

void MainFrameFixture::WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
}

QByteArray MainFrameFixture::Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<TestNote> MainFrameFixture::ShownNotes(int n) {
    std::vector<TestNote> notes;
    for (int i = 0; i < n; ++i) notes.push_back({u"Note " + QString::number(i).toStdU16String()});
    return notes;
}

QStringList MainFrameFixture::Files(const QString& folder) const {
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

}  // namespace vesk::test
