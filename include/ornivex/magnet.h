/* Magnets: named lists of page positions at which the host places copies of a glyph, and the host's
 * magnet record that holds them. A magnet is a library object; the host creates, reads and destroys
 * it through the functions below and keeps the handles in its record's list. Magnets the library
 * appends to the list belong to the host; magnets the library removes from the list (the Magnets
 * dialog's delete commands, and those marked OV_MAG_DROPPED when __exp_GMagnet starts) it destroys
 * with ov_mag_destroy. */
#ifndef ORNIVEX_MAGNET_H
#define ORNIVEX_MAGNET_H

#include "hostlist.h"
#include "path.h"

OV_BEGIN_DECLS

/* Opaque handle of a magnet. */
typedef struct OvMagnet OvMagnet;

/* Marks of a magnet, read with ov_mag_flags and changed with ov_mag_set_flags. */
enum {
    OV_MAG_TEMPORARY = 0x01, /* the temporary magnet that points along paths extend */
    OV_MAG_DROPPED = 0x02,   /* removed from the record before the Magnets dialog opens */
    OV_MAG_SELECTED = 0x04,  /* selected in the dialog's list */
    OV_MAG_CHECKED = 0x08,   /* check box of the dialog's list */
    OV_MAG_CHANGED = 0x10    /* set by every change of the positions; the host clears it */
};

/* The host's magnet record. Only the fields below are fixed; the host may keep more behind them. */
typedef struct MagnetRecord {
    uint32_t reserved_00[2];
    uint8_t scale_angle_mode; /* non-zero: copy mode, positions carry a scale and an angle */
    uint8_t reserved_09[3];
    OvHostList magnets; /* OvMagnet handles */
    float origin_x;     /* page coordinates */
    float origin_y;
    double scale;             /* page units per internal unit */
    OvMagnet* current_magnet; /* cleared by the Magnets entry point before and after the dialog */
    OvMagnet* scale_angle;    /* copy mode: (scale, angle in degrees) per position of the current
                                 magnet, held as the positions of a second magnet; may be null */
} MagnetRecord;

#if OV_LAYOUT_32
OV_ASSERT_SIZE(MagnetRecord, 64);
OV_ASSERT_OFFSET(MagnetRecord, scale_angle_mode, 0x08);
OV_ASSERT_OFFSET(MagnetRecord, magnets, 0x0c);
OV_ASSERT_OFFSET(MagnetRecord, magnets.head, 0x10);
OV_ASSERT_OFFSET(MagnetRecord, magnets.tail, 0x14);
OV_ASSERT_OFFSET(MagnetRecord, magnets.count, 0x18);
OV_ASSERT_OFFSET(MagnetRecord, origin_x, 0x28);
OV_ASSERT_OFFSET(MagnetRecord, origin_y, 0x2c);
OV_ASSERT_OFFSET(MagnetRecord, scale, 0x30);
OV_ASSERT_OFFSET(MagnetRecord, current_magnet, 0x38);
OV_ASSERT_OFFSET(MagnetRecord, scale_angle, 0x3c);
#endif

/* A new magnet without positions; a null name gives "". Null when out of memory. */
OV_API OvMagnet* ov_mag_create(const ov_char16* name);
/* Releases the magnet and its positions; null is ignored. */
OV_API void ov_mag_destroy(OvMagnet* magnet);

/* The name, valid until the name changes or the magnet is destroyed; "" for a null magnet. */
OV_API const ov_char16* ov_mag_name(const OvMagnet* magnet);
/* Returns 1, or 0 for a null magnet or out of memory (the old name stays). */
OV_API int32_t ov_mag_set_name(OvMagnet* magnet, const ov_char16* name);

/* Number of positions; 0 for a null magnet. */
OV_API int32_t ov_mag_count(const OvMagnet* magnet);
/* The positions (page coordinates), valid until they change; null when there are none. */
OV_API const OvPointF* ov_mag_positions(const OvMagnet* magnet);
/* Copies position index to *position; returns 0 (leaving *position alone) when out of range. */
OV_API int32_t ov_mag_position(const OvMagnet* magnet, int32_t index, OvPointF* position);

/* Replaces the positions with (xs[i], ys[i]), i < count. Returns 0, changing nothing, for a null
 * magnet, a negative count, missing arrays when count > 0, or out of memory. */
OV_API int32_t ov_mag_set_positions(OvMagnet* magnet, const float* xs, const float* ys, int32_t count);
/* Appends one position; returns 0 for a null magnet or out of memory. */
OV_API int32_t ov_mag_add_position(OvMagnet* magnet, float x, float y);
/* Keeps the first min(old, count) positions and fills the rest with (fill_x, fill_y). Returns 0,
 * changing nothing, for a null magnet, a negative count or out of memory. */
OV_API int32_t ov_mag_resize(OvMagnet* magnet, int32_t count, float fill_x, float fill_y);

/* OV_MAG_* bits; 0 for a null magnet. */
OV_API int32_t ov_mag_flags(const OvMagnet* magnet);
/* Sets (on != 0) or clears the bits of mask; other bits keep their values. */
OV_API void ov_mag_set_flags(OvMagnet* magnet, int32_t mask, int32_t on);

OV_END_DECLS

#endif
