// ApxIcon: one ".apx" picture (an SVG document) from the host's icons folder, drawn crisp at any
// scale. A file that is missing, unreadable or does not parse draws nothing.
#pragma once

#include <QIcon>
#include <QString>

#include <cstddef>
#include <memory>

class QPainter;
class QRectF;
class QSvgRenderer;

namespace ov {

// Icons are a few KB of SVG; a longer file is not read.
inline constexpr std::size_t kMaxIconFileBytes = 4 << 20;

class ApxIcon {
public:
    ApxIcon();
    ~ApxIcon();
    ApxIcon(ApxIcon&&) noexcept;
    ApxIcon& operator=(ApxIcon&&) noexcept;

    // Loads <host folder>/icons/<name>.apx; false (and one warning per name) when it cannot be drawn.
    bool Load(const QString& name);
    bool LoadFile(const QString& path);
    bool IsValid() const;
    void Paint(QPainter& painter, const QRectF& target) const;
    // An icon with pixmaps at 1x and 2x of the given logical size.
    QIcon ToIcon(int logicalSize) const;

private:
    std::unique_ptr<QSvgRenderer> renderer_;
};

}  // namespace ov
