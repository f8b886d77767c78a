// Fuzz target of ".hk2" hotkey files: any bytes read into a table, written out and read back give the
// same table; the records read are exactly the whole 10-byte records of the first 4620 bytes, and the
// host's leading bytes and every slot past them are never touched.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "sysprops/HotkeyFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    auto table = std::make_unique<HotkeyTable>();
    std::memset(table.get(), 0x5A, sizeof(HotkeyTable));
    const HotkeyTable before = *table;
    const std::size_t records = ov::ReadHotkeyRecords({data, size}, *table);
    if (records != std::min(size / ov::kHotkeyRecordBytes, ov::kHotkeyRecords)) std::abort();
    if (std::memcmp(table->host_reserved, before.host_reserved, 8) != 0) std::abort();

    const std::string bytes = ov::HotkeyFileBytes(*table);
    if (bytes.size() != ov::kHotkeyFileBytes) std::abort();
    const std::size_t prefix = records * ov::kHotkeyRecordBytes;
    if (prefix > 0 && std::memcmp(bytes.data(), data, prefix) != 0) std::abort();
    // Past the records read, the bytes are those of the untouched slots.
    const std::string untouched = ov::HotkeyFileBytes(before);
    if (bytes.compare(prefix, std::string::npos, untouched, prefix, std::string::npos) != 0) std::abort();

    auto again = std::make_unique<HotkeyTable>(before);
    ov::ReadHotkeyRecords({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()}, *again);
    if (std::memcmp(again.get(), table.get(), sizeof(HotkeyTable)) != 0) std::abort();
    return 0;
}
