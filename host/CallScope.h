// CallScope: what every entry point holds for the length of one call. It makes the library's own
// state current (the "C" numeric locale for this thread, the application object, a QApplication)
// and gives the caller's back on every exit path.
#pragma once

#include <locale.h>
#include <clocale>

class QWidget;

namespace ov {

class CallScope {
public:
    CallScope();
    ~CallScope();
    CallScope(const CallScope&) = delete;
    CallScope& operator=(const CallScope&) = delete;

private:
    locale_t numeric_ = nullptr;
    locale_t previous_ = nullptr;
};

// Makes sure a QApplication exists (creating one when the host has none) and the application
// object's Qt part is started. False when widgets cannot be shown (the host runs a GUI application
// that is not a widgets application).
bool PrepareUi();

}  // namespace ov
