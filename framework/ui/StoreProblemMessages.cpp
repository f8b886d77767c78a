// StoreProblemMessages: the settings store's problem listener, over the shared message texts.
#include "framework/ui/StoreProblemMessages.h"

#include <QApplication>
#include <QThread>

#include <cstdio>

#include "framework/settings/RegistryStore.h"
#include "framework/ui/MessageBox.h"

namespace ov {
namespace {

void Present(const StoreProblem& problem)
{
    // Entries S01 to S05 of "gMSG_SET" follow the order of the kinds.
    const int entry = static_cast<int>(problem.kind) + 1;
    ShowSharedMessage("gMSG_SET", entry, QString::fromStdString(problem.path), MessageButtons::Ok,
                      MessageIcon::Warning, QApplication::activeWindow());
}

void Hear(const StoreProblem& problem)
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (app == nullptr) {
        std::fprintf(stderr, "ornivex: settings store %s: %s\n", problem.path.c_str(),
                     problem.detail.c_str());
        return;
    }
    if (QThread::currentThread() == app->thread()) return Present(problem);
    QMetaObject::invokeMethod(
        app, [problem] { Present(problem); }, Qt::QueuedConnection);
}

}  // namespace

void ShowStoreProblemsAsMessages()
{
    static const bool installed = [] {
        RegistryStore::SetProblemListener(Hear);
        return true;
    }();
    (void)installed;
}

}  // namespace ov
