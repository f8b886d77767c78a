// Sine and cosine over a block of values, written as plain loops the compiler vectorises. Every
// value is within 1 ulp of the exact result for |x| up to kBlockSinCosBound; beyond it, infinities
// and NaN go to the C library's sin and cos one element at a time.
#pragma once
#include <cstdint>

namespace ov {

// Arguments up to this magnitude are reduced in the block; the rest by the C library.
inline constexpr double kBlockSinCosBound = 0x1p20;

// out[i] = sin(x[i]) or cos(x[i]) for i < n; out is either x itself or does not overlap it.
void SinBlock(const double* x, double* out, int64_t n);
void CosBlock(const double* x, double* out, int64_t n);

}  // namespace ov
