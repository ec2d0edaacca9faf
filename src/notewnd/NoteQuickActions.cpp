#include "notewnd/NoteQuickActions.h"

#include <QScreen>
#include <QString>
#include <QWidget>
#include <utility>

#include "notes/NoteCommands.h"
#include "notewnd/CQuickActionBox.h"
#include "notewnd/NoteGeometry.h"
#include "notewnd/QuickActionImages.h"
#include "settings/SettingsData.h"

namespace vesk {

NoteQuickActions::NoteQuickActions(QWidget& note, QuickActionOwner& owner, BoxMade made)
    : note_(note), owner_(owner), made_(std::move(made)) {}

NoteQuickActions::~NoteQuickActions() = default;

CQuickActionBox& NoteQuickActions::GetBox() {
    if (!box_) {
        box_ = std::make_unique<CQuickActionBox>(owner_, note_);
        box_->AddButton(NoteCommand::kCrumple, QStringLiteral("Crumple"),
                        QuickActionImage::kCrumple, QuickActionImage::kCrumplePressed);
        AddShadeButton();
        box_->ShowScrollBar(scrollBar_);
        box_->ShowButtons(ButtonsOn());
        if (made_) {
            made_(*box_);
        }
    }
    return *box_;
}

void NoteQuickActions::Place() {
    if (!box_) {
        return;
    }
    const QRect desired = box_->GetDesiredRect();
    if (desired.height() <= 0) {
        box_->SetWindowShown(false);
        return;
    }
    // Without any screen nothing is in view, wherever the box goes.
    const QScreen* screen = note_.screen();
    const QRect area = screen != nullptr ? screen->availableGeometry() : note_.geometry();
    box_->setGeometry(
        QRect(QuickActionBoxPlace(note_.geometry(), owner_.GetNoteSettings().GetNoteShadow(),
                                  desired.size(), area),
              desired.size()));
    box_->SetWindowShown(true);
    box_->update();
}

void NoteQuickActions::Show() {
    if (!ButtonsOn() && !ScrollBarShown()) {
        // Nothing to show: a box made now would stay out of sight.
        if (box_) {
            Place();
        }
        return;
    }
    GetBox();
    Place();
    box_->ShowBox(true);
}

void NoteQuickActions::Hide() {
    if (box_) {
        box_->ShowBox(false);
    }
}

void NoteQuickActions::SetShaded(bool shaded, bool contentOverflows) {
    shaded_ = shaded;
    scrollBar_ = !shaded && (contentOverflows || ScrollBarShown());
    if (!box_) {
        return;
    }
    box_->RemoveButton(NoteCommand::kShade);
    box_->RemoveButton(NoteCommand::kUnshade);
    AddShadeButton();
    if (shaded) {
        box_->ShowScrollBar(false);
    } else if (contentOverflows) {
        box_->ShowScrollBar(true);
    }
    Place();
}

void NoteQuickActions::ShowScrollBar(bool show) {
    scrollBar_ = show;
    if (box_) {
        box_->ShowScrollBar(show);
        Place();
    }
}

void NoteQuickActions::ApplySettings() {
    if (box_) {
        box_->ShowButtons(ButtonsOn());
        Place();
    }
}

void NoteQuickActions::AddShadeButton() {
    if (shaded_) {
        box_->AddButton(NoteCommand::kUnshade, QStringLiteral("UnShade"),
                        QuickActionImage::kUnshade, QuickActionImage::kUnshadePressed);
    } else {
        box_->AddButton(NoteCommand::kShade, QStringLiteral("Shade"), QuickActionImage::kShade,
                        QuickActionImage::kShadePressed);
    }
}

bool NoteQuickActions::ButtonsOn() const { return owner_.GetNoteSettings().GetShowQAButtons(); }

bool NoteQuickActions::ScrollBarShown() const {
    return box_ ? box_->IsScrollBarShown() : scrollBar_;
}

}  // namespace vesk
