// The pop-up menu with icons and ticks, sized by the display density.
#include "framework/toolbar/COvMenu.h"

#include "framework/toolbar/ApxIcon.h"
#include "framework/ui/InterfaceFont.h"
#include "framework/ui/UiScale.h"

#include <QAction>

namespace ov {
namespace {

int IconSize()
{
    return qRound(16 * PrimaryScreenUiScale());
}

QIcon LoadIcon(const QString& name)
{
    ApxIcon icon;
    return icon.Load(name) ? icon.ToIcon(IconSize()) : QIcon();
}

}  // namespace

COvMenu::COvMenu()
{
    menu_.setFont(InterfaceFont());
}

void COvMenu::AppendItem(unsigned flags, int command, const QString& text, const QString& iconName)
{
    QAction* action = menu_.addAction(text);
    action->setData(command);
    action->setEnabled(!(flags & kMenuGreyed));
    if (flags & kMenuTicked)
        action->setIcon(LoadIcon(QStringLiteral("menu/check")));
    else if (!iconName.isEmpty())
        action->setIcon(LoadIcon(iconName));
}

void COvMenu::AppendSeparator()
{
    menu_.addSeparator();
}

COvMenu& COvMenu::AppendSubmenu(const QString& text, const QString& iconName)
{
    submenus_.push_back(std::make_unique<COvMenu>());
    COvMenu& submenu = *submenus_.back();
    submenu.menu_.setTitle(text);
    if (!iconName.isEmpty()) submenu.menu_.setIcon(LoadIcon(iconName));
    menu_.addMenu(&submenu.menu_);
    return submenu;
}

int COvMenu::CommandOf(const QAction* action)
{
    return action ? action->data().toInt() : 0;
}

int COvMenu::Track(const QPoint& globalPos)
{
    return CommandOf(menu_.exec(globalPos));
}

}  // namespace ov
