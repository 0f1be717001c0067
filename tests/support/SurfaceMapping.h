#pragma once
// Where a world coordinate lands on the drawing window's picture: the drawing's
// world window mapped onto the picture control's present size, as the
// construction maps it.
#include "drawing/Drawing.h"
#include "drawing/Form2.h"
#include "drawing/WorldMapping.h"
#include "platform/Image.h"

#include <cstdint>

inline int32_t SurfaceX(double x) { return WorldToPixelX(x, Form2->Drawing->Window, Form2->Image1->width()); }
inline int32_t SurfaceY(double y) { return WorldToPixelY(y, Form2->Drawing->Window, Form2->Image1->height()); }
