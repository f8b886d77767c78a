// Host-side building blocks for tests: host strings and lists owned by RAII wrappers, records filled
// with a byte pattern, and a host window that records every message the library sends.
#pragma once

#include <ornivex/ornivex.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ovtest {

// A host list that frees its nodes (and, for string lists, its strings) when it goes.
class HostList {
public:
    HostList() { ov_list_init(&list_); }
    ~HostList();
    HostList(const HostList&) = delete;
    HostList& operator=(const HostList&) = delete;
    HostList(HostList&& other) noexcept;

    static HostList Strings(const std::vector<std::u16string>& texts);
    static HostList Pointers(const std::vector<void*>& elements);

    OvHostList* get() { return &list_; }
    OvHostList& operator*() { return list_; }
    std::vector<std::u16string> StringsNow() const;
    std::vector<void*> PointersNow() const;

private:
    OvHostList list_{};
    bool ownsStrings_ = false;
};

// A record filled with a repeating byte pattern so that any stray write shows.
template <typename Record>
Record PatternRecord(uint8_t seed)
{
    Record r;
    auto* bytes = reinterpret_cast<uint8_t*>(&r);
    for (std::size_t i = 0; i < sizeof r; ++i) bytes[i] = static_cast<uint8_t>(seed + i * 31);
    return r;
}

struct HostMessage {
    uint32_t message;
    uintptr_t wparam;
    intptr_t lparam;
};

// A host window whose messages land in a list; an optional answer function gives the results.
class RecordingHostWindow {
public:
    explicit RecordingHostWindow(void* widget = nullptr);
    OvHostWindow* get() { return &window_; }
    const std::vector<HostMessage>& Messages() const { return messages_; }
    std::function<intptr_t(const HostMessage&)> answer;

private:
    static intptr_t Receive(OvHostWindow* window, uint32_t message, uintptr_t wparam, intptr_t lparam);
    OvHostWindow window_{};
    std::vector<HostMessage> messages_;
};

}  // namespace ovtest
