// CDlgGDByFunc: computes one column of a table from a formula (column kind) or the z grid of a
// surface (surface kind), with a history of formulas and a help area of text pages.
#pragma once

#include <QDialog>

#include <cstdint>
#include <string>
#include <vector>

#include "data/formula/FormulaHistory.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QStackedWidget;
class QTextEdit;

namespace ov {

class FormulaHelpTabs;
class FormulaPicture;

class CDlgGDByFunc : public QDialog {
    Q_OBJECT
public:
    enum ControlId : int {
        kIdOk = 1,
        kIdCancel = 2,
        kIdStart = 1001,
        kIdTilde = 1002,
        kIdEnd = 1003,
        kIdFormula = 1004,
        kIdHistory = 1005,
        kIdHelpText = 1006,
        kIdPicture = 1007,
        kIdTabs = 1008,
    };

    explicit CDlgGDByFunc(QWidget* parent = nullptr);
    ~CDlgGDByFunc() override;
    CDlgGDByFunc(const CDlgGDByFunc&) = delete;
    CDlgGDByFunc& operator=(const CDlgGDByFunc&) = delete;

    // Reads the history file of the kind, shows the dialog; 1 (OK, output written) or 2 (Cancel).
    int DoModal();

    FormulaKind kind = FormulaKind::Column;
    const double* source = nullptr;  // column kind: column-major, rows x columns
    double* output = nullptr;        // rows values, or nx * ny values; owned by the caller
    int32_t rows = 0;                // surface kind: nx
    int32_t columns = 0;             // surface kind: ny
    double xStart = 0, xEnd = 1, yStart = 0, yEnd = 1;
    std::u16string startText = u"0";
    std::u16string endText = u"1";
    std::u16string formulaText = u"a^2";
    int32_t page = kHistoryPage;
    std::vector<std::u16string> history;

    void accept() override;

private:
    void BuildControls();
    void LoadHistory();
    void PutControlValues();
    void ShowPage(int shown);
    void OnHistoryChosen(int row);
    bool RunColumn();
    bool RunSurface();
    void SaveHistory();

    QLineEdit* start_ = nullptr;
    QLabel* tilde_ = nullptr;
    QLineEdit* end_ = nullptr;
    QLineEdit* formula_ = nullptr;
    QListWidget* historyList_ = nullptr;
    QTextEdit* helpText_ = nullptr;
    QStackedWidget* helpStack_ = nullptr;
    FormulaHelpTabs* tabs_ = nullptr;
    FormulaPicture* picture_ = nullptr;
};

// Help page file names: column kind "1" "2" "3" "4", surface kind "1z" "2" "3" "4z".
std::string HelpPageName(FormulaKind kind, int page);

}  // namespace ov
