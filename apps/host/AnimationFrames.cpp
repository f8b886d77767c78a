// AnimationFrames: the page picture, the moving marker and the answer in the frame list.
#include "AnimationFrames.h"

#include "framework/text/HostFolder.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace ovhost {
namespace {

constexpr int kFrameWidth = 480;
constexpr int kFrameHeight = 360;

bool Append(OvHostList* list, const std::string& text)
{
    ov_char16* s = ov_str_from_ascii(text.c_str());
    if (s && ov_list_append(list, s)) return true;
    free(s);
    return false;
}

// The marker's place at time t (0 … 1): once across the page on a wave.
QPointF MarkerAt(double t)
{
    const double x = 30 + t * (kFrameWidth - 60);
    const double y = kFrameHeight / 2.0 - std::sin(t * 2 * M_PI) * (kFrameHeight / 3.0);
    return {x, y};
}

}  // namespace

bool RenderAnimationFrames(QWidget& page, OvProgressControl* progress, OvHostList* list)
{
    if (!list || ov_list_count(list) < 1) return false;
    const auto* countText = static_cast<const ov_char16*>(ov_list_at(list, 0));
    const int count = std::max(QString::fromUtf16(countText).toInt(), 0);
    free(ov_list_remove_at(list, 0));

    std::string pattern = (ov::AppDataFolder() / "Temp" / "frames-XXXXXX").string();
    std::filesystem::create_directories(ov::AppDataFolder() / "Temp");
    if (!mkdtemp(pattern.data())) return false;
    const std::filesystem::path folder = pattern;
    if (!Append(list, folder.string()) || !Append(list, "ornivex-host frames")) return false;

    const QImage background = page.grab().toImage().scaled(kFrameWidth, kFrameHeight, Qt::IgnoreAspectRatio,
                                                           Qt::SmoothTransformation);
    for (int i = 0; i < count; ++i) {
        QImage frame = background.convertToFormat(QImage::Format_RGB32);
        QPainter painter(&frame);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(40, 40, 120), 2));
        painter.setBrush(QColor(230, 80, 40));
        painter.drawEllipse(MarkerAt(count > 1 ? static_cast<double>(i) / (count - 1) : 0.0), 12, 12);
        painter.end();
        const std::string file =
            (folder / ("frame" + std::to_string(100000 + i).substr(1) + ".png")).string();
        if (!frame.save(QString::fromStdString(file), "PNG", 90) || !Append(list, file)) return false;
        if (progress && progress->step) progress->step(progress);
    }
    return true;
}

}  // namespace ovhost
