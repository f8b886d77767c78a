// The screenshot tour of the demo host.
#include "Tour.h"

#include "DialogLayoutCheck.h"
#include "HostWindow.h"

#include "data/import/AsciiImportSettings.h"
#include "framework/settings/RegKeyHandle.h"
#include "framework/text/HostFolder.h"
#include "framework/ui/FileDialogs.h"
#include "trace/FloodFillSettings.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMessageBox>
#include <QPixmap>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <map>
#include <utility>

namespace ovhost {
namespace {

// Times from the start of an entry-point call to the first paint of the dialog it opens (message
// boxes do not count).
class FirstPaintTimer : public QObject {
public:
    FirstPaintTimer() { qApp->installEventFilter(this); }
    ~FirstPaintTimer() override { qApp->removeEventFilter(this); }
    FirstPaintTimer(const FirstPaintTimer&) = delete;
    FirstPaintTimer& operator=(const FirstPaintTimer&) = delete;
    // Milliseconds to the first paint, or a negative number when nothing was painted.
    double Milliseconds() const { return milliseconds_; }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (milliseconds_ < 0 && event->type() == QEvent::Paint) {
            const auto* widget = qobject_cast<QWidget*>(receiver);
            const QWidget* window = widget ? widget->window() : nullptr;
            if (qobject_cast<const QDialog*>(window) && !qobject_cast<const QMessageBox*>(window))
                milliseconds_ = static_cast<double>(clock_.nsecsElapsed()) / 1e6;
        }
        return false;
    }

private:
    QElapsedTimer clock_ = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    double milliseconds_ = -1;
};

struct Capture {
    bool saved = false;
    QStringList findings;  // layout findings on the command's dialog
    double openMilliseconds = -1;
};

// Runs one command and closes every modal dialog it opens: the command's own dialog with OK or Cancel
// as the command asks, message boxes (before or after it) with their default. The picture is of the
// command's dialog, or of the first message box when no other dialog opened. With no file the dialog
// is only opened, timed and cancelled.
Capture CaptureCommand(HostWindow& window, const HostCommand& command, const QString& file)
{
    Capture capture;
    bool savedMessage = false;
    bool prepared = false;
    int waited = 0;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) {
            if (!capture.saved && (waited += 20) > 5000) poll.stop();  // the command opened nothing
            return;
        }
        QApplication::processEvents();
        if (qobject_cast<QMessageBox*>(dialog) != nullptr) {
            if (!capture.saved && !file.isEmpty()) savedMessage = capture.saved = dialog->grab().save(file);
            dialog->reject();
            return;
        }
        if (file.isEmpty()) {
            capture.saved = true;
            dialog->reject();
            return;
        }
        if (command.tourPrepare && !prepared) {
            prepared = true;
            command.tourPrepare(*dialog);
            QApplication::processEvents();
        }
        if (!capture.saved || savedMessage) {
            capture.findings = CheckDialogLayout(*dialog);
            capture.saved = dialog->grab().save(file);
        }
        savedMessage = false;
        command.acceptInTour ? dialog->accept() : dialog->reject();
    });
    poll.start();
    FirstPaintTimer timer;
    window.RunCommand(command);
    capture.openMilliseconds = timer.Milliseconds();
    return capture;
}

// Runs the event loop for `milliseconds`, so timers and animations keep going meanwhile.
void WaitWhileProcessingEvents(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Opens every dialog once more without a picture and writes how long each took to open, the first
// call in the process beside this later one, as a Markdown table.
void WriteOpenTimes(HostWindow& window, const std::map<QString, double>& firstOpen, const QString& file)
{
    QFile table(file);
    if (!table.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return;
    QTextStream out(&table);
    out << "| dialog | first opening (ms) | later opening (ms) |\n|---|---:|---:|\n";
    auto ms = [](double v) { return v < 0 ? QStringLiteral("-") : QString::number(v, 'f', 1); };
    for (const HostCommand& command : window.Commands()) {
        const auto first = firstOpen.find(command.id);
        const Capture later = CaptureCommand(window, command, {});
        out << "| " << command.id << " | " << ms(first == firstOpen.end() ? -1 : first->second) << " | "
            << ms(later.openMilliseconds) << " |\n";
    }
}

}  // namespace

TourResult RunTour(HostWindow& window, const QString& folder)
{
    if (!QDir().mkpath(folder)) return {};
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
    sheet.WriteDword("InitPage6", 6);  // the 3-D chart's sheet on its view
    sheet.WriteDword("InitPage0", 0);  // the system properties on their general page
    // The bitmap is traced with the Flood Fill Tool's defaults, key points shown.
    ov::StoreFloodFillSettings(ov::DefaultFloodFillSettings(true));
    window.show();
    QApplication::processEvents();
    TourResult result;
    result.pictures = window.grab().save(dir.filePath("host.png")) ? 1 : 0;
    std::map<QString, double> firstOpen;  // by command id, from the first call in the process
    auto take = [&](const HostCommand& command, const QString& id) {
        const Capture capture = CaptureCommand(window, command, dir.filePath(id + ".png"));
        result.pictures += capture.saved ? 1 : 0;
        out << (capture.saved ? "  saved   " : "  no dialog yet  ") << id << '\n';
        for (const QString& finding : capture.findings) out << "    layout: " << finding << '\n';
        result.findings += static_cast<int>(capture.findings.size());
        firstOpen.emplace(command.id, capture.openMilliseconds);
    };
    for (const HostCommand& command : window.Commands()) take(command, command.id);
    // The first X-Y chart again on its data tab: the series list beside the data table.
    sheet.WriteDword("InitPage1", 4);
    if (!window.Commands().empty()) take(window.Commands().front(), QStringLiteral("chart-data"));
    // The X-Y#2 chart's sheet once more on each of its chart-level pages.
    for (const HostCommand& command : window.Commands()) {
        if (command.id != QLatin1String("chart-xy2")) continue;
        for (int tab = 0; tab < 4; ++tab) {
            sheet.WriteDword("InitPage1", static_cast<uint32_t>(tab));
            take(command, QStringLiteral("chart-xy2-tab%1").arg(tab));
        }
        sheet.WriteDword("InitPage1", 5);
    }
    // The surface sheet once more on its data and 3-D view tabs.
    for (const HostCommand& command : window.Commands()) {
        if (command.id != QLatin1String("chart-2")) continue;
        sheet.WriteDword("InitPage3", 3);
        take(command, QStringLiteral("chart-surface-data"));
        sheet.WriteDword("InitPage3", 4);
        take(command, QStringLiteral("chart-surface-view"));
        sheet.WriteDword("InitPage3", 0);
    }
    // The system properties once more on the hotkey and advanced pages.
    for (const HostCommand& command : window.Commands()) {
        if (command.id != QLatin1String("system-properties")) continue;
        const std::pair<uint32_t, const char*> pages[] = {{1, "system-properties-hotkeys"},
                                                          {2, "system-properties-advanced"}};
        for (const auto& [page, id] : pages) {
            sheet.WriteDword("InitPage0", page);
            take(command, QLatin1String(id));
        }
        sheet.WriteDword("InitPage0", 0);
    }
    // The colour picker is a pop-up, not a modal dialog: open it from the status bar and picture it.
    if (QWidget* picker = window.OpenCurvePicker()) {
        WaitWhileProcessingEvents(200);  // let the fade finish
        const bool saved = picker->grab().save(dir.filePath("colour-picker.png"));
        result.pictures += saved ? 1 : 0;
        out << (saved ? "  saved   " : "  no dialog yet  ") << "colour-picker\n";
        picker->hide();
    }
    // The host again, now showing the log of what each entry point returned.
    result.pictures += window.grab().save(dir.filePath("host-log.png")) ? 1 : 0;
    WriteOpenTimes(window, firstOpen, dir.filePath("open-times.md"));
    out << "tour: " << result.pictures << " picture(s), " << result.findings << " layout finding(s) in "
        << dir.absolutePath() << '\n';
    return result;
}

}  // namespace ovhost
