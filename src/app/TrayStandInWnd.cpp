#include "app/TrayStandInWnd.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/KindIcons.h"

namespace vesk {

CTrayStandInWnd::CTrayStandInWnd(QMenu& menu, QWidget* parent) : QWidget(parent), menu_(menu) {
    setWindowTitle(QStringLiteral("vesk notes 4"));
    setWindowIcon(AppIcon());
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);

    auto* icon = new QLabel(this);
    icon->setPixmap(AppIcon().pixmap(32, 32));
    auto* hint = new QLabel(QStringLiteral("vesk notes 4\nRight-click for Menu"), this);
    auto* open = new QPushButton(QStringLiteral("Menu"), this);
    open->setObjectName(QStringLiteral("menuButton"));
    open->setMenu(&menu_);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(hint, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(open);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CTrayStandInWnd::contextMenuEvent(QContextMenuEvent* event) {
    menu_.popup(event->globalPos());
}

void CTrayStandInWnd::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit DoubleClicked();
}

void CTrayStandInWnd::closeEvent(QCloseEvent* event) {
    event->ignore();
    showMinimized();
}

}  // namespace vesk
