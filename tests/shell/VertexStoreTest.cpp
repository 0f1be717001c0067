#include "shell/VertexStore.h"

#include <gtest/gtest.h>

#include <algorithm>

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

TEST(VertexStore, FigureAndClosingCopiesWithinTheStore)
{
    struct Case {
        int32_t count;
        int copies;
        size_t figureSize;
        int32_t firstCopySlot;  // where vertex 1 goes
        double secondCopyX;     // what slot n + 2 holds afterwards
    };
    const Case cases[] = {
        {3, 1, 3, 4, 777},          // one copy leaves slot n + 2 alone
        {3, 2, 3, 4, 2},            // then vertex 2
        {1, 2, 1, 2, 1},            // vertex 2 of a single vertex is vertex 1 again
        {-5, 1, 0, 1, 2},           // a negative count is an empty figure
        {MaxVertices + 7, 2, size_t(MaxVertices), MaxVertices + 1, 2},  // clamped to the store
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        ResetVertexStore();
        for (int32_t i = 1; i <= MaxVertices + 2; ++i) Vertices[i] = {777, 777};
        for (int32_t i = 1; i <= 3; ++i) Vertices[i] = {double(i), double(i) * 10};
        const int32_t n = std::clamp(c.count, 0, MaxVertices);
        WriteClosingCopies(c.count, c.copies);
        EXPECT_EQ(StoredFigure(c.count).size(), c.figureSize);
        if (c.figureSize > 0) {
            EXPECT_EQ(StoredFigure(c.count).data(), &Vertices[1]);
        }
        EXPECT_EQ(Vertices[c.firstCopySlot].X, 1.0);
        EXPECT_EQ(Vertices[n + 2].X, c.secondCopyX);
    }
}
