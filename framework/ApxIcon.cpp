// Loading and drawing ".apx" icons.
#include "framework/ApxIcon.h"

#include "framework/HostFolder.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QSet>
#include <QSvgRenderer>
#include <QXmlStreamReader>

namespace ov {
namespace {

// The SVG renderer logs every parse error it meets; a well-formedness check first keeps a broken file
// to one line of our own.
bool WellFormed(const QByteArray& bytes)
{
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd()) reader.readNext();
    return !reader.hasError();
}

void WarnOnce(const QString& path)
{
    static QSet<QString> warned;
    if (warned.contains(path)) return;
    warned.insert(path);
    qWarning("ornivex: icon %s cannot be drawn", qPrintable(path));
}

}  // namespace

ApxIcon::ApxIcon() = default;
ApxIcon::~ApxIcon() = default;
ApxIcon::ApxIcon(ApxIcon&&) noexcept = default;
ApxIcon& ApxIcon::operator=(ApxIcon&&) noexcept = default;

bool ApxIcon::Load(const QString& name)
{
    const auto path = HostFolder() / "icons" / (name.toStdString() + ".apx");
    return LoadFile(QString::fromStdString(path.string()));
}

bool ApxIcon::LoadFile(const QString& path)
{
    renderer_.reset();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return WarnOnce(path), false;
    const QByteArray bytes = file.readAll();
    if (!WellFormed(bytes)) return WarnOnce(path), false;
    auto renderer = std::make_unique<QSvgRenderer>(bytes);
    if (!renderer->isValid()) return WarnOnce(path), false;
    renderer_ = std::move(renderer);
    return true;
}

bool ApxIcon::IsValid() const
{
    return renderer_ != nullptr;
}

void ApxIcon::Paint(QPainter& painter, const QRectF& target) const
{
    if (renderer_) renderer_->render(&painter, target);
}

QIcon ApxIcon::ToIcon(int logicalSize) const
{
    QIcon icon;
    if (!renderer_) return icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(logicalSize * scale, logicalSize * scale);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            renderer_->render(&painter, QRectF(0, 0, pixmap.width(), pixmap.height()));
        }
        pixmap.setDevicePixelRatio(scale);
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace ov
