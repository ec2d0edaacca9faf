#include "dialogs/CFontSelectDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QListWidget>
#include <QPainter>

#include "notebook/NotebookPictures.h"

namespace vesk {

namespace {

constexpr int kPreviewCellHeight = 32;
constexpr char16_t kDefaultFace[] = u"Default";

}  // namespace

FontPreviewStatic::FontPreviewStatic(QWidget* parent) : QWidget(parent) {}

void FontPreviewStatic::SetFont(const FontData& font) {
    font_ = font;
    update();
}

QSize FontPreviewStatic::sizeHint() const { return {220, 2 * kPreviewCellHeight}; }

void FontPreviewStatic::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    QFont font = CellHeightFont(QString::fromStdU16String(font_.GetFace()), kPreviewCellHeight);
    font.setWeight(font_.GetBold() ? QFont::Bold : QFont::Normal);
    font.setItalic(font_.GetItalics());
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, QStringLiteral("Aa Bb Cc Dd"));
}

CFontSelectDialog::CFontSelectDialog(const FontData& font, const FontData& defaultFont,
                                     Offers offers, QWidget* parent)
    : QDialog(parent),
      font_(font),
      defaultFont_(defaultFont),
      offers_(offers),
      faces_(new QListWidget(this)),
      preview_(new FontPreviewStatic(this)),
      useDefault_(new QCheckBox(QStringLiteral("Use Default Font"), this)),
      bold_(new QCheckBox(QStringLiteral("Bold"), this)),
      italics_(new QCheckBox(QStringLiteral("Italics"), this)) {
    setWindowTitle(QStringLiteral("Select Font"));
    faces_->addItems(QFontDatabase::families());
    faces_->sortItems();
    faces_->setCurrentRow(0);
    SelectFace(font.GetFace());
    bold_->setChecked(font.GetBold());
    italics_->setChecked(font.GetItalics());
    useDefault_->setVisible(offers.useDefault);
    bold_->setVisible(offers.boldItalics);
    italics_->setVisible(offers.boldItalics);
    // Without the box there would be no way back from "Default": the face
    // then counts as one not installed.
    if (offers.useDefault && font.GetFace() == kDefaultFace) {
        useDefault_->setChecked(true);
        EnableChoices(false);
    }
    ShowPreview();
    connect(faces_, &QListWidget::currentRowChanged, this, &CFontSelectDialog::FaceChosen);
    connect(bold_, &QCheckBox::toggled, this, &CFontSelectDialog::StyleChanged);
    connect(italics_, &QCheckBox::toggled, this, &CFontSelectDialog::StyleChanged);
    connect(useDefault_, &QCheckBox::toggled, this, &CFontSelectDialog::UseDefaultChanged);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QGridLayout(this);
    layout->addWidget(faces_, 0, 0, 5, 1);
    layout->addWidget(preview_, 0, 1);
    layout->addWidget(useDefault_, 1, 1);
    layout->addWidget(bold_, 2, 1);
    layout->addWidget(italics_, 3, 1);
    layout->setRowStretch(4, 1);
    layout->addWidget(buttons, 5, 0, 1, 2);
}

FontData CFontSelectDialog::GetFont() const {
    FontData font = font_;
    if (offers_.useDefault && useDefault_->isChecked()) {
        font.SetFace(kDefaultFace);
    } else if (const QListWidgetItem* face = faces_->currentItem()) {
        font.SetFace(face->text().toStdU16String());
    }
    font.SetBold(bold_->isChecked());
    font.SetItalics(italics_->isChecked());
    return font;
}

void CFontSelectDialog::SelectFace(const std::u16string& face) {
    const QList<QListWidgetItem*> found =
        faces_->findItems(QString::fromStdU16String(face), Qt::MatchFixedString);
    if (!found.isEmpty()) {
        faces_->setCurrentItem(found.front());
    }
}

void CFontSelectDialog::FaceChosen() {
    if (const QListWidgetItem* face = faces_->currentItem()) {
        font_.SetFace(face->text().toStdU16String());
        font_.SetSize(0);
    }
    ShowPreview();
}

void CFontSelectDialog::StyleChanged() {
    font_.SetBold(bold_->isChecked());
    font_.SetItalics(italics_->isChecked());
    ShowPreview();
}

void CFontSelectDialog::UseDefaultChanged(bool on) {
    EnableChoices(!on);
    if (on) {
        font_ = defaultFont_;
    } else {
        if (faces_->currentItem() == nullptr) {
            const QSignalBlocker quiet(faces_);
            faces_->setCurrentRow(0);
        }
        const QListWidgetItem* face = faces_->currentItem();
        font_ = FontData(face != nullptr ? face->text().toStdU16String() : std::u16string(), 0,
                         bold_->isChecked(), italics_->isChecked());
    }
    ShowPreview();
}

void CFontSelectDialog::EnableChoices(bool enable) {
    faces_->setEnabled(enable);
    bold_->setEnabled(enable);
    italics_->setEnabled(enable);
}

void CFontSelectDialog::ShowPreview() {
    const bool useDefault =
        (offers_.useDefault && useDefault_->isChecked()) || font_.GetFace() == kDefaultFace;
    preview_->SetFont(useDefault ? defaultFont_ : font_);
}

}  // namespace vesk
