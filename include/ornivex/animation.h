/* Animation records exchanged with the host: the time series that drive an animation, the
 * selection record through which the time-series dialog reports the picked series and row, and the
 * progress control and frame list of the render request of Generate Animation.
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

/* The progress control of the render request (OV_MSG_RENDER_FRAMES, 0x1982): wparam is an
 * OvProgressControl*. On entry its range is 0 ... frame count, its step 1 and its position 0; the host
 * may change the range and position and step it once per rendered frame. The functions are called on
 * the UI thread during the message, with the control itself as first argument. */
typedef struct OvProgressControl {
    void* library; /* the library's own; the host leaves it alone */
    void (*set_range)(struct OvProgressControl* control, int32_t low, int32_t high);
    void (*set_position)(struct OvProgressControl* control, int32_t position);
    /* Advances the position by the step; past the upper end it starts again at the lower end. */
    void (*step)(struct OvProgressControl* control);
    void* qt_progress_bar; /* the QProgressBar behind the control, for Qt hosts */
} OvProgressControl;

/* The frame list of the render request: lparam is an OvHostList* of host strings. On entry it holds
 * one string, the frame count ("%d"). The host renders the frames and leaves in the list, in this
 * order: the frame folder, a second text (kept by the library, not interpreted), then one image file
 * path per frame in playing order. Every entry is a host string (malloc'ed UTF-16); from then on the
 * library owns them and frees them when it discards the frames (before the next request and when the
 * dialog closes); it then deletes the frame folder with everything in it, so the folder must be one the
 * host created for the frames alone. A host that takes the count entry off the list frees it. */

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
