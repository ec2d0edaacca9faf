#pragma once

#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "notebook/NoteFolderRows.h"
#include "notebook/NotebookBatch.h"
#include "notebook/NotebookServices.h"

class QAbstractButton;
class QPushButton;

namespace vesk {

class CHTMLListCtrl;
class CLinkButton;
class CNotePreviewView;
class FolderTab;
struct ArchiveEntry;

// The Notebook's left pane: one folder at a time (Desktop, Wastebasket or
// Archive) as a list of rows with check boxes, "All" and "None" to check
// them, and four buttons that act on the checked rows. The selected row's
// note shows in the preview. Desktop and wastebasket rows carry their note's
// id; archive rows carry their entry of the archive.
class CRightView : public QWidget, public NoteFolderRows::Listener {
    Q_OBJECT

public:
    CRightView(NotebookServices& services, QWidget* parent);
    ~CRightView() override;

    void SetPreview(CNotePreviewView* preview) { preview_ = preview; }

    void SelectFolder(NotebookFolder folder);
    NotebookFolder CurrentFolder() const { return folder_; }
    // Lists the archive folder afresh.
    void ReloadArchiveList();
    // The action (0 or 1) on the selected row alone; nothing without one.
    void ActOnSelection(int action);

    CHTMLListCtrl& List(NotebookFolder folder) { return *lists_[Index(folder)]; }
    QAbstractButton& ActionButton(int action);
    QAbstractButton& Tab(NotebookFolder folder);
    QAbstractButton& CheckLink(bool all);
    std::optional<NoteId> PreviewedNote() const { return previewed_; }

    // Listener
    void RowAdded(NotebookFolder folder, NoteId id) override;
    void RowRemoved(NotebookFolder folder, std::size_t index, NoteId id) override;
    void RowChanged(std::size_t index, NoteId id) override;
    void RowsCleared(NotebookFolder folder) override;
    void NoteArchived(NoteId id) override;

signals:
    // What the last action did, as "2 note(s) crumpled".
    void ActionDone(const QString& summary);

protected:
    // The first showing fills the lists from the folders as they stand.
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    static std::size_t Index(NotebookFolder folder) { return static_cast<std::size_t>(folder); }
    CHTMLListCtrl& Current() { return List(folder_); }

    void AppendNoteRow(NotebookFolder folder, NoteId id);
    void RefreshRow(CHTMLListCtrl& list, int index, NoteId id);
    void OnActionButton(int action);
    void DoBatchAction(const std::vector<int>& rows, int action);
    // The row the list is about to select, or -1.
    void OnSelectionChanged(int selected);
    void CheckAll(bool checked);
    // The note of a desktop or wastebasket row in the preview.
    void PreviewNote(NoteId id);
    void ClearPreview();
    NoteId RowNote(NotebookFolder folder, int index) const;
    const ArchiveEntry* RowEntry(int index) const;

    NotebookServices& services_;
    NotebookBatch batch_;
    CNotePreviewView* preview_ = nullptr;
    // By folder number: Desktop, Archive, Wastebasket.
    std::array<CHTMLListCtrl*, 3> lists_{};
    std::array<FolderTab*, 3> tabs_{};
    std::array<QPushButton*, NotebookBatch::kCount> actions_{};
    CLinkButton* all_ = nullptr;
    CLinkButton* none_ = nullptr;
    NotebookFolder folder_ = NotebookFolder::Desktop;
    std::optional<NoteId> previewed_;
    bool filled_ = false;
};

}  // namespace vesk
