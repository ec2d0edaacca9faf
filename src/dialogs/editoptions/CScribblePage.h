#pragma once

#include <QWidget>

#include "dialogs/editoptions/CEditPage.h"

class QSlider;
class QPushButton;

namespace vesk {

class CScribbleNoteWnd;

// A filled circle as large as the brush draws.
class CBrushSizeSample : public QWidget {
    Q_OBJECT

public:
    CBrushSizeSample(int radius, int largest, QWidget* parent = nullptr);

    void SetRadius(int radius);
    int Radius() const { return radius_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int radius_;
};

// The brush of a scribble note's canvas, from 1 to 10 pixels, and "Clear",
// which blanks the canvas until Done Editing or Cancel Editing decides.
class CScribblePage : public CEditPage {
    Q_OBJECT

public:
    static constexpr int kMinBrush = 1;
    static constexpr int kMaxBrush = 10;

    CScribblePage(CScribbleNoteWnd& note, NoteHost& host);

    QSlider& Brush() { return *brush_; }
    const CBrushSizeSample& Sample() const { return *sample_; }
    QPushButton& Clear() { return *clear_; }

private:
    CScribbleNoteWnd& scribble_;
    QSlider* brush_;
    CBrushSizeSample* sample_;
    QPushButton* clear_;
};

}  // namespace vesk
