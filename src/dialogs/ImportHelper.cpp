#include "dialogs/ImportHelper.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Autostart.h"

namespace vesk {
namespace {

QCheckBox* MakeBox(const QString& text, const char* name, bool checked, bool enabled,
                   QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    box->setEnabled(enabled);
    return box;
}

QString Reason(const std::string& reason) { return QString::fromStdString(reason); }

}  // namespace

CImportHelper::CImportHelper(PreviousVersionFiles found, platform::Autostart& autostart,
                             const std::filesystem::path& previousFolder,
                             const std::filesystem::path& dataFolder, QWidget* parent)
    : QDialog(parent), autostart_(autostart), copy_(previousFolder, dataFolder) {
    setWindowTitle(QStringLiteral("Import Helper"));
    notes_ = MakeBox(QStringLiteral("Notes"), "notes", found.notes, found.notes, this);
    settings_ =
        MakeBox(QStringLiteral("Settings"), "settings", found.settings, found.settings, this);
    archive_ = MakeBox(QStringLiteral("Archive"), "archive", true, true, this);
    const bool previousEntry = autostart_.Exists(platform::Autostart::PreviousProgramName());
    logIn_ = MakeBox(previousEntry
                         ? QStringLiteral("Make vesk notes 4 start when I log in, not vesk notes 3")
                         : QStringLiteral("Have vesk notes 4 start when I log in"),
                     "logIn", previousEntry, true, this);
    status_ = new QLabel(QStringLiteral("Import Status:  Import hasn't begun"), this);
    status_->setObjectName(QStringLiteral("status"));

    auto* buttons = new QDialogButtonBox(this);
    import_ = buttons->addButton(QStringLiteral("Import"), QDialogButtonBox::AcceptRole);
    import_->setObjectName(QStringLiteral("import"));
    import_->setDefault(true);
    cancel_ = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel_->setObjectName(QStringLiteral("cancel"));
    connect(import_, &QPushButton::clicked, this, &CImportHelper::Import);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("We found vesk notes 3 on your computer"), this));
    layout->addWidget(new QLabel(QStringLiteral("Please choose what you want to import:"), this));
    for (QCheckBox* box : {notes_, settings_, archive_, logIn_}) layout->addWidget(box);
    layout->addWidget(status_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CImportHelper::SetStatus(const QString& what) {
    status_->setText(QStringLiteral("Import Status:  ") + what);
    // The copies hold up the event loop: the line is painted now or never.
    status_->repaint();
    emit StatusChanged(status_->text());
}

void CImportHelper::Import() {
    import_->setEnabled(false);
    cancel_->setEnabled(false);
    if (notes_->isChecked()) {
        SetStatus(QStringLiteral("Importing Notes..."));
        if (!copy_.CopyNotes()) {
            SetStatus(QStringLiteral("The notes could not be copied (%1)")
                          .arg(Reason(Copies().notesFailure)));
        }
    }
    if (settings_->isChecked()) {
        SetStatus(QStringLiteral("Importing Settings..."));
        if (!copy_.CopySettings()) {
            SetStatus(QStringLiteral("The settings could not be copied (%1)")
                          .arg(Reason(Copies().settingsFailure)));
        }
    }
    if (archive_->isChecked()) {
        SetStatus(QStringLiteral("Importing Archive..."));
        if (!copy_.CopyArchive()) {
            SetStatus(QStringLiteral("%1 archived note(s) could not be copied")
                          .arg(Copies().archiveFailures));
        }
    }
    if (logIn_->isChecked()) ReplaceLogInEntry();
    SetStatus(Copies().AnyFailed() ? QStringLiteral("Importing finished, with failures")
                                   : QStringLiteral("Importing Complete!"));
    accept();
}

void CImportHelper::ReplaceLogInEntry() {
    SetStatus(QStringLiteral("Creating Start-Up Link..."));
    // The previous version's entry goes only once ours stands: the user is
    // never left without one.
    if (autostart_.CreateProgramEntry()) {
        autostart_.Remove(platform::Autostart::PreviousProgramName());
        return;
    }
    copy_.Copies().logInEntryFailed = true;
    SetStatus(QStringLiteral("vesk notes 4 could not be set to start when you log in"));
}

}  // namespace vesk
