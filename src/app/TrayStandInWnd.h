#pragma once

#include <QWidget>

class QMenu;

namespace vesk {

// Where the desktop offers no system tray, this small window stands in for
// the tray icon so the program stays reachable: it offers the tray menu
// (right-click or its button) and the tray's double-click action.
class CTrayStandInWnd : public QWidget {
    Q_OBJECT

public:
    explicit CTrayStandInWnd(QMenu& menu, QWidget* parent = nullptr);

signals:
    void DoubleClicked();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Closing would leave no way back into the program: it is minimised
    // instead, and "Exit" in the menu ends the program.
    void closeEvent(QCloseEvent* event) override;

private:
    QMenu& menu_;
};

}  // namespace vesk
