// RegKeyHandle: typed reads and writes on one key of the settings store with the registry's size
// rules.
#include "framework/settings/RegKeyHandle.h"

#include "framework/settings/RegistryStore.h"

namespace ov {
namespace {

constexpr size_t kReadBufferBytes = 256;  // strings longer than this read as missing
constexpr size_t kMaxWrittenChars = 260;  // longer strings are cut before writing

bool IsHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

}  // namespace

RegKeyHandle::RegKeyHandle(std::string_view path)
{
    Open(path);
}

RegKeyHandle::~RegKeyHandle()
{
    Close();
}

bool RegKeyHandle::Open(std::string_view path)
{
    opened_ = RegistryStore::Instance().CreateKey(path);
    path_ = opened_ ? std::string(path) : std::string();
    return opened_;
}

void RegKeyHandle::Close()
{
    opened_ = false;
    path_.clear();
}

uint32_t RegKeyHandle::ReadDword(std::string_view name, uint32_t fallback, bool* stored) const
{
    if (stored != nullptr) *stored = false;
    if (!opened_) return fallback;
    const std::optional<RegValue> value = RegistryStore::Instance().ReadValue(path_, name);
    if (!value || value->type != kRegDword || value->data.size() != 4) return fallback;
    if (stored != nullptr) *stored = true;
    return DwordFromBytes(value->data);
}

std::u16string RegKeyHandle::ReadString(std::string_view name, std::u16string_view fallback) const
{
    if (!opened_) return std::u16string(fallback);
    const std::optional<RegValue> value = RegistryStore::Instance().ReadValue(path_, name);
    if (!value || value->type != kRegSz || value->data.size() > kReadBufferBytes) {
        return std::u16string(fallback);
    }
    return SzText(value->data);  // a stored value need not carry its terminator
}

void RegKeyHandle::WriteDword(std::string_view name, uint32_t value)
{
    if (opened_)
        RegistryStore::Instance().WriteValue(path_, {std::string(name), kRegDword, DwordBytes(value)});
}

bool RegKeyHandle::WriteString(std::string_view name, std::u16string_view text)
{
    if (!opened_) return false;
    if (text.size() > kMaxWrittenChars) {
        text = text.substr(0, kMaxWrittenChars);
        // Never keep half of a surrogate pair: it would not convert back to UTF-8.
        if (IsHighSurrogate(text.back())) text.remove_suffix(1);
    }
    return RegistryStore::Instance().WriteValue(path_, {std::string(name), kRegSz, SzBytes(text)});
}

}  // namespace ov
