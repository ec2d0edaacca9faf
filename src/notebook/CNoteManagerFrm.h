#pragma once

#include <QMainWindow>

#include "notebook/NotebookServices.h"

namespace vesk {

class CNotePreviewView;
class CRightView;

// The Notebook window: the note list on the left, the preview on the right,
// and a status line that tells what the last action did. It has a task-bar
// entry of its own; closing it only hides it, so the folder, the rows, their
// check marks and the selection are there when it is shown again.
class CNoteManagerFrm : public QMainWindow {
    Q_OBJECT

public:
    explicit CNoteManagerFrm(NotebookServices& services);
    ~CNoteManagerFrm() override;

    CRightView& List() { return *list_; }
    CNotePreviewView& Preview() { return *preview_; }

private:
    CRightView* list_;
    CNotePreviewView* preview_;
};

}  // namespace vesk
