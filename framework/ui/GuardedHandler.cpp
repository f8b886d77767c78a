// The guard of slots and event handlers: catch, show one message, keep the dialog alive.
#include "framework/ui/GuardedHandler.h"

#include "framework/text/LangTable.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/MessageBox.h"

#include <QString>

#include <filesystem>
#include <ios>
#include <mutex>
#include <new>

namespace ov {
namespace {

std::mutex faultMutex;
std::exception_ptr injectedFault;
// Set while a failure's message is up: handlers run by the box's own event loop (repaints, timers)
// that fail too add no second message.
thread_local bool t_reporting = false;

constexpr const char16_t* kFailed = u"The command could not be finished: ";

void ThrowInjectedFault()
{
    std::exception_ptr fault;
    {
        std::lock_guard lock(faultMutex);
        fault = std::exchange(injectedFault, nullptr);
    }
    if (fault) std::rethrow_exception(fault);
}

// The shared text, or the built-in English one when the language file cannot give it.
void Report(QWidget* owner, std::string_view section, int entry, const char16_t* fallback,
            const QString& appended = {})
{
    LangTable table;
    table.Open(CurrentLanguageCode(), "ALL_MSG.xml");
    QString text = QString::fromStdU16String(table.GetLocalizedText(section, entry));
    if (text.isEmpty()) text = QString::fromUtf16(fallback);
    MessageRequest request;
    request.parent = owner;
    request.text = text + appended;
    request.icon = MessageIcon::Warning;
    ShowMessage(request);
}

// Shows the message of the exception in flight. Must be called from a catch block.
void ReportCurrentException(QWidget* owner)
{
    try {
        throw;
    } catch (const std::bad_alloc&) {
        Report(owner, "gMSG_ERR", 1,
               u"There is not enough memory to finish this command. Nothing was changed.");
    } catch (const std::filesystem::filesystem_error& e) {
        Report(owner, "gMSG_FILE", 2, u"Cannot open the file: ", QString::fromStdString(e.path1().string()));
    } catch (const std::ios_base::failure& e) {
        Report(owner, "gMSG_ERR", 2, kFailed, QString::fromLocal8Bit(e.what()));
    } catch (const std::exception& e) {
        Report(owner, "gMSG_ERR", 2, kFailed, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        Report(owner, "gMSG_ERR", 2, kFailed, QStringLiteral("unknown error"));
    }
}

}  // namespace

bool RunGuarded(QWidget* owner, const std::function<void()>& body) noexcept
{
    try {
        ThrowInjectedFault();
        body();
        return true;
    } catch (...) {
        // Showing the message can itself fail (no memory left for the box); then the failure is
        // swallowed so that it still never reaches Qt.
        if (t_reporting) return false;
        t_reporting = true;
        try {
            ReportCurrentException(owner);
        } catch (...) {
        }
        t_reporting = false;
        return false;
    }
}

void InjectHandlerFault(std::exception_ptr fault)
{
    std::lock_guard lock(faultMutex);
    injectedFault = std::move(fault);
}

}  // namespace ov
