// Start-up of the application object against a real settings store and per-user folders: the
// settings half starts with the library, the UI half waits until the host has a Qt application.
#include "framework/settings/RegKeyHandle.h"
#include "host/GDlgApp.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <filesystem>

using namespace ov;

TEST(AppStart, SettingsAtOnceTheUiPartOnlyWithAGuiApplication)
{
    RegKeyHandle("Software\\Ornivex\\MP\\AppSettings").WriteDword("UI_ERBKColor", 0x00C0FFEE);
    RegKeyHandle("Software\\Ornivex\\Language").WriteString("LanSel", u" 2 (Chinese)");
    COvGDlgApp& app = COvGDlgApp::Instance();
    app.RestartForTesting();
    EXPECT_EQ(app.EditBackground(), 0x00C0FFEEu);
    EXPECT_EQ(app.LanguageCode(), u"cn");
    EXPECT_TRUE(std::filesystem::is_directory(app.TempFolder()));
    app.InitUi();
    EXPECT_FALSE(app.UiReady()) << "no QGuiApplication yet";
    int argc = 1;
    char name[] = "app-start-test";
    char* argv[] = {name, nullptr};
    QGuiApplication gui(argc, argv);
    app.InitUi();
    EXPECT_TRUE(app.UiReady());
}
