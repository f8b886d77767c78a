// CDlgSetStrings: the Set Strings prompt. Up to six labelled rows of text boxes or editable
// drop-downs, numeric rows evaluated as expressions, OK, Cancel and an optional Apply that hands the
// values to the anchor window while the prompt stays open.
#pragma once

#include "framework/prompt/SetStrings.h"
#include "framework/prompt/SetStringsRows.h"

#include <ornivex/ornivex.h>

#include <QDialog>

#include <array>
#include <optional>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ov {

// Control ids (objectNames "ctl_<id>"): OK, Cancel and Apply, then labels, text boxes and drop-downs
// of rows 1-6 (id + row - 1).
enum SetStringsControl : int {
    kSsOk = 1,
    kSsCancel = 2,
    kSsApply = 3,
    kSsLabel = 1001,
    kSsEdit = 1011,
    kSsDropDown = 1021,
    kSsSeparator = 1031
};

constexpr uint32_t kSetStringsApplyMessage = 0x198C;

class CDlgSetStrings : public QDialog {
    Q_OBJECT
public:
    CDlgSetStrings(SetStringsSetup setup, QWidget* parent = nullptr);

    // The values: the caller's until OK or Apply collected them.
    const std::vector<std::u16string>& Values() const { return setup_.values; }

private:
    void BuildControls();
    void ShowRows();
    void ShrinkAndPlace();
    void Collect();
    void OnOk();
    void OnApply();
    SetStringsRowArray ReadRows() const;

    SetStringsSetup setup_;
    SetStringsRowArray rows_;
    std::array<QLabel*, kSetStringsRows> labels_{};
    std::array<QLineEdit*, kSetStringsRows> edits_{};
    std::array<QComboBox*, kSetStringsRows> dropDowns_{};
    QFrame* separator_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* apply_ = nullptr;
};

}  // namespace ov
