// Host-side building blocks for tests.
#include "testhost/HostFixtures.h"

namespace ovtest {

HostList::~HostList()
{
    if (ownsStrings_)
        ov_list_free_strings(&list_);
    else
        ov_list_remove_all(&list_);
}

HostList::HostList(HostList&& other) noexcept : list_(other.list_), ownsStrings_(other.ownsStrings_)
{
    ov_list_init(&other.list_);
}

HostList HostList::Strings(const std::vector<std::u16string>& texts)
{
    HostList l;
    l.ownsStrings_ = true;
    for (const auto& t : texts) ov_list_append(&l.list_, ov_str_dup_n(t.c_str(), t.size()));
    return l;
}

HostList HostList::Pointers(const std::vector<void*>& elements)
{
    HostList l;
    for (void* e : elements) ov_list_append(&l.list_, e);
    return l;
}

std::vector<std::u16string> HostList::StringsNow() const
{
    std::vector<std::u16string> out;
    for (auto* n = list_.head; n; n = n->next) out.emplace_back(static_cast<const ov_char16*>(n->data));
    return out;
}

std::vector<void*> HostList::PointersNow() const
{
    std::vector<void*> out;
    for (auto* n = list_.head; n; n = n->next) out.push_back(n->data);
    return out;
}

RecordingHostWindow::RecordingHostWindow(void* widget)
{
    window_.widget = widget;
    window_.send_message = &RecordingHostWindow::Receive;
    window_.user = this;
}

intptr_t RecordingHostWindow::Receive(OvHostWindow* window, uint32_t message, uintptr_t wparam,
                                      intptr_t lparam)
{
    auto* self = static_cast<RecordingHostWindow*>(window->user);
    HostMessage m{message, wparam, lparam};
    self->messages_.push_back(m);
    return self->answer ? self->answer(m) : 0;
}

}  // namespace ovtest
