#pragma once

#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "notes/NoteData.h"
#include "notes/NoteWindow.h"
#include "notewnd/CQuickActionBox.h"
#include "notewnd/CrumpleAnimation.h"
#include "notewnd/NoteActivation.h"
#include "notewnd/NoteBoxLink.h"
#include "notewnd/NoteCommandHandler.h"
#include "notewnd/NoteDragging.h"
#include "notewnd/NoteEditing.h"
#include "notewnd/NoteFollowers.h"
#include "notewnd/NoteFonts.h"
#include "notewnd/NoteInput.h"
#include "notewnd/NoteOpacity.h"
#include "notewnd/NotePlacement.h"
#include "notewnd/NoteQuickActions.h"
#include "notewnd/NoteRinging.h"
#include "notewnd/NoteScrolling.h"
#include "notewnd/TextLayout.h"
#include "settings/FontData.h"

class QMenu;
class QPainter;
class QScrollBar;

namespace vesk {

class CEditPropertySheet;
class NoteHost;

// The desktop window of one note: a frameless, translucent tool window that
// draws the note itself, is dragged from anywhere and sized from its edges,
// writes every change of place and size into its record at once, and turns
// everything the user does to the note into a command. The kinds derive
// from it and draw and edit their content.
class CVeskNoteWnd : public QWidget, public NoteWindow {
    Q_OBJECT

public:
    // Shared by every note; the main frame sets them at start-up and whenever
    // the settings change.
    static void SetTitleFont(const FontData& font) { NoteFonts::SetTitleFont(font); }
    static const FontData& GetTitleFont() { return NoteFonts::GetTitleFont(); }
    static int GetTitleBarHeight() { return NoteFonts::GetTitleBarHeight(); }
    static void SetDefaultContentFont(const FontData& font) {
        NoteFonts::SetDefaultContentFont(font);
    }
    static const FontData& GetDefaultContentFont() { return NoteFonts::GetDefaultContentFont(); }

    CVeskNoteWnd(NoteId id, std::unique_ptr<NoteData> record, NoteHost& host);
    ~CVeskNoteWnd() override;

    NoteId GetNoteId() const { return id_; }
    NoteData& GetNoteData() override { return *note_; }
    const NoteData& GetNoteData() const override { return *note_; }

    void CreateNoteWindow() override;
    // The Notebook's preview: the note drawn inside parent at rect, its
    // content scrolled by bar. It has no quick action box and no shadow,
    // always shows its title bar, never writes its place or size into the
    // record, and is neither moved, sized, double-clicked nor given a menu.
    void CreatePreviewWindow(QWidget& parent, const QRect& rect, QScrollBar& bar);
    bool IsPreview() const { return preview_; }
    void SetVisible(bool show) override;
    void BringToAttention() override;
    void SetShake(bool on, int intervalMs, int amplitude) override;
    void StartAlarmRinging() override;
    void SendCommand(std::uint32_t command) override;
    void MoveToBottom() override;
    void ApplySettings() override;
    void Repaint() override;

    // The note's command handling (menu, accelerators, quick action box,
    // Notebook); true when handled. Kinds handle their own commands first,
    // then call the base. Archive may destroy the window: callers touch
    // nothing of it afterwards.
    virtual bool OnCommand(std::uint32_t command);
    bool IsEditing() const { return editing_.IsEditing(); }

    // Stores the note's opacity (at least 10 of 255) and shows it, unless the
    // note is active and the settings make active notes solid.
    void SetAlpha(int alpha) { opacity_.SetAlpha(alpha); }
    // Off: the note is opaque whatever its record says (while edited or
    // while its quick action box is in use).
    void SetAlphaActive(bool active) { opacity_.SetAlphaActive(active); }

    // Where the kind draws its content, in client coordinates (page
    // coordinates while printing); forceTitle leaves room for the title bar
    // even when the record hides it.
    QRect GetContentRect(bool forceTitle) const;
    QString GetShortTitle() const;
    // The record's font, or the shared content font for the default font.
    const FontData& GetEffectiveFont() const;

protected:
    // Base: opaque while edited, title edit opened, the kind's edit options
    // shown; a backup of the record is made unless the kind set its own.
    virtual void BeginEdit();
    // Base: own opacity back; commit takes the title and touches the record,
    // otherwise the record is restored from the backup.
    virtual void EndEdit(bool commit);
    // Base: everything but the content, into PaintArea().
    virtual void PaintNote(QPainter& painter);
    // Base: PaintNote with the page in effect, on one page. True when the
    // note goes on to another page.
    virtual bool PrintPage(QPainter& painter, int page);
    // False keeps the menu from showing.
    virtual bool PrepareNoteMenu(QMenu& menu);

    // The kind's record, or a new empty one of its type.
    template <typename Record>
    static std::unique_ptr<NoteData> RecordOrNew(std::unique_ptr<Record> record) {
        if (!record) {
            return std::make_unique<Record>();
        }
        return record;
    }

    void SetBackup(std::unique_ptr<NoteData> backup) { editing_.SetBackup(std::move(backup)); }
    // The kind's edit options (owned by the note), shown once BeginEdit is
    // done and taken away when the edit ends.
    void SetEditSheet(CEditPropertySheet* sheet) { editing_.SetSheet(sheet); }
    bool IsPrinting() const { return printRect_.has_value(); }
    // The page while printing, else the client rectangle less the shadow.
    QRect PaintArea() const;
    bool IsCrumpling() const;
    int GetScrollPos() const { return scrolling_.Position(); }
    void SetContentHeight(int height) { scrolling_.SetContentHeight(height); }
    int GetContentHeight() const { return scrolling_.ContentHeight(); }
    // Scrolling follows the content height the kind last laid out.
    void UpdateScrollBar();
    // The content's height on the screen, less a margin below.
    int VisibleContentHeight() const;

    // Cleared and refilled by a text kind's painting; clicks open them.
    std::vector<LinkRecord>& Links() { return links_; }
    NoteHost& Host() { return host_; }

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Split off by role, they work on the window's own parts without
    // widening what the kinds see.
    friend class NoteActivation;
    friend class NoteBoxLink;
    friend class NoteCommandHandler;
    friend class NoteFollowers;
    friend class NoteInput;

    bool ShadowOn() const;
    // Where the record puts it, rolled up when shaded.
    void PlaceOnDesktop();
    void ShowScrollBar(bool show);
    bool IsShown() const { return note_->GetState() == NoteData::kStateShown; }
    void ApplyShape();
    void StopAlarmRinging();
    void RepaintTitleBar();

    NoteId id_;
    std::unique_ptr<NoteData> note_;
    NoteHost& host_;
    NoteOpacity opacity_;
    NoteEditing editing_;
    NoteDragging dragging_;
    NoteRinging ringing_;
    NoteScrolling scrolling_;
    // Before the box: its going may still reach them.
    NoteActivation activation_{*this};
    NoteBoxLink boxLink_{*this};
    NoteQuickActions quickActions_;
    NotePlacement placement_;
    CrumpleAnimation crumple_;
    std::vector<LinkRecord> links_;
    std::optional<QRect> printRect_;
    bool preview_ = false;
    NoteCommandHandler commands_{*this};
    NoteInput input_{*this};
    NoteFollowers followers_{*this};
};

}  // namespace vesk
