// Loading and drawing ".apx" icons.
#include "framework/toolbar/ApxIcon.h"

#include "framework/files/BoundedFileRead.h"
#include "framework/text/HostFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
#include <QSet>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <algorithm>

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

// Icon names in the dialogs do not always agree on letter case ("menu/add", "menu/Add"); the files
// keep one spelling, so a name that misses exactly is looked up again ignoring case.
static QString ResolveIconPath(const QString& name)
{
    const QString folder = QString::fromStdString((HostFolder() / "icons").string());
    QString exact = folder + '/' + name + QStringLiteral(".apx");
    if (QFileInfo::exists(exact)) return exact;
    const QFileInfo wanted(exact);
    QDir dir(folder);
    const QString subFolder = QFileInfo(name).path();
    if (subFolder != QLatin1String(".")) {
        const QStringList dirs = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        const auto sub = std::find_if(dirs.begin(), dirs.end(), [&](const QString& d) {
            return d.compare(subFolder, Qt::CaseInsensitive) == 0;
        });
        if (sub == dirs.end() || !dir.cd(*sub)) return exact;
    }
    const QStringList files = dir.entryList(QDir::Files);
    const auto hit = std::find_if(files.begin(), files.end(), [&](const QString& f) {
        return f.compare(wanted.fileName(), Qt::CaseInsensitive) == 0;
    });
    return hit == files.end() ? exact : dir.filePath(*hit);
}

bool ApxIcon::Load(const QString& name)
{
    return LoadFile(ResolveIconPath(name));
}

bool ApxIcon::LoadFile(const QString& path)
{
    renderer_.reset();
    const FileReadResult read = ReadFileBounded(QFile::encodeName(path).toStdString(), kMaxIconFileBytes);
    if (!read) return WarnOnce(path), false;
    const QByteArray bytes(read.bytes.data(), static_cast<qsizetype>(read.bytes.size()));
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
