// TokenWindow: classifies 64 bytes at once into bit masks (bit i for byte i) of number-token bytes
// (0-9 + - . e E), the digits among them and line feeds, and counts the lines that hold a token
// start from those masks without a loop. A piece of the window-scan kernel (see WindowScanKernel.h):
// AVX2 in the AVX2 kernel, SSE2 in the baseline one, a byte loop off x86-64.
// No include guard: WindowScan.cpp includes the kernel once per instruction set.

namespace ov::OV_WINDOW_KERNEL {

struct TokenWindow {
    static constexpr std::size_t kBytes = 64;
    uint64_t token = 0;
    uint64_t digit = 0;
    uint64_t line_feed = 0;
};

#if OV_WINDOW_KERNEL_AVX2

inline void Classify32(const char* p, int shift, TokenWindow& w)
{
    const __m256i c = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    const __m256i from_zero = _mm256_sub_epi8(c, _mm256_set1_epi8('0'));
    const __m256i digit = _mm256_cmpeq_epi8(_mm256_min_epu8(from_zero, _mm256_set1_epi8(9)), from_zero);
    const __m256i sign_or_dot = _mm256_or_si256(_mm256_or_si256(_mm256_cmpeq_epi8(c, _mm256_set1_epi8('+')),
                                                                _mm256_cmpeq_epi8(c, _mm256_set1_epi8('-'))),
                                                _mm256_cmpeq_epi8(c, _mm256_set1_epi8('.')));
    // 'e' and 'E' differ only in bit 0x20.
    const __m256i exp = _mm256_cmpeq_epi8(_mm256_or_si256(c, _mm256_set1_epi8(0x20)), _mm256_set1_epi8('e'));
    const auto bits = [](__m256i m) { return uint64_t{static_cast<uint32_t>(_mm256_movemask_epi8(m))}; };
    w.token |= bits(_mm256_or_si256(_mm256_or_si256(digit, sign_or_dot), exp)) << shift;
    w.digit |= bits(digit) << shift;
    w.line_feed |= bits(_mm256_cmpeq_epi8(c, _mm256_set1_epi8('\n'))) << shift;
}

// `p` must have 64 readable bytes.
inline TokenWindow ClassifyWindow(const char* p)
{
    TokenWindow w;
    Classify32(p, 0, w);
    Classify32(p + 32, 32, w);
    return w;
}

#elif defined(__SSE2__)

inline void Classify16(const char* p, int shift, TokenWindow& w)
{
    const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i from_zero = _mm_sub_epi8(c, _mm_set1_epi8('0'));
    const __m128i digit = _mm_cmpeq_epi8(_mm_min_epu8(from_zero, _mm_set1_epi8(9)), from_zero);
    const __m128i sign_or_dot = _mm_or_si128(
        _mm_or_si128(_mm_cmpeq_epi8(c, _mm_set1_epi8('+')), _mm_cmpeq_epi8(c, _mm_set1_epi8('-'))),
        _mm_cmpeq_epi8(c, _mm_set1_epi8('.')));
    // 'e' and 'E' differ only in bit 0x20.
    const __m128i exp = _mm_cmpeq_epi8(_mm_or_si128(c, _mm_set1_epi8(0x20)), _mm_set1_epi8('e'));
    const auto bits = [](__m128i m) { return uint64_t{static_cast<uint16_t>(_mm_movemask_epi8(m))}; };
    w.token |= bits(_mm_or_si128(_mm_or_si128(digit, sign_or_dot), exp)) << shift;
    w.digit |= bits(digit) << shift;
    w.line_feed |= bits(_mm_cmpeq_epi8(c, _mm_set1_epi8('\n'))) << shift;
}

// `p` must have 64 readable bytes.
inline TokenWindow ClassifyWindow(const char* p)
{
    TokenWindow w;
    Classify16(p, 0, w);
    Classify16(p + 16, 16, w);
    Classify16(p + 32, 32, w);
    Classify16(p + 48, 48, w);
    return w;
}

#else

inline TokenWindow ClassifyWindow(const char* p)
{
    TokenWindow w;
    for (int i = 0; i < 64; ++i) {
        const auto c = static_cast<unsigned char>(p[i]);
        const bool digit = c - '0' < 10U;
        const bool token = digit || c == '+' || c == '-' || c == '.' || (c | 0x20) == 'e';
        w.token |= uint64_t{token} << i;
        w.digit |= uint64_t{digit} << i;
        w.line_feed |= uint64_t{c == '\n'} << i;
    }
    return w;
}

#endif

// Set bits of x: one instruction in the AVX2 kernel, a few elsewhere (the builtin is a library call on
// the baseline x86-64).
inline uint64_t CountBits(uint64_t x)
{
#if OV_WINDOW_KERNEL_AVX2
    return static_cast<uint64_t>(__builtin_popcountll(x));
#else
    x -= (x >> 1) & 0x5555555555555555;
    x = (x & 0x3333333333333333) + ((x >> 2) & 0x3333333333333333);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0F;
    return (x * 0x0101010101010101) >> 56;
#endif
}

// Counts the line feeds among `line_feeds` (bits below `used`) that end a line holding one of the
// `starts`; `line_has_value` says whether the line open before bit 0 holds one already, and on return
// whether the line open after bit `used` - 1 does. A start makes the sum carry through the run of
// non-line-feed bits after it into the next line feed, and no further.
inline uint64_t CountValueLines(uint64_t starts, uint64_t line_feeds, std::size_t used, bool& line_has_value)
{
    const uint64_t in_window = used >= 64 ? ~uint64_t{0} : (uint64_t{1} << used) - 1;
    const uint64_t feeds = line_feeds & in_window;
    const uint64_t others = ~feeds & in_window;
    uint64_t sum = 0;
    const bool carry = __builtin_add_overflow(others, starts | (line_has_value ? 1U : 0U), &sum);
    line_has_value = carry || (sum & ~in_window) != 0;
    return CountBits(sum & feeds);
}

}  // namespace ov::OV_WINDOW_KERNEL
