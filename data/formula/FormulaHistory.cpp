// History files of the formula dialog: format, dedupe and file access.
#include "data/formula/FormulaHistory.h"

#include <algorithm>
#include <system_error>

#include "data/formula/ArchiveString.h"
#include "framework/files/AtomicFile.h"
#include "framework/files/BoundedFileRead.h"
#include "framework/text/HostFolder.h"

namespace ov {
namespace {

std::vector<std::u16string> Distinct(const std::vector<std::u16string>& entries)
{
    std::vector<std::u16string> kept;
    for (const std::u16string& e : entries) {
        if (kept.size() == kFormulaHistoryLimit) break;
        if (std::find(kept.begin(), kept.end(), e) == kept.end()) kept.push_back(e);
    }
    return kept;
}

}  // namespace

void PushFormula(std::vector<std::u16string>& entries, const std::u16string& formula)
{
    entries.insert(entries.begin(), formula);
    entries = Distinct(entries);
}

std::vector<uint8_t> SerializeFormulaHistory(const FormulaHistory& history, FormulaKind kind)
{
    std::vector<uint8_t> out;
    WriteArchiveInt32(out, kHistoryPage);
    WriteArchiveString(out, history.formula);
    if (kind == FormulaKind::Column) {
        WriteArchiveString(out, history.startText);
        WriteArchiveString(out, history.endText);
    }
    const std::vector<std::u16string> kept = Distinct(history.entries);
    WriteArchiveInt32(out, static_cast<int32_t>(kept.size()));
    for (const std::u16string& e : kept) WriteArchiveString(out, e);
    return out;
}

std::optional<FormulaHistory> ParseFormulaHistory(std::span<const uint8_t> bytes, FormulaKind kind)
{
    ArchiveReader reader(bytes);
    FormulaHistory h;
    const auto page = reader.ReadInt32();
    auto formula = reader.ReadString();
    if (!page || !formula) return std::nullopt;
    h.page = std::clamp(*page, 0, kHistoryPage);
    h.formula = std::move(*formula);
    if (kind == FormulaKind::Column) {
        auto start = reader.ReadString();
        auto end = reader.ReadString();
        if (!start || !end) return std::nullopt;
        h.startText = std::move(*start);
        h.endText = std::move(*end);
    }
    const auto count = reader.ReadInt32();
    // Every string takes at least one byte, so a count beyond the remaining bytes is a lie.
    if (!count || *count < 0 || static_cast<size_t>(*count) > reader.Remaining()) return std::nullopt;
    for (int32_t i = 0; i < *count; ++i) {
        auto entry = reader.ReadString();
        if (!entry) return std::nullopt;
        if (!entry->empty()) h.entries.push_back(std::move(*entry));
    }
    return h;
}

std::filesystem::path FormulaHistoryPath(FormulaKind kind)
{
    return AppDataFolder() / (kind == FormulaKind::Column ? "UMF.his" : "UMFZ.his");
}

HistoryLoad LoadFormulaHistory(const std::filesystem::path& path, FormulaKind kind, FormulaHistory& out)
{
    const FileReadResult read = ReadFileBounded(path, kMaxFormulaHistoryBytes);
    if (read.failure == FileReadFailure::kMissing) return HistoryLoad::Missing;
    if (!read) return HistoryLoad::Damaged;
    const auto* data = reinterpret_cast<const uint8_t*>(read.bytes.data());
    auto parsed = ParseFormulaHistory({data, read.bytes.size()}, kind);
    if (!parsed) return HistoryLoad::Damaged;
    out = std::move(*parsed);
    return HistoryLoad::Loaded;
}

bool SaveFormulaHistory(const std::filesystem::path& path, const FormulaHistory& history, FormulaKind kind)
{
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    const std::vector<uint8_t> bytes = SerializeFormulaHistory(history, kind);
    return static_cast<bool>(
        WriteFileAtomically(path, {reinterpret_cast<const char*>(bytes.data()), bytes.size()}));
}

}  // namespace ov
