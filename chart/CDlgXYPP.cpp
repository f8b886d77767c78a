// The X-Y property sheet: tab strip, paging, placement, buttons and the current-series rules.
#include "chart/CDlgXYPP.h"
#include "chart/XYChartSheet.h"

#include "chart/CDPP_Axis.h"
#include "chart/CDPP_ChartStyle.h"
#include "chart/CDPP_DSList.h"
#include "chart/CDPP_DataTable.h"
#include "chart/CDPP_General.h"
#include "chart/CDPP_Legend.h"
#include "chart/CDPP_TickGrid.h"
#include "chart/DataSeriesObject.h"
#include "framework/settings/RegKeyHandle.h"
#include "framework/text/LangTable.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/DialogTexts.h"
#include "framework/ui/GuardedHandler.h"
#include "framework/ui/HelpFile.h"
#include "framework/ui/InterfaceFont.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QWheelEvent>

#include <algorithm>
#include <cstring>

namespace ov {
namespace {

constexpr QRgb kPageFrame = 0xc8c8c8;
constexpr QRgb kPageInner = 0xe6e6e6;

QRect ToQRect(const ScreenRect& r)
{
    return {r.left, r.top, r.Width(), r.Height()};
}

ScreenRect ToScreenRect(const QRect& r)
{
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// The dialog face colour less 0x0f0a0a (blue 0x0f, green and red 0x0a), for tabs not chosen.
QColor InactiveTabColour(const QColor& face)
{
    return QColor(std::max(face.red() - 0x0a, 0), std::max(face.green() - 0x0a, 0),
                  std::max(face.blue() - 0x0f, 0));
}

}  // namespace

CDlgXYPP::CDlgXYPP(const ChartSheetCall& call) : QDialog(call.parent), call_(call)
{
    setFont(InterfaceFont());
    setWindowTitle(tr("Glyph Properties"));
    BuildControls();
    Layout();
    LoadTexts();
    EnsurePage(kSlotSeriesList);
    const RegKeyHandle key(kSheetSettingsKey);
    SelectTab(static_cast<int>(key.ReadDword(StartTabValueName(Kind()), 0)));
    SeriesPage()->SelectRow(0);
    Place();
}

void CDlgXYPP::BuildControls()
{
    const DialogUnits du(font());
    setFixedSize(du.X(460), du.Y(334));
    frame_ = new QWidget(this);
    frame_->setObjectName(ControlName(kXYFrame));
    frame_->setGeometry(du.Rect(6, 6, 448, 300));
    frame_->setAttribute(Qt::WA_TransparentForMouseEvents);
    listWidth_ = new QWidget(this);
    listWidth_->setObjectName(ControlName(kXYListWidth));
    listWidth_->setGeometry(du.Rect(6, 6, 112, 8));
    listWidth_->hide();
    help_ = new QPushButton(tr("Help"), this);
    apply_ = new QPushButton(tr("Apply"), this);
    ok_ = new QPushButton(tr("OK"), this);
    cancel_ = new QPushButton(tr("Cancel"), this);
    const std::pair<QPushButton*, int> buttons[] = {
        {help_, kXYHelp}, {apply_, kXYApply}, {ok_, kXYOk}, {cancel_, kXYCancel}};
    const int lefts[] = {6, 266, 330, 398};
    for (int i = 0; i < 4; ++i) {
        buttons[i].first->setObjectName(ControlName(buttons[i].second));
        buttons[i].first->setGeometry(du.Rect(lefts[i], 312, i == 0 ? 50 : 56, 15));
        buttons[i].first->setAutoDefault(false);
    }
    ok_->setDefault(true);  // Enter anywhere in the sheet collects and closes with OK
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(apply_, &QPushButton::clicked, this, Guarded(this, &CDlgXYPP::Apply));
    connect(help_, &QPushButton::clicked, this, Guarded(this, [this] { ShowHelpFile(this); }));
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), this);
    auto* previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), this);
    connect(next, &QShortcut::activated, this,
            Guarded(this, [this] { SelectTab(TabAfterWheel(currentTab_, -1, Kind())); }));
    connect(previous, &QShortcut::activated, this,
            Guarded(this, [this] { SelectTab(TabAfterWheel(currentTab_, 1, Kind())); }));
}

void CDlgXYPP::Layout()
{
    const ScreenRect frame = ToScreenRect(frame_->geometry());
    const int tabHeight = ok_->height();
    tabs_ = SheetTabRects(frame, tabHeight, Kind());
    areas_ = SheetPageAreas(frame, tabHeight, listWidth_->width(), Kind());
}

void CDlgXYPP::LoadTexts()
{
    LangTable texts;
    texts.Open(CurrentLanguageCode(), "GP1.xml");
    static const char* const kBuiltIn[kSheetTabs] = {"General", "Tick/Grid",   "Legend", "Axis",
                                                     "Data",    "Chart Style", "3D"};
    for (int i = 0; i < kSheetTabs; ++i) {
        const std::u16string text = texts.GetLocalizedText("gPGT", i + 1);
        tabLabels_[static_cast<std::size_t>(i)] =
            text.empty() ? tr(kBuiltIn[i]) : QString::fromStdU16String(text);
    }
    static const int32_t kButtons[] = {kXYOk, 1, kXYCancel, 2, kXYApply, 3, kXYHelp, 4, 0, 5, -1, -1};
    ApplyLocalizedTexts(texts, "gDD", kButtons, this);
    const int titleIndex = Kind() == 4 ? 8 : Kind() == 6 ? 9 : 0;
    if (titleIndex) {
        const std::u16string title = texts.GetLocalizedText("gDD", titleIndex);
        if (!title.empty()) setWindowTitle(QString::fromStdU16String(title));
    }
}

std::vector<DataSeries*> CDlgXYPP::SeriesList() const
{
    std::vector<DataSeries*> series;
    const OvHostList* list = call_.seriesList;
    for (const OvHostListNode* node = list ? list->head : nullptr; node; node = node->next)
        series.push_back(static_cast<DataSeries*>(node->data));
    return series;
}

CDPP_DSList* CDlgXYPP::SeriesPage() const
{
    return static_cast<CDPP_DSList*>(pages_[kSlotSeriesList]);
}

std::vector<DataSeries*> CDlgXYPP::SelectedSeries() const
{
    return SeriesPage() ? SeriesPage()->SelectedSeries() : std::vector<DataSeries*>{};
}

ScreenRect CDlgXYPP::PageRect(int slot) const
{
    if (slot == kSlotSeriesList) return areas_.seriesList;
    if (slot == kSlotDataTable || slot == kSlotChartStyle) return areas_.right;
    return areas_.page;
}

SheetPage* CDlgXYPP::EnsurePage(int slot)
{
    SheetPage*& page = pages_[static_cast<std::size_t>(slot)];
    if (page) return page;
    if (slot == kSlotSeriesList)
        page = new CDPP_DSList(*this);
    else if (slot == kSlotDataTable)
        page = new CDPP_DataTable(*this);
    else if (slot == kSlotChartStyle)
        page = new CDPP_ChartStyle(*this);
    else if (slot == kSlotGeneral)
        page = new CDPP_General(Record(), this);
    else if (slot == kSlotTickGrid)
        page = new CDPP_TickGrid(Record(), call_.hostWindow, this);
    else if (slot == kSlotLegend)
        page = new CDPP_Legend(Record(), false, this);
    else if (slot == kSlotAxis) {
        auto* axis = new CDPP_Axis(Record(), false, this);
        connect(axis, &CDPP_Axis::enableChanged, this, Guarded(this, &CDlgXYPP::OnAxisEnabled));
        page = axis;
    } else
        page = new SheetPage(this);  // pages still to come leave the page area empty
    page->setObjectName(QStringLiteral("page_%1").arg(slot));
    page->setGeometry(ToQRect(PageRect(slot)));
    page->setVisible(currentTab_ >= 0 && SlotOnTab(slot, currentTab_));
    return page;
}

void CDlgXYPP::SelectTab(int tab)
{
    tab = ClampSheetTab(tab, Kind());
    if (tab == currentTab_) return;
    currentTab_ = tab;
    update();
    EnsurePage(SlotOfTab(tab));
    for (int slot = 0; slot < kSheetPageSlots; ++slot)
        if (SheetPage* page = pages_[static_cast<std::size_t>(slot)]) page->setVisible(SlotOnTab(slot, tab));
}

void CDlgXYPP::SelectCurrentSeries()
{
    if (currentTab_ == kTabData) EnsurePage(kSlotDataTable);
    if (currentTab_ == kTabChartStyle) EnsurePage(kSlotChartStyle);
    const std::vector<DataSeries*> selected = SelectedSeries();
    DataSeries* next = selected.empty() ? current_ : selected.front();
    if (next == current_) return;
    if (SheetPage* table = pages_[kSlotDataTable]) table->StoreSeries(current_);
    current_ = next;
    for (int slot : {kSlotDataTable, kSlotChartStyle})
        if (SheetPage* page = pages_[static_cast<std::size_t>(slot)]) page->ReloadSeries();
}

void CDlgXYPP::SeriesRemoved(DataSeries* series)
{
    if (series != current_) return;
    // The table's edits of a series about to be destroyed go with it.
    current_ = nullptr;
    for (int slot : {kSlotDataTable, kSlotChartStyle})
        if (SheetPage* page = pages_[static_cast<std::size_t>(slot)]) page->ReloadSeries();
}

void CDlgXYPP::RefreshSeriesNames()
{
    if (SheetPage* list = pages_[kSlotSeriesList]) list->RefreshCoordinateSystem();
}

void CDlgXYPP::SetCoordinateSystem(int system)
{
    if (!current_) return;
    const int allowed = AllowedCoordinateSystem(Record(), system);
    if (allowed == SeriesSystem(*current_)) return;
    SetSeriesSystem(*current_, allowed);
    for (SheetPage* page : pages_)
        if (page) page->RefreshCoordinateSystem();
}

void CDlgXYPP::OnAxisEnabled(int axis, bool enabled)
{
    // The axis page has already set the shown flag; a series left in a switched-off system 1 goes
    // back to system 0, and the chart-style radio buttons follow the flags.
    if (axis == OV_AXIS_Y2 && !enabled && current_ && SeriesSystem(*current_) == 1)
        SetSeriesSystem(*current_, 0);
    for (SheetPage* page : pages_)
        if (page) page->RefreshCoordinateSystem();
}

void CDlgXYPP::Collect()
{
    for (SheetPage* page : pages_)
        if (page) page->Store();
    if (SheetPage* table = pages_[kSlotDataTable]) table->StoreSeries(current_);
}

void CDlgXYPP::Apply()
{
    Collect();
    if (call_.hostRecord && call_.hostRecord != call_.record)
        std::memcpy(call_.hostRecord, call_.record, sizeof(ChartRecord));
    OvHostWindow* host = call_.hostWindow;
    if (host && host->send_message) host->send_message(host, kChartApplyMessage, 0, 0);
}

void CDlgXYPP::done(int result)
{
    // A sheet that cannot collect its pages stays open with the message; remembering the placement
    // never keeps it from closing.
    if (result == QDialog::Accepted && !RunGuarded(this, [this] { Collect(); })) return;
    RunGuarded(this, [this] { SaveSettings(); });
    QDialog::done(result);
}

void CDlgXYPP::Place()
{
    QWidget* host = call_.hostWindow ? static_cast<QWidget*>(call_.hostWindow->widget) : nullptr;
    QScreen* primary = QGuiApplication::primaryScreen();
    const QRect hostRect = host ? QRect(host->mapToGlobal(QPoint(0, 0)), host->size())
                                : (primary ? primary->availableGeometry() : QRect(0, 0, 1280, 1024));
    const RegKeyHandle key(kSheetSettingsKey);
    const int x = static_cast<int>(key.ReadDword("X", static_cast<uint32_t>((hostRect.width() - 800) / 2)));
    const int y = static_cast<int>(key.ReadDword("Y", static_cast<uint32_t>((hostRect.height() - 640) / 2)));
    ScreenRect window{hostRect.left() + x, hostRect.top() + y, 0, 0};
    window.right = window.left + width();
    window.bottom = window.top + height();
    QScreen* screen = QGuiApplication::screenAt(ToQRect(window).center());
    if (!screen) screen = primary;
    if (screen) {
        const QRect virtualArea = screen->virtualGeometry();
        window = KeepOnMonitor(window, virtualArea.left(), virtualArea.top(),
                               ToScreenRect(screen->availableGeometry()));
    }
    move(window.left, window.top);
}

void CDlgXYPP::SaveSettings()
{
    if (settingsSaved_) return;
    settingsSaved_ = true;
    QWidget* host = call_.hostWindow ? static_cast<QWidget*>(call_.hostWindow->widget) : nullptr;
    const QPoint hostPos = host ? host->mapToGlobal(QPoint(0, 0)) : QPoint(0, 0);
    RegKeyHandle key(kSheetSettingsKey);
    key.WriteDword("X", static_cast<uint32_t>(x() - hostPos.x()));
    key.WriteDword("Y", static_cast<uint32_t>(y() - hostPos.y()));
    key.WriteDword("W", static_cast<uint32_t>(width()));
    key.WriteDword("H", static_cast<uint32_t>(height()));
    key.WriteDword(StartTabValueName(Kind()), static_cast<uint32_t>(std::max(currentTab_, 0)));
}

int CDlgXYPP::TabAt(QPoint pos) const
{
    for (int i = 0; i < kSheetTabs; ++i)
        if (tabs_[static_cast<std::size_t>(i)].Width() > 0 &&
            ToQRect(tabs_[static_cast<std::size_t>(i)]).contains(pos))
            return i;
    return -1;
}

void CDlgXYPP::mousePressEvent(QMouseEvent* event)
{
    RunGuarded(this, [&] {
        const int tab = TabAt(event->position().toPoint());
        if (event->button() != Qt::LeftButton || tab < 0) return QDialog::mousePressEvent(event);
        setFocus();
        SelectTab(tab);
    });
}

void CDlgXYPP::wheelEvent(QWheelEvent* event)
{
    RunGuarded(this, [&] {
        const int delta = event->angleDelta().y();
        if (TabAt(event->position().toPoint()) < 0 || delta == 0) return QDialog::wheelEvent(event);
        SelectTab(TabAfterWheel(currentTab_, delta, Kind()));
    });
}

void CDlgXYPP::paintEvent(QPaintEvent*)
{
    RunGuarded(this, [this] {
        QPainter p(this);
        const QRect page = ToQRect(areas_.page);
        p.setPen(QColor(kPageFrame));
        p.drawRect(page.adjusted(-1, -1, 0, 0));
        p.setPen(QColor(kPageInner));
        p.drawRect(page.adjusted(0, 0, -1, -1));
        p.fillRect(page.adjusted(1, 1, -1, -1), Qt::white);
        const QColor inactive = InactiveTabColour(palette().color(QPalette::Button));
        for (int i = 0; i < kSheetTabs; ++i) {
            QRect tab = ToQRect(tabs_[static_cast<std::size_t>(i)]);
            if (tab.width() <= 0) continue;
            const bool current = i == currentTab_;
            if (current) tab.setBottom(tab.bottom() + 1);
            p.fillRect(tab, current ? QColor(Qt::white) : inactive);
            p.setPen(QColor(kPageFrame));
            p.drawRect(tab.adjusted(0, 0, -1, current ? 0 : -1));
            p.setPen(palette().color(QPalette::ButtonText));
            const QRect text(tab.left(), tab.top() + tab.height() / 4, tab.width(), tab.height());
            p.drawText(text, Qt::AlignHCenter | Qt::AlignTop, tabLabels_[static_cast<std::size_t>(i)]);
        }
    });
}

int RunXYChartSheet(ChartSheetCall& call)
{
    if (!call.record) return kDialogCancel;
    CDlgXYPP sheet(call);
    return sheet.exec() == QDialog::Accepted ? kDialogOk : kDialogCancel;
}

}  // namespace ov
