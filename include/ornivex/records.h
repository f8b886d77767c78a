/* Host records and objects: every struct the host and the library exchange by pointer.
 *  chart.h      chart record, line/fill style, axis, data series, drawing context, pie slice
 *  surface.h    surface grid, 3-D host object and its model items
 *  magnet.h     magnet record and the magnet handle functions
 *  segpath.h    path records of the clipping lists, grid block of points along paths
 *  animation.h  time series and the selection record
 *  sysprops.h   settings record, hotkey table and hotkey commands */
#ifndef ORNIVEX_RECORDS_H
#define ORNIVEX_RECORDS_H

#include "animation.h"
#include "chart.h"
#include "magnet.h"
#include "segpath.h"
#include "surface.h"
#include "sysprops.h"

#endif
