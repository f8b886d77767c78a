// TemporaryMagnet: find-or-create and append.
#include "magnets/TemporaryMagnet.h"

#include "magnets/MagnetList.h"

#include <new>

namespace ov {

bool AppendToTemporaryMagnet(MagnetRecord& record, double column, double row)
{
    const OvPointF position{static_cast<float>(column * record.scale + record.origin_x),
                            static_cast<float>(row * record.scale + record.origin_y)};
    try {
        for (COvMag* magnet : MagnetsOf(record)) {
            if (!magnet->Has(OV_MAG_TEMPORARY)) continue;
            magnet->Append(position);
            return true;
        }
        COvMag* created = AppendMagnet(record, std::u16string(kTemporaryMagnetName));
        if (!created) return false;
        created->Append(position);
        created->SetFlags(OV_MAG_TEMPORARY | OV_MAG_CHANGED, true);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

}  // namespace ov
