/* Paths at the host boundary: the flat path data (count, float points, type bytes) and handles of
 * the library's path object, which stands in for the platform path the host passes and receives.
 * Point types: 0 start of a figure, 1 line end, 3 Bézier point; 0x80 marks the closing point. */
#ifndef ORNIVEX_PATH_H
#define ORNIVEX_PATH_H

#include <stddef.h>
#include <stdint.h>
#include "export.h"

OV_BEGIN_DECLS

enum {
    OV_PATH_START = 0,
    OV_PATH_LINE = 1,
    OV_PATH_BEZIER = 3,
    OV_PATH_TYPE_MASK = 0x07,
    OV_PATH_CLOSE = 0x80
};

enum { OV_FILL_ALTERNATE = 0, OV_FILL_WINDING = 1 };

typedef struct OvPointF {
    float x;
    float y;
} OvPointF;

/* The host's path data: arrays malloc'ed by whoever filled them, released with free. */
typedef struct OvPathData {
    int32_t count;
    OvPointF* points;
    uint8_t* types;
} OvPathData;

#if OV_LAYOUT_32
OV_STATIC_ASSERT(sizeof(OvPathData) == 12, "path data is count, points, types");
#endif

/* Opaque handle of the library's path object. */
typedef struct OvPath OvPath;

/* A new empty path; null when out of memory. fill_mode is OV_FILL_ALTERNATE or OV_FILL_WINDING. */
OV_API OvPath* ov_path_create(int32_t fill_mode);
OV_API void ov_path_destroy(OvPath* path);
OV_API void ov_path_reset(OvPath* path);

/* Each add returns 1 on success and 0 for a null path, null points or too few points. */
OV_API int32_t ov_path_add_lines(OvPath* path, const OvPointF* points, int32_t count);
OV_API int32_t ov_path_add_polygon(OvPath* path, const OvPointF* points, int32_t count);
/* count = 3n + 1: a start point and n groups of two control points and an end point. */
OV_API int32_t ov_path_add_beziers(OvPath* path, const OvPointF* points, int32_t count);
/* Cardinal splines through the points; tension 0.5 is the usual default. */
OV_API int32_t ov_path_add_curve(OvPath* path, const OvPointF* points, int32_t count, float tension);
OV_API int32_t ov_path_add_closed_curve(OvPath* path, const OvPointF* points, int32_t count, float tension);
OV_API void ov_path_start_figure(OvPath* path);
OV_API void ov_path_close_figure(OvPath* path);

/* Elliptic arc of the box (x, y, width, height) from start_angle over sweep_angle degrees, clockwise
 * on the y-down page; added as Bézier pieces of at most 90 degrees. 0 for a box without area. */
OV_API int32_t ov_path_add_arc(OvPath* path, float x, float y, float width, float height, float start_angle,
                               float sweep_angle);
/* Appends the figures of other; connect != 0 joins its first figure to an open last figure. */
OV_API int32_t ov_path_add_path(OvPath* path, const OvPath* other, int32_t connect);
/* Replaces the content with the given path data (types as given); 0 for bad arguments. */
OV_API int32_t ov_path_set_data(OvPath* path, const OvPointF* points, const uint8_t* types, int32_t count);
/* Reverses the order of the figures and of the points in each; closed figures stay closed. */
OV_API void ov_path_reverse(OvPath* path);
/* Maps every point: x' = m[0]·x + m[2]·y + m[4], y' = m[1]·x + m[3]·y + m[5]. */
OV_API int32_t ov_path_transform(OvPath* path, const float matrix[6]);

typedef struct OvRectF {
    float x;
    float y;
    float width;
    float height;
} OvRectF;

/* Box of the drawn outline widened by half the pen width; 0 (and an empty box) for an empty path. */
OV_API int32_t ov_path_get_bounds(const OvPath* path, float pen_width, OvRectF* bounds);
/* 1 when (x, y) lies under the outline drawn with a pen of that width (at least 1), else 0. */
OV_API int32_t ov_path_is_outline_visible(const OvPath* path, float x, float y, float pen_width);

OV_API void ov_path_set_fill_mode(OvPath* path, int32_t fill_mode);
OV_API int32_t ov_path_fill_mode(const OvPath* path);
OV_API int32_t ov_path_point_count(const OvPath* path);
/* Copies up to capacity points and types; returns the number copied (0 for bad arguments). */
OV_API int32_t ov_path_get_data(const OvPath* path, OvPointF* points, uint8_t* types, int32_t capacity);

OV_END_DECLS

#endif
