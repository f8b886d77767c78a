/* Animation records exchanged with the host: the time series that drive an animation and the
 * selection record through which the time-series dialog reports the picked series and row.
 * Byte offsets are those of the 32-bit host; the asserts at the end prove them under -m32. */
#ifndef ORNIVEX_ANIMATION_H
#define ORNIVEX_ANIMATION_H

#include "hostlist.h"

/* A time series: each row one time step, each column one animated quantity (52 bytes on 32-bit).
 * The library creates new ones with this layout and appends them to the host's list. */
typedef struct TimeSeries {
    OvHostList column_titles; /* host strings, one per column */
    uint32_t reserved_1c;
    int32_t id;      /* unique, from the host's next-id counter */
    ov_char16* name; /* host string */
    int32_t columns;
    int32_t rows;
    double* values; /* columns × rows, column-major: column c, row r at c × rows + r; malloc'ed */
} TimeSeries;

/* Bits of SelectionRecord.flags. */
enum { OV_SELECTION_RELATIVE = 0x01, OV_SELECTION_INCREMENTAL = 0x02 };

/* The animated property's pick: word 0 of code 0xFF (16 bytes). */
typedef struct SelectionRecord {
    int32_t series_id; /* 0: none */
    int32_t row;       /* 0-based */
    uint32_t reserved_08;
    uint32_t flags; /* OV_SELECTION_* */
} SelectionRecord;

/* Pure data: the same size on every target. */
OV_ASSERT_SIZE(SelectionRecord, 16);
OV_ASSERT_OFFSET(SelectionRecord, row, 4);
OV_ASSERT_OFFSET(SelectionRecord, flags, 12);

#if OV_LAYOUT_32
OV_ASSERT_SIZE(TimeSeries, 52);
OV_ASSERT_OFFSET(TimeSeries, reserved_1c, 0x1c);
OV_ASSERT_OFFSET(TimeSeries, id, 0x20);
OV_ASSERT_OFFSET(TimeSeries, name, 0x24);
OV_ASSERT_OFFSET(TimeSeries, columns, 0x28);
OV_ASSERT_OFFSET(TimeSeries, rows, 0x2c);
OV_ASSERT_OFFSET(TimeSeries, values, 0x30);
#endif

#endif
