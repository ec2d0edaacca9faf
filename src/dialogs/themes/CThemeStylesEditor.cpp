#include "dialogs/themes/CThemeStylesEditor.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <iterator>

#include "dialogs/CColorSwatchButton.h"
#include "notebook/NotePreviewStatic.h"
#include "settings/ThemeData.h"

namespace vesk {
namespace {

QString StyleLabel(int position) {
    return QStringLiteral("Style %1").arg(position, 2, 10, QLatin1Char('0'));
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CThemeStylesEditor::CThemeStylesEditor(QWidget* parent)
    : QWidget(parent),
      styles_(new QListWidget(this)),
      new_(AddButton(this, "newStyle", QStringLiteral("New"))),
      delete_(AddButton(this, "deleteStyle", QStringLiteral("Delete"))),
      colors_{{{new CColorSwatchButton(0, this), &StyleData::bgcolor},
               {new CColorSwatchButton(0, this), &StyleData::textcolor},
               {new CColorSwatchButton(0, this), &StyleData::bg2color},
               {new CColorSwatchButton(0, this), &StyleData::titlecolor}}},
      preview_(new NotePreviewStatic(true, this)) {
    styles_->setObjectName(QStringLiteral("styles"));
    preview_->setObjectName(QStringLiteral("stylePreview"));
    preview_->setMinimumSize(120, 90);
    connect(styles_, &QListWidget::currentRowChanged, this, &CThemeStylesEditor::StyleChosen);
    connect(new_, &QPushButton::clicked, this, &CThemeStylesEditor::NewStyle);
    connect(delete_, &QPushButton::clicked, this, &CThemeStylesEditor::DeleteStyle);

    auto* listBox = new QGroupBox(QStringLiteral("Note Styles:"), this);
    auto* listLayout = new QGridLayout(listBox);
    listLayout->addWidget(styles_, 0, 0, 1, 2);
    listLayout->addWidget(new_, 1, 0);
    listLayout->addWidget(delete_, 1, 1);
    auto* properties = new QGroupBox(QStringLiteral("Style Properties"), this);
    auto* grid = new QGridLayout(properties);
    const char* names[] = {"bg", "content", "bg2", "title"};
    const QString labels[] = {QStringLiteral("BG"), QStringLiteral("Content"),
                              QStringLiteral("BG 2"), QStringLiteral("Title")};
    for (int i = 0; i < 4; ++i) {
        const ColorButton& color = colors_[static_cast<std::size_t>(i)];
        color.button->setObjectName(QLatin1String(names[i]));
        connect(color.button, &CColorSwatchButton::ColorChosen, this,
                [this, &color](COLORREF chosen) { ColorChosen(color, chosen); });
        grid->addWidget(new QLabel(labels[i], properties), i / 2, (i % 2) * 2);
        grid->addWidget(color.button, i / 2, (i % 2) * 2 + 1);
    }
    grid->addWidget(preview_, 2, 0, 1, 4);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(listBox);
    layout->addWidget(properties);
    SetTheme(nullptr);
}

void CThemeStylesEditor::SetTheme(ThemeData* theme) {
    theme_ = theme;
    {
        const QSignalBlocker quiet(styles_);
        styles_->clear();
        if (theme_ != nullptr) {
            for (std::size_t i = 0; i < theme_->GetStyles().size(); ++i) {
                styles_->addItem(StyleLabel(static_cast<int>(i)));
            }
        }
    }
    styles_->setEnabled(theme_ != nullptr);
    new_->setEnabled(theme_ != nullptr);
    StyleChosen();
}

StyleData* CThemeStylesEditor::ChosenStyle() const {
    const int row = styles_->currentRow();
    if (theme_ == nullptr || row < 0 || row >= static_cast<int>(theme_->GetStyles().size())) {
        return nullptr;
    }
    return theme_->EditStyle(std::next(theme_->GetStyles().begin(), row)->first);
}

void CThemeStylesEditor::StyleChosen() {
    const StyleData* style = ChosenStyle();
    delete_->setEnabled(style != nullptr);
    for (const ColorButton& color : colors_) {
        color.button->setEnabled(style != nullptr);
        color.button->SetColor(style != nullptr ? style->*color.color : 0);
    }
    if (style != nullptr) {
        preview_->SetStyle(*style);
    } else {
        preview_->ClearStyle();
    }
}

void CThemeStylesEditor::NewStyle() {
    const COLORREF black = RGB(0, 0, 0);
    theme_->AddStyle(RGB(255, 242, 0), RGB(255, 255, 128), black, black);
    styles_->addItem(StyleLabel(styles_->count()));
}

void CThemeStylesEditor::DeleteStyle() {
    const int row = styles_->currentRow();
    theme_->RemoveStyle(ChosenStyle()->id);
    {
        const QSignalBlocker quiet(styles_);
        delete styles_->takeItem(row);
        // The labels stay positions: those after the gap move up by one.
        for (int i = row; i < styles_->count(); ++i) styles_->item(i)->setText(StyleLabel(i));
        styles_->setCurrentRow(-1);
    }
    StyleChosen();
}

void CThemeStylesEditor::ColorChosen(const ColorButton& which, COLORREF color) {
    StyleData* style = ChosenStyle();
    style->*which.color = color;
    preview_->SetStyle(*style);
}

}  // namespace vesk
