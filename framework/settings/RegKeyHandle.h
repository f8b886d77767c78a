// RegKeyHandle: a short-lived handle on one key of the settings store, with typed reads that fall
// back to defaults and writes that are skipped when the key could not be opened.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ov {

class RegistryStore;

class RegKeyHandle {
public:
    RegKeyHandle() = default;
    // Opens the key (a path below the current user, "\"-separated), creating it when missing.
    explicit RegKeyHandle(std::string_view path);
    RegKeyHandle(const RegKeyHandle&) = delete;
    RegKeyHandle& operator=(const RegKeyHandle&) = delete;
    ~RegKeyHandle();

    bool Open(std::string_view path);
    bool IsOpen() const { return opened_; }
    void Close();

    // A REG_DWORD of 4 bytes, else the default; *stored tells whether the stored value was used.
    uint32_t ReadDword(std::string_view name, uint32_t fallback, bool* stored = nullptr) const;
    // A REG_SZ that fits in 256 bytes with its terminator (127 characters), else the default.
    std::u16string ReadString(std::string_view name, std::u16string_view fallback) const;

    void WriteDword(std::string_view name, uint32_t value);
    // Cuts the text to 260 characters; returns whether it was stored.
    bool WriteString(std::string_view name, std::u16string_view text);

private:
    std::string path_;
    bool opened_ = false;
};

}  // namespace ov
