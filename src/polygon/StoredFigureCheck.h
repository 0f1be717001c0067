#pragma once
// The figure check on the figure in the store, as the hidden button runs it.
#include "polygon/FigureCheck.h"

// Empties slots 1 to 5 of CheckMessages, leaves the closing copies of vertices 1
// and 2 in slots N + 1 and N + 2, and runs the check on the store's N vertices,
// each problem's text going into its slot as soon as it is found: what was found
// before a fault stays in its slot.
TFigureCheckResult CheckStoredFigure();
// The same, filling `result` as the tests go, so that the working can show
// what was found before a fault.
void CheckStoredFigureInto(TFigureCheckResult& result);
