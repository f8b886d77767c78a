// AtofFastPath: the inline fast path of the token conversion, for the tokenizer's inner loop. It
// handles the short decimals that fill data files exactly (eight digits at a time, one correctly
// rounded operation) and declines everything else, which ParseAtofPrefix then converts.
#pragma once
#include <cstdint>
#include <cstring>

namespace ov::atof_fast {

inline bool IsDigit(char c)
{
    return static_cast<unsigned char>(c - '0') < 10;
}

inline uint64_t Load8(const char* p)
{
    uint64_t v = 0;
    std::memcpy(&v, p, sizeof v);  // little-endian: the first character is the lowest byte
    return v;
}

// Per byte: zero for a digit, non-zero otherwise. A carry out of a byte of 0xFA or more only reaches
// later bytes, which never matter once an earlier byte is not a digit.
inline uint64_t NonDigitBytes(uint64_t v)
{
    return ((v & 0xF0F0F0F0F0F0F0F0) | (((v + 0x0606060606060606) & 0xF0F0F0F0F0F0F0F0) >> 4)) ^
           0x3333333333333333;
}

// Eight digit values (0-9, first one in the lowest byte) as one number.
inline uint64_t CombineEightDigits(uint64_t v)
{
    v = (v * 10) + (v >> 8);
    v = (((v & 0x000000FF000000FF) * (100 + (1000000ULL << 32))) +
         (((v >> 16) & 0x000000FF000000FF) * (1 + (10000ULL << 32)))) >>
        32;
    return v & 0xFFFFFFFF;
}

struct DigitRun {
    const char* end;
    uint64_t w;
};

// Accumulates a run of digits onto w, eight bytes at a time while the text allows it (kept in a
// register: the text is char and would alias a reference); the caller discards w when more than 19
// digits were read.
[[gnu::always_inline]] inline DigitRun ReadDigits(const char* p, const char* last, uint64_t w)
{
    static constexpr uint64_t kScale[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000};
    while (last - p >= 8) {
        const uint64_t v = Load8(p);
        const uint64_t non_digits = NonDigitBytes(v);
        const uint64_t values = v - 0x3030303030303030;  // borrows only reach bytes after a non-digit
        if (non_digits == 0) {
            w = w * 100000000 + CombineEightDigits(values);
            p += 8;
            continue;
        }
        const int k = __builtin_ctzll(non_digits) >> 3;
        if (k == 0) return {p, w};
        // The k digits moved to the top, zeros (leading zero digits) below them.
        return {p + k, w * kScale[k] + CombineEightDigits(values << (8 * (8 - k)))};
    }
    for (; p < last && IsDigit(*p); ++p) w = w * 10 + static_cast<uint64_t>(*p - '0');
    return {p, w};
}

// The optional exponent "e[+-]digits"; an incomplete one is not part of the number.
inline const char* ReadExponent(const char* p, const char* last, int64_t& exponent)
{
    if (p >= last || (*p != 'e' && *p != 'E')) return p;
    const char* q = p + 1;
    const bool negative = q < last && *q == '-';
    if (q < last && (*q == '-' || *q == '+')) ++q;
    if (q >= last || !IsDigit(*q)) return p;
    int64_t e = 0;
    for (; q < last && IsDigit(*q); ++q) {
        if (e < 100000) e = e * 10 + (*q - '0');
    }
    exponent += negative ? -e : e;
    return q;
}

// Clinger's fast path: with at most 19 digits, a mantissa below 2^53 and a power of ten up to 22,
// one division or multiplication of exact operands rounds correctly. False: take the slow path.
[[gnu::always_inline]] inline bool FastPath(const char* first, const char* last, double& value,
                                            const char*& end)
{
    static constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const char* p = first;
    const bool negative = p < last && *p == '-';
    if (p < last && (*p == '-' || *p == '+')) ++p;
    const char* int_start = p;
    DigitRun run = ReadDigits(p, last, 0);
    p = run.end;
    int64_t digits = p - int_start;
    // A plain integer of up to 15 digits (exact in a double), the commonest token of data files.
    if (digits != 0 && digits <= 15 && (p == last || (*p != '.' && (*p | 0x20) != 'e'))) {
        const auto m = static_cast<double>(run.w);
        value = negative ? -m : m;
        end = p;
        return true;
    }
    int64_t exponent = 0;
    if (p < last && *p == '.') {
        const char* frac_start = ++p;
        run = ReadDigits(p, last, run.w);
        p = run.end;
        exponent = -(p - frac_start);
        digits += p - frac_start;
    }
    if (digits == 0) {  // "-", ".", "e5", "+-1": no number
        value = 0.0;
        end = first;
        return true;
    }
    if (digits > 19) return false;
    p = ReadExponent(p, last, exponent);
    const uint64_t w = run.w;
    if (w > (uint64_t{1} << 53) || exponent < -22 || exponent > 22) {
        if (w != 0) return false;
        exponent = 0;  // zero with any exponent
    }
    const auto m = static_cast<double>(w);
    const double v = exponent < 0 ? m / kPow10[-exponent] : m * kPow10[exponent];
    value = negative ? -v : v;
    end = p;
    return true;
}

}  // namespace ov::atof_fast
