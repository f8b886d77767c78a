// AdvancedPage: the advanced page's switches and limits in the settings record: the two "ASF"
// switches, the "OUTO" switches and values, and the "AR" values whose first one carries its switch
// in its sign.
#pragma once

#include <ornivex/sysprops.h>

#include <cstdint>
#include <vector>

namespace ov {

struct AdvancedPageValues {
    bool asf1 = false;
    bool asf2 = false;
    bool outo1 = true;
    bool outo2 = true;
    int32_t outoValue1 = 0;  // 0 ... 10000
    float outoValue2 = 0;    // 0 ... 10
    bool arOn = false;       // the "AR" switch; its values are shown only while it is on
    int32_t arValue1 = 10;   // 10 ... 1000
    int32_t arValue2 = 2;    // 2 ... 128
};

// An inclusive range the page checks a typed value against.
struct PageRange {
    double low;
    double high;
};
inline constexpr PageRange kOutoValue1Range{0, 10000};
inline constexpr PageRange kOutoValue2Range{0, 10};
inline constexpr PageRange kArValue1Range{10, 1000};
inline constexpr PageRange kArValue2Range{2, 128};

// The page's values: the "AR" values as magnitudes clamped to their ranges, the switch on when the
// stored first value is at least 10.
AdvancedPageValues LoadAdvancedPage(const SystemSettings& record);

// Writes the switches into bits 1 to 4 (other bits keep their values), the "OUTO" values as they
// are, and the "AR" values clamped, the first one negated while its switch is off.
void StoreAdvancedPage(const AdvancedPageValues& page, SystemSettings& record);

// The "AR" switch turned: its first value is stored at once with the new sign.
void StoreArSwitch(bool on, int32_t arValue1, SystemSettings& record);

// Which of the typed values lie outside their ranges, in page order (0 "OUTO" 1, 1 "OUTO" 2,
// 2 "AR" 1, 3 "AR" 2); the "OUTO" value 2 is truncated toward zero before the check.
std::vector<int> ValuesOutOfRange(const AdvancedPageValues& page);

}  // namespace ov
