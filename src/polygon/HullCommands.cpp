// The polygon menu's two convex hulls: each replaces the figure by its hull,
// lists it, measures it and builds it.
#include "platform/Memo.h"
#include "platform/NumberFormat.h"
#include "polygon/ConvexHull.h"
#include "polygon/PolygonRules.h"
#include "polygon/VertexText.h"
#include "shell/Form1.h"
#include "shell/VertexStore.h"

#include <vector>

#include <QLineEdit>

namespace {

// The figure's points, copied before the hull replaces them.
std::vector<TVertex> FigurePoints()
{
    const std::span<const TVertex> figure = StoredFigure(VertexCount);
    return std::vector<TVertex>(figure.begin(), figure.end());
}

// The hull becomes the figure: the store and its list, then the area and the
// perimeter (which write the closing copy), then the construction.
void ShowHull(TForm1& form, const std::vector<TVertex>& hull, bool countLine)
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
    WriteClosingCopies(VertexCount);
    const std::span<const TVertex> figure = StoredFigure(VertexCount);
    form.Edit15->setText(QString::fromStdString(platform::FormatTwoDecimals(PolygonArea(figure))));
    form.Edit23->setText(QString::fromStdString(platform::FormatTwoDecimals(PolygonPerimeter(figure))));
    form.N8Click();
}

}  // namespace

void TForm1::N20Click()
{
    const std::vector<TVertex> points = FigurePoints();
    std::vector<TVertex> hull;
    for (const int32_t k : AutomaticHull(points)) hull.push_back(points[k]);
    ShowHull(*this, hull, false);
}

void TForm1::N24Click()
{
    ShowHull(*this, JarvisMarch(FigurePoints()), true);
}
