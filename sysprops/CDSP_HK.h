// CDSP_HK: the hotkey page of the system properties: the host's commands (asked for once with 0x7EE)
// in a scrolled list of rows with their icons and key combinations, and a menu that clears the keys
// of one command or of all, or loads and saves ".hk2" files. It edits the host's table in place.
#pragma once

#include "chart/SheetPage.h"
#include "sysprops/HotkeyListGeometry.h"

#include <ornivex/ornivex.h>
#include <ornivex/sysprops.h>

#include <QRect>
#include <QString>

#include <string>
#include <vector>

class QLabel;
class QScrollBar;

namespace ov {

enum HotkeySysControl : int { kSpHotkeyScroll = 1301, kSpHotkeyMenu = 1302, kSpHotkeyPanel = 1303 };

// The menu's commands.
enum HotkeyMenuCommand : int { kHkClearCommand = 1, kHkClearAllAsked, kHkClearAll, kHkLoad, kHkSave };

// The folder slot of the hotkey files' dialogs ("LID_3").
constexpr int kHotkeyFolderSlot = 3;

class CDSP_HK : public SheetPage {
    Q_OBJECT
public:
    // A null table gives an empty page.
    CDSP_HK(HotkeyTable* table, OvHostWindow* host, QWidget* parent);

    int CommandCount() const { return static_cast<int>(commands_.size()); }
    QString RowText(int row) const { return texts_[static_cast<std::size_t>(row)]; }
    int SelectedRow() const { return selected_; }
    int FirstVisible() const { return first_; }
    // The list area and its rows at the page's current size.
    QRect ListRect() const;
    HotkeyRows Rows() const;
    // Runs a menu command on the selected row and rebuilds the list.
    void RunMenuCommand(int command);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void wheelEvent(QWheelEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void AskForCommands(OvHostWindow* host);
    void BuildControls();
    void Rebuild();
    void ScrollTo(int first);
    void OpenMenu(QPoint globalPos);
    void LoadFile();
    void SaveFile();

    HotkeyTable* table_;
    std::vector<const HotkeyCommand*> commands_;
    std::vector<std::u16string> keyNames_;
    std::vector<QString> texts_;
    int first_ = 0;
    int selected_ = -1;
    QScrollBar* scroll_ = nullptr;
    QLabel* panel_ = nullptr;
    QWidget* menuButton_ = nullptr;
};

}  // namespace ov
