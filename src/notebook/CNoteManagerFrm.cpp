#include "notebook/CNoteManagerFrm.h"

#include <QSplitter>
#include <QStatusBar>

#include "app/KindIcons.h"
#include "notebook/CNotePreviewView.h"
#include "notebook/CRightView.h"

namespace vesk {

namespace {

constexpr int kBarWidth = 5;
constexpr int kListWidth = 300;
constexpr int kPreviewWidth = 400;
constexpr int kHeight = 480;

}  // namespace

CNoteManagerFrm::CNoteManagerFrm(NotebookServices& services) {
    setWindowTitle(QStringLiteral("Notebook"));
    setWindowIcon(AppIcon());
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setHandleWidth(kBarWidth);
    splitter->setChildrenCollapsible(false);
    list_ = new CRightView(services, splitter);
    preview_ = new CNotePreviewView(services.host, splitter);
    splitter->addWidget(list_);
    splitter->addWidget(preview_);
    // The list keeps its width as the window grows; the preview takes the rest.
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({kListWidth, kPreviewWidth});
    setCentralWidget(splitter);
    resize(kListWidth + kBarWidth + kPreviewWidth, kHeight);

    list_->SetPreview(preview_);
    connect(preview_, &CNotePreviewView::ActionPressed, list_, &CRightView::ActOnSelection);
    connect(list_, &CRightView::ActionDone, statusBar(),
            [bar = statusBar()](const QString& summary) { bar->showMessage(summary); });
    list_->SelectFolder(NotebookFolder::Desktop);
}

CNoteManagerFrm::~CNoteManagerFrm() = default;

}  // namespace vesk
