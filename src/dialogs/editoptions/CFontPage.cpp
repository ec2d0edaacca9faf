#include "dialogs/editoptions/CFontPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <set>

#include "dialogs/CFontSelectDialog.h"
#include "dialogs/ModalDialog.h"
#include "dialogs/UserPrompts.h"
#include "notes/NoteCommands.h"
#include "notewnd/CVeskNoteWnd.h"
#include "notewnd/NoteHost.h"

namespace vesk {

namespace {

const QString kBrowseFonts = QStringLiteral("(Browse Fonts)");
constexpr char16_t kDefaultFace[] = u"Default";

struct NamedSize {
    const char* name;
    int size;
};
constexpr NamedSize kNamedSizes[] = {{"Small", 10}, {"Normal", 14}, {"Large", 24}, {"Huge", 48}};
constexpr int kListedSizes[] = {8, 9, 10, 12, 14, 16, 18, 20, 22, 24, 26, 32, 40, 56, 62, 78};

// Arial of 14 pixels: "B" and "i" show what they set.
QFont ButtonFont(bool bold, bool italic) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QPushButton* ToggleButton(const QString& text, const QFont& font, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setCheckable(true);
    button->setFont(font);
    return button;
}

}  // namespace

std::optional<int> ParseFontSize(const QString& text) {
    for (const NamedSize& named : kNamedSizes) {
        if (text == QLatin1String(named.name)) {
            return named.size;
        }
    }
    bool number = false;
    const int size = text.trimmed().toInt(&number);
    if (!number || size < CFontPage::kMinSize || size > CFontPage::kMaxSize) {
        return std::nullopt;
    }
    return size;
}

int StepFontSize(int size, int step) {
    return std::clamp(size + step, CFontPage::kMinSize, CFontPage::kMaxSize);
}

CFontPage::CFontPage(CVeskNoteWnd& note, NoteHost& host)
    : CEditPage(note, host, QStringLiteral("F"), QStringLiteral("Font"), "font"),
      faces_(new QComboBox(this)),
      size_(new QComboBox(this)),
      smaller_(new QPushButton(QStringLiteral("-"), this)),
      larger_(new QPushButton(QStringLiteral("+"), this)),
      bold_(ToggleButton(QStringLiteral("B"), ButtonFont(true, false), this)),
      italics_(ToggleButton(QStringLiteral("i"), ButtonFont(false, true), this)),
      centred_(new QCheckBox(QStringLiteral("Center Text"), this)) {
    FillFaces();
    size_->setEditable(true);
    size_->setInsertPolicy(QComboBox::NoInsert);
    for (const NamedSize& named : kNamedSizes) {
        size_->addItem(QString::fromLatin1(named.name));
    }
    for (const int listed : kListedSizes) {
        size_->addItem(QString::number(listed));
    }
    const FontData font = EditableFont();
    ShowSize(font.GetSize());
    bold_->setChecked(font.GetBold());
    italics_->setChecked(font.GetItalics());
    centred_->setChecked(Record().GetAlignment() == NoteData::kAlignCenter);
    for (QPushButton* button : {smaller_, larger_, bold_, italics_}) {
        button->setFixedWidth(button->sizeHint().height());
        // Enter in the size box ends the edit, not a size step.
        button->setAutoDefault(false);
    }

    connect(faces_, &QComboBox::activated, this, &CFontPage::FaceChosen);
    connect(size_, &QComboBox::textActivated, this, &CFontPage::SizeEntered);
    connect(size_->lineEdit(), &QLineEdit::textEdited, this, &CFontPage::SizeEntered);
    connect(smaller_, &QPushButton::clicked, this, [this] { StepSize(-kSizeStep); });
    connect(larger_, &QPushButton::clicked, this, [this] { StepSize(kSizeStep); });
    connect(bold_, &QPushButton::toggled, this, &CFontPage::StyleToggled);
    connect(italics_, &QPushButton::toggled, this, &CFontPage::StyleToggled);
    connect(centred_, &QCheckBox::toggled, this, &CFontPage::CentredToggled);

    auto* layout = new QGridLayout(this);
    layout->addWidget(faces_, 0, 0, 1, 5);
    layout->addWidget(size_, 1, 0);
    layout->addWidget(smaller_, 1, 1);
    layout->addWidget(larger_, 1, 2);
    layout->addWidget(bold_, 1, 3);
    layout->addWidget(italics_, 1, 4);
    layout->addWidget(centred_, 2, 0, 1, 5);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(3, 1);
}

FontData CFontPage::EditableFont() const {
    const FontData& own = Record().GetFont();
    return own.IsDefault() ? CVeskNoteWnd::GetDefaultContentFont() : own;
}

void CFontPage::ApplyFont(const FontData& font) {
    Record().SetFont(font);
    Send(NoteCommand::kFontChanged);
}

void CFontPage::FillFaces() {
    std::set<std::u16string> faces = Host().GetFontFaces();
    faces.insert(EditableFont().GetFace());
    const QSignalBlocker quiet(faces_);
    faces_->clear();
    for (const std::u16string& face : faces) {
        faces_->addItem(QString::fromStdU16String(face));
    }
    faces_->addItem(kBrowseFonts);
    ShowFace();
}

void CFontPage::ShowFace() {
    faces_->setCurrentIndex(
        faces_->findText(QString::fromStdU16String(EditableFont().GetFace()), Qt::MatchExactly));
}

void CFontPage::ShowSize(int size) {
    const QString text = QString::number(size);
    if (size_->findText(text, Qt::MatchExactly) < 0) {
        size_->addItem(text);
    }
    size_->setCurrentIndex(size_->findText(text, Qt::MatchExactly));
}

void CFontPage::FaceChosen(int index) {
    if (faces_->itemText(index) == kBrowseFonts) {
        BrowseFonts();
        return;
    }
    FontData font = EditableFont();
    font.SetFace(faces_->itemText(index).toStdU16String());
    ApplyFont(font);
}

void CFontPage::BrowseFonts() {
    const FontData& seed = CVeskNoteWnd::GetDefaultContentFont();
    MadeDialog dialog(
        new CFontSelectDialog(seed, seed, {.useDefault = true, .boldItalics = false}, this));
    if (UserPrompts::Current().RunDialog(*dialog) != QDialog::Accepted || dialog.Gone()) {
        if (!dialog.Gone()) {
            ShowFace();
        }
        return;
    }
    const std::u16string face = dialog->GetFont().GetFace();
    if (face == kDefaultFace) {
        // The note follows the default content font again.
        ApplyFont(FontData());
    } else {
        FontData font = EditableFont();
        font.SetFace(face);
        Host().RegisterFontFace(face);
        ApplyFont(font);
    }
    FillFaces();
}

void CFontPage::SizeEntered(const QString& text) {
    const std::optional<int> size = ParseFontSize(text);
    if (!size) {
        return;
    }
    FontData font = EditableFont();
    font.SetSize(*size);
    ApplyFont(font);
}

void CFontPage::StepSize(int step) {
    FontData font = EditableFont();
    font.SetSize(StepFontSize(font.GetSize(), step));
    ApplyFont(font);
    ShowSize(font.GetSize());
}

void CFontPage::StyleToggled() {
    FontData font = EditableFont();
    font.SetBold(bold_->isChecked());
    font.SetItalics(italics_->isChecked());
    ApplyFont(font);
}

void CFontPage::CentredToggled(bool on) {
    Record().SetAlignment(on ? NoteData::kAlignCenter : NoteData::kAlignLeft);
    Send(NoteCommand::kAlignmentChanged);
}

}  // namespace vesk
