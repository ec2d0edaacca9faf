#pragma once

#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "notes/NoteData.h"
#include "notes/NoteWindow.h"
#include "notewnd/NoteDragging.h"
#include "notewnd/NoteRinging.h"
#include "notewnd/NoteScrolling.h"
#include "notewnd/TextLayout.h"
#include "settings/FontData.h"

class QMenu;
class QPainter;

namespace vesk {

class CNoteEdit;
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
    // the settings change. The title bar height follows the title font.
    static void SetTitleFont(const FontData& font);
    static const FontData& GetTitleFont() { return titleFont_; }
    static int GetTitleBarHeight() { return titleBarHeight_; }
    static void SetDefaultContentFont(const FontData& font);
    static const FontData& GetDefaultContentFont() { return defaultContentFont_; }

    CVeskNoteWnd(NoteId id, std::unique_ptr<NoteData> record, NoteHost& host);
    ~CVeskNoteWnd() override;

    NoteId GetNoteId() const { return id_; }
    NoteData& GetNoteData() override { return *note_; }
    const NoteData& GetNoteData() const override { return *note_; }

    void CreateNoteWindow() override;
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
    bool IsEditing() const { return editing_; }

    // Stores the note's opacity (at least 10 of 255) and shows it, unless the
    // note is active and the settings make active notes solid.
    void SetAlpha(int alpha);
    // Off: the note is opaque whatever its record says (while edited or
    // while its quick action box is in use).
    void SetAlphaActive(bool active);

    // Where the kind draws its content, in client coordinates (page
    // coordinates while printing); forceTitle leaves room for the title bar
    // even when the record hides it.
    QRect GetContentRect(bool forceTitle) const;
    QString GetShortTitle() const;
    // The record's font, or the shared content font for the default font.
    const FontData& GetEffectiveFont() const;

protected:
    // Base: opaque while edited, title edit opened; a backup of the record
    // is made unless the kind set its own.
    virtual void BeginEdit();
    // Base: own opacity back; commit takes the title and touches the record,
    // otherwise the record is restored from the backup.
    virtual void EndEdit(bool commit);
    // Base: everything but the content, into PaintArea().
    virtual void PaintNote(QPainter& painter);
    // Base: PaintNote with the page in effect.
    virtual void PrintPage(QPainter& painter, int page);
    // False keeps the menu from showing.
    virtual bool PrepareNoteMenu(QMenu& menu);

    void SetBackup(std::unique_ptr<NoteData> backup);
    bool IsPrinting() const { return printRect_.has_value(); }
    // The page while printing, else the client rectangle less the shadow.
    QRect PaintArea() const;
    bool IsCrumpling() const;
    int GetScrollPos() const { return scrolling_.Position(); }
    void SetContentHeight(int height) { scrolling_.SetContentHeight(height); }
    // Scrolling follows the content height the kind last laid out.
    void UpdateScrollBar();
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

private:
    bool ShadowOn() const;
    bool IsShown() const { return note_->GetState() == NoteData::kStateShown; }
    void ApplyOpacity(std::uint8_t alpha);
    // The record's alpha, or opaque while the note is active with
    // "solidOnSelect" on.
    void ApplyCurrentOpacity();
    void ApplyShape();
    void StopAlarmRinging();

    void ShowMenu();
    void Edit();
    void FinishEditing(bool commit);
    void Shade();
    void Unshade();
    void Hide();
    void Show();
    void ToggleStayOnTop();
    void Print();
    void Crumple();
    void CrumpleIntoWastebasket();
    void StyleChanged();

    static FontData titleFont_;
    static int titleBarHeight_;
    static FontData defaultContentFont_;

    NoteId id_;
    std::unique_ptr<NoteData> note_;
    NoteHost& host_;
    std::unique_ptr<NoteData> backup_;
    NoteDragging dragging_;
    NoteRinging ringing_;
    NoteScrolling scrolling_;
    std::vector<LinkRecord> links_;
    bool editing_ = false;
    QPointer<CNoteEdit> titleEdit_;
    std::optional<QRect> printRect_;
    bool alphaActive_ = true;
};

}  // namespace vesk
