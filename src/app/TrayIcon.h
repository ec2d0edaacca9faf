#pragma once

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <functional>
#include <memory>

namespace vesk {

class CTrayStandInWnd;
namespace platform {
class TrayWatch;
}

// The program's presence in the tray: the icon with its tooltip and its menu,
// filled afresh at each opening. While the desktop has no tray, a small
// stand-in window offers the same menu and double-click; it goes away when a
// tray appears and comes back if the tray goes.
class TrayIcon : public QObject {
    Q_OBJECT

public:
    using MenuFiller = std::function<void(QMenu&)>;
    using TrayProbe = std::function<bool()>;

    // trayAvailable: whether the desktop has a tray now; watch: word when
    // that may have changed.
    TrayIcon(MenuFiller fill, TrayProbe trayAvailable, platform::TrayWatch& watch,
             QObject* parent = nullptr);
    ~TrayIcon() override;

    void Add();
    void Remove();
    // A message beside the icon that goes by itself.
    void ShowMessage(const QString& title, const QString& text, QSystemTrayIcon::MessageIcon icon);
    QMenu& Menu() { return menu_; }
    // The stand-in window while it is up, else null.
    CTrayStandInWnd* StandIn() const;
signals:
    void DoubleClicked();

private:
    // Shows or hides the stand-in after the tray's presence.
    void FollowTray();

    MenuFiller fill_;
    TrayProbe trayAvailable_;
    QMenu menu_;
    QSystemTrayIcon icon_;
    std::unique_ptr<CTrayStandInWnd> standIn_;
    bool added_ = false;
};

}  // namespace vesk
