#include "notebook/CRightView.h"

#include <QPainter>
#include <QPushButton>

#include "dialogs/UserPrompts.h"
#include "notebook/CHTMLListCtrl.h"
#include "notebook/CLinkButton.h"
#include "notebook/CNotePreviewView.h"
#include "notebook/FolderTab.h"
#include "notebook/NotebookPictures.h"
#include "notes/NoteArchive.h"
#include "notes/NoteCollection.h"
#include "settings/SettingsData.h"

namespace vesk {

namespace {

constexpr int kStripHeight = 23;
constexpr int kBandTop = 23;
constexpr int kListTop = 50;
constexpr int kBandHeight = 27;
constexpr int kButtonWidth = 70;
constexpr int kButtonHeight = 23;
constexpr int kButtonStep = 75;
constexpr std::uintptr_t kNoData = 0;
constexpr int kListId = 44;

constexpr NotebookFolder kFolders[] = {NotebookFolder::Desktop, NotebookFolder::Archive,
                                       NotebookFolder::Wastebasket};

struct TabPlace {
    NotebookFolder folder;
    const char* caption;
    int left;
    int width;
};
// On screen the wastebasket comes before the archive.
constexpr TabPlace kTabs[] = {{NotebookFolder::Desktop, "Desktop", 0, 65},
                              {NotebookFolder::Wastebasket, "Wastebasket", 65, 81},
                              {NotebookFolder::Archive, "Archive", 146, 62}};

const QList<QPixmap>& RowPictures() {
    static const QList<QPixmap> pictures = [] {
        QList<QPixmap> made;
        for (int index = 0; index < RowIcon::kCount; ++index) {
            made << NotebookPictures::RowPicture(index);
        }
        return made;
    }();
    return pictures;
}

}  // namespace

CRightView::CRightView(NotebookServices& services, QWidget* parent)
    : QWidget(parent), services_(services), batch_(services, *this) {
    for (const NotebookFolder folder : kFolders) {
        auto* list = new CHTMLListCtrl(kListId, this);
        list->SetExtendedStyle(HTMLLIST_EX_CHECKBOXES | HTMLLIST_EX_GRIDLINES | HTMLLIST_EX_IMAGES);
        list->SetImageList(&RowPictures());
        list->setVisible(folder == NotebookFolder::Desktop);
        connect(list, &CHTMLListCtrl::Notify, this, [this](const NM_HTMLLISTCTRL& notice) {
            if (notice.code == HLN_SELCHANGED) {
                OnSelectionChanged(notice.row);
            }
        });
        lists_[Index(folder)] = list;
    }
    const char* captions[] = {"Crumple", "Archive", "Hide", "Show"};
    for (int action = 0; action < NotebookBatch::kCount; ++action) {
        actions_[action] = new QPushButton(QString::fromLatin1(captions[action]), this);
        connect(actions_[action], &QPushButton::clicked, this,
                [this, action] { OnActionButton(action); });
    }
    all_ = new CLinkButton(QStringLiteral("All"), this);
    all_->setGeometry(50, 26, 25, 21);
    connect(all_, &CLinkButton::clicked, this, [this] { CheckAll(true); });
    none_ = new CLinkButton(QStringLiteral("None"), this);
    none_->setGeometry(75, 26, 40, 21);
    connect(none_, &CLinkButton::clicked, this, [this] { CheckAll(false); });
    for (const TabPlace& place : kTabs) {
        auto* tab = new FolderTab(QString::fromLatin1(place.caption), place.width, this);
        tab->move(place.left, 0);
        connect(tab, &FolderTab::clicked, this,
                [this, folder = place.folder] { SelectFolder(folder); });
        tabs_[Index(place.folder)] = tab;
    }
}

CRightView::~CRightView() {
    if (filled_) {
        services_.rows.SetListener(nullptr);
    }
}

void CRightView::SelectFolder(NotebookFolder folder) {
    previewed_.reset();
    folder_ = folder;
    const bool desktop = folder == NotebookFolder::Desktop;
    actions_[0]->setText(desktop ? QStringLiteral("Crumple") : QStringLiteral("Delete"));
    actions_[1]->setText(desktop ? QStringLiteral("Archive") : QStringLiteral("Restore"));
    actions_[2]->setVisible(desktop);
    actions_[3]->setVisible(desktop);
    for (const NotebookFolder each : kFolders) {
        lists_[Index(each)]->setVisible(each == folder);
        tabs_[Index(each)]->SetSelected(each == folder);
    }
    ClearPreview();
    if (folder == NotebookFolder::Archive) {
        // Every visit reads the folder again: files may have come or gone.
        ReloadArchiveList();
        return;
    }
    const int selected = Current().GetSelectedItem();
    if (selected >= 0) {
        PreviewNote(RowNote(folder, selected));
    }
}

void CRightView::ReloadArchiveList() {
    CHTMLListCtrl& list = List(NotebookFolder::Archive);
    list.DeleteAllItems();
    list.InsertItem(std::u16string(kLoadingRowHtml), RowIcon::kMessage, HTMLLIST_STYLE_HTML);
    if (list.isVisible()) {
        // Shown before a large folder keeps the program busy.
        list.repaint();
    }
    services_.archive.Refresh();
    list.DeleteAllItems();
    const std::u16string& format = services_.settings.GetDateFormat();
    for (const ArchiveEntry& entry : services_.archive.GetEntries()) {
        const int row =
            list.InsertItem(BuildArchiveRowHtml(entry, format),
                            RowIconFor(entry.kind, NoteData::kStateShown), HTMLLIST_STYLE_HTML);
        list.SetItemData(row, reinterpret_cast<std::uintptr_t>(&entry));
    }
    if (folder_ == NotebookFolder::Archive && preview_ != nullptr && preview_->IsShowingNote()) {
        ClearPreview();
    }
}

void CRightView::ActOnSelection(int action) {
    const int selected = Current().GetSelectedItem();
    if (selected >= 0) {
        DoBatchAction({selected}, action);
    }
}

QAbstractButton& CRightView::ActionButton(int action) { return *actions_[action]; }

QAbstractButton& CRightView::Tab(NotebookFolder folder) { return *tabs_[Index(folder)]; }

QAbstractButton& CRightView::CheckLink(bool all) { return all ? *all_ : *none_; }

void CRightView::RowAdded(NotebookFolder folder, NoteId id) { AppendNoteRow(folder, id); }

void CRightView::RowRemoved(NotebookFolder folder, std::size_t index, NoteId id) {
    List(folder).DeleteItem(static_cast<int>(index));
    if (previewed_ == id) {
        ClearPreview();
    }
}

void CRightView::RowChanged(std::size_t index, NoteId id) {
    CHTMLListCtrl& list = List(NotebookFolder::Desktop);
    const int row = static_cast<int>(index);
    RefreshRow(list, row, id);
    if (folder_ == NotebookFolder::Desktop && list.GetSelectedItem() == row) {
        PreviewNote(id);
    }
}

void CRightView::RowsCleared(NotebookFolder folder) {
    if (folder_ == folder) {
        ClearPreview();
    }
    List(folder).DeleteAllItems();
}

void CRightView::NoteArchived(NoteId) { ReloadArchiveList(); }

void CRightView::showEvent(QShowEvent*) {
    if (filled_) {
        return;
    }
    // Now that the lists have their width, each row is measured once.
    filled_ = true;
    for (const NoteId id : services_.rows.Desktop()) {
        AppendNoteRow(NotebookFolder::Desktop, id);
    }
    for (const NoteId id : services_.rows.Wastebasket()) {
        AppendNoteRow(NotebookFolder::Wastebasket, id);
    }
    services_.rows.SetListener(this);
}

void CRightView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = width();
    painter.drawPixmap(QRect(0, 0, w, kStripHeight), NotebookPictures::TabStrip());
    painter.drawPixmap(QRect(0, kBandTop, w, kBandHeight), NotebookPictures::Band());
    painter.drawPixmap(QRect(0, height() - kBandHeight, w, kBandHeight), NotebookPictures::Band());
    painter.setPen(Qt::black);
    painter.drawText(QRect(5, kBandTop, w + 5, kBandHeight), Qt::AlignVCenter | Qt::TextSingleLine,
                     QStringLiteral("Check:"));
}

void CRightView::resizeEvent(QResizeEvent*) {
    for (CHTMLListCtrl* list : lists_) {
        list->setGeometry(0, kListTop, width(), height() - kListTop - kBandHeight);
    }
    for (int action = 0; action < NotebookBatch::kCount; ++action) {
        actions_[action]->setGeometry(kButtonStep * action, height() - 25, kButtonWidth,
                                      kButtonHeight);
    }
}

void CRightView::AppendNoteRow(NotebookFolder folder, NoteId id) {
    const NoteWindow* note = services_.collection.Find(id);
    if (note == nullptr) {
        return;
    }
    const NoteData& record = note->GetNoteData();
    CHTMLListCtrl& list = List(folder);
    const int row =
        list.InsertItem(BuildRowHtml(record, services_.settings.GetDateFormat()),
                        RowIconFor(record.GetKind(), record.GetState()), HTMLLIST_STYLE_HTML);
    list.SetItemData(row, id);
}

void CRightView::RefreshRow(CHTMLListCtrl& list, int index, NoteId id) {
    const NoteWindow* note = services_.collection.Find(id);
    if (note == nullptr) {
        return;
    }
    const NoteData& record = note->GetNoteData();
    list.SetItemText(index, BuildRowHtml(record, services_.settings.GetDateFormat()), false);
    // Shown or hidden from here or from anywhere, the picture says which.
    list.SetItemImage(index, RowIconFor(record.GetKind(), record.GetState()));
}

void CRightView::OnActionButton(int action) {
    CHTMLListCtrl& list = Current();
    std::vector<int> checked;
    for (int row = list.GetItemCount() - 1; row >= 0; --row) {
        if (list.GetItemCheck(row)) {
            checked.push_back(row);
        }
    }
    if (checked.empty()) {
        UserPrompts::Current().ShowMessage(
            this, QStringLiteral("You need to check some notes before you can perform an action."),
            QStringLiteral("Whoops"), UserPrompts::Buttons::Ok, UserPrompts::Icon::Information);
        return;
    }
    DoBatchAction(checked, action);
}

void CRightView::DoBatchAction(const std::vector<int>& rows, int action) {
    bool done = false;
    if (folder_ == NotebookFolder::Archive) {
        std::vector<NotebookBatch::ArchiveRow> entries;
        for (const int row : rows) {
            entries.push_back({row, RowEntry(row)});
        }
        done = batch_.RunOnArchive(entries, action, [this](int row) {
            List(NotebookFolder::Archive).DeleteItem(row);
            if (List(NotebookFolder::Archive).GetSelectedItem() < 0 && preview_ != nullptr &&
                preview_->IsShowingNote()) {
                ClearPreview();
            }
        });
    } else {
        std::vector<NoteId> notes;
        for (const int row : rows) {
            notes.push_back(RowNote(folder_, row));
        }
        done = batch_.RunOnNotes(folder_, notes, action);
    }
    if (done) {
        emit ActionDone(NotebookBatch::Summary(folder_, action, static_cast<int>(rows.size())));
    }
}

void CRightView::OnSelectionChanged(int selected) {
    if (preview_ == nullptr) {
        return;
    }
    if (selected < 0) {
        if (preview_->IsShowingNote()) {
            ClearPreview();
        }
        return;
    }
    if (folder_ == NotebookFolder::Archive) {
        // Read on every selection: the file may have changed.
        const ArchiveEntry* entry = RowEntry(selected);
        preview_->ShowNote(entry != nullptr ? services_.archive.GetNote(entry->path) : nullptr,
                           CNotePreviewView::kArchive);
        return;
    }
    const NoteId id = RowNote(folder_, selected);
    if (previewed_ != id) {
        PreviewNote(id);
    }
}

void CRightView::CheckAll(bool checked) {
    CHTMLListCtrl& list = Current();
    for (int row = 0; row < list.GetItemCount(); ++row) {
        list.SetItemCheck(row, checked);
    }
}

void CRightView::PreviewNote(NoteId id) {
    const NoteWindow* note = services_.collection.Find(id);
    if (preview_ == nullptr || note == nullptr) {
        ClearPreview();
        return;
    }
    preview_->ShowNote(&note->GetNoteData(), folder_ == NotebookFolder::Wastebasket
                                                 ? CNotePreviewView::kWastebasket
                                                 : CNotePreviewView::kDesktop);
    previewed_ = id;
}

void CRightView::ClearPreview() {
    previewed_.reset();
    if (preview_ != nullptr) {
        preview_->ShowNote(nullptr, CNotePreviewView::kDesktop);
    }
}

NoteId CRightView::RowNote(NotebookFolder folder, int index) const {
    return static_cast<NoteId>(lists_[Index(folder)]->GetItemData(index));
}

const ArchiveEntry* CRightView::RowEntry(int index) const {
    const std::uintptr_t data = lists_[Index(NotebookFolder::Archive)]->GetItemData(index);
    return data == kNoData ? nullptr : reinterpret_cast<const ArchiveEntry*>(data);
}

}  // namespace vesk
