// HotkeyFile: reading and writing the ".hk2" hotkey file.
#include "sysprops/HotkeyFile.h"

#include "framework/files/AtomicFile.h"
#include "framework/files/BoundedFileRead.h"
#include "sysprops/HotkeyBindings.h"

#include <unistd.h>
#include <algorithm>
#include <cerrno>

namespace ov {
namespace {

uint32_t ReadU32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

void AppendLittleEndian(std::string& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Record i of the file is key i / 7 of group i % 7.
template <class Table>
auto& SlotOfRecord(Table& table, std::size_t record)
{
    return table.slots[record % OV_HOTKEY_GROUPS][record / OV_HOTKEY_GROUPS];
}

// Up to `limit` bytes of an open descriptor; reading stops at the end of the file or on an error.
std::string ReadUpTo(int fd, std::size_t limit)
{
    std::string bytes(limit, '\0');
    std::size_t done = 0;
    while (done < limit) {
        const ssize_t n = ::read(fd, bytes.data() + done, limit - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return bytes;
}

}  // namespace

std::size_t ReadHotkeyRecords(std::span<const uint8_t> bytes, HotkeyTable& table)
{
    const std::size_t records = std::min(bytes.size() / kHotkeyRecordBytes, kHotkeyRecords);
    for (std::size_t i = 0; i < records; ++i) {
        const uint8_t* p = bytes.data() + i * kHotkeyRecordBytes;
        HotkeySlot& slot = SlotOfRecord(table, i);
        slot.command2 = ReadU32(p);
        slot.command1 = ReadU32(p + 4);
        slot.command3 = static_cast<uint16_t>(p[8] | p[9] << 8);
    }
    return records;
}

std::string HotkeyFileBytes(const HotkeyTable& table)
{
    std::string bytes;
    bytes.reserve(kHotkeyFileBytes);
    for (std::size_t i = 0; i < kHotkeyRecords; ++i) {
        const HotkeySlot& slot = SlotOfRecord(table, i);
        AppendLittleEndian(bytes, slot.command2, 4);
        AppendLittleEndian(bytes, slot.command1, 4);
        AppendLittleEndian(bytes, slot.command3, 2);
    }
    return bytes;
}

HotkeyFileRead LoadHotkeyFile(const std::filesystem::path& path, HotkeyTable& table)
{
    FileReadFailure failure = FileReadFailure::kNone;
    int error = 0;
    const int fd = OpenRegularFile(path, failure, error);
    if (fd < 0) {
        ClearAllKeys(table);
        return HotkeyFileRead::kUnopenable;
    }
    const std::string bytes = ReadUpTo(fd, kHotkeyFileBytes);
    ::close(fd);
    const std::size_t records =
        ReadHotkeyRecords({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()}, table);
    return records == kHotkeyRecords ? HotkeyFileRead::kComplete : HotkeyFileRead::kShort;
}

std::string ShortHotkeyFileMessage(const std::filesystem::path& path)
{
    return "failed to open file :" + path.string();
}

bool SaveHotkeyFile(const HotkeyTable& table, const std::filesystem::path& path)
{
    return static_cast<bool>(WriteFileAtomically(path, HotkeyFileBytes(table)));
}

}  // namespace ov
