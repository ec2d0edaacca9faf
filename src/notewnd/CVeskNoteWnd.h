#pragma once

#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "notes/NoteData.h"
#include "notes/NoteWindow.h"
#include "notewnd/NoteDragging.h"
#include "platform/SoundPlayer.h"
#include "settings/FontData.h"

namespace vesk {

class NoteHost;

// The desktop window of one note: a frameless, translucent tool window that
// draws the note itself, is dragged from anywhere and sized from its edges,
// and writes every change of place and size into its record at once.
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

    // Stores the note's opacity (at least 10 of 255) and shows it, unless the
    // note is active and the settings make active notes solid.
    void SetAlpha(int alpha);
    // Off: the note is opaque whatever its record says (while edited or
    // while its quick action box is in use).
    void SetAlphaActive(bool active);

    // Where the kind draws its content, in client coordinates; forceTitle
    // leaves room for the title bar even when the record hides it.
    QRect GetContentRect(bool forceTitle) const;
    QString GetShortTitle() const;
    // The record's font, or the shared content font for the default font.
    const FontData& GetEffectiveFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
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
    void Shade();
    void Unshade();
    void ShakeStep();
    void StopAlarmRinging();

    static FontData titleFont_;
    static int titleBarHeight_;
    static FontData defaultContentFont_;

    NoteId id_;
    std::unique_ptr<NoteData> note_;
    NoteHost& host_;
    NoteDragging dragging_;
    bool alphaActive_ = true;
    bool shaking_ = false;
    int shakeAmplitude_ = 0;
    int shakeDirection_ = 1;
    QTimer shakeTimer_;
    // The alarm's sound, made at the first ringing; it stops with the note.
    std::unique_ptr<platform::SoundPlayer> alarmSound_;
};

}  // namespace vesk
