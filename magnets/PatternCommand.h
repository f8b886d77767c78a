// PatternCommand: one generator command from its prompt to the magnet: the prompt's section and texts,
// reading the typed texts back, and replacing the current magnet's positions with the pattern.
#pragma once

#include "magnets/COvMag.h"
#include "magnets/MagnetPatternSettings.h"

#include <string>
#include <vector>

namespace ov {

// Section of "MM.xml" with the caption (entry 1) and the labels (entries 2 onwards).
const char* PatternSection(PatternKind kind);

// The prompt's prefilled values: "%g" for lengths and angles, "%d" for counts.
std::vector<std::u16string> PatternFieldTexts(const std::vector<PatternField>& fields);

// Reads one text per field (non-numbers and non-finite values give 0). False, changing nothing, when
// fewer texts came back than there are fields.
bool ReadPatternFieldTexts(const std::vector<PatternField>& fields, const std::vector<std::u16string>& texts);

// The pattern in user coordinates; limits the counts in `settings` as stored afterwards.
std::vector<UserPoint> PatternPoints(MagnetPatternSettings& settings, PatternKind kind, bool copyMode);

// Replaces the magnet's positions with the points in page coordinates. In copy mode the record's
// second list (scale, angle per position) follows the new count: kept pairs stay, new ones are (1, 0).
void ReplaceWithPoints(MagnetRecord& record, COvMag& magnet, const std::vector<UserPoint>& points,
                       const PageMapping& mapping);

// Text parsing shared with the table: the longest decimal number at the start (leading blanks
// skipped), 0 when there is none.
double ParseDecimal(std::u16string_view text);
// A decimal integer at the start (a sign and digits; what follows is ignored), 0 when there is none,
// limited to the 32-bit range.
int32_t ParseInteger(std::u16string_view text);

}  // namespace ov
