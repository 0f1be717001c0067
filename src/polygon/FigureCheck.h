#pragma once
// The check a figure goes through before it is drawn: five tests over the
// vertex store, each leaving its text in its slot of CheckMessages. Asking the
// user and acting on the answer is the main window's part.
#include <string>

inline constexpr const char* kNotConvexText = "неопуклий ";
inline constexpr const char* kCoincidingPointsText = " співбадання точок ";
inline constexpr const char* kCrossingSidesText = " перетин сторін ";
inline constexpr const char* kCollinearPointsText = " три точки розміщені на прямій ";
inline constexpr const char* kNoVerticesText = " не задано вершин ";

struct FigureCheckResult {
    bool ProblemFound = false;
    // Slot 3 after the crossing test: its text, or empty when no sides cross.
    std::string CrossingLine;
    // "Многокутник: " + slots 1 to 5 + " Виконувати?", built whether or not a problem was found.
    std::string Question;
};

// Runs the tests on the first VertexCount vertices, in order: not convex (slot 1),
// coinciding vertices (2), crossing sides (3), three consecutive vertices on a
// line (4), fewer than three vertices (5). Clears slots 1 to 5 first and leaves
// the closing copies of vertices 1 and 2 in slots N + 1 and N + 2.
FigureCheckResult RunFigureCheck();
