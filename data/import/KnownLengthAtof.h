// KnownLengthAtof: converts a token whose length and non-digit positions are already known, for the
// shapes that fill data files: [-]digits with up to 15 digits, and [-]digits.digits with up to 15
// digits in all and perhaps an exponent of up to three digits. Digit runs are read from the 16 bytes
// that end where they end, so no branch depends on their length. The mantissa is exact in a double
// and the power of ten at most 22, so one division or multiplication rounds correctly (Clinger: the
// same result as strtod). Other shapes are declined.
// A piece of the window-scan kernel (see WindowScanKernel.h), without include guard.

namespace ov::OV_WINDOW_KERNEL {

// The value of the n digits (1 to 16) that end just before `end`; the 16 bytes before `end` must be
// readable. Bytes in front of the digits count as zeros.
#if defined(__SSE2__)
[[gnu::always_inline]] inline uint64_t DigitsEndingAt(const char* end, int n)
{
    // 16 zero bytes then 16 0xFF: the 16 bytes from `n` keep the last n bytes of a window.
    alignas(32) static constexpr uint8_t kKeep[32] = {
        0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,
        0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    const __m128i text = _mm_loadu_si128(reinterpret_cast<const __m128i*>(end - 16));
    const __m128i keep = _mm_loadu_si128(reinterpret_cast<const __m128i*>(kKeep + n));
    const __m128i d = _mm_and_si128(_mm_sub_epi8(text, _mm_set1_epi8('0')), keep);
#if OV_WINDOW_KERNEL_AVX2
    const __m128i d2 = _mm_maddubs_epi16(d, _mm_set1_epi16(0x010A));
#else
    // Pairs of digits (the first of each pair is the low byte of a 16-bit lane), then groups of 4
    // and 8 digits.
    const __m128i d2 = _mm_add_epi16(
        _mm_mullo_epi16(_mm_and_si128(d, _mm_set1_epi16(0xFF)), _mm_set1_epi16(10)), _mm_srli_epi16(d, 8));
#endif
    const __m128i d4 = _mm_madd_epi16(d2, _mm_set1_epi32(0x00010064));  // 100 * first + second
    const __m128i d8 = _mm_madd_epi16(_mm_packs_epi32(d4, d4), _mm_set1_epi32(0x00012710));  // 10000 * ...
    const uint64_t halves = static_cast<uint64_t>(_mm_cvtsi128_si64(d8));
    return (halves & 0xFFFFFFFF) * 100000000 + (halves >> 32);
}
#else
[[gnu::always_inline]] inline uint64_t DigitsEndingAt(const char* end, int n)
{
    constexpr uint64_t kZeros = 0x3030303030303030;
    const unsigned __int128 keep = ~static_cast<unsigned __int128>(0) << (8 * (16 - n));
    const auto keep_low = static_cast<uint64_t>(keep);
    const auto keep_high = static_cast<uint64_t>(keep >> 64);
    const uint64_t low = ((atof_fast::Load8(end - 16) & keep_low) | (kZeros & ~keep_low)) - kZeros;
    const uint64_t high = ((atof_fast::Load8(end - 8) & keep_high) | (kZeros & ~keep_high)) - kZeros;
    return atof_fast::CombineEightDigits(low) * 100000000 + atof_fast::CombineEightDigits(high);
}
#endif

// The exponent "e[+-]d" to "e[+-]ddd" at text[at], ending at text[size]; false for anything else.
// `non_digits` as for Convert, shifted to `at`.
inline bool ReadExponent(const char* text, int at, int size, uint64_t non_digits, int& exponent)
{
    if ((text[at] | 0x20) != 'e') return false;
    int first = at + 1;
    int sign = 1;
    if ((non_digits >> 1) != 0) {  // only a sign may follow the 'e'
        if ((non_digits >> 1) != 1 || (text[first] != '-' && text[first] != '+')) return false;
        sign = text[first] == '-' ? -1 : 1;
        ++first;
    }
    if (size - first < 1 || size - first > 3) return false;
    exponent = sign * static_cast<int>(DigitsEndingAt(text + size, size - first));
    return true;
}

// `token` holds `length` token bytes; bit i of `non_digits` is set when byte i is not a digit. The
// 16 bytes before the token's end must be readable. False: the shape is not handled here.
[[gnu::always_inline]] inline bool Convert(const char* token, int length, uint64_t non_digits, double& value)
{
    static constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    static constexpr uint64_t kPow10Int[] = {1,
                                             10,
                                             100,
                                             1000,
                                             10000,
                                             100000,
                                             1000000,
                                             10000000,
                                             100000000,
                                             1000000000,
                                             10000000000,
                                             100000000000,
                                             1000000000000,
                                             10000000000000,
                                             100000000000000,
                                             1000000000000000};
    const int sign = token[0] == '-' ? 1 : 0;
    const char* const text = token + sign;
    const uint64_t rest = non_digits >> sign;
    const int size = length - sign;
    if (rest == 0) {
        if (size < 1 || size > 15) return false;
        const auto m = static_cast<double>(DigitsEndingAt(text + size, size));
        value = sign != 0 ? -m : m;
        return true;
    }
    // A point with digits on both sides, 15 digits at most, then perhaps an exponent.
    const int point = __builtin_ctzll(rest);
    if (point < 1 || text[point] != '.') return false;
    const uint64_t after = rest & (rest - 1);
    int mantissa_end = size;
    int exponent = 0;
    if (after != 0) {
        mantissa_end = __builtin_ctzll(after);
        if (!ReadExponent(text, mantissa_end, size, after >> mantissa_end, exponent)) return false;
    }
    const int fraction = mantissa_end - point - 1;
    if (fraction < 1 || mantissa_end > 16) return false;
    exponent -= fraction;
    if (exponent < -22 || exponent > 22) return false;
    const uint64_t w = DigitsEndingAt(text + point, point) * kPow10Int[fraction] +
                       DigitsEndingAt(text + mantissa_end, fraction);
    const auto m = static_cast<double>(w);
    const double v = exponent < 0 ? m / kPow10[-exponent] : m * kPow10[exponent];
    value = sign != 0 ? -v : v;
    return true;
}

}  // namespace ov::OV_WINDOW_KERNEL
