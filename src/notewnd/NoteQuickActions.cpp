#include "notewnd/NoteQuickActions.h"

#include <QString>
#include <QWidget>

#include "notes/NoteCommands.h"
#include "notewnd/CQuickActionBox.h"
#include "notewnd/NoteGeometry.h"
#include "notewnd/QuickActionImages.h"
#include "settings/SettingsData.h"

namespace vesk {

namespace {

constexpr int kGap = 2;

}  // namespace

NoteQuickActions::NoteQuickActions(QWidget& note, QuickActionOwner& owner)
    : note_(note), owner_(owner), box_(std::make_unique<CQuickActionBox>(owner, note)) {
    box_->AddButton(NoteCommand::kCrumple, QStringLiteral("Crumple"), QuickActionImage::kCrumple,
                    QuickActionImage::kCrumplePressed);
    box_->AddButton(NoteCommand::kShade, QStringLiteral("Shade"), QuickActionImage::kShade,
                    QuickActionImage::kShadePressed);
    ApplySettings();
}

NoteQuickActions::~NoteQuickActions() = default;

void NoteQuickActions::Place() {
    const QRect desired = box_->GetDesiredRect();
    if (desired.height() <= 0) {
        box_->SetWindowShown(false);
        return;
    }
    const QRect note = note_.geometry();
    const int gap = kGap + (owner_.GetNoteSettings().GetNoteShadow() ? kShadowWidth : 0);
    box_->setGeometry(QRect(QPoint(note.x() + note.width() + gap, note.y()), desired.size()));
    box_->SetWindowShown(true);
    box_->update();
}

void NoteQuickActions::Show() {
    Place();
    if (owner_.GetNoteSettings().GetShowQAButtons() || box_->IsScrollBarShown()) {
        box_->ShowBox(true);
    }
}

void NoteQuickActions::Hide() { box_->ShowBox(false); }

void NoteQuickActions::SetShaded(bool shaded, bool contentOverflows) {
    box_->RemoveButton(NoteCommand::kShade);
    box_->RemoveButton(NoteCommand::kUnshade);
    if (shaded) {
        box_->AddButton(NoteCommand::kUnshade, QStringLiteral("UnShade"),
                        QuickActionImage::kUnshade, QuickActionImage::kUnshadePressed);
        box_->ShowScrollBar(false);
    } else {
        box_->AddButton(NoteCommand::kShade, QStringLiteral("Shade"), QuickActionImage::kShade,
                        QuickActionImage::kShadePressed);
        if (contentOverflows) {
            box_->ShowScrollBar(true);
        }
    }
    Place();
}

void NoteQuickActions::ShowScrollBar(bool show) {
    box_->ShowScrollBar(show);
    Place();
}

void NoteQuickActions::ApplySettings() {
    box_->ShowButtons(owner_.GetNoteSettings().GetShowQAButtons());
    Place();
}

}  // namespace vesk
