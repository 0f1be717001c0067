#include "drawing/WorldMapping.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>
#include <cfloat>
#include <limits>
#include <string>

namespace {

constexpr int32_t kMaxInt = std::numeric_limits<int32_t>::max();
constexpr int32_t kMinInt = std::numeric_limits<int32_t>::min();

TWorldWindow Square(double lo, double hi) { return {lo, hi, lo, hi}; }

struct MappingCase {
    const char* name;
    TWorldWindow window;
    double value;
    int32_t size;
    int32_t pixelX;
    int32_t pixelY;
};

}  // namespace

TEST(WorldMapping, MapsWorldPointsToPixels)
{
    const MappingCase cases[] = {
        {"origin of the default triangle's window", Square(-1, 5), 0, 500, 83, 417},
        {"lower bound at the left and bottom edge", Square(-1, 5), -1, 500, 0, 500},
        {"upper bound at the right and top edge", Square(-1, 5), 5, 500, 500, 0},
        {"fixed window centre", Square(-20, 20), 0, 500, 250, 250},
        {"mirrored window", Square(5, -5), 4, 500, 50, 450},
        {"halves go to the even neighbour (0.5)", Square(0, 4), 1, 2, 0, 2},
        {"halves go to the even neighbour (1.5)", Square(0, 4), 3, 2, 2, 0},
        // In doubles these would be exact halves (297.5, 402.5); carried in one
        // extended expression they fall just below or above them.
        {"no intermediate rounding, just below a half", Square(-50, -30), -38.1, 500, 297, 203},
        {"no intermediate rounding, just above a half", Square(-50, -30), -33.9, 500, 403, 97},
        {"empty figure's window", Square(2147483646, -2147483646), 0, 500, 250, 250},
        {"far right and above: clamped to 32 bits", Square(0, 1), 1e10, 500, kMaxInt, kMinInt},
        {"far left and below: clamped to 32 bits", Square(0, 1), -1e10, 500, kMinInt, kMaxInt},
    };
    for (const MappingCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WorldToPixelX(c.value, c.window, c.size), c.pixelX);
        EXPECT_EQ(WorldToPixelY(c.value, c.window, c.size), c.pixelY);
    }
}

TEST(WorldMapping, FaultsOfTheMapping)
{
    struct FaultCase {
        const char* name;
        TWorldWindow window;
        double value;
        const char* message;
    };
    const FaultCase cases[] = {
        {"equal bounds", Square(3, 3), 4, "Floating point division by zero"},
        {"equal bounds at the bound itself (0 / 0)", Square(3, 3), 3, "Invalid floating point operation"},
        {"beyond the 64-bit range", Square(0, 1e-300), 1e300, "Invalid floating point operation"},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        for (bool vertical : {false, true}) {
            try {
                if (vertical)
                    WorldToPixelY(c.value, c.window, 500);
                else
                    WorldToPixelX(c.value, c.window, 500);
                ADD_FAILURE() << "no error";
            } catch (const platform::MathError& e) {
                EXPECT_EQ(std::string(e.what()), c.message);
            }
        }
    }
}

// Sizes of no or negative extent and at the ends of the 32-bit range, windows
// and values at the ends of the double range or beyond: a pixel, or the fault.
TEST(WorldMapping, EdgesOfTheRanges)
{
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr const char* kInvalid = "Invalid floating point operation";
    struct EdgeCase {
        const char* name;
        TWorldWindow window;
        double value;
        int32_t size;
        int32_t pixelX = 0;
        int32_t pixelY = 0;
        const char* fault = nullptr;  // the same for both axes
    };
    const EdgeCase cases[] = {
        {"a picture of no size", Square(0, 1), 0.5, 0, 0, 0},
        {"a negative size", Square(0, 4), 1, -7, -2, -5},
        {"the largest size", Square(0, 1), 1, kMaxInt, kMaxInt, 0},
        {"the smallest size", Square(0, 1), 0.5, kMinInt, -1073741824, -1073741824},
        {"a half on both axes at an odd size", Square(0, 2), 1, 513, 256, 256},
        {"a half of one pixel", Square(0, 2), 1, 1, 0, 0},
        // XMax - XMin = 2 DBL_MAX is beyond a double but not beyond extended.
        {"the whole double range", Square(-DBL_MAX, DBL_MAX), 0, 500, 250, 250},
        {"-0 in the middle", Square(-1, 1), -0.0, 500, 250, 250},
        {"bounds 0 and -0 (0 / 0)", Square(-0.0, 0), 0, 500, 0, 0, kInvalid},
        {"an infinite value", Square(0, 1), kInf, 500, 0, 0, kInvalid},
        {"an infinite value on no size (inf * 0)", Square(0, 1), kInf, 0, 0, 0, kInvalid},
        {"an infinite bound (inf / inf)", Square(-kInf, 1), 0, 500, 0, 0, kInvalid},
        {"a NaN value", Square(0, 1), kNaN, 500, 0, 0, kInvalid},
        {"a NaN bound", Square(kNaN, 1), 0, 500, 0, 0, kInvalid},
    };
    for (const EdgeCase& c : cases) {
        SCOPED_TRACE(c.name);
        for (bool vertical : {false, true}) {
            try {
                const int32_t pixel = vertical ? WorldToPixelY(c.value, c.window, c.size)
                                               : WorldToPixelX(c.value, c.window, c.size);
                EXPECT_EQ(c.fault, nullptr) << "no error";
                EXPECT_EQ(pixel, vertical ? c.pixelY : c.pixelX);
            } catch (const platform::MathError& e) {
                EXPECT_EQ(std::string(e.what()), c.fault ? c.fault : "no error");
            }
        }
    }
}

TEST(WorldMapping, PixelsBackToWorldWithoutRounding)
{
    const TWorldWindow window = Square(-21, 21);
    EXPECT_DOUBLE_EQ(PixelToWorldX(251, window, 500), 0.084);
    EXPECT_DOUBLE_EQ(PixelToWorldY(100, window, 500), 12.6);
    EXPECT_EQ(PixelToWorldX(0, window, 500), -21.0);
    EXPECT_EQ(PixelToWorldX(500, window, 500), 21.0);
    EXPECT_EQ(PixelToWorldY(0, window, 500), 21.0);
    EXPECT_EQ(PixelToWorldY(500, window, 500), -21.0);

    // A resized picture maps its new size onto the same window.
    EXPECT_EQ(PixelToWorldX(150, window, 300), 0.0);
    EXPECT_EQ(PixelToWorldY(100, window, 200), 0.0);

    // Each pixel of the default window maps back onto itself.
    const TWorldWindow fitted = Square(-1, 5);
    for (int32_t p = 0; p <= 500; ++p) {
        ASSERT_EQ(WorldToPixelX(PixelToWorldX(p, fitted, 500), fitted, 500), p);
        ASSERT_EQ(WorldToPixelY(PixelToWorldY(p, fitted, 500), fitted, 500), p);
    }
}
