// FrameList: the host list of host strings through which the host hands back rendered frames: the
// frame folder, a second text and one image path per frame. The list owns its strings; discarding
// the frames deletes the frame folder with everything in it and frees every string.
#pragma once

#include <ornivex/hostlist.h>

#include <string>
#include <vector>

namespace ov {

class FrameList {
public:
    FrameList();
    ~FrameList();
    FrameList(const FrameList&) = delete;
    FrameList& operator=(const FrameList&) = delete;

    // Empties the list and puts the request into it: the frame count as "%d".
    bool PrepareRequest(int frameCount);
    // After the host answered: with at least two entries, the first becomes the frame folder and the
    // second the kept text, both taken off the list; with fewer, every entry stays a frame path.
    void TakeAnswer();

    OvHostList* get() { return &list_; }
    int Count() const { return ov_list_count(&list_); }
    std::string PathAt(int index) const;  // UTF-8; "" out of range
    const std::string& Folder() const { return folder_; }
    const std::u16string& SecondText() const { return second_; }

    // Deletes the frame folder (when the host handed one back) and empties the list.
    // `kept` are folders never deleted as the frame folder (see DeleteFolderTree).
    void Discard(const std::vector<std::string>& kept);

private:
    OvHostList list_{};
    std::string folder_;
    std::u16string second_;
};

}  // namespace ov
