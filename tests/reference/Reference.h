#pragma once
// Former versions of the routines that were replaced by a different algorithm,
// kept as the measure of the new one: the tests compare both on random and edge
// input (same verdicts, values and texts, the same fault at the same step) and
// the benchmarks time both in one run. Routines that were only reshaped (the
// perimeter, the convexity rule, the checked arithmetic, the world mapping) are
// not kept here: one copy, held by tests pinned to values.
//
// - RunFigureCheck: the crossing test visits every pair of sides the long way,
//   and the coincidence test compares every pair of vertices; the current check
//   skips pairs that can no longer fail and sorts the vertices instead.
// - PolygonArea: the shoelace sum in extended steps, each stored as a double;
//   the current one sums whole coordinates up to 2^20 exactly in 64-bit
//   integers, and takes the extended steps only for other figures.
// - N8Click, DrawAxes, TextOut: the construction drawing every text through
//   QPainter each time, where the canvas now renders a text once per font into
//   the runs of its ink and fills those.
// - CountLatticePoints: Pick's count walking the lines of the box's shorter
//   side; the current count is a few sums of floors whatever the size.
// - ScanLatticePoints: the count point by point over the whole bounding box,
//   the plainest measure for small triangles. It is the walk of the program's
//   own listing (ForEachLatticePoint), counted, so the walk has one copy.
// The hulls' plain references live beside them in polygon/ConvexHull.h.
#include <cstdint>

#include "polygon/FigureCheck.h"
#include "triangle/PickCount.h"

class QString;
class TForm1;
namespace platform {
class TCanvas;
}

namespace reference {

// On the store's figure, as the hidden button ran it: the messages go into
// CheckMessages and the closing copies into the store.
TFigureCheckResult RunFigureCheck();
// The store's first n vertices, closing copy written first.
double PolygonArea(int32_t n);

// The construction with the former check and text drawing.
void N8Click(TForm1& form1);
void DrawAxes();
void TextOut(platform::TCanvas& canvas, int x, int y, const QString& text);

// One run per line of the bounding box's shorter side.
TPickCount CountLatticePoints(const TLatticeTriangle& t);
// ForEachLatticePoint counted: one step per point of the bounding box, only for
// small boxes.
TPickCount ScanLatticePoints(const TLatticeTriangle& t);

}  // namespace reference
