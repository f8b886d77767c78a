// CDlgClipPath: the Clipped Path dialog. The view of the pieces beside a column of controls: the tip,
// pick all or none, the two options the host reads ("Delete src", "Create to new layer"), "Apply
// Next" that hands the picked pieces to the host at once, OK and Cancel.
#pragma once

#include "paths/COvCPSheet.h"

#include <ornivex/hostlist.h>
#include <ornivex/hostwindow.h>

#include <QDialog>

#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;

namespace ov {

class CDlgClipPath : public QDialog {
    Q_OBJECT
public:
    // Control ids; the widgets are named ControlName(id) ("ctl_<id>").
    enum ControlId : int {
        kIdOk = 1,
        kIdCancel = 2,
        kIdTip = 1001,
        kIdPickAll = 1002,
        kIdPickNone = 1003,
        kIdDeleteSrc = 1004,
        kIdNewLayer = 1005,
        kIdApplyNext = 1006,
        kIdMethod = 1007,
        kIdView = 1008,
    };

    // results: the host's list whose first record is the view record; results are appended to it.
    CDlgClipPath(QWidget* parent, OvHostWindow* hostWindow, std::vector<PathObject> paths,
                 OvHostList* results);
    // Stores the options and the window, whichever button closed the dialog.
    ~CDlgClipPath() override;
    CDlgClipPath(const CDlgClipPath&) = delete;
    CDlgClipPath& operator=(const CDlgClipPath&) = delete;

    // Cuts the paths into pieces and runs the dialog. 1 (OK) or 2 (Cancel).
    int DoModal();

    COvCPSheet& View() { return *view_; }
    int ApplyCount() const { return applyCount_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void BuildControls();
    void ApplyTexts();
    void LayoutControls();
    void RestorePlacement();
    void RefreshTitle();
    void OnTip();
    void OnApplyNext();
    void OnOk();

    OvHostWindow* hostWindow_;
    std::vector<PathObject> paths_;
    OvHostList* results_;
    int applyCount_ = 0;
    COvCPSheet* view_ = nullptr;
    QPushButton* tip_ = nullptr;
    QPushButton* pickAll_ = nullptr;
    QPushButton* pickNone_ = nullptr;
    QCheckBox* deleteSource_ = nullptr;
    QCheckBox* newLayer_ = nullptr;
    QPushButton* applyNext_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QLabel* method_ = nullptr;
    int columnLeft_ = 0;
};

}  // namespace ov
