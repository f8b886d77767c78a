// The pop-up colour picker.
#include "colour/COvColorPicker.h"

#include "colour/CDlgCPSnag.h"
#include "colour/Checkerboard.h"
#include "colour/ColourArithmetic.h"
#include "colour/ColourChooser.h"
#include "colour/PaletteImage.h"
#include "colour/PaletteMenu.h"
#include "colour/PopupPlacement.h"
#include "colour/RecentColours.h"
#include "framework/files/AtomicFile.h"
#include "framework/files/BoundedFileRead.h"
#include "framework/settings/RegKeyHandle.h"
#include "framework/settings/RememberedFolder.h"
#include "framework/text/HostFolder.h"
#include "framework/text/LangTable.h"
#include "framework/text/LanguageChoice.h"
#include "framework/toolbar/CDlgToolbar.h"
#include "framework/toolbar/COvMenu.h"
#include "framework/ui/FileDialogs.h"
#include "framework/ui/GuardedHandler.h"
#include "framework/ui/MessageBox.h"
#include "framework/ui/UiScale.h"

#include <QApplication>
#include <QCursor>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>
#include <system_error>

namespace ov {

namespace {

constexpr std::string_view kPaletteIndexValue = "iCC";

int S(double scale, int pixels)
{
    return static_cast<int>(std::lround(pixels * scale));
}

QString FromU16(const std::u16string& text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

PickerLayout MakePickerLayout(double s)
{
    PickerLayout l;
    const int margin = S(s, 4);
    const int width = SliderMax(s) + 2 * margin;
    l.toolbar = QRect(0, 0, width, S(s, 28));
    const int cell = S(s, 14);
    const int step = (width - 2 * margin) / 16;
    for (int i = 0; i < 16; ++i)
        l.recentCells[static_cast<std::size_t>(i)] = QRect(margin + i * step, S(s, 32), cell, cell);
    l.palette = QRect(margin, S(s, 52), width - 2 * margin, S(s, 128));
    l.slider = QRect(margin, l.palette.bottom() + S(s, 6), SliderMax(s), S(s, 16));
    l.preview = QRect(margin, l.slider.bottom() + S(s, 6), S(s, 40), S(s, 22));
    l.info =
        QRect(l.preview.right() + S(s, 8), l.preview.top(), width - l.preview.right() - S(s, 12), S(s, 22));
    l.size = QSize(width, l.preview.bottom() + margin + 1);
    return l;
}

COvColorPicker::COvColorPicker(QWidget* owner) : CDialogFadeEx(owner)
{
    setObjectName("colourPicker");
    setMouseTracking(true);
    uiScale_ = UiScaleOf(*this);
    layout_ = MakePickerLayout(uiScale_);
    resize(layout_.size);
    toolbar_ = new CDlgToolbar(this);
    toolbar_->setObjectName("pickerToolbar");
    toolbar_->Load("tb_color_picker");
    toolbar_->setGeometry(layout_.toolbar);
    connect(toolbar_, &CDlgToolbar::commandPosted, this, Guarded(this, &COvColorPicker::OnToolbarCommand));
    sliderChecker_ = CheckerboardTile("Pics/CP_Alpha.bmp");

    LoadRecentColours(SharedRecentColours());
    palettes_ = FindPaletteFiles(HostFolder(), AppDataFolder());
    RegKeyHandle key(kRecentColourKey);
    SelectPalette(ClampPaletteIndex(key.ReadDword(kPaletteIndexValue, 0), palettes_.Count()));
}

COvColorPicker::~COvColorPicker()
{
    qApp->removeEventFilter(this);
    // Nothing may leave a destructor: a failed save shows its message and the picker still goes.
    RunGuarded(parentWidget(), [this] {
        RegKeyHandle key(kRecentColourKey);
        if (key.IsOpen()) key.WriteDword(kPaletteIndexValue, static_cast<uint32_t>(currentPalette_));
        SaveRecentColours(SharedRecentColours());
    });
}

void COvColorPicker::SetTarget(uint32_t* target)
{
    target_ = target;
    if (target_) sliderPosition_ = SliderFromAlpha(AlphaOf(*target_), uiScale_);
    update();
}

void COvColorPicker::PopUpAt(QPoint globalPos)
{
    const QScreen* screen = QGuiApplication::screenAt(globalPos);
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect workArea = screen ? screen->availableGeometry() : QRect();
    FadeIn(PopupRect(globalPos, layout_.size, workArea));
}

QString COvColorPicker::InfoText() const
{
    return QString::fromStdString(InfoLine(target_ ? *target_ : 0, sliderPosition_, uiScale_));
}

void COvColorPicker::SetColour(uint32_t argb)
{
    if (!target_) return;
    *target_ = argb;
    lastPicked_ = argb;
    changed_ = true;
    update();
    Q_EMIT colourChanged(kColourChangedWParam, kColourChangedLParam);
}

void COvColorPicker::SetSliderFromX(int x)
{
    if (!target_) return;
    sliderPosition_ = ClampSliderPosition(x - layout_.slider.left(), uiScale_);
    SetColour(WithAlpha(*target_, AlphaFromSlider(sliderPosition_, uiScale_)));
}

void COvColorPicker::ExecuteCommand(int command)
{
    if (!target_) return;
    std::optional<uint32_t> colour;
    switch (command) {
    case kPickBlack: colour = kOpaqueBlack; break;
    case kPickWhite: colour = kOpaqueWhite; break;
    case kPickFromScreen: colour = CDlgCPSnag::PickFromScreen(this).value_or(*target_); break;
    case kPaletteMenu: ShowPaletteMenu(); return;
    case kPickRandom: {
        std::minstd_rand random(
            static_cast<uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
        colour = RandomArgb([&random] { return static_cast<uint32_t>(random()); });
        break;
    }
    case kPickFromChooser: {
        const auto chosen = ChooseColour(this, QColor::fromRgb(*target_));
        colour = chosen ? WithRgbOf(*target_, chosen->rgb()) : *target_;
        break;
    }
    default: return;
    }
    sliderPosition_ = SliderFromAlpha(AlphaOf(*colour), uiScale_);
    SetColour(*colour);
}

void COvColorPicker::OnToolbarCommand(int command, const ToolbarButton*)
{
    ExecuteCommand(command);
}

void COvColorPicker::SelectPalette(int index)
{
    currentPalette_ = ClampPaletteIndex(static_cast<uint32_t>(index), palettes_.Count());
    paletteImage_ = palettes_.files.empty()
                        ? QImage()
                        : LoadPaletteFile(palettes_.files[static_cast<std::size_t>(currentPalette_)]);
    update();
}

void COvColorPicker::ShowPaletteMenu()
{
    LangTable table;
    table.Open(CurrentLanguageCode(), "LANG_01.xml");
    const PaletteMenuTexts texts{table.GetLocalizedText("gPSC", 1), table.GetLocalizedText("gPSC", 2),
                                 table.GetLocalizedText("gPSC", 3)};
    COvMenu menu;
    for (const auto& entry :
         BuildPaletteMenu(palettes_.builtInCount, palettes_.HasUserPalette(), currentPalette_, texts)) {
        if (entry.separator)
            menu.AppendSeparator();
        else
            menu.AppendItem(entry.ticked ? kMenuTicked : kMenuNormal, entry.command, FromU16(entry.text));
    }
    HandlePaletteMenuCommand(menu.Track(QCursor::pos()));
}

void COvColorPicker::HandlePaletteMenuCommand(int command)
{
    if (command == kLoadUserPaletteCommand) {
        LoadUserPalette();
        return;
    }
    const int index = PaletteIndexOfCommand(command, palettes_.Count());
    if (index >= 0) SelectPalette(index);
}

void COvColorPicker::LoadUserPalette()
{
    OpenFileRequest request;
    request.parent = this;
    request.folder = QString::fromStdString(ReadRememberedFolder(kUserPaletteFolderSlot));
    request.filters = NameFiltersFromPairs("Windows Bitmap (*.bmp)|*.bmp|");
    const QStringList chosen = ShowOpenFileDialog(request);
    if (chosen.isEmpty()) return;
    const std::string path = chosen.front().toStdString();
    RememberFolderOf(kUserPaletteFolderSlot, path);
    const FileReadResult read = ReadFileBounded(path, kMaxPaletteFileBytes);
    const QByteArray bytes =
        QByteArray::fromRawData(read.bytes.data(), static_cast<qsizetype>(read.bytes.size()));
    if (!read || LoadPaletteImage(bytes).isNull()) {
        LangTable table;
        table.Open(CurrentLanguageCode(), "LANG_01.xml");
        ShowLocalizedMessage(table, "gPSC", 4, chosen.front(), MessageButtons::Ok, MessageIcon::Warning,
                             this);
        return;
    }
    // The copy replaces the old user palette whole or not at all.
    std::error_code error;
    std::filesystem::create_directories(AppDataFolder(), error);
    const std::filesystem::path userPalette = UserPalettePath(AppDataFolder());
    if (!WriteFileAtomically(userPalette, read.bytes)) {
        ShowSharedMessage("gMSG_FILE", 3, QString::fromStdString(userPalette.string()), MessageButtons::Ok,
                          MessageIcon::Warning, this);
        return;
    }
    palettes_ = FindPaletteFiles(HostFolder(), AppDataFolder());
    SelectPalette(palettes_.Count() - 1);
}

void COvColorPicker::mousePressEvent(QMouseEvent* event)
{
    RunGuarded(this, [&] {
        if (event->button() != Qt::LeftButton || !target_) return;
        const QPoint p = event->position().toPoint();
        const auto& cells = layout_.recentCells;
        const auto cell =
            std::find_if(cells.begin(), cells.end(), [&p](const QRect& r) { return r.contains(p); });
        if (cell != cells.end()) {
            const uint32_t colour = SharedRecentColours()[static_cast<std::size_t>(cell - cells.begin())];
            sliderPosition_ = SliderFromAlpha(AlphaOf(colour), uiScale_);
            SetColour(colour);
        } else if (layout_.palette.contains(p)) {
            if (!paletteImage_.isNull())
                SetColour(WithRgbOf(*target_, PaletteRgbAt(paletteImage_, layout_.palette.size(),
                                                           p - layout_.palette.topLeft())));
        } else if (layout_.slider.adjusted(0, 0, 1, 0).contains(p)) {
            draggingSlider_ = true;
            SetSliderFromX(p.x());
        }
    });
}

void COvColorPicker::mouseMoveEvent(QMouseEvent* event)
{
    RunGuarded(this, [&] {
        if (draggingSlider_) SetSliderFromX(event->position().toPoint().x());
    });
}

void COvColorPicker::mouseReleaseEvent(QMouseEvent*)
{
    draggingSlider_ = false;
}

void COvColorPicker::showEvent(QShowEvent* event)
{
    RunGuarded(this, [&] {
        CDialogFadeEx::showEvent(event);
        qApp->installEventFilter(this);
    });
}

void COvColorPicker::hideEvent(QHideEvent* event)
{
    RunGuarded(this, [&] {
        qApp->removeEventFilter(this);
        if (changed_) AddRecentColour(SharedRecentColours(), lastPicked_);
        changed_ = false;
        CDialogFadeEx::hideEvent(event);
    });
}

bool COvColorPicker::eventFilter(QObject* watched, QEvent* event)
{
    // A press in another window hides the picker, unless a dialog or menu of the picker is open.
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType() &&
        !QApplication::activeModalWidget() && !QApplication::activePopupWidget() &&
        static_cast<QWidget*>(watched)->window() != this)
        RunGuarded(this, [this] { hide(); });
    return false;
}

void COvColorPicker::paintEvent(QPaintEvent*)
{
    RunGuarded(this, [this] {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        const QImage cellTile = MakeCheckerboard({8, 8}, 4);
        const auto& recent = SharedRecentColours();
        for (std::size_t i = 0; i < recent.size(); ++i)
            PaintColourOverCheckerboard(painter, layout_.recentCells[i], recent[i], cellTile);
        if (!paletteImage_.isNull()) painter.drawImage(layout_.palette, paletteImage_);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(layout_.palette.adjusted(0, 0, -1, -1));

        const uint32_t colour = target_ ? *target_ : kOpaqueBlack;
        painter.fillRect(layout_.slider, QBrush(sliderChecker_));
        QLinearGradient ramp(layout_.slider.topLeft(), layout_.slider.topRight());
        ramp.setColorAt(0, QColor::fromRgba(WithAlpha(colour, 255)));
        ramp.setColorAt(1, QColor::fromRgba(WithAlpha(colour, 0)));
        painter.fillRect(layout_.slider, ramp);
        const int knobX = layout_.slider.left() + sliderPosition_;
        painter.setPen(QPen(palette().color(QPalette::Text), 2));
        painter.drawLine(knobX, layout_.slider.top() - 2, knobX, layout_.slider.bottom() + 2);

        PaintColourOverCheckerboard(painter, layout_.preview, colour, cellTile);
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(layout_.info, Qt::AlignVCenter | Qt::AlignLeft, InfoText());
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    });
}

}  // namespace ov
