// MagnetList: the magnets of the host's magnet record: reading them in order, appending new ones,
// removing (and destroying) marked ones with the order of the others kept, names and renaming.
#pragma once

#include "magnets/COvMag.h"

#include <functional>
#include <string>
#include <vector>

namespace ov {

inline constexpr std::u16string_view kTemporaryMagnetName = u"__TEMP_MAG";

std::vector<COvMag*> MagnetsOf(const MagnetRecord& record);

// "M_%02d" with count + 1.
std::u16string DefaultMagnetName(int32_t count);

// Appends a new magnet to the record's list; null (nothing appended) when memory runs out.
COvMag* AppendMagnet(MagnetRecord& record, std::u16string name);

// Removes the magnets for which `drop` holds from the list and destroys them; the others keep their
// order. A removed current magnet leaves the record without one. Returns how many went.
int RemoveMagnets(MagnetRecord& record, const std::function<bool(const COvMag&)>& drop);

// The entry point's clean-up before the dialog: magnets marked dropped.
int RemoveDroppedMagnets(MagnetRecord& record);

// Replaces the name; a temporary magnet whose new name is not "__TEMP_MAG" stops being temporary.
void RenameMagnet(COvMag& magnet, std::u16string name);

}  // namespace ov
