// The formula dialog's remembered state: the page to show, the fields and the last formulas, kept
// in "UMF.his" (column kind) or "UMFZ.his" (surface kind) in the application-data folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ov {

enum class FormulaKind : int32_t { Column = 1, Surface = 2 };

inline constexpr size_t kFormulaHistoryLimit = 24;
inline constexpr int32_t kHistoryPage = 4;
// A history file longer than this is damaged (24 formulas take a few KB).
inline constexpr size_t kMaxFormulaHistoryBytes = 4 << 20;

struct FormulaHistory {
    int32_t page = kHistoryPage;  // 0-3 text pages, 4 the history list
    std::u16string formula = u"a^2";
    std::u16string startText = u"0";      // column kind only
    std::u16string endText = u"1";        // column kind only
    std::vector<std::u16string> entries;  // most recent first
};

// The file bytes: page (always written as 4), formula, [start, end,] count, entries. The entries
// are deduplicated (exact match, first kept) and cut to 24.
std::vector<uint8_t> SerializeFormulaHistory(const FormulaHistory& history, FormulaKind kind);
// Nullopt for damaged data. The page is clamped to 0-4 and empty entries are dropped.
std::optional<FormulaHistory> ParseFormulaHistory(std::span<const uint8_t> bytes, FormulaKind kind);

// Puts `formula` at the head of the list, dropping an equal older entry and anything past 24.
void PushFormula(std::vector<std::u16string>& entries, const std::u16string& formula);

std::filesystem::path FormulaHistoryPath(FormulaKind kind);

// Missing: no file. Damaged: anything else that is not a readable history (a folder or FIFO in its
// place, no permission, a link loop, more than kMaxFormulaHistoryBytes, broken content).
enum class HistoryLoad { Missing, Loaded, Damaged };
HistoryLoad LoadFormulaHistory(const std::filesystem::path& path, FormulaKind kind, FormulaHistory& out);
// Replaces the file whole (the old one stays when writing fails); false when it cannot be written.
bool SaveFormulaHistory(const std::filesystem::path& path, const FormulaHistory& history, FormulaKind kind);

}  // namespace ov
