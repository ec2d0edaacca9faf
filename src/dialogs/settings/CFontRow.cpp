#include "dialogs/settings/CFontRow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "dialogs/CFontSelectDialog.h"
#include "dialogs/UserPrompts.h"
#include "notebook/NotebookPictures.h"
#include "xml/TextForms.h"

namespace vesk {
namespace {

constexpr int kFaceHeight = 16;
// The size box reads at most this many characters.
constexpr int kSizeLength = 23;
constexpr int kSizes[] = {8, 9, 10, 12, 14, 16, 18, 20, 22, 24, 26, 32, 40, 56, 62, 78};

}  // namespace

CFontRow::CFontRow(const char* name, const FontData& font, const FontData& defaultFont,
                   QWidget* parent)
    : QWidget(parent),
      font_(font),
      defaultFont_(defaultFont),
      face_(new QLabel(this)),
      size_(new QComboBox(this)) {
    const QString prefix = QLatin1String(name);
    face_->setObjectName(prefix + QStringLiteral("Face"));
    face_->setMinimumWidth(160);
    size_->setObjectName(prefix + QStringLiteral("Size"));
    size_->setEditable(true);
    for (const int size : kSizes) size_->addItem(QString::number(size));
    size_->setEditText(QString::number(font.GetSize()));
    auto* change = new QPushButton(QStringLiteral("Change"), this);
    change->setObjectName(prefix + QStringLiteral("Change"));
    connect(change, &QPushButton::clicked, this, &CFontRow::Change);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(face_, 1);
    layout->addWidget(size_);
    layout->addWidget(change);
    ShowFace();
}

FontData CFontRow::Font() const {
    FontData font = font_;
    font.SetSize(TextToInt(size_->currentText().left(kSizeLength).toStdU16String()));
    return font;
}

void CFontRow::Change() {
    CFontSelectDialog chooser(font_, defaultFont_, {.useDefault = false, .boldItalics = true},
                              this);
    if (UserPrompts::Current().RunDialog(chooser) != QDialog::Accepted) return;
    // The chooser leaves the size to the box.
    font_ = chooser.GetFont();
    ShowFace();
}

void CFontRow::ShowFace() {
    const QString face = QString::fromStdU16String(font_.GetFace());
    QFont drawn = CellHeightFont(face, kFaceHeight);
    drawn.setBold(font_.GetBold());
    drawn.setItalic(font_.GetItalics());
    face_->setFont(drawn);
    face_->setText(face);
}

}  // namespace vesk
