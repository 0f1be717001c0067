#include "polygon/StoredFigureCheck.h"

#include "shell/VertexStore.h"

TFigureCheckResult CheckStoredFigure()
{
    TFigureCheckResult result;
    CheckStoredFigureInto(result);
    return result;
}

void CheckStoredFigureInto(TFigureCheckResult& result)
{
    const int32_t n = ClampedVertexCount(VertexCount);
    for (int k = 1; k <= 5; ++k) CheckMessages[k].clear();
    // The copy of vertex 2 is the line test's own: a fault in an earlier test
    // leaves its slot as it was.
    WriteClosingCopies(n, 1);
    RunFigureCheck(StoredFigure(n), result, [](int slot) { CheckMessages[slot] = CheckSlotText(slot); });
    WriteClosingCopies(n, 2);
}
