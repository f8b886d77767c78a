// The demo host's main window: menus over the four entry points, the language switch, help, and a log
// of every message the library sends.
#include "HostWindow.h"

#include "AnimationFrames.h"
#include "DocumentView.h"
#include "HostSettings.h"

#include "colour/COvColorPicker.h"
#include "colour/ColourChooser.h"
#include "colour/ColourSwatch.h"
#include "data/formula/CDlgGDByFunc.h"
#include "data/import/AsciiSeriesImport.h"
#include "framework/settings/RememberedFolder.h"
#include "framework/text/HostFolder.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/HelpFile.h"
#include "paths/COvCPSheet.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>

#include <algorithm>
#include <cmath>
#include <vector>

namespace ovhost {

HostWindow::HostWindow()
{
    setWindowTitle(tr("Ornivex dialogs — demo host"));
    hostWindow_.widget = this;
    hostWindow_.send_message = &HostWindow::ReceiveMessage;
    hostWindow_.user = this;

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    view_ = new DocumentView(document_, splitter);
    view_->setObjectName("document");
    connect(view_, &DocumentView::glyphActivated, this,
            [this](int index) { RunCommand(commands_[static_cast<size_t>(index)]); });
    connect(view_, &DocumentView::bitmapActivated, this, [this] {
        for (const HostCommand& c : commands_) {
            if (c.id == QLatin1String("trace-bitmap")) RunCommand(c);
        }
    });
    log_ = new QPlainTextEdit(splitter);
    log_->setObjectName("log");
    log_->setReadOnly(true);
    log_->setPlaceholderText(tr("Messages from the library appear here."));
    splitter->setSizes({620, 280});
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    setCentralWidget(splitter);

    // The bitmap glyph shows the sample photo that ships beside the host.
    BitmapGlyph& bitmap = document_.Bitmap();
    bitmap.file = QString::fromStdString((ov::HostFolder() / "samples" / "photo.png").string());
    bitmap.image.load(bitmap.file);
    BuildCommands();
    BuildMenus();
    statusBar()->showMessage(tr("Double-click a glyph to edit its properties."));
    // The colour of imported curves, picked with the library's swatch and pop-up picker.
    auto* label = new QLabel(tr("Curve colour:"), this);
    curveSwatch_ = new ov::ColourSwatch(this, document_.CurveColour());
    curveSwatch_->setObjectName("curve-colour");
    statusBar()->addPermanentWidget(label);
    statusBar()->addPermanentWidget(curveSwatch_);
    connect(curveSwatch_, &ov::ColourSwatch::colourChanged, this, [this](uint32_t argb) {
        document_.CurveColour() = argb;
        view_->update();
    });
    resize(900, 720);
}

void HostWindow::BuildCommands()
{
    for (auto& g : document_.Glyphs()) {
        ChartGlyph* glyph = g.get();
        commands_.push_back(
            {glyph->id.isEmpty() ? QStringLiteral("chart-%1").arg(static_cast<int>(glyph->kind)) : glyph->id,
             tr("%1 properties…").arg(glyph->name), [this, glyph] { return EditChart(*glyph); },
             // 3-D charts and the surface are confirmed, so the host draws the model the library projected.
             glyph->record.kind == 6 || glyph->kind == GlyphKind::Surface});
    }
    commands_.push_back({"import-data", tr("Import Data…"), [this] { return ImportData(); }, true});
    commands_.push_back({"colour-chooser", tr("Colour Chooser…"), [this] {
                             const auto chosen =
                                 ov::ChooseColour(this, QColor::fromRgba(document_.CurveColour()));
                             if (!chosen) return 0;
                             document_.CurveColour() = chosen->rgba();
                             curveSwatch_->SetColour(chosen->rgba());
                             view_->update();
                             return 1;
                         }});
    commands_.push_back({"set-strings", tr("Set Strings…"), [this] { return EditStrings(); }});
    commands_.push_back(
        {"formula-column", tr("Fill from formula…"), [this] { return FillFromFormula(false); }});
    commands_.push_back(
        {"formula-surface", tr("Surface from formula…"), [this] { return FillFromFormula(true); }});
    commands_.push_back({"clip-path", tr("Clipped Path…"),
                         [this] {
                             PathScene& scene = document_.Paths();
                             const int32_t r =
                                 CallGEEdt(&scene.Inputs(), &scene.ViewList(), OV_CODE_CLIP_PATH);
                             if (const int taken = scene.TakeResults())
                                 Log(tr("%n piece(s) added", "", taken));
                             view_->update();
                             return r;
                         },
                         false,
                         // The tour pictures the dialog with two pieces picked.
                         [](QDialog& dialog) {
                             auto* sheet = dialog.findChild<ov::COvCPSheet*>();
                             if (!sheet || sheet->Pieces().Pieces().size() < 2) return;
                             sheet->SetAllPicked(false);
                             for (const size_t i : {size_t{0}, size_t{4}})
                                 sheet->Pieces().Pieces()[i]->state = 1;
                             sheet->Redraw();
                         }});
    commands_.push_back({"points-along-paths", tr("Points Along Paths…"),
                         [this] {
                             PathScene& scene = document_.Paths();
                             const int32_t r = CallGEEdt(&scene.Inputs(), &scene.Grid(),
                                                         OV_CODE_POINTS_ALONG_PATHS, &document_.Magnets());
                             view_->update();
                             return r;
                         },
                         true});
    commands_.push_back({"trace-bitmap", tr("Trace bitmap region…"), [this] { return TraceBitmap(); }, true});
    commands_.push_back(
        {"magnets", tr("Magnets…"), [this] { return __exp_GMagnet(&hostWindow_, &document_.Magnets()); }});
    commands_.push_back({"magnets-copy", tr("Arrange copies…"),
                         [this] {
                             const int32_t result = __exp_GMagnet(&hostWindow_, &document_.Copies());
                             view_->update();
                             return result;
                         },
                         true});
    commands_.push_back({"time-series", tr("Animation Time Series…"), [this] {
                             // The magnet record travels last in the series list and comes back off it.
                             OvHostList& series = document_.TimeSeries();
                             ov_list_append(&series, &document_.Magnets());
                             const int32_t r =
                                 CallGEEdt(nullptr, &series, OV_CODE_TIME_SERIES, &document_.NextSeriesId());
                             if (ov_list_last(&series) == &document_.Magnets()) ov_list_remove_last(&series);
                             return r;
                         }});
    commands_.push_back({"time-series-pick", tr("Animate position…"),
                         [this] {
                             // Pick mode: the glyph's selection record goes in word 0.
                             OvHostList& series = document_.TimeSeries();
                             ov_list_append(&series, &document_.Magnets());
                             const int32_t r = CallGEEdt(&document_.AnimatedPosition(), &series,
                                                         OV_CODE_TIME_SERIES, &document_.NextSeriesId());
                             if (ov_list_last(&series) == &document_.Magnets()) ov_list_remove_last(&series);
                             view_->update();
                             return r;
                         },
                         true});
    commands_.push_back({"generate-animation", tr("Generate Animation…"),
                         [this] { return CallGEEdt(nullptr, nullptr, OV_CODE_GENERATE_ANIMATION); }, false,
                         // The tour pictures the dialog with its frames: press "Generate" first.
                         [](QDialog& dialog) {
                             if (auto* generate =
                                     dialog.findChild<QAbstractButton*>(QStringLiteral("ctl_1005")))
                                 generate->click();
                         }});
    // The record's hotkey table changes at once; the page shows the record after OK.
    commands_.push_back({"system-properties", tr("System Properties…"), [this] {
                             const int32_t result = CallGEEdt(&document_.Settings(), nullptr, 0);
                             view_->update();
                             return result;
                         }});
}

void HostWindow::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&Quit"), QKeySequence::Quit, qApp, &QApplication::quit);

    QMenu* glyphs = menuBar()->addMenu(tr("&Glyph"));
    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    for (const HostCommand& c : commands_) {
        QMenu* menu = c.id.startsWith("chart-") || c.id == QLatin1String("import-data") ||
                              c.id == QLatin1String("magnets-copy") ||
                              c.id == QLatin1String("time-series-pick")
                          ? glyphs
                          : tools;
        QAction* a = menu->addAction(c.menuText);
        a->setObjectName(c.id);
        connect(a, &QAction::triggered, this, [this, &c] { RunCommand(c); });
    }

    QMenu* language = menuBar()->addMenu(tr("&Language"));
    language->addAction(QStringLiteral("English"), this, [this] { SwitchLanguage(1); });
    language->addAction(QStringLiteral("中文"), this, [this] { SwitchLanguage(2); });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("Help &Document"), QKeySequence::HelpContents, this,
                    [this] { ov::ShowHelpFile(this); });
}

int32_t HostWindow::RunCommand(const HostCommand& command)
{
    const int32_t result = command.run();
    Log(tr("%1 returned %2").arg(command.menuText, QString::number(result)));
    return result;
}

int32_t HostWindow::CallGEEdt(void* data, void* context, uint32_t code, void* extra)
{
    GEEdtParams p{data, context, &hostWindow_, code, extra};
    return __exp_GEEdt(&p);
}

int32_t HostWindow::EditChart(ChartGlyph& glyph)
{
    static const uint32_t codes[] = {OV_CODE_XY_CHART, OV_CODE_PIE_CHART, OV_CODE_SURFACE,
                                     OV_CODE_NUMBER_AXIS};
    const uint32_t code = codes[static_cast<int>(glyph.kind)];
    if (glyph.kind == GlyphKind::PieChart)
        return CallGEEdt(&glyph.record, &glyph.series, code);  // the slices
    if (glyph.kind == GlyphKind::NumberAxis) return CallGEEdt(&glyph.record, nullptr, code);
    if (glyph.kind == GlyphKind::Surface) {
        // The surface travels as the tail of a list of its own; its grid points to its 3-D object.
        OvHostList list;
        ov_list_init(&list);
        ov_list_append(&list, &glyph.surface);
        const int32_t result = CallGEEdt(&glyph.record, &list, code);
        ov_list_remove_all(&list);
        view_->update();
        return result;
    }
    // An X-Y chart's drawing context travels last in the series list and comes back off it; a 3-D
    // chart's object goes just before it, and the series list is the object's own.
    const bool chart3d = glyph.record.kind == 6;
    OvHostList list;
    ov_list_init(&list);
    OvHostList& carrier = chart3d ? list : glyph.series;
    if (chart3d) ov_list_append(&carrier, &glyph.object3d);
    ov_list_append(&carrier, &document_.Context());
    const int32_t result = CallGEEdt(&glyph.record, &carrier, code);
    if (ov_list_last(&carrier) == &document_.Context()) ov_list_remove_last(&carrier);
    ov_list_remove_all(&list);
    view_->update();
    return result;
}

int32_t HostWindow::TraceBitmap()
{
    BitmapGlyph& bitmap = document_.Bitmap();
    float x = bitmap.seedX, y = bitmap.seedY;
    const std::u16string path = bitmap.file.toStdU16String();
    const int32_t result = __exp_DFF(path.c_str(), &x, &y, &document_.TracedPath());
    if (result == 1) {
        Log(tr("Traced %1 path points from the seed at pixel (%2, %3)")
                .arg(document_.TracedPath().count)
                .arg(static_cast<double>(x))
                .arg(static_cast<double>(y)));
        view_->update();
    }
    return result;
}

int32_t HostWindow::EditStrings()
{
    // Three rows: a name, a numeric size evaluated as an expression, and a unit picked from a list.
    OvHostList labels, values, units, perRow;
    for (OvHostList* l : {&labels, &values, &units, &perRow}) ov_list_init(l);
    const bool chinese = ov::CurrentLanguageCode() == u"cn";
    const QStringList rowLabels =
        chinese ? QStringList{QStringLiteral("名称"), QStringLiteral("尺寸 ##"), QStringLiteral("单位")}
                : QStringList{QStringLiteral("Name"), QStringLiteral("Size ##"), QStringLiteral("Unit")};
    for (const QString& text : rowLabels)
        ov_list_append(&labels, ov_str_dup(reinterpret_cast<const ov_char16*>(text.utf16())));
    for (const QString& s : document_.Strings())
        ov_list_append(&values, ov_str_dup(reinterpret_cast<const ov_char16*>(s.utf16())));
    for (const char* text : {"mm", "cm", "in", "pt"}) ov_list_append(&units, ov_str_from_ascii(text));
    ov_list_append(&perRow, nullptr);
    ov_list_append(&perRow, nullptr);
    ov_list_append(&perRow, &units);
    DialogPlacement placement{&hostWindow_, 4, {}, 0, 0};  // centred on the host window
    GSSParams p{&labels, &values, &perRow, &placement, 0};
    const int32_t result = __exp_GSS(chinese ? u"图元尺寸" : u"Glyph Size", &p);
    if (result == 1) {
        document_.Strings().clear();
        for (auto* n = values.head; n; n = n->next)
            document_.Strings().push_back(QString::fromUtf16(static_cast<const char16_t*>(n->data)));
        Log(tr("Set Strings gave: %1").arg(document_.Strings().join(QStringLiteral(" | "))));
    }
    ov_list_free_strings(&labels);
    ov_list_free_strings(&values);
    ov_list_free_strings(&units);
    ov_list_remove_all(&perRow);
    return result;
}

int32_t HostWindow::FillFromFormula(bool surface)
{
    // Column kind over a small two-column table (row number, its square root), as the data pages
    // call it; surface kind over an 11 x 11 grid on [-2, 2] x [-2, 2], as the surface sheet does.
    constexpr int32_t kRows = 8;
    constexpr int32_t kGrid = 11;
    std::vector<double> table(static_cast<size_t>(2 * kRows));
    for (int32_t i = 0; i < kRows; ++i) {
        table[i] = i + 1;
        table[kRows + i] = std::sqrt(i + 1.0);
    }
    std::vector<double> out(static_cast<size_t>(surface ? kGrid * kGrid : kRows));
    ov::CDlgGDByFunc dlg(this);
    dlg.output = out.data();
    if (surface) {
        dlg.kind = ov::FormulaKind::Surface;
        dlg.rows = dlg.columns = kGrid;
        dlg.xStart = dlg.yStart = -2;
        dlg.xEnd = dlg.yEnd = 2;
    } else {
        dlg.source = table.data();
        dlg.rows = kRows;
        dlg.columns = 2;
    }
    const int32_t result = dlg.DoModal();
    if (result == 1) {
        QStringList values;
        for (size_t i = 0; i < std::min<size_t>(out.size(), 8); ++i)
            values << QString::number(out[i], 'g', 6);
        Log(tr("%1 gave: %2%3")
                .arg(QString::fromStdU16String(dlg.formulaText), values.join(QStringLiteral(", ")),
                     out.size() > 8 ? QStringLiteral(", …") : QString()));
    }
    return result;
}

QWidget* HostWindow::OpenCurvePicker()
{
    curveSwatch_->OpenPicker(curveSwatch_->mapToGlobal(curveSwatch_->rect().center()));
    return curveSwatch_->Picker();
}

int32_t HostWindow::ImportData()
{
    // Slot 4 is the data tables' folder; the preview decides the start line, columns and titles. The
    // first import starts among the shipped sample files.
    if (ov::ReadRememberedFolder(4).empty())
        ov::RememberFolderOf(4, (ov::HostFolder() / "samples" / "decay.txt").string());
    std::optional<ov::ImportedSeries> imported = ov::ImportAsciiFile(this, 4, 1);
    if (!imported) return 0;
    ChartGlyph& glyph = *document_.Glyphs()[static_cast<size_t>(view_->Current())];
    ImportedTable table;
    table.name =
        imported->name ? QString::fromStdString(*imported->name) : QFileInfo(imported->path).fileName();
    table.cols = imported->matrix.cols;
    table.rows = imported->matrix.rows;
    const auto* v = imported->matrix.values.get();
    table.values.assign(v, v + static_cast<size_t>(table.cols) * static_cast<size_t>(table.rows));
    Log(tr("Imported %1: %2 columns × %3 rows into %4")
            .arg(table.name)
            .arg(table.cols)
            .arg(table.rows)
            .arg(glyph.name));
    glyph.tables.push_back(std::move(table));
    view_->update();
    return 1;
}

void HostWindow::SwitchLanguage(int languageNumber)
{
    WriteLanguageNumber(languageNumber);
    QMessageBox::information(this, windowTitle(),
                             tr("The language takes effect the next time the program starts."));
}

void HostWindow::Log(const QString& line)
{
    log_->appendPlainText(line);
}

intptr_t HostWindow::ReceiveMessage(OvHostWindow* window, uint32_t message, uintptr_t wparam, intptr_t lparam)
{
    return static_cast<HostWindow*>(window->user)->OnLibraryMessage(message, wparam, lparam);
}

intptr_t HostWindow::OnLibraryMessage(uint32_t message, uintptr_t wparam, intptr_t lparam)
{
    Log(QStringLiteral("message 0x%1 wParam 0x%2 lParam %3")
            .arg(message, 4, 16, QLatin1Char('0'))
            .arg(wparam, 0, 16)
            .arg(lparam));
    switch (message) {
    case OV_MSG_SET_STRINGS_APPLY: {
        // wParam is the prompt's value list, valid during this call only.
        QStringList values;
        // NOLINTNEXTLINE(performance-no-int-to-ptr): the message protocol carries a pointer in wParam.
        for (auto* n = reinterpret_cast<const OvHostList*>(wparam)->head; n; n = n->next)
            values << QString::fromUtf16(static_cast<const char16_t*>(n->data));
        Log(tr("Applied: %1").arg(values.join(QStringLiteral(" | "))));
        break;
    }
    case OV_MSG_TIME_SERIES_PICKED: {  // the glyph's series or row changed: draw it there
        const SelectionRecord& pick = document_.AnimatedPosition();
        Log(tr("Animated position: series %1, row %2, flags %3")
                .arg(pick.series_id)
                .arg(pick.row)
                .arg(pick.flags));
        view_->update();
        break;
    }
    case OV_MSG_RENDER_FRAMES:  // Generate Animation: render every frame of the page into files
        // NOLINTNEXTLINE(performance-no-int-to-ptr): the message protocol carries pointers.
        if (!RenderAnimationFrames(*view_, reinterpret_cast<OvProgressControl*>(wparam),
                                   // NOLINTNEXTLINE(performance-no-int-to-ptr)
                                   reinterpret_cast<OvHostList*>(lparam)))
            Log(tr("The frames could not be written."));
        break;
    case OV_MSG_HOTKEY_COMMANDS:  // the hotkey page asks for the commands it lists
        for (HotkeyCommand& command : document_.HotkeyCommands())
            // NOLINTNEXTLINE(performance-no-int-to-ptr): wParam carries the page's list.
            ov_list_append(reinterpret_cast<OvHostList*>(wparam), &command);
        break;
    case OV_MSG_APPLY:            // a sheet applied its record: redraw
    case OV_MSG_MAGNETS_CHANGED:  // the magnets changed: redraw the page
        view_->update();
        break;
    case OV_MSG_CLIP_RESULTS:  // "Apply Next": the picked pieces are behind the view record now
        Log(tr("%n piece(s) added", "", document_.Paths().TakeResults()));
        view_->update();
        break;
    default: break;
    }
    return 0;
}

}  // namespace ovhost
