/* The host window: what the dialogs use as parent and anchor, and where they send the host's
 * notification messages (0x197F, 0x1980, 0x1981, 0x1982, 0x1988, 0x198C, 0x7EE). */
#ifndef ORNIVEX_HOSTWINDOW_H
#define ORNIVEX_HOSTWINDOW_H

#include <stdint.h>
#include "export.h"

struct OvHostWindow;

/* Called synchronously on the UI thread; the host redraws, renders or answers before returning. */
typedef intptr_t (*OvSendMessageFn)(struct OvHostWindow* window, uint32_t message, uintptr_t wparam,
                                    intptr_t lparam);

typedef struct OvHostWindow {
    void* widget;                 /* the host's QWidget (parent and anchor of dialogs), or null */
    OvSendMessageFn send_message; /* may be null: messages are then dropped */
    void* user;                   /* the host's own pointer, untouched by the library */
} OvHostWindow;

/* Messages sent to the host window. */
enum {
    OV_MSG_MAGNETS_CHANGED = 0x197F,
    OV_MSG_APPLY = 0x1980,
    OV_MSG_TIME_SERIES_PICKED = 0x1981,
    OV_MSG_RENDER_FRAMES = 0x1982,
    OV_MSG_CLIP_RESULTS = 0x1988,
    OV_MSG_SET_STRINGS_APPLY = 0x198C,
    OV_MSG_HOTKEY_COMMANDS = 0x7EE
};

#endif
