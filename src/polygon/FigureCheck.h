#pragma once
// The check a figure goes through before it is drawn: five tests over its
// vertices, each problem with its slot and text. Keeping the texts in their
// slots, asking the user and acting on the answer is the main window's part.
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "core/Vertex.h"

inline constexpr const char* kNotConvexText = "неопуклий ";
inline constexpr const char* kCoincidingPointsText = " співбадання точок ";
inline constexpr const char* kCrossingSidesText = " перетин сторін ";
inline constexpr const char* kCollinearPointsText = " три точки розміщені на прямій ";
inline constexpr const char* kNoVerticesText = " не задано вершин ";

// The problems' slots, in the order the tests run.
inline constexpr int kNotConvexSlot = 1;
inline constexpr int kCoincidingPointsSlot = 2;
inline constexpr int kCrossingSidesSlot = 3;
inline constexpr int kCollinearPointsSlot = 4;
inline constexpr int kNoVerticesSlot = 5;
// The text of a problem's slot, 1 to 5.
const char* CheckSlotText(int slot);

struct TFigureCheckResult {
    // By slot, 1 to 5: whether that test found its problem.
    std::array<bool, 6> Found{};
    bool ProblemFound = false;
    // Slot 3 after the crossing test: its text, or empty when no sides cross.
    std::string CrossingLine;
    // "Многокутник: " + the found problems' texts in slot order + " Виконувати?",
    // built whether or not a problem was found.
    std::string Question;

    // What the tests found, by number, for the working: vertex k of the figure
    // (1-based), side k from vertex k to the next one (side N closes the figure);
    // 0 where a test found nothing.
    int32_t VertexCount = 0;
    // Tests finished, 0 to 5, in the order they run: a fault stops at the next one.
    int TestsDone = 0;
    // The first vertex whose turn has the other sign than the turn at vertex 2.
    int32_t NotConvexVertex = 0;
    // The first pair of equal vertices, the smaller number first.
    std::array<int32_t, 2> CoincidingVertices{};
    // The first pair of crossing sides the test met, the smaller number first.
    std::array<int32_t, 2> CrossingSides{};
    // The first k with vertices k, k + 1, k + 2 (cyclically) on a line.
    int32_t CollinearVertex = 0;
};

// Called with a problem's slot as soon as its test finds it, so that what was
// found stays found when a later test fails with a fault.
using CheckFinding = std::function<void(int slot)>;

// Runs the tests on the figure's vertices, in order: not convex (slot 1),
// coinciding vertices (2), crossing sides (3), three consecutive vertices on a
// line (4, cyclically), fewer than three vertices (5).
TFigureCheckResult RunFigureCheck(std::span<const TVertex> figure, const CheckFinding& found = {});
// The same, filling `result` as the tests go: after a fault it holds what the
// tests before it found (its Question is built only at the end).
void RunFigureCheck(std::span<const TVertex> figure, TFigureCheckResult& result, const CheckFinding& found = {});
