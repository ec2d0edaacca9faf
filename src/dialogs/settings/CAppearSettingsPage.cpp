#include "dialogs/settings/CAppearSettingsPage.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>
#include <array>
#include <string_view>

#include "dialogs/settings/CFontRow.h"
#include "settings/SettingsData.h"

namespace vesk {
namespace {

// The date list's entries in order: month first, day first.
constexpr std::array<std::u16string_view, 2> kDateFormats{u"%m/%d/%Y", u"%d/%m/%Y"};

int DateFormatEntry(const std::u16string& format) {
    for (std::size_t i = 0; i < kDateFormats.size(); ++i) {
        if (kDateFormats[i] == format) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

CAppearSettingsPage::CAppearSettingsPage(SettingsData& settings, QWidget* parent)
    : CSettingsPage(settings, parent) {
    shadow_ =
        AddCheck("noteShadow", QStringLiteral("Enable Note &Shadows"), settings_.GetNoteShadow());
    solid_ = AddCheck("solidOnSelect", QStringLiteral("Notes Turn Solid On &Focus"),
                      settings_.GetSolidOnSelect());
    dateFormat_ = AddList("dateFormat", {QStringLiteral("MM/DD/YY"), QStringLiteral("DD/MM/YY")},
                          DateFormatEntry(settings_.GetDateFormat()));
    contentFont_ =
        new CFontRow("content", settings_.GetContentFont(), settings_.GetContentFont(), this);
    titleFont_ = new CFontRow("title", settings_.GetTitleFont(), settings_.GetContentFont(), this);
    translucency_ = new QSlider(Qt::Horizontal, this);
    translucency_->setObjectName(QStringLiteral("translucency"));
    translucency_->setRange(0, 255);
    translucency_->setValue(settings_.GetAlpha());
    showTitle_ = AddCheck("showTitle", QStringLiteral("Show &Title Bar"), settings_.GetShowTitle());
    randomStyle_ =
        AddCheck("randomStyle", QStringLiteral("Use &Random Style"), settings_.GetRandomStyle());

    auto* slider = new QHBoxLayout;
    slider->addWidget(new QLabel(QStringLiteral("[Invisible]"), this));
    slider->addWidget(translucency_, 1);
    slider->addWidget(new QLabel(QStringLiteral("[Solid]"), this));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Date Format:"), dateFormat_);
    form->addRow(QStringLiteral("Default Font:"), contentFont_);
    form->addRow(QStringLiteral("Title Font:"), titleFont_);
    auto* translucency = new QLabel(QStringLiteral("Tr&anslucency:"), this);
    translucency->setBuddy(translucency_);
    form->addRow(translucency, slider);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(shadow_);
    layout->addWidget(solid_);
    layout->addLayout(form);
    layout->addWidget(showTitle_);
    layout->addWidget(randomStyle_);
    layout->addStretch();
}

void CAppearSettingsPage::Apply() {
    settings_.SetAlpha(static_cast<std::uint8_t>(translucency_->value()));
    settings_.SetContentFont(contentFont_->Font());
    settings_.SetTitleFont(titleFont_->Font());
    settings_.SetNoteShadow(shadow_->isChecked());
    settings_.SetSolidOnSelect(solid_->isChecked());
    settings_.SetShowTitle(showTitle_->isChecked());
    settings_.SetRandomStyle(randomStyle_->isChecked());
    if (const int entry = dateFormat_->currentIndex(); entry >= 0) {
        settings_.SetDateFormat(std::u16string(kDateFormats[static_cast<std::size_t>(entry)]));
    }
}

}  // namespace vesk
