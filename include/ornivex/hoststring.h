/* Host strings and host lists: the two containers that cross the boundary between host and library.
 * Every heap block here is allocated with malloc and released with free, on whichever side. */
#ifndef ORNIVEX_HOSTSTRING_H
#define ORNIVEX_HOSTSTRING_H

#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#ifndef __cplusplus
#include <uchar.h>
#endif

#include "export.h"

/* A host string is a malloc'ed, NUL-terminated UTF-16 text; a null pointer reads as "". */
typedef char16_t ov_char16;

/* Length in code units, without the terminator. */
static inline size_t ov_str_len(const ov_char16* s)
{
    size_t n = 0;
    if (!s) return 0;
    while (s[n]) ++n;
    return n;
}

/* A new host string holding the first n code units of s; null when out of memory. */
static inline ov_char16* ov_str_dup_n(const ov_char16* s, size_t n)
{
    ov_char16* copy = (ov_char16*)malloc((n + 1) * sizeof(ov_char16));
    if (!copy) return NULL;
    if (n) memcpy(copy, s, n * sizeof(ov_char16));
    copy[n] = 0;
    return copy;
}

static inline ov_char16* ov_str_dup(const ov_char16* s)
{
    return ov_str_dup_n(s, ov_str_len(s));
}

/* A new host string from 7-bit ASCII text (handy for hosts and tests). */
static inline ov_char16* ov_str_from_ascii(const char* s)
{
    size_t n = s ? strlen(s) : 0, i;
    ov_char16* copy = (ov_char16*)malloc((n + 1) * sizeof(ov_char16));
    if (!copy) return NULL;
    for (i = 0; i < n; ++i) copy[i] = (ov_char16)(unsigned char)s[i];
    copy[n] = 0;
    return copy;
}

static inline void ov_str_free(ov_char16* s)
{
    free(s);
}

#endif
