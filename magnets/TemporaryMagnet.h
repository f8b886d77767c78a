// TemporaryMagnet: the magnet "__TEMP_MAG" that points along paths extend one position at a time.
#pragma once

#include <ornivex/magnet.h>

namespace ov {

// Appends the page position (column × scale + ox, row × scale + oy) to the first temporary magnet of
// the record, or to a new one named "__TEMP_MAG" (temporary and changed) at the end of the list.
// False when memory ran out (nothing changed).
bool AppendToTemporaryMagnet(MagnetRecord& record, double column, double row);

}  // namespace ov
