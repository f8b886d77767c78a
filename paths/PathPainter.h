// Conversion of the library's path object to QPainterPath, for drawing only.
#pragma once

#include "paths/PathObject.h"

#include <QPainterPath>

namespace ov {

QPainterPath ToPainterPath(const PathObject& path);

}  // namespace ov
