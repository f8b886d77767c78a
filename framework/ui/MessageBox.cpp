// Message boxes: text assembly from language files and the replaceable presenter behind them.
#include "framework/ui/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include "framework/text/LangTable.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/ReplaceableHook.h"

namespace ov {
namespace {

QMessageBox::StandardButtons ToQtButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon ToQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

int FromQtButton(int button)
{
    switch (button) {
    case QMessageBox::Ok: return kMessageOk;
    case QMessageBox::Yes: return kMessageYes;
    case QMessageBox::No: return kMessageNo;
    default: return kMessageCancel;  // Cancel, Escape, closed window
    }
}

int PresentWithQMessageBox(const MessageRequest& request)
{
    // Widgets need a QApplication; without one the box cannot appear and counts as cancelled.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return kMessageCancel;
    QString title = request.title.isEmpty() ? QApplication::applicationDisplayName() : request.title;
    QMessageBox box(ToQtIcon(request.icon), title, request.text, ToQtButtons(request.buttons),
                    request.parent);
    return FromQtButton(box.exec());
}

ReplaceableHook<MessagePresenter>& Presenter()
{
    static ReplaceableHook<MessagePresenter> presenter;
    return presenter;
}

}  // namespace

MessagePresenter SetMessagePresenter(MessagePresenter presenter)
{
    return Presenter().Set(std::move(presenter));
}

ScopedMessagePresenter::ScopedMessagePresenter(MessagePresenter presenter)
    : previous_(SetMessagePresenter(std::move(presenter)))
{
}

ScopedMessagePresenter::~ScopedMessagePresenter()
{
    SetMessagePresenter(std::move(previous_));
}

int ShowMessage(const MessageRequest& request)
{
    // A copy, so a presenter that installs another one does not pull itself from under its own call.
    MessagePresenter presenter = Presenter().Get();
    return presenter ? presenter(request) : PresentWithQMessageBox(request);
}

QString MessageText(LangTable& table, std::string_view section, int entry, const QString& appended)
{
    return QString::fromStdU16String(table.GetLocalizedText(section, entry)) + appended;
}

int ShowLocalizedMessage(LangTable& table, std::string_view section, int entry, const QString& appended,
                         MessageButtons buttons, MessageIcon icon, QWidget* parent)
{
    MessageRequest request;
    request.parent = parent;
    request.text = MessageText(table, section, entry, appended);
    request.buttons = buttons;
    request.icon = icon;
    return ShowMessage(request);
}

int ShowSharedMessage(std::string_view section, int entry, const QString& appended, MessageButtons buttons,
                      MessageIcon icon, QWidget* parent)
{
    LangTable table;
    table.Open(CurrentLanguageCode(), "ALL_MSG.xml");
    return ShowLocalizedMessage(table, section, entry, appended, buttons, icon, parent);
}

}  // namespace ov
