// MagnetList: list walks over the record's host list of magnet handles.
#include "magnets/MagnetList.h"

#include <ornivex/hostlist.h>

#include <algorithm>
#include <memory>

namespace ov {

std::vector<COvMag*> MagnetsOf(const MagnetRecord& record)
{
    std::vector<COvMag*> magnets;
    for (const OvHostListNode* node = record.magnets.head; node; node = node->next)
        if (node->data) magnets.push_back(COvMag::FromHandle(static_cast<OvMagnet*>(node->data)));
    return magnets;
}

std::u16string DefaultMagnetName(int32_t count)
{
    std::string digits = std::to_string(count + 1);
    if (digits.size() < 2) digits.insert(digits.begin(), '0');
    return u"M_" + std::u16string(digits.begin(), digits.end());
}

COvMag* AppendMagnet(MagnetRecord& record, std::u16string name)
{
    auto magnet = std::make_unique<COvMag>(std::move(name));
    if (!ov_list_append(&record.magnets, magnet->Handle())) return nullptr;
    return magnet.release();
}

int RemoveMagnets(MagnetRecord& record, const std::function<bool(const COvMag&)>& drop)
{
    int removed = 0;
    int32_t index = 0;
    for (OvHostListNode* node = record.magnets.head; node;) {
        OvHostListNode* next = node->next;
        auto* handle = static_cast<OvMagnet*>(node->data);
        if (handle && drop(*COvMag::FromHandle(handle))) {
            ov_list_remove_at(&record.magnets, index);
            if (record.current_magnet == handle) record.current_magnet = nullptr;
            ov_mag_destroy(handle);
            ++removed;
        } else {
            ++index;
        }
        node = next;
    }
    return removed;
}

int RemoveDroppedMagnets(MagnetRecord& record)
{
    return RemoveMagnets(record, [](const COvMag& m) { return m.Has(OV_MAG_DROPPED); });
}

void RenameMagnet(COvMag& magnet, std::u16string name)
{
    if (name != kTemporaryMagnetName) magnet.SetFlags(OV_MAG_TEMPORARY, false);
    magnet.SetName(std::move(name));
}

}  // namespace ov
