// The per-call scope of the entry points and the lazily created QApplication.
#include "host/CallScope.h"

#include "framework/ui/StoreProblemMessages.h"
#include "host/GDlgApp.h"

#include <QApplication>

namespace ov {

CallScope::CallScope()
{
    // Numbers are read and written with "." whatever the host's locale, on this thread only.
    numeric_ = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
    if (numeric_) previous_ = uselocale(numeric_);
}

CallScope::~CallScope()
{
    if (!numeric_) return;
    uselocale(previous_);
    freelocale(numeric_);
}

bool PrepareUi()
{
    if (!QCoreApplication::instance()) {
        // The host has no Qt application: make one that lives as long as the process. It is never
        // destroyed, because the library may be unloaded while Qt still references it.
        static int argc = 1;
        static char name[] = "ornivex";
        static char* argv[] = {name, nullptr};
        static QApplication* app = new QApplication(argc, argv);
        (void)app;
    }
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return false;
    // Before the application object's first settings read, so that a failing store is seen.
    ShowStoreProblemsAsMessages();
    COvGDlgApp::Instance().InitUi();
    return true;
}

}  // namespace ov
