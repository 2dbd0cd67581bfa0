#pragma once

#include "platform/export.h"

namespace lanterncrest {

class ImageView;

// The corner radius of the view's layer; a nib sets it by name ("polygonRadius") to cut the
// view to a hexagon.
LANTERNCREST_EXPORT double polygonRadius(const ImageView &view);
// Runs applyHexagonMask() with `radius`.
LANTERNCREST_EXPORT void setPolygonRadius(ImageView &view, double radius);

// Sets the layer's corner radius to `cornerRadius` and cuts the view to a six-sided shape
// with corners of that radius, one tip at the top and one at the bottom, placed in the square
// at the top left of the view's bounds of this moment (not recomputed when the view's size
// changes). Inside the shape runs a white frame 2.5 points wide. Each call replaces the mask
// and adds one more frame over the earlier ones.
LANTERNCREST_EXPORT void applyHexagonMask(ImageView &view, double cornerRadius);

} // namespace lanterncrest
