/* Path records exchanged with the host: the record that carries a path's data, bounds and view
 * fields in the lists of the Clipped Path dialog, and the grid block of points along paths.
 * Byte offsets are those of the 32-bit host; the asserts at the end prove them under -m32. */
#ifndef ORNIVEX_SEGPATH_H
#define ORNIVEX_SEGPATH_H

#include "path.h"

/* A path record. In the host's list of code 6 the first record is the view record (zoom_step and
 * scale in; bounds, pan, zoom_step and scale out) and the result records follow it.
 * Every array is malloc'ed and released with the record. */
typedef struct COvSegPath {
    void* reserved_vtable; /* the word the host's object model keeps first; untouched here */
    float max_x;           /* bounding box */
    float min_x;
    float max_y;
    float min_y;
    uint8_t closed; /* the last type byte has OV_PATH_CLOSE */
    uint8_t pad_15[3];
    uint32_t reserved;
    int32_t count;
    OvPointF* points; /* count points */
    uint8_t* types;   /* count type bytes (OV_PATH_*) */
    uint8_t flag;
    uint8_t pad_29[3];
    float pan_x; /* view pan written back by the clipping view */
    float pan_y;
    int32_t zoom_step; /* 1 ... 50 */
    double scale;      /* view scale */
    void* extra1;      /* owned buffers of the host, may be null */
    uint32_t extra1_count;
    void* extra2;
    uint32_t extra2_count;
    uint8_t flag2;
    uint8_t pad_51[7]; /* the host's record ends on a multiple of 8 */
} COvSegPath;

OV_BEGIN_DECLS

/* Gives a record its initial values: box (1, -1, 1, -1), zoom step 10, scale 1, everything else 0. */
OV_API void ov_path_record_init(COvSegPath* record);
/* Fills the record from a path: copies of its points and types, the closed flag and the box. A path
 * without points leaves the record empty and its box unchanged. Returns 0 for bad arguments or when
 * out of memory (the record is then empty). */
OV_API int32_t ov_path_record_set(COvSegPath* record, const OvPath* path);
/* Releases the record's arrays and buffers and zeroes their counts. */
OV_API void ov_path_record_release(COvSegPath* record);

OV_END_DECLS

/* Word 1 of code 7: the grid in which points along paths become magnet positions. */
typedef struct CellGrid {
    double origin_x;
    double origin_y;
    double cell_size;
} CellGrid;

OV_ASSERT_SIZE(CellGrid, 24);

#if OV_LAYOUT_32
OV_ASSERT_SIZE(COvSegPath, 88);
OV_ASSERT_OFFSET(COvSegPath, max_x, 0x04);
OV_ASSERT_OFFSET(COvSegPath, min_x, 0x08);
OV_ASSERT_OFFSET(COvSegPath, max_y, 0x0c);
OV_ASSERT_OFFSET(COvSegPath, min_y, 0x10);
OV_ASSERT_OFFSET(COvSegPath, closed, 0x14);
OV_ASSERT_OFFSET(COvSegPath, reserved, 0x18);
OV_ASSERT_OFFSET(COvSegPath, count, 0x1c);
OV_ASSERT_OFFSET(COvSegPath, points, 0x20);
OV_ASSERT_OFFSET(COvSegPath, types, 0x24);
OV_ASSERT_OFFSET(COvSegPath, flag, 0x28);
OV_ASSERT_OFFSET(COvSegPath, pan_x, 0x2c);
OV_ASSERT_OFFSET(COvSegPath, pan_y, 0x30);
OV_ASSERT_OFFSET(COvSegPath, zoom_step, 0x34);
OV_ASSERT_OFFSET(COvSegPath, scale, 0x38);
OV_ASSERT_OFFSET(COvSegPath, extra1, 0x40);
OV_ASSERT_OFFSET(COvSegPath, extra1_count, 0x44);
OV_ASSERT_OFFSET(COvSegPath, extra2, 0x48);
OV_ASSERT_OFFSET(COvSegPath, extra2_count, 0x4c);
OV_ASSERT_OFFSET(COvSegPath, flag2, 0x50);
#endif

#endif
