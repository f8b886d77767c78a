// ReadAsciiMatrix: skips the leading lines, splits the rest at line feeds among threads (each its own
// tokenizer over its own views), then lays the values out column-major in reading order, returning
// the read values slab by slab as the matrix fills.
#include "data/import/AsciiMatrix.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstring>
#include <thread>
#include <vector>

#include "data/import/AsciiTokenizer.h"
#include "data/import/FileMapReadBlock.h"
#include "data/import/GuardedCopy.h"
#include "data/import/MatrixPieces.h"

namespace ov {
namespace {

constexpr uint64_t kDefaultParallelThreshold = uint64_t{8} * 1024 * 1024;
constexpr unsigned kMaxThreads = 4;
// Bytes copied out of a view at a time: small enough to stay in the core's cache.
constexpr std::size_t kCopyBlockBytes = std::size_t{256} * 1024;
std::atomic<uint64_t> g_parallel_threshold{0};

struct ByteRange {
    uint64_t begin = 0;
    uint64_t end = 0;
};

// Offset of the first line feed at or after `from`, or the file size.
uint64_t FindLineFeed(COvFileMapReadBlock& map, uint64_t from, bool& failed)
{
    const uint64_t vs = map.ViewSize();
    for (uint64_t index = from / vs; index * vs < map.FileSize() && !failed; ++index) {
        const std::string_view view = map.MapView(index, &failed);
        const uint64_t lo = std::max(from, index * vs) - index * vs;
        if (lo >= view.size()) continue;
        std::size_t at = 0;
        if (!GuardedFind(view.data() + lo, view.size() - lo, '\n', at))
            failed = true;
        else if (at < view.size() - lo)
            return index * vs + lo + at;
    }
    return map.FileSize();
}

// Offset of the byte after the `lines`-th line feed, or the file size when there are fewer.
uint64_t OffsetAfterLines(COvFileMapReadBlock& map, int64_t lines, bool& failed)
{
    uint64_t offset = 0;
    for (int64_t i = 0; i < lines && offset < map.FileSize() && !failed; ++i) {
        offset = std::min(FindLineFeed(map, offset, failed) + 1, map.FileSize());
    }
    return offset;
}

unsigned ThreadCountFor(uint64_t bytes)
{
    const uint64_t override_threshold = g_parallel_threshold.load();
    const uint64_t threshold = override_threshold != 0 ? override_threshold : kDefaultParallelThreshold;
    if (bytes < threshold) return 1;
    const unsigned hardware = std::clamp(std::thread::hardware_concurrency(), 1U, kMaxThreads);
    return static_cast<unsigned>(std::min<uint64_t>(hardware, bytes / (threshold / 2 + 1)));
}

// Cuts [begin, size) into up to `parts` ranges, each ending just after a line feed (the last one at
// the end of the file), so that every range starts a fresh line.
std::vector<ByteRange> SplitAtLineFeeds(COvFileMapReadBlock& map, uint64_t begin, unsigned parts,
                                        bool& failed)
{
    std::vector<ByteRange> ranges;
    const uint64_t size = map.FileSize();
    uint64_t start = begin;
    for (unsigned i = 1; i < parts && start < size; ++i) {
        const uint64_t target = std::max(start, begin + (size - begin) / parts * i);
        const uint64_t lf = FindLineFeed(map, target, failed);
        if (lf >= size) break;
        ranges.push_back({start, lf + 1});
        start = lf + 1;
    }
    if (start < size) ranges.push_back({start, size});
    return ranges;
}

// Copies [begin, end) of a view into the cache-sized buffer block by block and feeds each block; false
// when the file shrank under the mapping.
bool FeedCopied(std::string_view view, uint64_t begin, uint64_t end, std::vector<char>& buffer,
                AsciiTokenizer& tokenizer)
{
    for (uint64_t at = begin; at < end; at += buffer.size()) {
        const auto size = static_cast<std::size_t>(std::min<uint64_t>(buffer.size(), end - at));
        if (!GuardedCopy(buffer.data(), view.data() + at, size)) return false;
        tokenizer.Feed(buffer.data(), size);
    }
    return true;
}

// Feeds the bytes of one range, view by view, to its own tokenizer.
bool TokenizeRange(const std::string& path, ByteRange range, AsciiTokenizer& tokenizer)
{
    COvFileMapReadBlock map;
    if (!map.Open(path)) return false;
    const uint64_t vs = map.ViewSize();
    std::vector<char> buffer(kCopyBlockBytes);
    bool failed = false;
    for (uint64_t index = range.begin / vs; index * vs < range.end; ++index) {
        const std::string_view view = map.MapView(index, &failed);
        if (failed) return false;
        const uint64_t base = index * vs;
        const uint64_t lo = std::max(range.begin, base) - base;
        const uint64_t hi = std::min<uint64_t>(range.end - base, view.size());
        if (hi > lo && !FeedCopied(view, lo, hi, buffer, tokenizer)) return false;
    }
    tokenizer.Finish();
    return true;
}

// Runs one part of the work on the calling thread and reports 1 when it succeeded. Whatever the part
// throws (no memory for its values) ends here as 0, so a worker thread never ends in std::terminate
// and its owner sees the failure exactly as if the part had run on its own thread.
template <typename Part>
char RunPart(Part&& part) noexcept
{
    try {
        return part() ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

bool AllSucceeded(const std::vector<char>& ok)
{
    return std::all_of(ok.begin(), ok.end(), [](char v) { return v != 0; });
}

bool TokenizeRanges(const std::string& path, const std::vector<ByteRange>& ranges,
                    std::vector<AsciiTokenizer>& tokenizers)
{
    tokenizers.resize(ranges.size());
    std::vector<char> ok(ranges.size(), 0);
    std::vector<std::jthread> workers;
    for (std::size_t i = 1; i < ranges.size(); ++i) {
        workers.emplace_back(
            [&, i] { ok[i] = RunPart([&] { return TokenizeRange(path, ranges[i], tokenizers[i]); }); });
    }
    if (!ranges.empty()) ok[0] = RunPart([&] { return TokenizeRange(path, ranges[0], tokenizers[0]); });
    workers.clear();  // joins
    return AllSucceeded(ok);
}

// The matrix shape from the value and row counts, or nothing when the rules reject it.
std::optional<AsciiMatrix> ShapeFor(uint64_t values, uint64_t rows, int32_t forced_cols)
{
    if (values == 0 || rows == 0) return std::nullopt;
    uint64_t cols = 0;
    if (forced_cols > 0) {
        cols = static_cast<uint64_t>(forced_cols);
        rows = values / cols;
    } else {
        cols = values / rows;
    }
    if (cols < 1 || rows < 2 || cols > INT32_MAX || rows > INT32_MAX) return std::nullopt;
    AsciiMatrix matrix;
    matrix.cols = static_cast<int32_t>(cols);
    matrix.rows = static_cast<int32_t>(rows);
    return matrix;
}

// Where the values of one column are written: the rest of the current piece.
struct ColumnCursor {
    double* at = nullptr;
    double* end = nullptr;
};

// Lays the values of one part, the first of which has reading-order index `first`, out column-major
// into the pieces, returning each slab of the part as soon as it has been laid out; stops at the
// matrix's last cell.
void ScatterPart(AsciiTokenizer& part, uint64_t first, uint64_t cols, uint64_t height,
                 COvMatrixPieces& pieces)
{
    const uint64_t cells = cols * height;
    if (first >= cells) {
        part.Values().Drain(0, [](const double*, std::size_t) {});
        return;
    }
    const uint64_t per_piece = pieces.PieceValues();
    std::vector<ColumnCursor> cursors(cols);
    uint64_t r = first / cols;
    uint64_t c = first % cols;
    // Points the column's cursor at cell (c, r) and the end of its piece.
    const auto aim = [&](ColumnCursor& cursor) {
        const uint64_t cell = c * height + r;
        const auto k = static_cast<std::size_t>(cell / per_piece);
        double* const piece = pieces.Piece(k);
        cursor.at = piece + (cell - k * per_piece);
        cursor.end = piece + std::min(per_piece, cells - k * per_piece);
    };
    part.Values().Drain(cells - first, [&](const double* values, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            ColumnCursor& cursor = cursors[c];
            if (cursor.at == cursor.end) aim(cursor);
            *cursor.at++ = values[i];
            if (++c == cols) c = 0, ++r;
        }
    });
}

// Lays the first cols * rows values of the tokenizers, in order, out column-major; each part is
// written by its own thread, which returns the part's values as it goes.
std::optional<AsciiMatrix> BuildMatrix(std::vector<AsciiTokenizer>& parts, int32_t forced_cols)
{
    std::vector<uint64_t> firsts;
    uint64_t values = 0;
    uint64_t rows = 0;
    for (const AsciiTokenizer& part : parts) {
        firsts.push_back(values);
        values += part.Values().Count();
        rows += part.Rows();
    }
    std::optional<AsciiMatrix> matrix = ShapeFor(values, rows, forced_cols);
    if (!matrix) return std::nullopt;
    const auto cols = static_cast<uint64_t>(matrix->cols);
    const auto height = static_cast<uint64_t>(matrix->rows);
    COvMatrixPieces pieces(cols * height);
    std::vector<char> ok(parts.size(), 0);
    std::vector<std::jthread> workers;
    const auto scatter = [&](std::size_t i) {
        ok[i] = RunPart([&] {
            ScatterPart(parts[i], firsts[i], cols, height, pieces);
            return true;
        });
    };
    for (std::size_t i = 1; i < parts.size(); ++i) workers.emplace_back(scatter, i);
    if (!parts.empty()) scatter(0);
    workers.clear();  // joins
    if (!AllSucceeded(ok)) return std::nullopt;
    matrix->values = pieces.Take();
    return matrix;
}

std::optional<AsciiMatrix> ReadMappedFile(const std::string& path, int64_t skip_lines, int32_t forced_cols)
{
    const BusErrorGuardScope bus_guard;  // one installation for every block of the file
    COvFileMapReadBlock map;
    if (!map.Open(path) || map.FileSize() == 0) return std::nullopt;
    bool failed = false;
    const uint64_t begin = OffsetAfterLines(map, skip_lines, failed);
    const unsigned threads = ThreadCountFor(map.FileSize() - begin);
    const std::vector<ByteRange> ranges = SplitAtLineFeeds(map, begin, threads, failed);
    map.UnmapView();  // the workers map their own views
    if (failed || ranges.empty()) return std::nullopt;
    std::vector<AsciiTokenizer> tokenizers;
    if (!TokenizeRanges(path, ranges, tokenizers)) return std::nullopt;
    return BuildMatrix(tokenizers, forced_cols);
}

}  // namespace

int64_t SkipLinesForStartLine(int32_t data_start_line)
{
    return std::max<int64_t>(0, int64_t{data_start_line} - 1);
}

int32_t ForcedColumnsFor(bool auto_check, int32_t columns)
{
    return auto_check ? -1 : std::max(1, columns);
}

void SetParallelThresholdForTesting(uint64_t bytes)
{
    g_parallel_threshold = bytes;
}

std::optional<AsciiMatrix> ReadAsciiMatrix(const std::string& path, int64_t skip_lines, int32_t forced_cols)
{
    try {
        return ReadMappedFile(path, std::max<int64_t>(0, skip_lines), forced_cols);
    } catch (...) {  // out of memory or no thread: the documented "no data"
        return std::nullopt;
    }
}

std::optional<AsciiMatrix> ReadAsciiMatrixFromBytes(std::string_view bytes, int64_t skip_lines,
                                                    int32_t forced_cols)
{
    try {
        std::vector<AsciiTokenizer> parts;
        parts.emplace_back(static_cast<uint64_t>(std::max<int64_t>(0, skip_lines)));
        parts[0].Feed(bytes.data(), bytes.size());
        parts[0].Finish();
        return BuildMatrix(parts, forced_cols);
    } catch (...) {
        return std::nullopt;
    }
}

}  // namespace ov
