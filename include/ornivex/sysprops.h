/* System properties: the host's 140-byte settings record, its hotkey table (seven modifier groups
 * of 66 key slots) and the commands the host offers for binding to keys.
 * Byte offsets are those of the 32-bit host; the asserts at the end prove them under -m32. */
#ifndef ORNIVEX_SYSPROPS_H
#define ORNIVEX_SYSPROPS_H

#include "chart.h"

/* Key slots: group g (modifier combination), key k lies at byte 8 + (g × 66 + k) × 12 of the table. */
enum { OV_HOTKEY_GROUPS = 7, OV_HOTKEY_KEYS = 66 };

/* One key of one modifier group: the three words of the bound command, all zero when unbound. */
typedef struct HotkeySlot {
    uint32_t command1;
    uint32_t command2;
    uint16_t command3;
    uint8_t reserved_0a[2];
} HotkeySlot;

/* The host's hotkey table; the library changes its slots in place. */
typedef struct HotkeyTable {
    uint8_t host_reserved[8]; /* the host's own; never touched */
    HotkeySlot slots[OV_HOTKEY_GROUPS][OV_HOTKEY_KEYS];
} HotkeyTable;

/* A command offered on the hotkey page; the host appends pointers to these when asked. */
typedef struct HotkeyCommand {
    uint32_t command1; /* the three words compared with the slots */
    uint32_t command2;
    uint16_t command3;
    uint8_t pad_0a[2];
    int32_t icon_x; /* source rectangle of the icon inside icon_image */
    int32_t icon_y;
    int32_t icon_size[2];   /* [0] is also the least row height */
    const void* icon_image; /* the host's QImage holding the icon, or null for no icon */
} HotkeyCommand;

/* Values of SystemSettings.style_mode. */
enum { OV_STYLE_RANDOM = 0, OV_STYLE_FOLLOW = 1, OV_STYLE_FIXED = 2 };

/* Bits of SystemSettings.option_flags that the dialog edits; the others keep their values. */
enum {
    OV_OPTION_ASF_1 = 0x02,      /* first "ASF" switch on */
    OV_OPTION_OUTO_1_OFF = 0x04, /* first "OUTO" switch off */
    OV_OPTION_OUTO_2_OFF = 0x08, /* second "OUTO" switch off */
    OV_OPTION_ASF_2 = 0x10,      /* second "ASF" switch on */
    OV_OPTION_NO_CENTER_CROSS = 0x20,
    OV_OPTION_GRID = 0x40
};

/* The settings record: copied into the dialog and back on OK (140 bytes on 32-bit). */
typedef struct SystemSettings {
    HotkeyTable* hotkey_table;  /* edited in place, whatever button closes the dialog */
    uint32_t style_mode;        /* OV_STYLE_*, read from the low 4 bits */
    LineFillStyle fixed_style;  /* given to new objects in OV_STYLE_FIXED */
    uint32_t option_flags;      /* OV_OPTION_* */
    int32_t outo_value1;        /* 0 ... 10000 */
    uint32_t background_colour; /* 0x00BBGGRR */
    int32_t unit_index;
    float outo_value2;      /* 0 ... 10 */
    int32_t ar_value1;      /* magnitude 10 ... 1000; negative when its switch is off */
    int32_t ar_value2;      /* 2 ... 128 */
    float second_value;     /* the number beside the second colour */
    uint32_t second_colour; /* 0x00BBGGRR */
    uint32_t reserved_136;
} SystemSettings;

/* Pure data: the same size on every target. */
OV_ASSERT_SIZE(HotkeySlot, 12);
OV_ASSERT_OFFSET(HotkeySlot, command2, 4);
OV_ASSERT_OFFSET(HotkeySlot, command3, 8);
OV_ASSERT_SIZE(HotkeyTable, 8 + OV_HOTKEY_GROUPS * OV_HOTKEY_KEYS * 12);
OV_ASSERT_OFFSET(HotkeyTable, slots, 8);
OV_ASSERT_OFFSET(HotkeyTable, slots[1][0], 8 + 66 * 12);

#if OV_LAYOUT_32
OV_ASSERT_SIZE(HotkeyCommand, 32);
OV_ASSERT_OFFSET(HotkeyCommand, command3, 8);
OV_ASSERT_OFFSET(HotkeyCommand, icon_x, 12);
OV_ASSERT_OFFSET(HotkeyCommand, icon_size, 20);
OV_ASSERT_OFFSET(HotkeyCommand, icon_image, 28);

OV_ASSERT_SIZE(SystemSettings, 140);
OV_ASSERT_OFFSET(SystemSettings, style_mode, 4);
OV_ASSERT_OFFSET(SystemSettings, fixed_style, 8);
OV_ASSERT_OFFSET(SystemSettings, option_flags, 100);
OV_ASSERT_OFFSET(SystemSettings, outo_value1, 104);
OV_ASSERT_OFFSET(SystemSettings, background_colour, 108);
OV_ASSERT_OFFSET(SystemSettings, unit_index, 112);
OV_ASSERT_OFFSET(SystemSettings, outo_value2, 116);
OV_ASSERT_OFFSET(SystemSettings, ar_value1, 120);
OV_ASSERT_OFFSET(SystemSettings, ar_value2, 124);
OV_ASSERT_OFFSET(SystemSettings, second_value, 128);
OV_ASSERT_OFFSET(SystemSettings, second_colour, 132);
OV_ASSERT_OFFSET(SystemSettings, reserved_136, 136);
#endif

#endif
