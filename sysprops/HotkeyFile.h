// HotkeyFile: the ".hk2" hotkey file: 462 little-endian records of 10 bytes, key after key and within
// a key group after group (command word 2, word 1, word 3), no header, 4620 bytes in all. The table
// keeps its slots group after group, so reading and writing reorder.
#pragma once

#include <ornivex/sysprops.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace ov {

inline constexpr std::size_t kHotkeyRecordBytes = 10;
inline constexpr std::size_t kHotkeyRecords = std::size_t{OV_HOTKEY_GROUPS} * OV_HOTKEY_KEYS;
inline constexpr std::size_t kHotkeyFileBytes = kHotkeyRecords * kHotkeyRecordBytes;

// Reads whole records in file order into the table's slots and returns how many were read; slots
// beyond them keep their values. Bytes past the 462nd record are ignored.
std::size_t ReadHotkeyRecords(std::span<const uint8_t> bytes, HotkeyTable& table);

// The file's 4620 bytes for the table.
std::string HotkeyFileBytes(const HotkeyTable& table);

enum class HotkeyFileRead {
    kComplete,    // every slot read
    kShort,       // the file ended early: the slots read so far are new, the others kept
    kUnopenable,  // no readable file: every slot is now unbound
};

// Loads the file at `path` into the table, reading at most 4620 bytes.
HotkeyFileRead LoadHotkeyFile(const std::filesystem::path& path, HotkeyTable& table);

// The message shown after a short read: "failed to open file :" followed by the path.
std::string ShortHotkeyFileMessage(const std::filesystem::path& path);

// Writes the table as a whole new file; false when it cannot be written (the old file then stays).
bool SaveHotkeyFile(const HotkeyTable& table, const std::filesystem::path& path);

}  // namespace ov
