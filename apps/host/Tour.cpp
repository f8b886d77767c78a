// The screenshot tour of the demo host.
#include "Tour.h"

#include "HostWindow.h"

#include "data/import/AsciiImportSettings.h"
#include "framework/settings/RegKeyHandle.h"
#include "framework/text/HostFolder.h"
#include "framework/ui/FileDialogs.h"
#include "trace/FloodFillSettings.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QMessageBox>
#include <QPixmap>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <utility>

namespace ovhost {
namespace {

// Runs one command and closes every modal dialog it opens: the command's own dialog with OK or Cancel
// as the command asks, message boxes (before or after it) with their default. The picture is of the
// command's dialog, or of the first message box when no other dialog opened.
bool CaptureCommand(HostWindow& window, const HostCommand& command, const QString& file)
{
    bool saved = false;
    bool savedMessage = false;
    bool prepared = false;
    int waited = 0;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) {
            if (!saved && (waited += 20) > 5000) poll.stop();  // the command opened nothing
            return;
        }
        QApplication::processEvents();
        if (qobject_cast<QMessageBox*>(dialog) != nullptr) {
            if (!saved) savedMessage = saved = dialog->grab().save(file);
            dialog->reject();
            return;
        }
        if (command.tourPrepare && !prepared) {
            prepared = true;
            command.tourPrepare(*dialog);
            QApplication::processEvents();
        }
        if (!saved || savedMessage) saved = dialog->grab().save(file);
        savedMessage = false;
        command.acceptInTour ? dialog->accept() : dialog->reject();
    });
    poll.start();
    window.RunCommand(command);
    return saved;
}

// Runs the event loop for `milliseconds`, so timers and animations keep going meanwhile.
void WaitWhileProcessingEvents(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

int RunTour(HostWindow& window, const QString& folder)
{
    if (!QDir().mkpath(folder)) return -1;
    QDir dir(folder);
    QTextStream out(stdout);
    // File pickers answer with the sample data that ships beside the host.
    const QString sample = QString::fromStdString((ov::HostFolder() / "samples" / "decay.txt").string());
    ov::ScopedOpenFilePresenter picker([sample](const ov::OpenFileRequest&) { return QStringList{sample}; });
    // Its data starts on line 4, under the name and the column titles (the tour's own settings).
    ov::AsciiImportSettings import;
    import.dataStartLine = 4;
    ov::StoreAsciiImportSettings(import);
    // Chart sheets open on their chart-style tab.
    ov::RegKeyHandle sheet("Software\\Ornivex\\MP\\GPPSet");
    for (const char* value : {"InitPage1", "InitPage5"}) sheet.WriteDword(value, 5);
    sheet.WriteDword("InitPage2", 2);  // the pie sheet on its slice table
    sheet.WriteDword("InitPage0", 0);  // the system properties on their general page
    // The bitmap is traced with the Flood Fill Tool's defaults, key points shown.
    ov::StoreFloodFillSettings(ov::DefaultFloodFillSettings(true));
    window.show();
    QApplication::processEvents();
    int pictures = window.grab().save(dir.filePath("host.png")) ? 1 : 0;
    for (const HostCommand& command : window.Commands()) {
        const QString file = dir.filePath(command.id + ".png");
        const bool saved = CaptureCommand(window, command, file);
        pictures += saved ? 1 : 0;
        out << (saved ? "  saved   " : "  no dialog yet  ") << command.id << '\n';
    }
    // The first X-Y chart again on its data tab: the series list beside the data table.
    sheet.WriteDword("InitPage1", 4);
    if (!window.Commands().empty()) {
        const bool saved = CaptureCommand(window, window.Commands().front(), dir.filePath("chart-data.png"));
        pictures += saved ? 1 : 0;
        out << (saved ? "  saved   " : "  no dialog yet  ") << "chart-data\n";
    }
    // The X-Y#2 chart's sheet once more on each of its chart-level pages.
    for (const HostCommand& command : window.Commands()) {
        if (command.id != QLatin1String("chart-xy2")) continue;
        for (int tab = 0; tab < 4; ++tab) {
            sheet.WriteDword("InitPage1", static_cast<uint32_t>(tab));
            const QString id = QStringLiteral("chart-xy2-tab%1").arg(tab);
            const bool saved = CaptureCommand(window, command, dir.filePath(id + ".png"));
            pictures += saved ? 1 : 0;
            out << (saved ? "  saved   " : "  no dialog yet  ") << id << '\n';
        }
        sheet.WriteDword("InitPage1", 5);
    }
    // The system properties once more on the hotkey and advanced pages.
    for (const HostCommand& command : window.Commands()) {
        if (command.id != QLatin1String("system-properties")) continue;
        const std::pair<uint32_t, const char*> pages[] = {{1, "system-properties-hotkeys"},
                                                          {2, "system-properties-advanced"}};
        for (const auto& [page, id] : pages) {
            sheet.WriteDword("InitPage0", page);
            const bool saved = CaptureCommand(window, command, dir.filePath(QLatin1String(id) + ".png"));
            pictures += saved ? 1 : 0;
            out << (saved ? "  saved   " : "  no dialog yet  ") << id << '\n';
        }
    }
    // The colour picker is a pop-up, not a modal dialog: open it from the status bar and picture it.
    if (QWidget* picker = window.OpenCurvePicker()) {
        WaitWhileProcessingEvents(200);  // let the fade finish
        const bool saved = picker->grab().save(dir.filePath("colour-picker.png"));
        pictures += saved ? 1 : 0;
        out << (saved ? "  saved   " : "  no dialog yet  ") << "colour-picker\n";
        picker->hide();
    }
    // The host again, now showing the log of what each entry point returned.
    pictures += window.grab().save(dir.filePath("host-log.png")) ? 1 : 0;
    out << "tour: " << pictures << " picture(s) in " << dir.absolutePath() << '\n';
    return pictures;
}

}  // namespace ovhost
