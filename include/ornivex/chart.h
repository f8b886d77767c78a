/* Chart glyph records: the 2288-byte chart record with its line/fill and axis blocks, and the host
 * objects of X-Y and pie charts (data series, drawing context with its paths, pie slices).
 * Byte offsets are those of the 32-bit host; the asserts at the end prove them under -m32. */
#ifndef ORNIVEX_CHART_H
#define ORNIVEX_CHART_H

#include "hostlist.h"
#include "path.h"

/* Colours are 32-bit ARGB, alpha in the top byte. */
typedef uint32_t ov_argb;

/* A line and fill style: what the line/fill editor edits (92 bytes). */
typedef struct LineFillStyle {
    uint8_t line_style; /* 0 ... 8 */
    uint8_t pad_01[3];
    float line_width;   /* internal units; shown × 0.375 */
    uint8_t fill_style; /* 0 ... 59 */
    uint8_t pad_09[3];
    ov_argb colour[4]; /* 0 line, 1 first fill, 2 second fill (not for fill styles 0, 1),
                          3 third fill (fill styles 55 ... 57 only) */
    uint8_t reserved_1c[64];
} LineFillStyle;

/* One axis of a chart record (336 bytes). */
typedef struct AxisRecord {
    ov_char16 title[128]; /* NUL-terminated, at most 127 characters */
    float range_min;
    float range_max;
    uint8_t shown;       /* X, Y: not hidden; Y#2, Y#3: enabled */
    uint8_t scale_index; /* index 5 uses scale_param */
    uint8_t label_style;
    uint8_t reserved_10b;
    ov_argb colour;    /* axes 2 and 3 only */
    float scale_param; /* never below 0 */
    float ratio_3d;    /* axes 0 ... 2: half-extent of the 3-D box along the axis */
    uint8_t reserved_118[56];
} AxisRecord;

enum { OV_AXIS_X = 0, OV_AXIS_Y = 1, OV_AXIS_Y2 = 2, OV_AXIS_Z = 2, OV_AXIS_Y3 = 3, OV_AXIS_COUNT = 4 };

/* Bits of ChartRecord.title_flags and ChartRecord.legend_flags. */
enum { OV_TITLE_BOLD = 0x01, OV_TITLE_LARGER = 0x02 };
enum { OV_LEGEND_LAYOUT_MASK = 0x0F, OV_LEGEND_SHOW_TITLE = 0x10, OV_LEGEND_SHOW_VALUE = 0x20 };

/* The chart record: copied into a sheet on entry and back on OK or Apply (2288 bytes, 572 words).
 * Fields named reserved_* belong to the host's drawing of the chart and are carried unchanged. */
typedef struct ChartRecord {
    uint8_t kind; /* chart kind 1 ... 8; never changed by the library */
    uint8_t reserved_001;
    ov_char16 caption[128];   /* at most 127 characters */
    ov_char16 font_face[127]; /* at most 126 characters */
    uint16_t title_flags;     /* OV_TITLE_* */
    uint16_t reserved_202;
    float font_size; /* 2 ... 240 */
    ov_argb text_colour;
    uint8_t major_tick_style;
    uint8_t minor_tick_style;
    uint8_t grid_style; /* kinds 7 and 8: text alignment 0 ... 3 */
    uint8_t border_style;
    uint8_t legend_flags; /* OV_LEGEND_* */
    uint8_t reserved_211[3];
    float legend_spacing;
    LineFillStyle plot_style; /* plot area (X-Y family) or labels (pie) */
    LineFillStyle frame_style;
    LineFillStyle legend_style;
    AxisRecord axes[OV_AXIS_COUNT];
    uint8_t pie_label_content;
    uint8_t pie_label_format;
    uint8_t reserved_86e[2];
    uint8_t style_3d;       /* 0 perspective, 1 ... 3 orthographic views */
    uint8_t view_preset_3d; /* 0 ... 9: model builder and draw passes */
    uint8_t colour_map_3d;  /* colour-map index; kind 8: second minor tick style */
    uint8_t contour_levels; /* (list index + 1) × 8 */
    ov_argb fill_colour_3d;
    ov_argb line_colour_3d;
    uint32_t line_width_3d; /* list index 0 ... 8 */
    uint8_t projection_3d;
    uint8_t pad_881[3];
    float view_state_3d[9]; /* 3 × 3 rotation of the 3-D view */
    uint8_t reserved_8a8[72];
} ChartRecord;

/* Byte 0 of a data series: chart type in the low nibble, coordinate system in the high nibble. */
enum { OV_SERIES_TYPE_MASK = 0x0F, OV_SERIES_SYSTEM_SHIFT = 4 };

/* A data series: a host object edited in place; the library creates new ones with this layout and
 * appends them to the host's list (352 bytes on 32-bit). Heap blocks are malloc'ed. */
typedef struct DataSeries {
    uint8_t type_and_system; /* OV_SERIES_* */
    uint8_t reserved_001[3];
    uint32_t selection_mark; /* transient, used while the series list refills; 0 otherwise */
    ov_char16* name;         /* host string */
    uint32_t reserved_00c;
    uint32_t smooth; /* 0/1 */
    LineFillStyle curve_style;
    uint8_t marker_type;
    uint8_t pad_071[3];
    float marker_size;
    uint32_t stroke; /* 0/1 */
    LineFillStyle marker_style;
    uint32_t hidden_from_legend; /* 0/1 */
    float bar_size;
    float bar_offset;
    float bubble_min;
    float bubble_max;
    uint8_t colour_map; /* bubble colour map; in a kind-6 chart the series' projection index */
    uint8_t pad_0ed[3];
    uint32_t reserved_0f0;
    OvHostList paths; /* the host's path records of the series, freed with it */
    float reserved_110;
    uint32_t reserved_114;
    double reserved_118[4];
    void* owned_block_138; /* heap blocks owned by the series, freed with it */
    void* owned_block_13c;
    uint32_t reserved_140;
    int32_t columns;
    int32_t rows;
    double* values; /* columns × rows, column-major: column c, row r at c × rows + r */
    uint8_t reserved_150[16];
} DataSeries;

/* A path of the drawing that can be turned into a series (element of DrawingContext.paths). */
typedef struct DrawingPath {
    uint32_t reserved_00;
    uint8_t reserved_04;
    uint8_t excluded; /* 0: offered */
    uint8_t reserved_06[2];
    ov_char16* name;  /* host string */
    OvPointF* points; /* page coordinates */
    int32_t count;    /* offered only when 2 or more */
} DrawingPath;

/* The drawing context that the host places last in the list of code 1. */
typedef struct DrawingContext {
    uint32_t reserved_00[3];
    OvHostList paths; /* DrawingPath elements */
    float origin_x;   /* page position of the chart origin */
    float origin_y;
    double scale; /* page units per data unit */
} DrawingContext;

/* Bits of PieSlice.flags. */
enum { OV_SLICE_EJECT = 0x01, OV_SLICE_EXCLUDED = 0x02 };

/* One slice of a pie chart: a host object edited in place like a series (144 bytes on 32-bit).
 *
 * Ownership. The slices are the elements of the host's list (word 1 of the pie chart call); the
 * list and its slices belong to the host before, during and after the call. While the sheet is open
 * the library may, inside that list:
 *   - append new slices: the block is malloc'ed with this layout, the name is a host string and the
 *     path a new empty OvPath (ov_path_create); from then on the host owns all three;
 *   - remove slices from the end and free them: the name with free(), the path with
 *     ov_path_destroy(), the block with free(). A host that frees slices itself does the same.
 *   - replace a name: the old host string is freed, the new one malloc'ed.
 * Slices stay edited when the sheet is cancelled (only the chart record is copied). A null name reads
 * as "" and a null path is ignored; a null element shows as an empty row and is never touched. */
typedef struct PieSlice {
    ov_char16* name; /* host string */
    float value;
    uint32_t flags; /* OV_SLICE_* */
    LineFillStyle style;
    uint8_t selected; /* 1 when a cell of the slice's table row is selected */
    uint8_t reserved_69[31];
    OvPath* path;        /* owned by the slice, created empty */
    int32_t path_status; /* 0 when that path was created, 1 when it could not be */
} PieSlice;

/* Pure data: the same size on every target. */
OV_ASSERT_SIZE(LineFillStyle, 92);
OV_ASSERT_SIZE(AxisRecord, 336);
OV_ASSERT_SIZE(ChartRecord, 2288);

OV_ASSERT_OFFSET(LineFillStyle, line_width, 0x04);
OV_ASSERT_OFFSET(LineFillStyle, fill_style, 0x08);
OV_ASSERT_OFFSET(LineFillStyle, colour, 0x0c);
OV_ASSERT_OFFSET(LineFillStyle, colour[3], 0x18);
OV_ASSERT_OFFSET(LineFillStyle, reserved_1c, 0x1c);

OV_ASSERT_OFFSET(AxisRecord, range_min, 0x100);
OV_ASSERT_OFFSET(AxisRecord, range_max, 0x104);
OV_ASSERT_OFFSET(AxisRecord, shown, 0x108);
OV_ASSERT_OFFSET(AxisRecord, scale_index, 0x109);
OV_ASSERT_OFFSET(AxisRecord, label_style, 0x10a);
OV_ASSERT_OFFSET(AxisRecord, colour, 0x10c);
OV_ASSERT_OFFSET(AxisRecord, scale_param, 0x110);
OV_ASSERT_OFFSET(AxisRecord, ratio_3d, 0x114);
OV_ASSERT_OFFSET(AxisRecord, reserved_118, 0x118);

OV_ASSERT_OFFSET(ChartRecord, reserved_001, 0x001);
OV_ASSERT_OFFSET(ChartRecord, caption, 0x002);
OV_ASSERT_OFFSET(ChartRecord, font_face, 0x102);
OV_ASSERT_OFFSET(ChartRecord, title_flags, 0x200);
OV_ASSERT_OFFSET(ChartRecord, reserved_202, 0x202);
OV_ASSERT_OFFSET(ChartRecord, font_size, 0x204);
OV_ASSERT_OFFSET(ChartRecord, text_colour, 0x208);
OV_ASSERT_OFFSET(ChartRecord, major_tick_style, 0x20c);
OV_ASSERT_OFFSET(ChartRecord, minor_tick_style, 0x20d);
OV_ASSERT_OFFSET(ChartRecord, grid_style, 0x20e);
OV_ASSERT_OFFSET(ChartRecord, border_style, 0x20f);
OV_ASSERT_OFFSET(ChartRecord, legend_flags, 0x210);
OV_ASSERT_OFFSET(ChartRecord, reserved_211, 0x211);
OV_ASSERT_OFFSET(ChartRecord, legend_spacing, 0x214);
OV_ASSERT_OFFSET(ChartRecord, plot_style, 0x218);
OV_ASSERT_OFFSET(ChartRecord, frame_style, 0x274);
OV_ASSERT_OFFSET(ChartRecord, legend_style, 0x2d0);
OV_ASSERT_OFFSET(ChartRecord, axes, 0x32c);
OV_ASSERT_OFFSET(ChartRecord, axes[1], 0x32c + 0x150);
OV_ASSERT_OFFSET(ChartRecord, axes[3].ratio_3d, 0x32c + 3 * 0x150 + 0x114);
OV_ASSERT_OFFSET(ChartRecord, pie_label_content, 0x86c);
OV_ASSERT_OFFSET(ChartRecord, pie_label_format, 0x86d);
OV_ASSERT_OFFSET(ChartRecord, reserved_86e, 0x86e);
OV_ASSERT_OFFSET(ChartRecord, style_3d, 0x870);
OV_ASSERT_OFFSET(ChartRecord, view_preset_3d, 0x871);
OV_ASSERT_OFFSET(ChartRecord, colour_map_3d, 0x872);
OV_ASSERT_OFFSET(ChartRecord, contour_levels, 0x873);
OV_ASSERT_OFFSET(ChartRecord, fill_colour_3d, 0x874);
OV_ASSERT_OFFSET(ChartRecord, line_colour_3d, 0x878);
OV_ASSERT_OFFSET(ChartRecord, line_width_3d, 0x87c);
OV_ASSERT_OFFSET(ChartRecord, projection_3d, 0x880);
OV_ASSERT_OFFSET(ChartRecord, view_state_3d, 0x884);
OV_ASSERT_OFFSET(ChartRecord, reserved_8a8, 0x8a8);

#if OV_LAYOUT_32
OV_ASSERT_SIZE(DataSeries, 352);
OV_ASSERT_OFFSET(DataSeries, selection_mark, 0x004);
OV_ASSERT_OFFSET(DataSeries, name, 0x008);
OV_ASSERT_OFFSET(DataSeries, reserved_00c, 0x00c);
OV_ASSERT_OFFSET(DataSeries, smooth, 0x010);
OV_ASSERT_OFFSET(DataSeries, curve_style, 0x014);
OV_ASSERT_OFFSET(DataSeries, marker_type, 0x070);
OV_ASSERT_OFFSET(DataSeries, marker_size, 0x074);
OV_ASSERT_OFFSET(DataSeries, stroke, 0x078);
OV_ASSERT_OFFSET(DataSeries, marker_style, 0x07c);
OV_ASSERT_OFFSET(DataSeries, hidden_from_legend, 0x0d8);
OV_ASSERT_OFFSET(DataSeries, bar_size, 0x0dc);
OV_ASSERT_OFFSET(DataSeries, bar_offset, 0x0e0);
OV_ASSERT_OFFSET(DataSeries, bubble_min, 0x0e4);
OV_ASSERT_OFFSET(DataSeries, bubble_max, 0x0e8);
OV_ASSERT_OFFSET(DataSeries, colour_map, 0x0ec);
OV_ASSERT_OFFSET(DataSeries, reserved_0f0, 0x0f0);
OV_ASSERT_OFFSET(DataSeries, paths, 0x0f4);
OV_ASSERT_OFFSET(DataSeries, reserved_110, 0x110);
OV_ASSERT_OFFSET(DataSeries, reserved_114, 0x114);
OV_ASSERT_OFFSET(DataSeries, reserved_118, 0x118);
OV_ASSERT_OFFSET(DataSeries, owned_block_138, 0x138);
OV_ASSERT_OFFSET(DataSeries, owned_block_13c, 0x13c);
OV_ASSERT_OFFSET(DataSeries, reserved_140, 0x140);
OV_ASSERT_OFFSET(DataSeries, columns, 0x144);
OV_ASSERT_OFFSET(DataSeries, rows, 0x148);
OV_ASSERT_OFFSET(DataSeries, values, 0x14c);
OV_ASSERT_OFFSET(DataSeries, reserved_150, 0x150);

OV_ASSERT_SIZE(DrawingPath, 20);
OV_ASSERT_OFFSET(DrawingPath, excluded, 0x05);
OV_ASSERT_OFFSET(DrawingPath, name, 0x08);
OV_ASSERT_OFFSET(DrawingPath, points, 0x0c);
OV_ASSERT_OFFSET(DrawingPath, count, 0x10);

OV_ASSERT_SIZE(DrawingContext, 56);
OV_ASSERT_OFFSET(DrawingContext, paths, 0x0c);
OV_ASSERT_OFFSET(DrawingContext, paths.head, 0x10);
OV_ASSERT_OFFSET(DrawingContext, origin_x, 0x28);
OV_ASSERT_OFFSET(DrawingContext, origin_y, 0x2c);
OV_ASSERT_OFFSET(DrawingContext, scale, 0x30);

OV_ASSERT_SIZE(PieSlice, 144);
OV_ASSERT_OFFSET(PieSlice, value, 0x04);
OV_ASSERT_OFFSET(PieSlice, flags, 0x08);
OV_ASSERT_OFFSET(PieSlice, style, 0x0c);
OV_ASSERT_OFFSET(PieSlice, selected, 0x68);
OV_ASSERT_OFFSET(PieSlice, reserved_69, 0x69);
OV_ASSERT_OFFSET(PieSlice, path, 0x88);
OV_ASSERT_OFFSET(PieSlice, path_status, 0x8c);
#endif

#endif
