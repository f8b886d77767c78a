// Video writing as Save Video does it: each frame file decoded with Qt and handed to the writer of
// one of the five types. scripts/bench-video times this program against the ffmpeg command line
// encoding the same files with the same codec and settings.
// Usage: ov_video_bench TYPE FPS OUTPUT FRAME...   (TYPE 0-4 as in the Save Video dialog)
#include "animation/generate/VideoExportTypes.h"
#include "animation/video/FrameImage.h"

#include <QString>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s TYPE FPS OUTPUT FRAME...\n", argv[0]);
        return 2;
    }
    const ov::VideoExportType type = ov::VideoExportTypeAt(std::atoi(argv[1]));
    const int fps = std::atoi(argv[2]);
    auto writer = ov::MakeVideoWriter(type);
    const QImage first = ov::LoadFrameImage(QString::fromLocal8Bit(argv[4]));
    if (writer->Open(argv[3], type.codec, fps, first.width(), first.height(),
                     first.width() * first.height() * 3, 0) != ov::kVideoOk) {
        std::fprintf(stderr, "cannot open %s\n", argv[3]);
        return 1;
    }
    int failed = writer->AddBitmap(ov::PixelsOf(first)) != ov::kVideoOk;
    for (int i = 5; i < argc; ++i)
        failed += ov::AddImageFile(*writer, QString::fromLocal8Bit(argv[i])) != ov::kVideoOk;
    if (failed) std::fprintf(stderr, "%d frames failed\n", failed);
    return failed ? 1 : 0;
}
