#include "dialogs/editoptions/CScribblePage.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSlider>

#include "notewnd/CScribbleNoteWnd.h"

namespace vesk {

namespace {
constexpr int kSampleMargin = 2;
}  // namespace

CBrushSizeSample::CBrushSizeSample(int radius, int largest, QWidget* parent)
    : QWidget(parent), radius_(radius) {
    const int side = 2 * (largest + kSampleMargin);
    setFixedSize(side, side);
}

void CBrushSizeSample::SetRadius(int radius) {
    radius_ = radius;
    update();
}

void CBrushSizeSample::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().text());
    painter.drawEllipse(QRectF(rect()).center(), radius_, radius_);
}

CScribblePage::CScribblePage(CScribbleNoteWnd& note, NoteHost& host)
    : CEditPage(note, host, QStringLiteral("Scribble"), QStringLiteral("Scribble"), "scribble"),
      scribble_(note),
      brush_(new QSlider(Qt::Horizontal, this)),
      sample_(new CBrushSizeSample(note.GetBrushSize(), kMaxBrush, this)),
      clear_(new QPushButton(QStringLiteral("Clear"), this)) {
    brush_->setRange(kMinBrush, kMaxBrush);
    brush_->setValue(note.GetBrushSize());
    clear_->setAutoDefault(false);
    connect(brush_, &QSlider::valueChanged, this, [this](int radius) {
        scribble_.SetBrushSize(radius);
        sample_->SetRadius(radius);
    });
    connect(clear_, &QPushButton::clicked, this, [this] { scribble_.ClearDrawing(); });

    auto* layout = new QGridLayout(this);
    layout->addWidget(brush_, 0, 0);
    layout->addWidget(sample_, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Left-click to draw"), this), 1, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Right-click to erase"), this), 2, 0, 1, 2);
    layout->addWidget(clear_, 3, 0, 1, 2, Qt::AlignLeft);
    layout->setRowStretch(4, 1);
}

}  // namespace vesk
