// HostWindow: the demo host's main window. Its menus reach every entry point of the library; it
// answers the library's messages and keeps the message log visible.
#pragma once

#include "HostDocument.h"

#include <QMainWindow>

#include <functional>
#include <vector>

class QDialog;
class QPlainTextEdit;

namespace ovhost {
class DocumentView;
}
namespace ov {
class ColourSwatch;
}

namespace ovhost {

// One menu command that calls an entry point; the tour runs them all.
struct HostCommand {
    QString id;  // file-name friendly, used by the tour
    QString menuText;
    std::function<int32_t()> run;
    bool acceptInTour = false;                  // the tour confirms this dialog instead of cancelling it
    std::function<void(QDialog&)> tourPrepare;  // run on the dialog before the tour takes its picture
};

class HostWindow : public QMainWindow {
    Q_OBJECT
public:
    HostWindow();
    const std::vector<HostCommand>& Commands() const { return commands_; }
    // Runs one command and logs its result.
    int32_t RunCommand(const HostCommand& command);
    // Opens the curve-colour picker under its swatch and returns the pop-up (the tour pictures it).
    QWidget* OpenCurvePicker();

private:
    void BuildCommands();
    int32_t TraceBitmap();
    void BuildMenus();
    void SwitchLanguage(int languageNumber);
    void Log(const QString& line);
    intptr_t OnLibraryMessage(uint32_t message, uintptr_t wparam, intptr_t lparam);
    static intptr_t ReceiveMessage(OvHostWindow* window, uint32_t message, uintptr_t wparam, intptr_t lparam);

    int32_t EditChart(ChartGlyph& glyph);
    int32_t EditStrings();
    int32_t ImportData();
    int32_t FillFromFormula(bool surface);
    int32_t CallGEEdt(void* data, void* context, uint32_t code, void* extra = nullptr);

    HostDocument document_;
    OvHostWindow hostWindow_{};
    std::vector<HostCommand> commands_;
    DocumentView* view_ = nullptr;
    class ov::ColourSwatch* curveSwatch_ = nullptr;
    QPlainTextEdit* log_ = nullptr;
};

}  // namespace ovhost
