// FrameList: the request string, taking the answer apart and discarding the frames.
#include "animation/generate/FrameList.h"

#include "animation/video/FolderDeletion.h"
#include "framework/text/Utf16Conversion.h"

#include <cstdlib>

namespace ov {
namespace {

std::u16string TextOf(const void* hostString)
{
    const auto* s = static_cast<const ov_char16*>(hostString);
    return s ? std::u16string(s, ov_str_len(s)) : std::u16string();
}

}  // namespace

FrameList::FrameList()
{
    ov_list_init(&list_);
}

FrameList::~FrameList()
{
    ov_list_free_strings(&list_);
}

bool FrameList::PrepareRequest(int frameCount)
{
    ov_list_free_strings(&list_);
    ov_char16* count = ov_str_from_ascii(std::to_string(frameCount).c_str());
    if (!count) return false;
    if (ov_list_append(&list_, count)) return true;
    free(count);
    return false;
}

void FrameList::TakeAnswer()
{
    if (ov_list_count(&list_) < 2) return;
    void* folder = ov_list_remove_at(&list_, 0);
    void* second = ov_list_remove_at(&list_, 0);
    folder_ = Utf16ToUtf8(TextOf(folder));
    second_ = TextOf(second);
    free(folder);
    free(second);
}

std::string FrameList::PathAt(int index) const
{
    return Utf16ToUtf8(TextOf(ov_list_at(&list_, index)));
}

void FrameList::Discard(const std::vector<std::string>& kept)
{
    // A folder handed back without frames is deleted too, so no answer leaves a folder behind.
    if (!folder_.empty()) DeleteFolderTree(folder_, kept);
    ov_list_free_strings(&list_);
    folder_.clear();
    second_.clear();
}

}  // namespace ov
