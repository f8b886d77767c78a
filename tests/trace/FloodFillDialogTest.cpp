// The Flood Fill Tool driven through __exp_DFF's dispatch as a user would: seed fractions to pixels
// and back, the traced outline in the host's path data, the settings kept whatever closed the
// dialog, the path-style controls, "Use Default Settings" and unreadable bitmaps.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QRadioButton>
#include <QSlider>

#include <algorithm>
#include <cstdlib>

#include "framework/settings/RegKeyHandle.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/DialogTexts.h"
#include "framework/ui/MessageBox.h"
#include "host/Dispatch.h"
#include "testhost/Controls.h"
#include "testhost/ModalDriver.h"
#include "trace/CDialogFFF.h"
#include "trace/TraceEngine.h"

using namespace ov;
using namespace ovtest;

namespace {

using Dlg = CDialogFFF;
constexpr const char* kKey = "Software\\Ornivex\\MP\\FFF";

class FloodFillTool : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureTestApplication();
        SetCurrentLanguageCodeForTesting(u"en");
        RegisterBuiltinDialogs(registry);
        // A 200 × 100 white bitmap with a 40 × 20 black block around its centre.
        QImage image(200, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        for (int y = 40; y < 60; ++y) {
            for (int x = 80; x < 120; ++x) image.setPixel(x, y, qRgb(0, 0, 0));
        }
        const QString dir = qEnvironmentVariable("OV_TEST_SCRATCH", QDir::tempPath());
        QDir().mkpath(dir);
        bitmap = (dir + QStringLiteral("/block.png")).toStdU16String();
        ASSERT_TRUE(image.save(QString::fromStdU16String(bitmap)));
    }
    void TearDown() override
    {
        std::free(data.points);
        std::free(data.types);
        SetCurrentLanguageCodeForTesting(u"");
    }
    int Run(const std::u16string& path, const DialogAction& act)
    {
        return RunModal([&] { return DispatchDFF(path.c_str(), &x, &y, &data, registry, UiAlwaysReady); },
                        act);
    }

    DialogRegistry registry;
    std::u16string bitmap;
    float x = 0.5f, y = 0.5f;
    OvPathData data{};
};

TEST_F(FloodFillTool, OkHandsBackTheSeedInPixelsAndTheOutlineInMaskCoordinates)
{
    StoreFloodFillSettings({0, 0, 0, 50, kPathPolygon});
    float seenX = -1, seenY = -1;
    ASSERT_EQ(Run(bitmap,
                  [&](QDialog& d) {
                      auto& dlg = dynamic_cast<Dlg&>(d);
                      seenX = dlg.Engine().SeedX(), seenY = dlg.Engine().SeedY();
                      Accept(d);
                  }),
              1);
    EXPECT_EQ(seenX, 100);
    EXPECT_EQ(seenY, 50);
    EXPECT_EQ(x, 100);
    EXPECT_EQ(y, 50);
    ASSERT_GE(data.count, 4);
    float minX = 1e9f, maxX = -1e9f;
    for (int i = 0; i < data.count; ++i)
        minX = std::min(minX, data.points[i].x), maxX = std::max(maxX, data.points[i].x);
    EXPECT_EQ(minX, 81);  // bitmap column 80
    EXPECT_EQ(maxX, 120);
    EXPECT_EQ(data.types[data.count - 1] & OV_PATH_CLOSE, OV_PATH_CLOSE);
}

TEST_F(FloodFillTool, CancelKeepsTheHostDataButStoresTheSettings)
{
    StoreFloodFillSettings({0, 0, 0, 50, kPathBlending, true});
    ASSERT_EQ(Run(bitmap,
                  [](QDialog& d) {
                      Control<QSlider>(d, Dlg::kIdPermeability)->setValue(77);
                      Control<QSlider>(d, Dlg::kIdDebris)->setValue(12);
                      Control<QCheckBox>(d, Dlg::kIdShowKeyPoints)->click();
                      Cancel(d);
                  }),
              0);
    EXPECT_EQ(x, 0.5f);
    EXPECT_EQ(data.count, 0);
    const RegKeyHandle key(kKey);
    EXPECT_EQ(key.ReadDword("SV_Perm", 0), 77u);
    EXPECT_EQ(key.ReadDword("SV_Debris", 0), 12u);
    EXPECT_EQ(key.ReadDword("SV_ShowKP", 9), 0u);
    EXPECT_EQ(key.ReadDword("PathStyle", 9), 2u);
}

TEST_F(FloodFillTool, StyleButtonsEnableBlendingAndDefaultsKeepTheKeyPointSwitch)
{
    StoreFloodFillSettings({5, 0, 0, 50, kPathBlending, true});
    RegKeyHandle(kKey).WriteDword("PathStyle", 7);  // out of range: clamped to blending
    Run(bitmap, [](QDialog& d) {
        auto& dlg = dynamic_cast<Dlg&>(d);
        auto* blending = Control<QSlider>(d, Dlg::kIdBlendingSlider);
        EXPECT_TRUE(blending->isEnabled());
        Control<QRadioButton>(d, Dlg::kIdPolygon)->click();
        EXPECT_FALSE(blending->isEnabled());
        EXPECT_EQ(dlg.Settings().pathStyle, kPathPolygon);
        const auto polygonPoints = dlg.Engine().Figures().at(0).PointCount();
        Click(d, ControlName(Dlg::kIdDefaults));
        EXPECT_TRUE(blending->isEnabled());
        EXPECT_TRUE(Control<QRadioButton>(d, Dlg::kIdBlending)->isChecked());
        EXPECT_TRUE(dlg.Settings().showKeyPoints);
        EXPECT_NE(dlg.Engine().Figures().at(0).PointCount(), polygonPoints);
        Cancel(d);
    });
    EXPECT_EQ(RegKeyHandle(kKey).ReadDword("SV_Perm", 0), 50u);
}

TEST_F(FloodFillTool, AnUnreadableBitmapIsReportedAndOkClearsTheHostPath)
{
    std::vector<QString> shown;
    const ScopedMessagePresenter presenter([&](const MessageRequest& r) {
        shown.push_back(r.text);
        return int{kMessageOk};
    });
    data.count = 2;
    data.points = static_cast<OvPointF*>(std::calloc(2, sizeof(OvPointF)));
    data.types = static_cast<uint8_t*>(std::calloc(2, 1));
    EXPECT_EQ(Run(u"/no/such/file.png",
                  [](QDialog& d) {
                      QCoreApplication::processEvents();  // the report comes once the dialog is up
                      Accept(d);
                  }),
              1);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].startsWith(QStringLiteral("The bitmap file cannot be opened:")))
        << shown[0].toStdString();
    EXPECT_EQ(data.count, 0);
    EXPECT_EQ(data.points, nullptr);
}

}  // namespace
