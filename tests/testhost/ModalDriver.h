// ModalDriver: runs code that opens a modal dialog and acts on that dialog from inside its event loop,
// the way a user would: find controls by objectName, type, click, press keys, accept or cancel.
#pragma once

#include <QDialog>
#include <QString>

#include <functional>

namespace ovtest {

using DialogAction = std::function<void(QDialog&)>;

// Calls `open` (which runs a modal dialog) and, once the dialog is shown, `act` on it. If the dialog
// is still open after the action, it is rejected so a broken test never hangs. Returns open's result.
int RunModal(const std::function<int()>& open, const DialogAction& act, int timeoutMs = 10000);

// Whether RunModal saw a modal dialog during its last run.
bool LastRunSawDialog();

// Common actions.
void TypeInto(QDialog& dialog, const QString& objectName, const QString& text);
void Click(QDialog& dialog, const QString& objectName);
void PressKey(QDialog& dialog, Qt::Key key);
void Accept(QDialog& dialog);
void Cancel(QDialog& dialog);

// An empty modal dialog for tests of the dispatch: 1 (OK) when accepted, else 2 (Cancel).
int RunBareDialog(QWidget* parent);

// A preparer of the library's resources that always succeeds.
inline bool UiAlwaysReady()
{
    return true;
}

// A Qt application for tests (offscreen); created on first call.
void EnsureTestApplication();

}  // namespace ovtest
