// SourceImage: QImageReader under an allocation limit, white compositing and the BGR copy.
#include "trace/SourceImage.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <string>

#include "framework/files/BoundedFileRead.h"

namespace ov {
namespace {

// Per pixel: the decoded image, the preview copy and its halved copies (a third more), the BGR matrix
// and the mask.
constexpr uint64_t kBytesPerPixel = 4 + 4 + 2 + 3 + 1;

SourceImage Failed(SourceImageFailure failure, QString detail)
{
    SourceImage result;
    result.failure = failure;
    result.detail = std::move(detail);
    return result;
}

// Restores the process-wide decoder limit on every exit (the host may have its own).
class AllocationLimit {
public:
    explicit AllocationLimit(int megabytes) : previous_(QImageReader::allocationLimit())
    {
        QImageReader::setAllocationLimit(megabytes);
    }
    ~AllocationLimit() { QImageReader::setAllocationLimit(previous_); }
    AllocationLimit(const AllocationLimit&) = delete;
    AllocationLimit& operator=(const AllocationLimit&) = delete;

private:
    int previous_;
};

QString SizeText(QSize size, uint64_t need, uint64_t budget)
{
    return QStringLiteral("%1 × %2 (%3 MB > %4 MB)")
        .arg(size.width())
        .arg(size.height())
        .arg(need >> 20)
        .arg(budget >> 20);
}

SourceImage Convert(const QImage& decoded)
{
    SourceImage result;
    result.display = QImage(decoded.size(), QImage::Format_RGB32);
    if (result.display.isNull()) return Failed(SourceImageFailure::TooLarge, {});
    result.display.fill(Qt::white);
    {
        QPainter painter(&result.display);
        painter.drawImage(0, 0, decoded);
    }
    const QImage bgr = result.display.convertToFormat(QImage::Format_BGR888);
    if (bgr.isNull()) return Failed(SourceImageFailure::TooLarge, {});
    try {
        result.bgr.create(bgr.height(), bgr.width(), CV_8UC3);
        for (int y = 0; y < bgr.height(); ++y) {
            std::copy_n(bgr.constScanLine(y), static_cast<size_t>(bgr.width()) * 3, result.bgr.ptr(y));
        }
    } catch (const cv::Exception&) {
        return Failed(SourceImageFailure::TooLarge, {});
    }
    return result;
}

}  // namespace

uint64_t AvailableMemoryBytes()
{
    std::ifstream meminfo("/proc/meminfo");
    std::string key;
    uint64_t kilobytes = 0;
    while (meminfo >> key >> kilobytes) {
        if (key == "MemAvailable:") return kilobytes * 1024;
        meminfo.ignore(64, '\n');
    }
    const long pages = sysconf(_SC_AVPHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    return pages > 0 && pageSize > 0 ? static_cast<uint64_t>(pages) * static_cast<uint64_t>(pageSize) : 0;
}

SourceImage LoadSourceImage(const QString& path, uint64_t memoryBudget)
{
    const uint64_t budget = memoryBudget ? memoryBudget : AvailableMemoryBytes();
    // Only a regular file is handed to the decoder: a FIFO would block it, a folder confuse it.
    FileReadFailure failure = FileReadFailure::kNone;
    int error = 0;
    const int fd = OpenRegularFile(QFile::encodeName(path).toStdString(), failure, error);
    if (fd < 0) return Failed(SourceImageFailure::Unreadable, QString::fromLocal8Bit(std::strerror(error)));
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        close(fd);
        return Failed(SourceImageFailure::Unreadable, file.errorString());
    }
    QImageReader reader(&file);
    const QSize size = reader.size();
    if (!reader.canRead()) return Failed(SourceImageFailure::NotAnImage, reader.errorString());
    if (size.isValid()) {
        const uint64_t need =
            static_cast<uint64_t>(size.width()) * static_cast<uint64_t>(size.height()) * kBytesPerPixel;
        if (need > budget) return Failed(SourceImageFailure::TooLarge, SizeText(size, need, budget));
    }
    // The decoder's own buffer may use at most a third of the budget (it needs 4 of the 14 bytes).
    const auto limitMb = static_cast<int>(std::clamp<uint64_t>((budget / 3) >> 20, 1, 1u << 30));
    const AllocationLimit limit(limitMb);
    QImage decoded;
    if (!reader.read(&decoded)) {
        const bool tooLarge = reader.error() == QImageReader::InvalidDataError && size.isValid() &&
                              reader.errorString().contains(QStringLiteral("limit"), Qt::CaseInsensitive);
        return Failed(tooLarge ? SourceImageFailure::TooLarge : SourceImageFailure::Damaged,
                      reader.errorString());
    }
    return Convert(decoded);
}

}  // namespace ov
