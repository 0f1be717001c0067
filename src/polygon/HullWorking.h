#pragma once
// The working of the two convex hulls: how each found its corners, from the
// values the hull routines report, and the hull's measures as the fields show
// them. Pure functions; the hull handlers append what these build.
#include <span>
#include <string>

#include "core/Vertex.h"
#include "polygon/ConvexHull.h"
#include "working/WorkingSection.h"

// Steps listed one by one before a summary line takes the rest.
constexpr int32_t HullWorkingSteps = 50;

// The section's heading: the command's caption and the points it starts from.
TWorkingSection HullSection(std::string caption, std::span<const TVertex> points);

// The march's start and each step it took, named as the points were given.
// `finished` is false when a fault ended the march: the step after the last
// traced one is where, and why is said.
void AddJarvisSteps(TWorkingSection& section, std::span<const TVertex> points, const TJarvisTrace& trace,
                    bool finished);

// The automatic hull's start and its corners in the order the scans took them
// (`hull` indexes `points`). `finished` is false when a fault ended the scans,
// which then took no corners.
void AddAutomaticHullSteps(TWorkingSection& section, std::span<const TVertex> points,
                           std::span<const int32_t> hull, bool finished);

// The hull as it becomes the figure: its corners in order, with the letters the
// drawing gives them.
void AddHullCorners(TWorkingSection& section, std::span<const TVertex> hull);

