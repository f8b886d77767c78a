// COvMenu: the library's pop-up menu. Items carry a command number, a text and an icon from the host's
// icons folder; ticked items show the check icon; greyed items cannot be chosen.
#pragma once

#include <QMenu>
#include <QPoint>
#include <QString>

#include <memory>
#include <vector>

namespace ov {

enum MenuItemFlags : unsigned { kMenuNormal = 0, kMenuTicked = 1, kMenuGreyed = 2 };

class COvMenu {
public:
    COvMenu();

    void AppendItem(unsigned flags, int command, const QString& text, const QString& iconName = {});
    void AppendSeparator();
    // A submenu shown as an item of this menu; its commands come back through this menu's Track.
    COvMenu& AppendSubmenu(const QString& text, const QString& iconName = {});
    bool IsEmpty() const { return menu_.actions().isEmpty(); }

    // Opens the menu at a screen point and returns the chosen command, or 0 when nothing was chosen.
    int Track(const QPoint& globalPos);

    QMenu& Menu() { return menu_; }
    static int CommandOf(const QAction* action);

private:
    QMenu menu_;
    std::vector<std::unique_ptr<COvMenu>> submenus_;
};

}  // namespace ov
