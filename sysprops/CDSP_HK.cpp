// The hotkey page of the system properties: the command rows, their scrolling and the menu.
#include "sysprops/CDSP_HK.h"

#include "chart/PageTexts.h"
#include "framework/settings/RememberedFolder.h"
#include "framework/text/LangTable.h"
#include "framework/text/LanguageChoice.h"
#include "framework/toolbar/COvMenu.h"
#include "framework/ui/DialogTexts.h"
#include "framework/ui/FileDialogs.h"
#include "framework/ui/GuardedHandler.h"
#include "framework/ui/MessageBox.h"
#include "sysprops/HotkeyBindings.h"
#include "sysprops/HotkeyFile.h"

#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace ov {
namespace {

constexpr QRgb kSelectedRow = 0x3CC8C8FF;  // translucent fill over the selected row
constexpr int kMargin = 8;
constexpr int kPanelWidth = 170;
constexpr int kScrollWidth = 16;

std::vector<std::u16string> KeyNames()
{
    LangTable texts;
    texts.Open(CurrentLanguageCode(), "ML_LANG_05.xml");
    std::vector<std::u16string> names;
    names.reserve(OV_HOTKEY_KEYS);
    for (int k = 0; k < OV_HOTKEY_KEYS; ++k) names.push_back(texts.GetLocalizedText("gKP_1", k + 1));
    return names;
}

}  // namespace

CDSP_HK::CDSP_HK(HotkeyTable* table, OvHostWindow* host, QWidget* parent)
    : SheetPage(parent), table_(table), keyNames_(KeyNames())
{
    if (table_) AskForCommands(host);
    BuildControls();
    Rebuild();
}

void CDSP_HK::AskForCommands(OvHostWindow* host)
{
    if (!host || !host->send_message) return;
    OvHostList list;
    ov_list_init(&list);
    host->send_message(host, OV_MSG_HOTKEY_COMMANDS, reinterpret_cast<uintptr_t>(&list), 0);
    for (int32_t i = 0; i < ov_list_count(&list); ++i)
        if (const auto* command = static_cast<const HotkeyCommand*>(ov_list_at(&list, i)))
            commands_.push_back(command);
    ov_list_remove_all(&list);  // the host keeps its commands; only the list nodes are ours
}

void CDSP_HK::BuildControls()
{
    PageTexts texts("ML_LANG_04.xml", "gPP_6");
    scroll_ = Named(new QScrollBar(Qt::Vertical, this), kSpHotkeyScroll);
    connect(scroll_, &QScrollBar::valueChanged, this, Guarded(this, [this](int value) { ScrollTo(value); }));
    panel_ = Named(new QLabel(this), kSpHotkeyPanel);
    panel_->setWordWrap(true);
    panel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    panel_->setText(texts.Text(2,
                               "Click a command to see its keys; right-click it or press Menu to clear "
                               "keys or to load and save hotkey files."));
    auto* menu = Named(new QPushButton(texts.Text(1, "Menu"), this), kSpHotkeyMenu);
    menuButton_ = menu;
    connect(menu, &QPushButton::clicked, this, Guarded(this, [this] { OpenMenu(QCursor::pos()); }));
}

QRect CDSP_HK::ListRect() const
{
    return {kMargin, kMargin, std::max(width() - 3 * kMargin - kPanelWidth - kScrollWidth, 0),
            std::max(height() - 2 * kMargin, 0)};
}

HotkeyRows CDSP_HK::Rows() const
{
    std::vector<int> icons;
    for (const HotkeyCommand* command : commands_) icons.push_back(command->icon_size[0]);
    return LayOutHotkeyRows(logicalDpiY(), icons, ListRect().height());
}

void CDSP_HK::resizeEvent(QResizeEvent*)
{
    RunGuarded(this, [this] {
        const QRect list = ListRect();
        scroll_->setGeometry(list.right() + 1, list.top(), kScrollWidth, list.height());
        const int panelLeft = list.right() + 1 + kScrollWidth + kMargin;
        const int buttonHeight = menuButton_->sizeHint().height();
        panel_->setGeometry(panelLeft, list.top(), kPanelWidth, list.height() - buttonHeight - kMargin);
        menuButton_->setGeometry(panelLeft, list.bottom() + 1 - buttonHeight, kPanelWidth / 2, buttonHeight);
        Rebuild();
    });
}

void CDSP_HK::Rebuild()
{
    texts_.clear();
    for (const HotkeyCommand* command : commands_)
        texts_.push_back(
            QString::fromStdU16String(KeyCombinationText(*table_, WordsOf(*command), keyNames_)));
    const int visible = Rows().visibleRows;
    const QSignalBlocker quiet(scroll_);
    scroll_->setRange(0, std::max(CommandCount() - visible, 0));
    scroll_->setPageStep(std::max(visible, 1));
    ScrollTo(first_);
}

void CDSP_HK::ScrollTo(int first)
{
    first_ = ClampFirstVisible(first, CommandCount(), Rows().visibleRows);
    const QSignalBlocker quiet(scroll_);
    scroll_->setValue(first_);
    update();
}

void CDSP_HK::paintEvent(QPaintEvent*)
{
    RunGuarded(this, [this] {
        QPainter p(this);
        const QRect list = ListRect();
        p.fillRect(list, Qt::white);
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(list.adjusted(-1, -1, 0, 0));
        p.setClipRect(list);
        const HotkeyRows rows = Rows();
        for (int row = first_; row < CommandCount(); ++row) {
            const int top = list.top() + static_cast<int>((row - first_) * rows.height);
            if (top >= list.bottom()) break;
            const QRect rect(list.left(), top, list.width(), static_cast<int>(rows.height));
            const HotkeyCommand& command = *commands_[static_cast<std::size_t>(row)];
            const int iconSide = rect.height() - 4;
            if (const auto* image = static_cast<const QImage*>(command.icon_image))
                p.drawImage(
                    QRect(rect.left() + 4, rect.top() + 2, iconSide, iconSide), *image,
                    QRect(command.icon_x, command.icon_y, command.icon_size[0], command.icon_size[1]));
            p.setPen(palette().color(QPalette::Text));
            p.drawText(rect.adjusted(iconSide + 12, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft,
                       texts_[static_cast<std::size_t>(row)]);
            if (row == selected_) p.fillRect(rect, QColor::fromRgba(kSelectedRow));
        }
    });
}

void CDSP_HK::mousePressEvent(QMouseEvent* event)
{
    RunGuarded(this, [&] {
        const QPoint pos = event->position().toPoint();
        const QRect list = ListRect();
        const auto row = RowAt(pos.y(), list.top(), list.height(), Rows(), first_, CommandCount());
        if (!list.contains(pos) || !row) return SheetPage::mousePressEvent(event);
        selected_ = *row;
        panel_->setText(texts_[static_cast<std::size_t>(selected_)]);
        update();
        if (event->button() == Qt::RightButton) OpenMenu(event->globalPosition().toPoint());
    });
}

void CDSP_HK::wheelEvent(QWheelEvent* event)
{
    RunGuarded(this, [&] {
        const int steps = event->angleDelta().y() / 120;
        if (steps == 0) return SheetPage::wheelEvent(event);
        ScrollTo(first_ - steps);
    });
}

void CDSP_HK::OpenMenu(QPoint globalPos)
{
    PageTexts texts("ML_LANG_02.xml", "gPOP_1");
    const char* builtIn[] = {"Clear Keys of This Command", "Clear All Keys...", "Clear All Keys",
                             "Load Hotkeys...", "Save Hotkeys..."};
    COvMenu menu;
    for (int command = kHkClearCommand; command <= kHkSave; ++command)
        menu.AppendItem(command == kHkClearCommand && selected_ < 0 ? kMenuGreyed : kMenuNormal, command,
                        texts.Text(command, builtIn[command - 1]));
    if (const int command = menu.Track(globalPos)) RunMenuCommand(command);
}

void CDSP_HK::RunMenuCommand(int command)
{
    if (!table_) return;
    switch (command) {
    case kHkClearCommand:
        if (selected_ >= 0)
            ClearCommandKeys(*table_, WordsOf(*commands_[static_cast<std::size_t>(selected_)]));
        break;
    case kHkClearAllAsked: {
        LangTable texts;
        texts.Open(CurrentLanguageCode(), "ML_LANG_04.xml");
        if (ShowLocalizedMessage(texts, "gMSG_2", 1, {}, MessageButtons::YesNo, MessageIcon::Question,
                                 this) == kMessageYes)
            ClearAllKeys(*table_);
        break;
    }
    case kHkClearAll: ClearAllKeys(*table_); break;
    case kHkLoad: LoadFile(); break;
    case kHkSave: SaveFile(); break;
    default: return;
    }
    Rebuild();
}

void CDSP_HK::LoadFile()
{
    OpenFileRequest request;
    request.parent = this;
    request.folder = QString::fromStdString(ReadRememberedFolder(kHotkeyFolderSlot));
    request.filters = NameFiltersFromPairs(QStringLiteral("Ornivex Hotkeys (*.hk2)|*.hk2|"));
    const QStringList chosen = ShowOpenFileDialog(request);
    if (chosen.isEmpty()) return;
    const std::string path = chosen.front().toStdString();
    RememberFolderOf(kHotkeyFolderSlot, path);
    if (LoadHotkeyFile(path, *table_) == HotkeyFileRead::kShort)
        ShowMessage({this,
                     {},
                     QString::fromStdString(ShortHotkeyFileMessage(path)),
                     MessageButtons::Ok,
                     MessageIcon::Warning});
}

void CDSP_HK::SaveFile()
{
    OpenFileRequest request;
    request.parent = this;
    request.save = true;
    request.folder = QString::fromStdString(ReadRememberedFolder(kHotkeyFolderSlot));
    request.filters = NameFiltersFromPairs(QStringLiteral("Tessoral Hotkeys (*.hk2)|*.hk2|"));
    request.fileName = QStringLiteral("Untitled.hk2");
    request.defaultSuffix = QStringLiteral("hk2");
    const QString chosen = ShowSaveFileDialog(request);
    if (chosen.isEmpty()) return;
    RememberFolderOf(kHotkeyFolderSlot, chosen.toStdString());
    SaveHotkeyFile(*table_, chosen.toStdString());  // a file that cannot be written is not reported
}

}  // namespace ov
