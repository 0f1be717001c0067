// The polygon menu's two convex hulls: each replaces the figure by its hull,
// lists it, measures it and builds it.
#include "platform/Memo.h"
#include "platform/NumberFormat.h"
#include "polygon/ConvexHull.h"
#include "polygon/HullWorking.h"
#include "polygon/PolygonRules.h"
#include "polygon/PolygonWorking.h"
#include "polygon/VertexText.h"
#include "shell/Form1.h"
#include "shell/VertexStore.h"
#include "working/FormWorking.h"

#include <vector>

#include <QLineEdit>
#include <QScopeGuard>

namespace {

// The figure's points, copied before the hull replaces them.
std::vector<TVertex> FigurePoints()
{
    const std::span<const TVertex> figure = StoredFigure(VertexCount);
    return std::vector<TVertex>(figure.begin(), figure.end());
}

// The hull becomes the figure: the store and its list, then the area and the
// perimeter (which write the closing copy), each into the working as it is
// found. The construction follows once the section is in.
void StoreHull(TForm1& form, const std::vector<TVertex>& hull, bool countLine, TWorkingSection& section)
{
    VertexCount = int32_t(hull.size());
    form.Memo1->Clear();
    {
        // The lines reach the list together, also when one cannot be formatted.
        platform::TMemoLines list(*form.Memo1);
        if (countLine) list.Add(QString::number(VertexCount));
        for (int32_t i = 1; i <= VertexCount; ++i) {
            Vertices[i] = hull[i - 1];
            list.Add(QString::fromStdString(FormatVertexLine(Vertices[i].X, Vertices[i].Y)));
        }
    }
    AddHullCorners(section, hull);
    WriteClosingCopies(VertexCount);
    const std::span<const TVertex> figure = StoredFigure(VertexCount);
    const std::string areaText = platform::FormatTwoDecimals(WorkedArea(section, figure));
    form.Edit15->setText(QString::fromStdString(areaText));
    section.Result("S", areaText);
    const std::string perimeterText = platform::FormatTwoDecimals(WorkedPerimeter(section, figure));
    form.Edit23->setText(QString::fromStdString(perimeterText));
    section.Result("P", perimeterText);
}

}  // namespace

void TForm1::N20Click()
{
    const std::vector<TVertex> points = FigurePoints();
    TWorkingSection section = HullSection("N-кутник — Побудова опуклої оболонки (Авт.)", points);
    RecordWorking(section, [&] {
        std::vector<int32_t> corners;
        bool finished = false;
        {
            // Also while a fault unwinds, before the section is added.
            const auto steps = qScopeGuard([&] { AddAutomaticHullSteps(section, points, corners, finished); });
            corners = AutomaticHull(points);
            finished = true;
        }
        std::vector<TVertex> hull;
        for (const int32_t k : corners) hull.push_back(points[k]);
        StoreHull(*this, hull, false, section);
    });
    N8Click();
}

void TForm1::N24Click()
{
    const std::vector<TVertex> points = FigurePoints();
    TWorkingSection section = HullSection("N-кутник — Побудова опуклої оболонки (Джарвіса)", points);
    RecordWorking(section, [&] {
        TJarvisTrace trace;
        trace.CountedSteps = HullWorkingSteps;
        std::vector<TVertex> hull;
        bool finished = false;
        {
            // After a fault too: the steps before it still show, and where it stopped.
            const auto steps = qScopeGuard([&] { AddJarvisSteps(section, points, trace, finished); });
            hull = TracedJarvisMarch(points, trace);
            finished = true;
        }
        StoreHull(*this, hull, true, section);
    });
    N8Click();
}
