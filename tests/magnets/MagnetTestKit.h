// What the magnets tests share: point lists as one text, the magnets' names, and a record whose
// magnets are destroyed with it.
#pragma once

#include "magnets/COvMag.h"
#include "magnets/MagnetList.h"

#include <sstream>
#include <string>
#include <vector>

namespace ov::testkit {

// "x,y x,y ..." as a stream writes the values (six significant digits).
inline std::string PointsText(const std::vector<OvPointF>& points)
{
    std::ostringstream text;
    for (const OvPointF& p : points) text << (text.tellp() > 0 ? " " : "") << p.x << "," << p.y;
    return text.str();
}

inline std::vector<std::u16string> Names(const MagnetRecord& record)
{
    std::vector<std::u16string> names;
    for (const COvMag* m : MagnetsOf(record)) names.push_back(m->Name());
    return names;
}

struct RecordWithMagnets {
    MagnetRecord record{};
    RecordWithMagnets() = default;
    RecordWithMagnets(const RecordWithMagnets&) = delete;
    RecordWithMagnets& operator=(const RecordWithMagnets&) = delete;
    ~RecordWithMagnets()
    {
        for (COvMag* m : MagnetsOf(record)) ov_mag_destroy(m->Handle());
        ov_list_remove_all(&record.magnets);
    }
};

}  // namespace ov::testkit
