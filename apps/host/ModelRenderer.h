// ModelRenderer: the demo host's drawing of a 3-D chart or surface as flat vector graphics, from the
// model items the library left projected (window x, −y, depth) and ordered back to front.
#pragma once

#include <ornivex/surface.h>

#include <QRectF>

class QPainter;

namespace ovhost {

// Fits the view's picture (the object's view width × height) into `plot` and paints every item in
// list order: quadrilaterals filled and outlined, line items as polylines.
void Draw3DModel(QPainter& p, const ChartRecord& record, const Host3DObject& object, const QRectF& plot);

}  // namespace ovhost
