// CDlgOpenASCPreView: the preview and settings dialog of the ASCII import. It shows the first lines
// of the file with numbered prefixes and edits where the data start, the column count and which
// lines give the series name and the column titles.
#pragma once

#include <QDialog>

#include <cstdint>
#include <string>
#include <vector>

#include "data/import/AsciiImportSettings.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace ov {

class CDlgOpenASCPreView : public QDialog {
    Q_OBJECT
public:
    // Control ids; the widgets are named ControlName(id) ("ctl_<id>").
    enum ControlId : int {
        kIdOk = 1,
        kIdCancel = 2,
        kIdPreview = 1001,
        kIdPreviewLabel = 1002,
        kIdStartLineLabel = 1003,
        kIdStartLine = 1004,
        kIdColumnsLabel = 1005,
        kIdColumns = 1006,
        kIdAutoCheck = 1007,
        kIdSeriesNameLabel = 1008,
        kIdSeriesNameLine = 1009,
        kIdDismissSeriesName = 1010,
        kIdColumnTitleLabel = 1011,
        kIdColumnTitleLine = 1012,
        kIdDismissColumnTitles = 1013,
    };

    // Reads the remembered settings.
    explicit CDlgOpenASCPreView(QWidget* parent = nullptr);
    // Writes the settings back, whichever button closed the dialog.
    ~CDlgOpenASCPreView() override;
    CDlgOpenASCPreView(const CDlgOpenASCPreView&) = delete;
    CDlgOpenASCPreView& operator=(const CDlgOpenASCPreView&) = delete;

    // Shows the preview of previewLines with the current settings; 1 (OK) or 2 (Cancel). May be
    // called again for the next file.
    int DoModal();

    AsciiImportSettings settings;
    int32_t titleMode = 0;  // >= 1 both title groups, 0 no column titles, < 0 neither
    std::vector<std::string> previewLines;

    // OK: takes the control values into the members; an edit without a valid integer keeps the
    // dialog open, shows the message "Enter a whole number: " (gMSG_NUM of ALL_MSG.xml) with the
    // edit's text and puts the focus on the edit.
    void accept() override;

private:
    void BuildControls();
    void ApplyTexts();
    void FillPreview();
    void ApplyTitleMode();
    void UpdateEnabling();
    void PutControlValues();
    QLineEdit* TakeControlValues();
    void OnCheckBoxClicked();

    QPlainTextEdit* preview_ = nullptr;
    QLineEdit* startLine_ = nullptr;
    QLineEdit* columns_ = nullptr;
    QCheckBox* autoCheck_ = nullptr;
    QLineEdit* seriesNameLine_ = nullptr;
    QCheckBox* dismissSeriesName_ = nullptr;
    QLineEdit* columnTitleLine_ = nullptr;
    QCheckBox* dismissColumnTitles_ = nullptr;
    std::vector<QWidget*> seriesNameGroup_;
    std::vector<QWidget*> columnTitleGroup_;
};

// The preview font: "Consolas" 9 pt regular, or the system fixed font at 9 pt when it is missing.
QFont PreviewFont();

}  // namespace ov
