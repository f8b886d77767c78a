// Start-up of the application object: folders, interface settings, language, density and font.
#include "host/GDlgApp.h"

#include "framework/settings/EditorBackground.h"
#include "framework/settings/RegKeyHandle.h"
#include "framework/text/HostFolder.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/InterfaceFont.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <system_error>

namespace ov {

COvGDlgApp& COvGDlgApp::Instance()
{
    static COvGDlgApp app;
    return app;
}

COvGDlgApp::COvGDlgApp()
{
    StartCore();
}

void COvGDlgApp::StartCore()
{
    hostFolder_ = ov::HostFolder();
    SharedRecentColours().fill(kEmptyRecentColour);
    editBackground_ = ReadEditorBackground();
    // Read and kept for reference; the dialogs size themselves by the display density alone.
    uiSizeSetting_ =
        std::clamp<uint32_t>(RegKeyHandle(SubKey("AppSettings")).ReadDword("AppUISize", 1), 1, 2);
    languageNumber_ = ReadLanguageNumber();
    languageCode_ = LanguageCodeForNumber(languageNumber_);

    // Creation failures are ignored here: a dialog that needs the folder reports its own error.
    appDataFolder_ = ov::AppDataFolder();
    tempFolder_ = appDataFolder_ / "Temp";
    std::error_code ignored;
    std::filesystem::create_directories(tempFolder_, ignored);
}

void COvGDlgApp::InitUi()
{
    if (uiReady_ || !qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
    metrics_ = kNoScreenMetrics;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const int widthPixels = qRound(screen->geometry().width() * screen->devicePixelRatio());
        metrics_ =
            ComputeDisplayMetrics(screen->logicalDotsPerInchX(), screen->physicalSize().width(), widthPixels);
    }
    uiFont_ = InterfaceFont();
    uiReady_ = true;
}

void COvGDlgApp::RestartForTesting()
{
    uiReady_ = false;
    StartCore();
    InitUi();
}

}  // namespace ov
