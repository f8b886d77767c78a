// SourceImage: decoding a bitmap file for tracing. The pixels become an 8-bit BGR matrix with rows
// top-down (transparent pixels composited over white, palettes expanded) plus an RGB32 copy for the
// preview. Files that cannot be read give empty images and a reason the dialog can show.
#pragma once

#include "trace/SourceImageFailure.h"

#include <QImage>
#include <QString>

#include <opencv2/core.hpp>

#include <cstdint>

namespace ov {

struct SourceImage {
    cv::Mat bgr;
    QImage display;
    SourceImageFailure failure = SourceImageFailure::None;
    QString detail;  // the decoder's message, or the size and memory figures for TooLarge
};

// Bytes of memory the process may still use: the kernel's "MemAvailable", else the free pages.
uint64_t AvailableMemoryBytes();

// Decodes `path`. Images whose decoded pixels would need more than `memoryBudget` bytes (0: what
// AvailableMemoryBytes reports) are refused before any pixel is allocated.
SourceImage LoadSourceImage(const QString& path, uint64_t memoryBudget = 0);

}  // namespace ov
