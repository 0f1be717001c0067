#pragma once
// The two convex hulls of a point set, as pure functions of the points.
#include <cstdint>
#include <span>
#include <vector>

#include "core/Vertex.h"

// The automatic hull: repeated scans over the points in index order, from the
// leftmost point (the first of several). A scan tries every point not yet taken
// and accepts it when no point lies strictly to the right of the line from the
// current hull point through it; scans repeat until one accepts nothing.
// Returns the accepted points' indices into `points`, in the order taken: the
// hull counter-clockwise from the start; a point inside a side is listed or not
// depending on index order, and a point that coincides with the current hull
// point when it is tried is listed again. Points that share the start's X
// below it may be left for the way down the left side at the end, so part of
// the hull (all of it, after a copy of the start) can be walked twice. Empty
// for no points.
//
// Gives exactly the listing of PlainHullScans, but rejects a candidate at the
// first point found to its right, trying first the point most likely to be
// there, so it does not grow with the cube of the count in practice; it works
// the turn values in doubles, as JarvisMarch does, with the rules only for
// those too close to zero for doubles to tell. Points far enough apart that a
// cross product could overflow go through PlainHullScans itself, so even that
// failure is the same.
std::vector<int32_t> AutomaticHull(std::span<const TVertex> points);

// The same scans as they read: every candidate is tested against every point.
// The reference AutomaticHull must agree with.
std::vector<int32_t> PlainHullScans(std::span<const TVertex> points);

// (xb - xa)^2 + (yb - ya)^2 in extended precision, stored as a double.
double SquaredDistance(TVertex a, TVertex b);

// The Jarvis march: from the lowest point (the rightmost of several, the first
// of equal ones) each step takes the point that leaves no point to its right,
// the farthest of several on one line, until it comes back to the start.
// Returns the hull's corners counter-clockwise, each once; one point for a set
// of coinciding points, the two ends for points on a line, nothing for none.
// It takes at most as many steps as there are points: should rounding keep it
// from coming back exactly to the start, it stops there, and the start with the
// points of all steps but the last is the hull, never more points than it got.
//
// Gives exactly what PlainJarvisMarch gives, faults included, but works each
// step in doubles, several points at a time, and leaves to the extended-precision
// rules only the cross products too close to zero for doubles to decide.
std::vector<TVertex> JarvisMarch(std::vector<TVertex> points);

// One step of the march, for its working: indices into the points as given.
struct TJarvisStep {
    int32_t From = 0;    // the corner the step starts at
    int32_t Corner = 0;  // the point it takes
    // Points on the line from From through Corner, nearer than Corner, that the
    // step passed over for the farthest; -1 where not counted.
    int32_t PassedOnLine = -1;
};

// What the march did: where it started and every step it took, as it took them.
struct TJarvisTrace {
    int32_t Start = -1;       // the lowest point, -1 for no points
    int32_t LowestCount = 0;  // the points at the start's height, the start among them
    std::vector<TJarvisStep> Steps;
    // The last step came back to the start (else rounding stopped it at the count).
    bool Closed = false;
    // PassedOnLine is counted for this many first steps only: each count looks
    // at every point, and the working shows no more steps than these.
    int32_t CountedSteps = 50;
};

// The same march, writing its steps into `trace` as it goes, so that a fault
// leaves the steps before it there. The hull is the same as without.
std::vector<TVertex> TracedJarvisMarch(std::vector<TVertex> points, TJarvisTrace& trace);

// The same march with every cross product and squared distance computed by the
// rules as they read. The reference JarvisMarch must agree with.
std::vector<TVertex> PlainJarvisMarch(std::vector<TVertex> points);
