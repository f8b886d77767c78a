// OV_VECTOR_CLONES: a loop function compiled twice by GCC, for the baseline x86-64 and for AVX2, the
// version picked once when the library loads. Without fused multiply-add (AVX2 alone does not enable
// it) both versions round every operation alike, so they give the same values; the AVX2 one handles
// four doubles per instruction where the baseline handles two.
#pragma once

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__SANITIZE_ADDRESS__)
#define OV_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define OV_VECTOR_CLONES
#endif
