#include "shell/VertexStore.h"

#include <gtest/gtest.h>

TEST(VertexStore, StartsEmptyWithRoomForClosingCopies)
{
    ResetVertexStore();
    EXPECT_EQ(VertexCount, 0);
    EXPECT_EQ(EntryCursor, 0);
    EXPECT_FALSE(FigureAccepted);
    EXPECT_EQ(Vertices.size(), size_t(MaxVertices + 3));  // slot N + 2 exists for N = 1000
    for (const TVertex& v : Vertices) {
        EXPECT_EQ(v.X, 0.0);
        EXPECT_EQ(v.Y, 0.0);
    }
}
