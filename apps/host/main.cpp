// The demo host: a small drawing-program window that loads the dialog library and reaches every
// dialog from its menus. With --tour DIR it saves a picture of each dialog and exits.
#include "HostSettings.h"
#include "HostWindow.h"
#include "Tour.h"

#include "framework/text/LanguageChoice.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ornivex"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Demo host of the Ornivex dialog library"));
    parser.addHelpOption();
    QCommandLineOption tour(QStringLiteral("tour"),
                            QStringLiteral("Save a picture of every dialog into DIR and exit."),
                            QStringLiteral("DIR"));
    QCommandLineOption language(QStringLiteral("language"),
                                QStringLiteral("With --tour: take the pictures in this language (en or cn)."),
                                QStringLiteral("CODE"));
    parser.addOption(tour);
    parser.addOption(language);
    parser.process(app);

    if (parser.isSet(tour)) {
        // The tour keeps its settings beside its pictures and never touches the user's own.
        const QString folder = parser.value(tour);
        QDir().mkpath(folder);
        qputenv("ORNIVEX_REGISTRY",
                QDir(folder).filePath(QStringLiteral(".tour-settings.sqlite3")).toLocal8Bit());
        if (parser.isSet(language))
            ovhost::WriteLanguageNumber(parser.value(language) == QLatin1String("cn") ? 2 : 1);
    }
    ovhost::ChooseLanguageOnFirstStart();
    // The host's own texts follow the language the dialogs use ("LanSel").
    QTranslator translator;
    if (ov::CurrentLanguageCode() == u"cn" && translator.load(QStringLiteral(":/i18n/ornivex-host_cn.qm")))
        QApplication::installTranslator(&translator);
    ovhost::HostWindow window;
    if (parser.isSet(tour)) {
        const ovhost::TourResult result = ovhost::RunTour(window, parser.value(tour));
        return result.pictures > 0 && result.findings == 0 ? 0 : 1;
    }
    window.show();
    return QApplication::exec();
}
