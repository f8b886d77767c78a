/* 3-D host objects: the surface grid of the 3-D surface sheet, and the 3-D host object that carries
 * the model the 3-D view draws (its tree of model items, axis maps and projected reference points).
 * Byte offsets are those of the 32-bit host; the asserts at the end prove them under -m32. */
#ifndef ORNIVEX_SURFACE_H
#define ORNIVEX_SURFACE_H

#include "chart.h"

struct Host3DObject;

/* A grid of z values over an x-y rectangle: the host list's tail for the surface sheet. */
typedef struct SurfaceGrid {
    uint32_t reserved_00[2];
    struct Host3DObject* host3d; /* handed to the 3-D view */
    int32_t nx;                  /* number of x positions */
    int32_t ny;                  /* number of y positions */
    uint8_t pad_14[4];           /* the host aligns the doubles to 8 */
    double x_min;
    double x_max;
    double y_min;
    double y_max;
    double z_min; /* smallest and largest value, kept with the values */
    double z_max;
    int32_t z_max_index;
    double* values; /* nx × ny, x fastest: x index i, y index j at j × nx + i; malloc'ed */
} SurfaceGrid;

typedef struct OvPoint3F {
    float x;
    float y;
    float z;
} OvPoint3F;

/* Maps data values on one axis to model coordinates: v → v × scale + offset. */
typedef struct AxisMap {
    double range_min;
    double range_max;
    double data_min;
    double data_max;
    double scale;
    double offset;
} AxisMap;

/* Kinds of model items. */
enum { OV_ITEM_GROUP = 0, OV_ITEM_LINES = 2, OV_ITEM_QUAD = 4 };

/* One piece of the 3-D model, built by the library and read by the host to draw the chart as flat
 * vector graphics. The item, its points and its children are malloc'ed; its parent (or the 3-D host
 * object's item list) owns it. */
typedef struct ModelItem {
    uint8_t kind; /* OV_ITEM_* */
    uint8_t pad_01[3];
    int32_t count;
    OvPoint3F* points;   /* model coordinates; window coordinates (x, −y, depth) once projected */
    DataSeries* series;  /* the series the item shows, or null */
    float colour[3];     /* red, green, blue in 0 ... 1 */
    float mean_depth;    /* set by the view's projection */
    OvHostList children; /* ModelItem elements */
} ModelItem;

enum { OV_REFERENCE_POINTS = 27 };

/* The 3-D host object: the host's holder of a 3-D chart's model. The sheets write the view size
 * into it; for 3-D charts its series_list is the list of series, for surfaces the grid points to it. */
typedef struct Host3DObject {
    void* reserved_00;
    float view_width; /* pixels, written when a sheet collects */
    float view_height;
    float pass_colour[3]; /* colour of the current draw pass */
    OvHostList items;     /* top-level ModelItem elements, rebuilt by the library */
    SurfaceGrid* surface; /* null for 3-D charts */
    int32_t colour_map;   /* copies of the chart record's 3-D colour map and contour levels */
    int32_t contour_levels;
    OvHostList* series_list; /* DataSeries elements; null for surfaces */
    float z_tolerance;
    AxisMap axis_maps[3];                            /* x, y, z */
    OvPoint3F reference_points[OV_REFERENCE_POINTS]; /* projected box points (x, −y, depth) */
    uint8_t pad_21c[4];
} Host3DObject;

/* Pure data: the same size on every target. */
OV_ASSERT_SIZE(OvPoint3F, 12);
OV_ASSERT_SIZE(AxisMap, 48);

#if OV_LAYOUT_32
OV_ASSERT_SIZE(SurfaceGrid, 80);
OV_ASSERT_OFFSET(SurfaceGrid, host3d, 0x08);
OV_ASSERT_OFFSET(SurfaceGrid, nx, 0x0c);
OV_ASSERT_OFFSET(SurfaceGrid, ny, 0x10);
OV_ASSERT_OFFSET(SurfaceGrid, x_min, 0x18);
OV_ASSERT_OFFSET(SurfaceGrid, x_max, 0x20);
OV_ASSERT_OFFSET(SurfaceGrid, y_min, 0x28);
OV_ASSERT_OFFSET(SurfaceGrid, y_max, 0x30);
OV_ASSERT_OFFSET(SurfaceGrid, z_min, 0x38);
OV_ASSERT_OFFSET(SurfaceGrid, z_max, 0x40);
OV_ASSERT_OFFSET(SurfaceGrid, z_max_index, 0x48);
OV_ASSERT_OFFSET(SurfaceGrid, values, 0x4c);

OV_ASSERT_SIZE(ModelItem, 60);
OV_ASSERT_OFFSET(ModelItem, count, 0x04);
OV_ASSERT_OFFSET(ModelItem, points, 0x08);
OV_ASSERT_OFFSET(ModelItem, series, 0x0c);
OV_ASSERT_OFFSET(ModelItem, colour, 0x10);
OV_ASSERT_OFFSET(ModelItem, mean_depth, 0x1c);
OV_ASSERT_OFFSET(ModelItem, children, 0x20);

OV_ASSERT_SIZE(Host3DObject, 544);
OV_ASSERT_OFFSET(Host3DObject, view_width, 0x04);
OV_ASSERT_OFFSET(Host3DObject, view_height, 0x08);
OV_ASSERT_OFFSET(Host3DObject, pass_colour, 0x0c);
OV_ASSERT_OFFSET(Host3DObject, items, 0x18);
OV_ASSERT_OFFSET(Host3DObject, surface, 0x34);
OV_ASSERT_OFFSET(Host3DObject, colour_map, 0x38);
OV_ASSERT_OFFSET(Host3DObject, contour_levels, 0x3c);
OV_ASSERT_OFFSET(Host3DObject, series_list, 0x40);
OV_ASSERT_OFFSET(Host3DObject, z_tolerance, 0x44);
OV_ASSERT_OFFSET(Host3DObject, axis_maps, 0x48);
OV_ASSERT_OFFSET(Host3DObject, reference_points, 0xd8);
#endif

#endif
