// The Flood Fill Tool driven through __exp_DFF's dispatch as a user would: seed fractions to pixels
// and back, the traced outline in the host's path data on OK, and on Cancel the host's data kept and
// the settings stored. Unreadable bitmaps are the decoding test's.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QSlider>

#include <algorithm>
#include <cstdlib>
#include <tuple>
#include <utility>

#include "framework/settings/RegKeyHandle.h"
#include "framework/text/LanguageChoice.h"
#include "framework/ui/DialogTexts.h"
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
    EXPECT_EQ(std::tuple(seenX, seenY, x, y), std::tuple(100.0f, 50.0f, 100.0f, 50.0f));
    ASSERT_GE(data.count, 4);
    const auto [minX, maxX] =
        std::minmax_element(data.points, data.points + data.count,
                            [](const OvPointF& a, const OvPointF& b) { return a.x < b.x; });
    EXPECT_EQ(std::pair(minX->x, maxX->x), std::pair(81.0f, 120.0f));  // bitmap columns 80 ... 119
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
    EXPECT_EQ(std::pair(x, data.count), std::pair(0.5f, 0));
    const RegKeyHandle key(kKey);
    EXPECT_EQ(std::tuple(key.ReadDword("SV_Perm", 0), key.ReadDword("SV_Debris", 0),
                         key.ReadDword("SV_ShowKP", 9), key.ReadDword("PathStyle", 9)),
              std::tuple(77u, 12u, 0u, 2u));
}

}  // namespace
