// RememberedSettings: reading and writing one remembered value by the type of its member.
#include "framework/settings/RememberedSettings.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace ov {
namespace {

// The stored DWORD as a signed or unsigned number, clamped to the range; nothing when the value is
// missing or not a 4-byte DWORD.
std::optional<int64_t> StoredNumber(const RegKeyHandle& key, std::string_view name, bool isSigned,
                                    const std::optional<ValueRange>& range)
{
    bool stored = false;
    const uint32_t raw = key.ReadDword(name, 0, &stored);
    if (!stored) return std::nullopt;
    const int64_t number =
        isSigned ? static_cast<int64_t>(static_cast<int32_t>(raw)) : static_cast<int64_t>(raw);
    return range ? std::clamp(number, range->low, range->high) : number;
}

}  // namespace

void ReadRememberedValue(const RegKeyHandle& key, std::string_view name,
                         const std::optional<ValueRange>& range, int32_t& value)
{
    if (const std::optional<int64_t> number = StoredNumber(key, name, true, range))
        value = static_cast<int32_t>(*number);
}

void ReadRememberedValue(const RegKeyHandle& key, std::string_view name,
                         const std::optional<ValueRange>& range, uint32_t& value)
{
    if (const std::optional<int64_t> number = StoredNumber(key, name, false, range))
        value = static_cast<uint32_t>(*number);
}

void ReadRememberedValue(const RegKeyHandle& key, std::string_view name,
                         const std::optional<ValueRange>& range, bool& value)
{
    if (const std::optional<int64_t> number = StoredNumber(key, name, true, range)) value = *number != 0;
}

void ReadRememberedValue(const RegKeyHandle& key, std::string_view name,
                         const std::optional<ValueRange>& /*range*/, float& value)
{
    const float stored = std::bit_cast<float>(key.ReadDword(name, std::bit_cast<uint32_t>(value)));
    if (std::isfinite(stored)) value = stored;
}

void ReadRememberedValue(const RegKeyHandle& key, std::string_view name,
                         const std::optional<ValueRange>& /*range*/, std::u16string& value)
{
    value = key.ReadString(name, value);
}

void WriteRememberedValue(RegKeyHandle& key, std::string_view name, int32_t value)
{
    key.WriteDword(name, static_cast<uint32_t>(value));
}

void WriteRememberedValue(RegKeyHandle& key, std::string_view name, uint32_t value)
{
    key.WriteDword(name, value);
}

void WriteRememberedValue(RegKeyHandle& key, std::string_view name, bool value)
{
    key.WriteDword(name, value ? 1 : 0);
}

void WriteRememberedValue(RegKeyHandle& key, std::string_view name, float value)
{
    key.WriteDword(name, std::bit_cast<uint32_t>(value));
}

void WriteRememberedValue(RegKeyHandle& key, std::string_view name, const std::u16string& value)
{
    key.WriteString(name, value);
}

}  // namespace ov
