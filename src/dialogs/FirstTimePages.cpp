#include "dialogs/FirstTimePages.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace vesk {
namespace {

// A page's heading: Arial 26 bold, on white across the page.
QLabel* MakeHeading(const QString& text, QWidget* parent) {
    auto* heading = new QLabel(text, parent);
    heading->setObjectName(QStringLiteral("heading"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(26);
    font.setBold(true);
    heading->setFont(font);
    heading->setAutoFillBackground(true);
    QPalette palette = heading->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    heading->setPalette(palette);
    heading->setContentsMargins(8, 4, 8, 4);
    return heading;
}

// The pages are as wide as the banner. The wizard sizes itself from its
// pages' minimum, which for wrapped text needs the width the text wraps at.
constexpr int kPageWidth = 460;

void FitHeight(QWizardPage& page, QLayout& layout) {
    page.setMinimumSize(kPageWidth, layout.totalHeightForWidth(kPageWidth));
}

QLabel* MakeText(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QPixmap Banner() {
    QSvgRenderer renderer(QStringLiteral(":/icons/banner.svg"));
    QPixmap banner(renderer.defaultSize());
    banner.fill(Qt::transparent);
    QPainter painter(&banner);
    renderer.render(&painter);
    return banner;
}

}  // namespace

CFTWelcomePage::CFTWelcomePage(QWidget* parent) : QWizardPage(parent) {
    auto* banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("banner"));
    banner->setPixmap(Banner());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(banner);
    layout->addWidget(MakeText(
        QStringLiteral("You just installed vesk notes 4, which means that you're pretty much a "
                       "great person. Follow these next few steps to set up your installation to "
                       "your liking and import your notes from older versions."),
        this));
    layout->addStretch();
    FitHeight(*this, *layout);
}

CFTCustomizePage::CFTCustomizePage(QWidget* parent) : QWizardPage(parent) {
    logIn_ = new QCheckBox(QStringLiteral("Start vesk notes when I log in"), this);
    logIn_->setObjectName(QStringLiteral("logIn"));
    hotKeys_ = new QCheckBox(QStringLiteral("Enable global hot keys"), this);
    hotKeys_->setObjectName(QStringLiteral("hotKeys"));
    hotKeys_->setChecked(true);
    tray_ = new QListWidget(this);
    tray_->setObjectName(QStringLiteral("tray"));
    tray_->addItems(
        {QStringLiteral("creates new message note."), QStringLiteral("creates new checklist note."),
         QStringLiteral("hides/shows all notes."), QStringLiteral("brings all notes to front.")});
    tray_->setCurrentRow(0);
    tray_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tray_->setFixedHeight(tray_->sizeHintForRow(0) * tray_->count() + 2 * tray_->frameWidth());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeHeading(QStringLiteral("Customize"), this));
    layout->addWidget(logIn_);
    layout->addWidget(hotKeys_);
    layout->addWidget(
        MakeText(QStringLiteral("Global hot keys allow you to quickly access vesk notes "
                                "functionality with a key combonation. The defaults are:"),
                 this));
    layout->addWidget(new QLabel(QStringLiteral("Windows Key + N  -  Create a New Note"), this));
    layout->addWidget(
        new QLabel(QStringLiteral("Windows Key + S  -  Bring All Notes to the Front"), this));
    layout->addWidget(new QLabel(QStringLiteral("Double-clicking the tray icon"), this));
    layout->addWidget(tray_);
    layout->addWidget(MakeText(QStringLiteral("You can change these settings and more later by "
                                              "selecting Settings from the main menu."),
                               this));
    FitHeight(*this, *layout);
}

bool CFTCustomizePage::StartAtLogIn() const { return logIn_->isChecked(); }

bool CFTCustomizePage::HotKeysOn() const { return hotKeys_->isChecked(); }

int CFTCustomizePage::TrayChoice() const {
    const QList<QListWidgetItem*> chosen = tray_->selectedItems();
    return chosen.isEmpty() ? -1 : tray_->row(chosen.first());
}

CFTHelpPage::CFTHelpPage(std::function<void()> moreHelp, QWidget* parent) : QWizardPage(parent) {
    auto* more = new QPushButton(QStringLiteral("More Help"), this);
    more->setObjectName(QStringLiteral("moreHelp"));
    // Enter goes on to Finish, also while the button has the focus.
    more->setAutoDefault(false);
    connect(more, &QPushButton::clicked, this, std::move(moreHelp));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeHeading(QStringLiteral("Hints"), this));
    for (const QString& hint :
         {QStringLiteral("Access the main menu by right-clicking the vesk notes tray icon."),
          QStringLiteral("Double-click a note to edit it. Perform other actions by "
                         "right-clicking a note to pull up the Note Context Menu."),
          QStringLiteral("vesk notes 4 enables note backup by default. Go to Config/Tools -> "
                         "Settings from the main menu to customize the backup system to "
                         "restore/create backups.")}) {
        layout->addWidget(MakeText(hint, this));
    }
    layout->addWidget(more, 0, Qt::AlignLeft);
    layout->addStretch();
    FitHeight(*this, *layout);
}

}  // namespace vesk
