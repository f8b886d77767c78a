/* The public C interface of the Ornivex dialog library: the four entry points, their parameter
 * blocks, and the host records, lists, strings, paths and magnets they exchange.
 *
 * Conventions
 *  - Every entry point returns 1 when the user confirmed and 0 otherwise, except where noted.
 *  - A call that breaks its preconditions (null block, null record, empty list where one is
 *    needed) returns 0 before any dialog is built.
 *  - Heap blocks that cross the boundary are malloc'ed and released with free by their owner.
 *  - Texts are host strings: malloc'ed, NUL-terminated UTF-16 (hoststring.h).
 *  - On 32-bit x86 every struct has the byte layout the host was built against; the asserts in
 *    these headers prove it when compiled with -m32. */
#ifndef ORNIVEX_ORNIVEX_H
#define ORNIVEX_ORNIVEX_H

#include "export.h"
#include "hostlist.h"
#include "hoststring.h"
#include "hostwindow.h"
#include "path.h"
#include "records.h"

OV_BEGIN_DECLS

/* Dispatch codes of __exp_GEEdt; any code not listed opens the system properties. */
enum {
    OV_CODE_XY_CHART = 1,
    OV_CODE_PIE_CHART = 2,
    OV_CODE_SURFACE = 4,
    OV_CODE_NUMBER_AXIS = 5,
    OV_CODE_CLIP_PATH = 6,
    OV_CODE_POINTS_ALONG_PATHS = 7,
    OV_CODE_TIME_SERIES = 0xFF,
    OV_CODE_GENERATE_ANIMATION = 0x100
};

/* Parameter block of __exp_GEEdt: five words whose meaning depends on code. */
typedef struct GEEdtParams {
    void* data;                /* record or object the dialog edits */
    void* context;             /* host list or structure, per code */
    OvHostWindow* host_window; /* parent, anchor and message target */
    uint32_t code;             /* dispatch code */
    void* extra;               /* codes 7 (magnet record) and 0xFF (next-id counter) only */
} GEEdtParams;

/* Where the Set Strings dialog goes; the modes are those of the Set Strings dialog. */
typedef struct DialogPlacement {
    OvHostWindow* anchor; /* may be null */
    uint8_t mode;
    uint8_t reserved[3];
    int32_t x; /* screen pixels */
    int32_t y;
} DialogPlacement;

/* Parameter block of __exp_GSS. */
typedef struct GSSParams {
    OvHostList* labels;          /* host strings: row captions */
    OvHostList* values;          /* host strings: emptied and refilled on OK */
    OvHostList* choice_lists;    /* array of host lists of strings laid end to end, or null */
    DialogPlacement* placements; /* array of placement records, or null */
    int32_t index;               /* selects one element of both arrays */
} GSSParams;

#if OV_LAYOUT_32
OV_STATIC_ASSERT(sizeof(GEEdtParams) == 20, "GEEdtParams is five words");
OV_STATIC_ASSERT(offsetof(GEEdtParams, code) == 12, "code is word 3");
OV_STATIC_ASSERT(sizeof(GSSParams) == 20, "GSSParams is five words");
OV_STATIC_ASSERT(offsetof(GSSParams, index) == 16, "index is word 4");
OV_STATIC_ASSERT(sizeof(DialogPlacement) == 16, "DialogPlacement is 16 bytes");
OV_STATIC_ASSERT(offsetof(DialogPlacement, mode) == 4, "placement mode at 4");
OV_STATIC_ASSERT(offsetof(DialogPlacement, x) == 8, "placement x at 8");
OV_STATIC_ASSERT(offsetof(DialogPlacement, y) == 12, "placement y at 12");
#endif

/* Chart sheets, clipping, points along paths, animation and system properties by params->code. */
OV_API int32_t __exp_GEEdt(GEEdtParams* params);

/* The Set Strings dialog with a caption; on OK the value list is emptied and refilled. */
OV_API int32_t __exp_GSS(const ov_char16* caption, GSSParams* params);

/* The Flood Fill Tool on a bitmap file. The seed comes in as fractions of the bitmap's width and
 * height and goes back in pixels on OK, together with the traced outline in path_data. */
OV_API int32_t __exp_DFF(const ov_char16* bitmap_path, float* seed_x, float* seed_y, OvPathData* path_data);

/* The Magnets dialog over the host's magnet record. */
OV_API int32_t __exp_GMagnet(OvHostWindow* view_window, void* magnet_record);

OV_END_DECLS

#endif
