// RememberedSettings: a dialog's remembered settings read from and written to one key of the store
// through a table that names each stored value once: the value name, the struct member that holds
// it and, optionally, the range a stored number is clamped to. The defaults are the struct's own
// member initialisers (or the struct passed in), so a default is never spelled twice either.
//
// Example: a dialog that remembers a size, a switch, a colour and a title.
//
//     struct ExampleSettings {
//         int32_t size = 12;               // "Size": 1 to 100
//         bool keepRatio = true;           // "KeepRatio"
//         uint32_t colour = 0x0000FF;      // "Colour": a COLORREF
//         std::u16string title = u"Plot";  // "Title"
//     };
//
//     constexpr RememberedValue<ExampleSettings> kExampleValues[] = {
//         {"Size", &ExampleSettings::size, ValueRange{1, 100}},
//         {"KeepRatio", &ExampleSettings::keepRatio},
//         {"Colour", &ExampleSettings::colour},
//         {"Title", &ExampleSettings::title},
//     };
//
//     ExampleSettings s = ReadRemembered("Software\\Ornivex\\MP\\Example", kExampleValues);
//     ...
//     WriteRemembered("Software\\Ornivex\\MP\\Example", kExampleValues, s);
//
// How each member type is stored and read back:
//   int32_t         REG_DWORD; read as a signed number, clamped to the range when one is given.
//   uint32_t        REG_DWORD; read as an unsigned number, clamped likewise.
//   bool            REG_DWORD 0 or 1; read true when the number is not 0. With a range the signed
//                   number is clamped first: ValueRange{0, 1} reads only positive numbers as true.
//   float           REG_DWORD holding the float's bits; a stored NaN or infinity keeps the default
//                   (no range applies).
//   std::u16string  REG_SZ, with the key handle's length rules (RegKeyHandle::ReadString).
// A value that is missing or of another type or size keeps the default; the range applies to stored
// numbers only. Writes store every member as it is, without clamping.
#pragma once

#include "framework/settings/RegKeyHandle.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace ov {

// Inclusive bounds of a stored number; low <= high.
struct ValueRange {
    int64_t low;
    int64_t high;
};

template <class Settings>
struct RememberedValue {
    std::string_view name;
    std::variant<int32_t Settings::*, uint32_t Settings::*, bool Settings::*, float Settings::*,
                 std::u16string Settings::*>
        field;
    std::optional<ValueRange> range = std::nullopt;
};

// One value of each member type; the table functions below pick them by the member's type.
void ReadRememberedValue(const RegKeyHandle& key, std::string_view name,
                         const std::optional<ValueRange>& range, int32_t& value);
void ReadRememberedValue(const RegKeyHandle& key, std::string_view name,
                         const std::optional<ValueRange>& range, uint32_t& value);
void ReadRememberedValue(const RegKeyHandle& key, std::string_view name,
                         const std::optional<ValueRange>& range, bool& value);
void ReadRememberedValue(const RegKeyHandle& key, std::string_view name,
                         const std::optional<ValueRange>& range, float& value);
void ReadRememberedValue(const RegKeyHandle& key, std::string_view name,
                         const std::optional<ValueRange>& range, std::u16string& value);
void WriteRememberedValue(RegKeyHandle& key, std::string_view name, int32_t value);
void WriteRememberedValue(RegKeyHandle& key, std::string_view name, uint32_t value);
void WriteRememberedValue(RegKeyHandle& key, std::string_view name, bool value);
void WriteRememberedValue(RegKeyHandle& key, std::string_view name, float value);
void WriteRememberedValue(RegKeyHandle& key, std::string_view name, const std::u16string& value);

// The settings under `keyPath`: each member of the table from its stored value, the others (and
// the members whose value is missing or unusable) as in `defaults`.
template <class Settings, std::size_t N>
Settings ReadRemembered(std::string_view keyPath, const RememberedValue<Settings> (&table)[N],
                        Settings defaults = {})
{
    const RegKeyHandle key(keyPath);
    for (const RememberedValue<Settings>& entry : table) {
        std::visit([&](auto member) { ReadRememberedValue(key, entry.name, entry.range, defaults.*member); },
                   entry.field);
    }
    return defaults;
}

// Writes every member of the table under `keyPath`; nothing when the key cannot be opened.
template <class Settings, std::size_t N>
void WriteRemembered(std::string_view keyPath, const RememberedValue<Settings> (&table)[N],
                     const Settings& settings)
{
    RegKeyHandle key(keyPath);
    for (const RememberedValue<Settings>& entry : table)
        std::visit([&](auto member) { WriteRememberedValue(key, entry.name, settings.*member); },
                   entry.field);
}

}  // namespace ov
