// The language choice: the "LanSel" value of the settings store turned into a language number and
// the code ("cn" or "en") that names the attribute of every language-file lookup.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ov {

// Key and value the host writes; the library only reads them.
inline constexpr std::string_view kLanguageKey = "Software\\Ornivex\\Language";
inline constexpr std::string_view kLanguageValue = "LanSel";

// Decimal conversion as the host's C runtime does it: leading white space, an optional sign, digits
// up to the first non-digit; no digits gives 0. Out-of-range values saturate.
int32_t ParseLanguageNumber(std::u16string_view text);

// 2 gives "cn"; every other number gives "en".
std::u16string LanguageCodeForNumber(int32_t number);

// Reads "LanSel" (REG_SZ) of the key at `keyPath`, creating the key when missing; a missing value or
// one of another type counts as "2".
int32_t ReadLanguageNumber(std::string_view keyPath = kLanguageKey);

// The code chosen at library start-up: read from the store on first use and kept for the process.
std::u16string CurrentLanguageCode();

// Replaces the kept code (tests); an empty code makes the next call read the store again.
void SetCurrentLanguageCodeForTesting(std::u16string_view code);

}  // namespace ov
