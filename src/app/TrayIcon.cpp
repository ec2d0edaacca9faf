#include "app/TrayIcon.h"

#include <utility>

#include "app/KindIcons.h"
#include "app/TrayStandInWnd.h"
#include "platform/TrayWatch.h"

namespace vesk {

TrayIcon::TrayIcon(MenuFiller fill, TrayProbe trayAvailable, platform::TrayWatch& watch,
                   QObject* parent)
    : QObject(parent), fill_(std::move(fill)), trayAvailable_(std::move(trayAvailable)) {
    icon_.setIcon(AppIcon());
    icon_.setToolTip(QStringLiteral("vesk notes 4") + QStringLiteral("\nRight-click for Menu"));
    icon_.setContextMenu(&menu_);
    connect(&menu_, &QMenu::aboutToShow, this, [this] { fill_(menu_); });
    connect(&icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::DoubleClick) emit DoubleClicked();
            });
    connect(&watch, &platform::TrayWatch::TrayChanged, this, &TrayIcon::FollowTray);
}

TrayIcon::~TrayIcon() = default;

void TrayIcon::Add() {
    added_ = true;
    // The icon stays registered even without a tray: it appears by itself
    // when one starts.
    icon_.show();
    FollowTray();
}

void TrayIcon::Remove() {
    added_ = false;
    icon_.hide();
    standIn_.reset();
}

void TrayIcon::ShowMessage(const QString& title, const QString& text,
                           QSystemTrayIcon::MessageIcon icon) {
    icon_.showMessage(title, text, icon);
}

CTrayStandInWnd* TrayIcon::StandIn() const { return standIn_.get(); }

void TrayIcon::FollowTray() {
    if (!added_ || trayAvailable_()) {
        standIn_.reset();
        return;
    }
    if (!standIn_) {
        standIn_ = std::make_unique<CTrayStandInWnd>(menu_);
        connect(standIn_.get(), &CTrayStandInWnd::DoubleClicked, this, &TrayIcon::DoubleClicked);
        standIn_->show();
    }
}

}  // namespace vesk
