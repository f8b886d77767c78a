// Every file the library reads, under each fault: a folder in its place, a link loop, a FIFO, a 2 GiB
// file where a few KB are expected. Each reader gives its documented default, opening never blocks,
// and memory stays bounded (the size is refused before anything is allocated for it).
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QBuffer>
#include <QImage>
#include <QTextDocument>

#include <cstdlib>
#include <fstream>
#include <functional>

#include "colour/PaletteImage.h"
#include "data/formula/FormulaHistory.h"
#include "data/formula/RtfTextDocument.h"
#include "framework/files/BoundedFileRead.h"
#include "framework/text/LangTable.h"
#include "framework/toolbar/ApxIcon.h"
#include "framework/toolbar/ToolbarDescription.h"
#include "settings/SettingsTestSupport.h"
#include "testhost/ModalDriver.h"
#include "trace/SourceImage.h"

namespace ov::test {
namespace {

namespace fs = std::filesystem;

std::string BitmapBytes()
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(qRgb(10, 20, 30));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes.toStdString();
}

std::string HistoryBytes()
{
    FormulaHistory history;
    history.formula = u"sin(a)";
    history.entries = {u"sin(a)"};
    const std::vector<uint8_t> bytes = SerializeFormulaHistory(history, FormulaKind::Column);
    return {bytes.begin(), bytes.end()};
}

// One reader: where its file lies, good content for it, and whether a read gave the documented
// default (true) or the file's content (false).
struct Reader {
    std::string name;
    std::function<fs::path(const fs::path& host)> place;
    std::string good;
    std::function<bool(const fs::path&)> gaveDefault;
};

std::vector<Reader> Readers()
{
    return {
        {"language file", [](const fs::path& h) { return h / "Languages" / "GP1.xml"; },
         R"(<?xml version="1.0" encoding="UTF-8"?><T><gA><S01 en="text"/></gA></T>)",
         [](const fs::path& p) {
             LangTable table;
             table.OpenPath(u"en", p);
             return !table.IsLoaded() && table.GetLocalizedText("gA", 1).empty();
         }},
        {"toolbar description", [](const fs::path& h) { return h / "icons" / "fault.xml"; },
         R"(<bar><b cmd="5" type="2"><tit en="Go"/></b></bar>)",
         [](const fs::path&) { return LoadToolbarDescription("fault", u"en").empty(); }},
        {"icon", [](const fs::path& h) { return h / "icons" / "fault.apx"; },
         R"(<svg xmlns="http://www.w3.org/2000/svg" width="8" height="8"><rect width="8" height="8"/></svg>)",
         [](const fs::path& p) {
             ApxIcon icon;
             return !icon.LoadFile(QString::fromStdString(p.string())) && !icon.IsValid();
         }},
        {"palette", [](const fs::path& h) { return h / "Pics" / "CP_01.gxx"; }, BitmapBytes(),
         [](const fs::path& p) { return LoadPaletteFile(p).isNull(); }},
        {"history file", [](const fs::path& h) { return h / "data" / "UMF.his"; }, HistoryBytes(),
         [](const fs::path& p) {
             FormulaHistory history;
             return LoadFormulaHistory(p, FormulaKind::Column, history) == HistoryLoad::Damaged &&
                    history.formula == u"a^2" && history.entries.empty();
         }},
        {"bitmap", [](const fs::path& h) { return h / "trace.bmp"; }, BitmapBytes(),
         [](const fs::path& p) {
             const SourceImage image = LoadSourceImage(QString::fromStdString(p.string()));
             return image.failure != SourceImageFailure::None && image.bgr.empty() && image.display.isNull();
         }},
        {"help page", [](const fs::path& h) { return h / "Languages" / "RTF_en" / "1.rtf"; },
         R"({\rtf1 hello})",
         [](const fs::path& p) {
             QTextDocument document;
             return !LoadRtfFile(p, document) && document.isEmpty();
         }},
    };
}

long PeakResidentKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Each fault is laid in each reader's place after good content (so a reader that ignored the fault
// would read the good file). Nothing writes to the FIFO: a reader that opened it without care would
// wait for ever. The 2 GiB file is sparse: a reader that loaded it whole would need 2 GiB.
TEST(ReaderFault, EveryReaderGivesItsDefaultForAFolderALoopAFifoOrAHugeFile)
{
    ovtest::EnsureTestApplication();  // pictures, icons and documents need one
    const fs::path host = ScratchFolder() / "reader-faults";
    setenv("ORNIVEX_HOST_DIR", host.c_str(), 1);
    const struct {
        std::function<void(const fs::path&)> lay;
        FileReadFailure failure;
    } faults[] = {
        {[](const fs::path& path) { fs::create_directories(path / "inside"); }, FileReadFailure::kNotAFile},
        {[](const fs::path& path) { fs::create_symlink(path.filename(), path); },
         FileReadFailure::kUnreadable},
        {[](const fs::path& path) { ASSERT_EQ(mkfifo(path.c_str(), 0644), 0); }, FileReadFailure::kNotAFile},
        {[](const fs::path& path) {
             std::ofstream(path, std::ios::binary) << "<";
             fs::resize_file(path, 2ull << 30);
         },
         FileReadFailure::kTooLarge},
    };
    const long peak_before = PeakResidentKb();
    for (const auto& fault : faults) {
        fs::remove_all(host);
        for (const Reader& reader : Readers()) {
            SCOPED_TRACE(reader.name);
            const fs::path path = reader.place(host);
            fs::create_directories(path.parent_path());
            std::ofstream(path, std::ios::binary) << reader.good;
            ASSERT_FALSE(reader.gaveDefault(path)) << "the good file itself does not read";
            fs::remove(path);
            fault.lay(path);
            EXPECT_TRUE(reader.gaveDefault(path));
        }
        const FileReadResult read = ReadFileBounded(host / "trace.bmp", 1 << 20);
        EXPECT_EQ(read.failure, fault.failure);
        EXPECT_TRUE(read.bytes.empty());
    }
    EXPECT_LT(PeakResidentKb() - peak_before, 256 * 1024) << "a reader loaded the huge file";
    unsetenv("ORNIVEX_HOST_DIR");
}

TEST(BoundedFileRead, ReadsAFileUpToItsCapAndNoFurther)
{
    const fs::path path = ScratchFolder() / "capped.txt";
    std::ofstream(path, std::ios::binary) << "0123456789";
    EXPECT_EQ(ReadFileBounded(path, 10).bytes, "0123456789");
    EXPECT_EQ(ReadFileBounded(path, 9).failure, FileReadFailure::kTooLarge);
    EXPECT_EQ(ReadFileBounded(ScratchFolder() / "absent.txt", 10).failure, FileReadFailure::kMissing);
    // /proc files report size 0 and still have content: read up to the cap, in several reads, with
    // memory for what is there, not for the cap.
    const long peak_before = PeakResidentKb();
    const FileReadResult status = ReadFileBounded("/proc/self/status", std::size_t{1} << 30);
    EXPECT_NE(status.bytes.find("Name:"), std::string::npos);
    EXPECT_LT(PeakResidentKb() - peak_before, 64 * 1024);
    EXPECT_EQ(ReadFileBounded("/proc/self/status", 16).failure, FileReadFailure::kTooLarge);
    const FileReadResult maps = ReadFileBounded("/proc/self/smaps", 16 << 20);
    ASSERT_GT(maps.bytes.size(), 8192u);
    EXPECT_EQ(maps.bytes.find('\0'), std::string::npos);
    EXPECT_EQ(maps.bytes.back(), '\n');
}

}  // namespace
}  // namespace ov::test
