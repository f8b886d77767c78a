// The frame of the chart property sheets: tab strip, paging, buttons, placement and remembered tab.
#include "chart/SheetFrame.h"

#include "chart/SheetPage.h"
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

SheetFrame::SheetFrame(SheetHost host, SheetShape shape)
    : QDialog(host.parent),
      host_(host),
      shape_(std::move(shape)),
      pages_(static_cast<std::size_t>(shape_.pageSlots), nullptr)
{
    setFont(InterfaceFont());
    setWindowTitle(tr("Glyph Properties"));
    BuildControls();
    tabs_ = SheetTabRects(FrameRect(), TabHeight(), shape_.tabs);
    const ScreenRect frame = FrameRect();
    pageArea_ = {frame.left + 1, frame.top + TabHeight() + 1, frame.right - 1, frame.bottom - 1};
    LoadTexts();
}

void SheetFrame::BuildControls()
{
    const DialogUnits du(font());
    const int w = shape_.widthDu;
    const int h = shape_.heightDu;
    setFixedSize(du.X(w), du.Y(h));
    frame_ = new QWidget(this);
    frame_->setObjectName(ControlName(kSheetFrame));
    frame_->setGeometry(du.Rect(6, 6, w - 12, h - 34));
    frame_->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* help = new QPushButton(tr("Help"), this);
    auto* apply = new QPushButton(tr("Apply"), this);
    ok_ = new QPushButton(tr("OK"), this);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    const std::pair<QPushButton*, int> buttons[] = {
        {help, kSheetHelp}, {apply, kSheetApply}, {ok_, kSheetOk}, {cancel, kSheetCancel}};
    const int lefts[] = {6, w - 194, w - 130, w - 62};  // Help left, the others right-aligned
    for (int i = 0; i < 4; ++i) {
        buttons[i].first->setObjectName(ControlName(buttons[i].second));
        buttons[i].first->setGeometry(du.Rect(lefts[i], h - 22, i == 0 ? 50 : 56, 15));
        buttons[i].first->setAutoDefault(false);
    }
    ok_->setDefault(true);  // Enter anywhere in the sheet collects and closes with OK
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(apply, &QPushButton::clicked, this, Guarded(this, &SheetFrame::Apply));
    connect(help, &QPushButton::clicked, this, Guarded(this, [this] { Help(); }));
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), this);
    auto* previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), this);
    connect(next, &QShortcut::activated, this,
            Guarded(this, [this] { SelectTab(TabAfterWheel(currentTab_, -1, shape_.tabs)); }));
    connect(previous, &QShortcut::activated, this,
            Guarded(this, [this] { SelectTab(TabAfterWheel(currentTab_, 1, shape_.tabs)); }));
}

ScreenRect SheetFrame::FrameRect() const
{
    return ToScreenRect(frame_->geometry());
}

int SheetFrame::TabHeight() const
{
    return ok_->height();
}

void SheetFrame::LoadTexts()
{
    LangTable texts;
    texts.Open(CurrentLanguageCode(), shape_.textFile);
    for (int i = 0; i < shape_.tabs.count; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const int entry = index < shape_.tabTexts.size() ? shape_.tabTexts[index] : i + 1;
        const std::u16string text = texts.GetLocalizedText("gPGT", entry);
        const char* builtIn = index < shape_.builtInLabels.size() ? shape_.builtInLabels[index] : "";
        tabLabels_.push_back(text.empty() ? tr(builtIn) : QString::fromStdU16String(text));
    }
    std::vector<int32_t> buttons = shape_.buttonTexts;
    buttons.insert(buttons.end(), {-1, -1});  // the table's end, whatever the shape gave
    ApplyLocalizedTexts(texts, "gDD", buttons.data(), this);
}

ScreenRect SheetFrame::PageRect(int slot) const
{
    (void)slot;
    return pageArea_;
}

void SheetFrame::Help()
{
    ShowHelpFile(this);
}

SheetPage* SheetFrame::EnsurePage(int slot)
{
    SheetPage*& page = pages_[static_cast<std::size_t>(slot)];
    if (page) return page;
    page = CreatePage(slot);
    if (!page) page = new SheetPage(this);  // pages still to come leave the page area empty
    page->setObjectName(QStringLiteral("page_%1").arg(slot));
    page->setGeometry(ToQRect(PageRect(slot)));
    page->setVisible(currentTab_ >= 0 && SlotOnTab(slot, currentTab_));
    return page;
}

void SheetFrame::SelectTab(int tab)
{
    tab = ClampTab(tab, shape_.tabs);
    if (tab == currentTab_) return;
    currentTab_ = tab;
    update();
    for (int slot = 0; slot < shape_.pageSlots; ++slot)
        if (SlotOnTab(slot, tab)) EnsurePage(slot);
    for (int slot = 0; slot < shape_.pageSlots; ++slot)
        if (SheetPage* page = pages_[static_cast<std::size_t>(slot)]) page->setVisible(SlotOnTab(slot, tab));
}

void SheetFrame::SelectStartTab()
{
    const RegKeyHandle key(kSheetSettingsKey);
    // SelectTab clamps: a value past the last tab opens the last one.
    SelectTab(static_cast<int>(key.ReadDword(shape_.startTabValue, 0)));
}

void SheetFrame::Collect()
{
    for (SheetPage* page : pages_)
        if (page) page->Store();
}

void SheetFrame::Apply()
{
    if (!shape_.remembersPlacement) SaveStartTab();
    Collect();
    CommitApply();
    OvHostWindow* host = host_.window;
    const auto param = shape_.applyParam;
    if (host && host->send_message)
        host->send_message(host, kChartApplyMessage, param, static_cast<intptr_t>(param));
}

void SheetFrame::done(int result)
{
    // A sheet that cannot collect its pages stays open with the message; remembering the placement
    // never keeps it from closing.
    if (result == QDialog::Accepted && !RunGuarded(this, [this] { Collect(); })) return;
    if (shape_.remembersPlacement)
        RunGuarded(this, [this] { SaveSettings(); });
    else if (result == QDialog::Accepted)
        RunGuarded(this, [this] { SaveStartTab(); });
    QDialog::done(result);
}

void SheetFrame::Place()
{
    QWidget* host = host_.window ? static_cast<QWidget*>(host_.window->widget) : nullptr;
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

void SheetFrame::SaveSettings()
{
    if (settingsSaved_) return;
    settingsSaved_ = true;
    QWidget* host = host_.window ? static_cast<QWidget*>(host_.window->widget) : nullptr;
    const QPoint hostPos = host ? host->mapToGlobal(QPoint(0, 0)) : QPoint(0, 0);
    RegKeyHandle key(kSheetSettingsKey);
    key.WriteDword("X", static_cast<uint32_t>(x() - hostPos.x()));
    key.WriteDword("Y", static_cast<uint32_t>(y() - hostPos.y()));
    key.WriteDword("W", static_cast<uint32_t>(width()));
    key.WriteDword("H", static_cast<uint32_t>(height()));
    SaveStartTab();
}

void SheetFrame::SaveStartTab()
{
    RegKeyHandle key(kSheetSettingsKey);
    key.WriteDword(shape_.startTabValue, static_cast<uint32_t>(std::max(currentTab_, 0)));
}

int SheetFrame::TabAt(QPoint pos) const
{
    for (std::size_t i = 0; i < tabs_.size(); ++i)
        if (tabs_[i].Width() > 0 && ToQRect(tabs_[i]).contains(pos)) return static_cast<int>(i);
    return -1;
}

void SheetFrame::mousePressEvent(QMouseEvent* event)
{
    RunGuarded(this, [&] {
        const int tab = TabAt(event->position().toPoint());
        if (event->button() != Qt::LeftButton || tab < 0) return QDialog::mousePressEvent(event);
        setFocus();
        SelectTab(tab);
    });
}

void SheetFrame::wheelEvent(QWheelEvent* event)
{
    RunGuarded(this, [&] {
        const int delta = event->angleDelta().y();
        if (TabAt(event->position().toPoint()) < 0 || delta == 0) return QDialog::wheelEvent(event);
        SelectTab(TabAfterWheel(currentTab_, delta, shape_.tabs));
    });
}

void SheetFrame::paintEvent(QPaintEvent*)
{
    RunGuarded(this, [this] {
        QPainter p(this);
        const QRect page = ToQRect(pageArea_);
        p.setPen(QColor(kPageFrame));
        p.drawRect(page.adjusted(-1, -1, 0, 0));
        p.setPen(QColor(kPageInner));
        p.drawRect(page.adjusted(0, 0, -1, -1));
        p.fillRect(page.adjusted(1, 1, -1, -1), Qt::white);
        const QColor inactive = InactiveTabColour(palette().color(QPalette::Button));
        for (std::size_t i = 0; i < tabs_.size(); ++i) {
            QRect tab = ToQRect(tabs_[i]);
            if (tab.width() <= 0) continue;
            const bool current = static_cast<int>(i) == currentTab_;
            if (current) tab.setBottom(tab.bottom() + 1);
            p.fillRect(tab, current ? QColor(Qt::white) : inactive);
            p.setPen(QColor(kPageFrame));
            p.drawRect(tab.adjusted(0, 0, -1, current ? 0 : -1));
            p.setPen(palette().color(QPalette::ButtonText));
            const QRect text(tab.left(), tab.top() + tab.height() / 4, tab.width(), tab.height());
            p.drawText(text, Qt::AlignHCenter | Qt::AlignTop, tabLabels_[i]);
        }
    });
}

}  // namespace ov
