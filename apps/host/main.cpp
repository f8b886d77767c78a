// The demo host: a small drawing-program window that loads the dialog library and reaches every
// dialog from its menus. With --tour DIR it saves a picture of each dialog and exits.
#include "HostSettings.h"
#include "HostWindow.h"
#include "Tour.h"

#include <QApplication>
#include <QCommandLineParser>

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
    parser.addOption(tour);
    parser.process(app);

    ovhost::ChooseLanguageOnFirstStart();
    ovhost::HostWindow window;
    if (parser.isSet(tour)) return ovhost::RunTour(window, parser.value(tour)) > 0 ? 0 : 1;
    window.show();
    return QApplication::exec();
}
