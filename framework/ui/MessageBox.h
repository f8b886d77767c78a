// Message boxes whose texts come from language files. Every box goes through one replaceable
// presenter, so tests see each request and answer it without a window.
#pragma once

#include <QString>

#include <functional>
#include <string_view>

class QWidget;

namespace ov {

class LangTable;

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Warning, Critical, Question };

// Results keep the numbers the dialog code compares with (1 OK, 2 Cancel, 6 Yes, 7 No).
enum MessageResult : int { kMessageOk = 1, kMessageCancel = 2, kMessageYes = 6, kMessageNo = 7 };

struct MessageRequest {
    QWidget* parent = nullptr;
    QString title;  // empty: the application's display name
    QString text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
};

using MessagePresenter = std::function<int(const MessageRequest&)>;

// Installs the presenter used by ShowMessage and returns the previous one; an empty function brings
// back the default (a modal QMessageBox, or kMessageCancel when there is no QApplication).
MessagePresenter SetMessagePresenter(MessagePresenter presenter);

// Installs a presenter for the lifetime of the object and restores the previous one afterwards.
class ScopedMessagePresenter {
public:
    explicit ScopedMessagePresenter(MessagePresenter presenter);
    ~ScopedMessagePresenter();
    ScopedMessagePresenter(const ScopedMessagePresenter&) = delete;
    ScopedMessagePresenter& operator=(const ScopedMessagePresenter&) = delete;

private:
    MessagePresenter previous_;
};

int ShowMessage(const MessageRequest& request);

// The entry's text followed directly by `appended` (a path, a number, a parser message ...).
QString MessageText(LangTable& table, std::string_view section, int entry, const QString& appended = {});

// Shows MessageText(...) from an open table (usually the dialog's own file).
int ShowLocalizedMessage(LangTable& table, std::string_view section, int entry, const QString& appended = {},
                         MessageButtons buttons = MessageButtons::Ok, MessageIcon icon = MessageIcon::Warning,
                         QWidget* parent = nullptr);

// Same, from the shared "ALL_MSG.xml" in the current language.
int ShowSharedMessage(std::string_view section, int entry, const QString& appended = {},
                      MessageButtons buttons = MessageButtons::Ok, MessageIcon icon = MessageIcon::Warning,
                      QWidget* parent = nullptr);

}  // namespace ov
