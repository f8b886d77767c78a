// SheetFrame: what every property sheet shares (the chart sheets and the system properties): the
// owner-drawn tab strip (click, wheel, Ctrl+PageUp/PageDown), the page area whose pages are built the
// first time their tab is chosen, OK/Cancel/Apply/Help with Enter and Escape, the start tab (and for
// the chart sheets the placement) remembered under "GPPSet", and Apply collecting the pages and
// telling the host window.
#pragma once

#include <ornivex/ornivex.h>
#include "chart/SheetLayout.h"

#include <QDialog>

#include <string>
#include <vector>

class QPushButton;

namespace ov {

class SheetPage;

// Control ids shared by the sheets (objectNames "ctl_<id>").
enum SheetControl : int {
    kSheetOk = 1,
    kSheetCancel = 2,
    kSheetApply = 3,
    kSheetHelp = 2413,
    kSheetFrame = 1259
};

constexpr uint32_t kChartApplyMessage = 0x1980;
inline constexpr std::string_view kSheetSettingsKey = "Software\\Ornivex\\MP\\GPPSet";

// What tells one sheet from another to the frame.
struct SheetShape {
    TabStrip tabs;                           // count, width fraction and a tab shown with zero width
    int pageSlots = 0;                       // pages the sheet can build
    std::string startTabValue;               // "InitPage<n>" under "GPPSet"
    std::string textFile;                    // language file of the tab labels and buttons
    std::vector<int> tabTexts;               // entry of section "gPGT" per tab
    std::vector<const char*> builtInLabels;  // per tab, when the language file has no text
    int widthDu = 460;                       // the sheet's size in dialog units
    int heightDu = 334;
    // Button ids and their entries of section "gDD" in pairs (id 0: the title), ended by -1.
    std::vector<int32_t> buttonTexts = {kSheetOk, 1, kSheetCancel, 2, kSheetApply, 3, kSheetHelp, 4, 0,
                                        5,        -1};
    uintptr_t applyParam = 0;  // both parameters of the Apply message
    // true: placement and start tab are written whenever the sheet closes; false: only the start tab,
    // on OK and Apply.
    bool remembersPlacement = true;
};

// The window the sheet belongs to: the Qt parent and the host window that receives its messages.
struct SheetHost {
    QWidget* parent = nullptr;
    OvHostWindow* window = nullptr;
};

class SheetFrame : public QDialog {
    Q_OBJECT
public:
    SheetFrame(SheetHost host, SheetShape shape);

    void SelectTab(int tab);
    int CurrentTab() const { return currentTab_; }
    // The page of a slot, or null before its tab was first chosen.
    SheetPage* Page(int slot) const { return pages_[static_cast<std::size_t>(slot)]; }
    const std::vector<ScreenRect>& TabRects() const { return tabs_; }

    // Every page built so far stores its controls.
    virtual void Collect();
    // Collect, commit and send 0x1980 with the shape's Apply parameters to the host window.
    void Apply();

    void done(int result) override;

protected:
    // Builds the page of a slot (called once per slot, the first time one of its tabs is chosen).
    virtual SheetPage* CreatePage(int slot) = 0;
    // Which slots a tab shows; by default slot n belongs to tab n.
    virtual bool SlotOnTab(int slot, int tab) const { return slot == tab; }
    // Where a slot's page lies; by default the whole page area.
    virtual ScreenRect PageRect(int slot) const;
    // The Help button; by default the help file.
    virtual void Help();
    // Apply after the pages stored: what the sheet hands over before the host is told.
    virtual void CommitApply() {}

    OvHostWindow* HostWindow() const { return host_.window; }
    const ScreenRect& PageArea() const { return pageArea_; }
    ScreenRect FrameRect() const;
    int TabHeight() const;
    SheetPage* EnsurePage(int slot);
    // The stored start tab (clamped by SelectTab) is chosen; then the sheet is placed over the host.
    void SelectStartTab();
    void Place();

    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(class QMouseEvent*) override;
    void wheelEvent(class QWheelEvent*) override;

private:
    void BuildControls();
    void LoadTexts();
    void SaveSettings();
    void SaveStartTab();
    int TabAt(QPoint pos) const;

    SheetHost host_;
    SheetShape shape_;
    std::vector<SheetPage*> pages_;
    std::vector<ScreenRect> tabs_;
    std::vector<QString> tabLabels_;
    ScreenRect pageArea_;
    int currentTab_ = -1;
    QWidget* frame_ = nullptr;
    QPushButton* ok_ = nullptr;
    bool settingsSaved_ = false;
};

}  // namespace ov
