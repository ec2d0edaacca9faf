#include "dialogs/editoptions/CTransPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <cmath>

#include "notewnd/CVeskNoteWnd.h"

namespace vesk {

int AlphaToPercent(int alpha) { return static_cast<int>(std::lround(alpha / 255.0 * 100.0)); }

int PercentToAlpha(int percent) { return static_cast<int>(std::lround(percent / 100.0 * 255.0)); }

CTransPage::CTransPage(CVeskNoteWnd& note, NoteHost& host)
    : CEditPage(note, host, QStringLiteral("T"), QStringLiteral("Transparency"), "transparency"),
      slider_(new QSlider(Qt::Horizontal, this)),
      value_(new QLabel(this)) {
    slider_->setRange(kMinPercent, kMaxPercent);
    slider_->setPageStep(10);
    slider_->setValue(AlphaToPercent(Record().GetAlpha()));
    value_->setText(QStringLiteral("%1%").arg(slider_->value()));
    // Wide enough for "100%" from the start, so the slider never jumps.
    value_->setMinimumWidth(value_->fontMetrics().horizontalAdvance(QStringLiteral("100%")));
    connect(slider_, &QSlider::valueChanged, this, &CTransPage::Moved);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(slider_, 1);
    layout->addWidget(value_);
}

void CTransPage::Moved(int percent) {
    value_->setText(QStringLiteral("%1%").arg(percent));
    Note().SetAlpha(PercentToAlpha(percent));
}

}  // namespace vesk
