// Start-up of the application object against a real settings store and per-user folders.
#include "framework/settings/RegKeyHandle.h"
#include "host/GDlgApp.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace ov;

namespace {
COvGDlgApp& Restarted()
{
    COvGDlgApp& app = COvGDlgApp::Instance();
    app.RestartForTesting();
    return app;
}
}  // namespace

TEST(AppStart, ReadsEditBackgroundAsDwordOnlyAndLanguageFromLanSel)
{
    RegKeyHandle("Software\\Ornivex\\MP\\AppSettings").WriteString("UI_ERBKColor", u"123456");
    RegKeyHandle("Software\\Ornivex\\Language").WriteString("LanSel", u"1");
    COvGDlgApp& app = Restarted();
    EXPECT_EQ(app.EditBackground(), 0xF0F0F0u) << "a string value is ignored";
    EXPECT_EQ(app.LanguageCode(), u"en");
    RegKeyHandle("software\\ornivex\\mp\\appsettings").WriteDword("ui_erbkcolor", 0x00C0FFEE);
    RegKeyHandle("Software\\Ornivex\\Language").WriteString("LanSel", u" 2 (Chinese)");
    Restarted();
    EXPECT_EQ(app.EditBackground(), 0x00C0FFEEu);
    EXPECT_EQ(app.LanguageCode(), u"cn");
}

TEST(AppStart, FoldersAndRegistryBaseAreInPlace)
{
    COvGDlgApp& app = Restarted();
    EXPECT_EQ(app.SubKey("GPPSet"), "Software\\Ornivex\\MP\\GPPSet");
    EXPECT_TRUE(std::filesystem::is_directory(app.TempFolder()));
    EXPECT_EQ(app.TempFolder().parent_path().filename(), "Ornivex_DLG");
    ASSERT_NE(std::getenv("ORNIVEX_HOST_DIR"), nullptr);
    EXPECT_EQ(std::filesystem::weakly_canonical(app.HostFolder()),
              std::filesystem::weakly_canonical(std::getenv("ORNIVEX_HOST_DIR")));
    for (uint32_t c : app.RecentColours()) EXPECT_EQ(c, 0xFF000000u);
}

TEST(AppStart, UiPartWaitsForAGuiApplicationThenMeasuresTheScreen)
{
    COvGDlgApp& app = COvGDlgApp::Instance();
    app.InitUi();
    EXPECT_FALSE(app.UiReady()) << "no QGuiApplication yet";
    int argc = 1;
    char name[] = "app-start-test";
    char* argv[] = {name, nullptr};
    QGuiApplication gui(argc, argv);
    app.InitUi();
    ASSERT_TRUE(app.UiReady());
    EXPECT_GE(app.UiScale(), 1.0f);
    EXPECT_LE(app.UiScale(), 2.0f);
    EXPECT_EQ(app.UiFont().pointSize(), 9);
}
