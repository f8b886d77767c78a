// VideoResult: the result codes every video writer returns, 0 for success and one code for every
// failure, the values hosts of the library compare with.
#pragma once

#include <cstdint>

namespace ov {

inline constexpr int32_t kVideoOk = 0;
inline constexpr int32_t kVideoFail = static_cast<int32_t>(0x80004005u);

}  // namespace ov
