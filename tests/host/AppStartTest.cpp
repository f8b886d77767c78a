// Start-up of the application object against a real settings store and per-user folders.
#include "framework/RegKeyHandle.h"
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

void SetLanSel(const std::u16string& text)
{
    RegKeyHandle key("Software\\Ornivex\\Language");
    key.WriteString("LanSel", text);
}

}  // namespace

TEST(AppStart, EditBackgroundIsReadAsDwordOnlyAndOtherwiseDefaults)
{
    {
        RegKeyHandle key("Software\\Ornivex\\MP\\AppSettings");
        key.WriteString("UI_ERBKColor", u"123456");
    }
    EXPECT_EQ(Restarted().EditBackground(), 0xF0F0F0u) << "a string value is ignored";
    {
        RegKeyHandle key("software\\ornivex\\mp\\appsettings");
        key.WriteDword("ui_erbkcolor", 0x00C0FFEE);
    }
    EXPECT_EQ(Restarted().EditBackground(), 0x00C0FFEEu);
}

TEST(AppStart, LanguageFollowsLanSel)
{
    SetLanSel(u"1");
    EXPECT_EQ(Restarted().LanguageCode(), u"en");
    SetLanSel(u" 2 (Chinese)");
    EXPECT_EQ(Restarted().LanguageCode(), u"cn");
    EXPECT_EQ(COvGDlgApp::Instance().LanguageNumber(), 2);
}

TEST(AppStart, FoldersAndRegistryBaseAreInPlace)
{
    COvGDlgApp& app = Restarted();
    EXPECT_EQ(app.RegistryBasePath(), "Software\\Ornivex\\MP\\");
    EXPECT_EQ(app.SubKey("GPPSet"), "Software\\Ornivex\\MP\\GPPSet");
    EXPECT_TRUE(std::filesystem::is_directory(app.TempFolder()));
    EXPECT_EQ(app.TempFolder().parent_path().filename(), "Ornivex_DLG");
    const char* hostDir = std::getenv("ORNIVEX_HOST_DIR");
    ASSERT_NE(hostDir, nullptr);
    EXPECT_EQ(std::filesystem::weakly_canonical(app.HostFolder()),
              std::filesystem::weakly_canonical(hostDir));
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
