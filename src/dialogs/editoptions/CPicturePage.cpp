#include "dialogs/editoptions/CPicturePage.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/UserPrompts.h"
#include "notes/PictureNoteData.h"
#include "notewnd/CPictureNoteWnd.h"

namespace vesk {

CPicturePage::CPicturePage(CPictureNoteWnd& note, NoteHost& host)
    : CEditPage(note, host, QStringLiteral("Picture Options"), QStringLiteral("Picture"),
                "picture"),
      browse_(new QPushButton(QStringLiteral("Browse for Image"), this)),
      keepRatio_(new QCheckBox(QStringLiteral("Maintain Aspect Ratio"), this)) {
    keepRatio_->setChecked(Picture().GetMaintainRatio());
    browse_->setAutoDefault(false);
    connect(browse_, &QPushButton::clicked, this, &CPicturePage::BrowseForImage);
    connect(keepRatio_, &QCheckBox::toggled, this, [this](bool on) {
        Picture().SetMaintainRatio(on);
        Note().Repaint();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browse_, 0, Qt::AlignLeft);
    layout->addWidget(keepRatio_);
    layout->addStretch();
}

PictureNoteData& CPicturePage::Picture() { return static_cast<PictureNoteData&>(Record()); }

void CPicturePage::BrowseForImage() {
    const QString folder =
        QFileInfo(QString::fromStdU16String(Picture().GetSource())).absolutePath();
    const QString path = UserPrompts::Current().GetOpenFileName(
        this, QStringLiteral("Browse for Image"), folder,
        QStringLiteral("Image Files (*.jpg;*.bmp;*.gif;*.png)|*.jpg; *.bmp; *.gif; *.png|"
                       "All Files (*.*)|*.*||"));
    if (path.isEmpty()) {
        return;
    }
    Picture().SetSource(path.toStdU16String());
    Note().Repaint();
}

}  // namespace vesk
