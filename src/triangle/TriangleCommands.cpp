// The triangle menu's construction, existence test, areas and side lengths.
#include "platform/NumberFormat.h"
#include "shell/Form1.h"
#include "shell/VertexStore.h"
#include "triangle/PickCount.h"
#include "triangle/TriangleFields.h"
#include "triangle/RecordTriangleWorking.h"
#include "triangle/TriangleGeometry.h"
#include "triangle/TriangleWorking.h"

#include <QLabel>
#include <QLineEdit>

namespace {

// Areas of triangles anywhere in the 32-bit range are exact whole numbers once
// they pass what two-decimal rounding can hold, so they show as they are.
QString TwoDecimals(double value) { return QString::fromStdString(platform::FormatRoundedOrWhole(value, 0.01)); }

}  // namespace

void TForm1::N4Click()
{
    VertexCount = 3;
    StoreTriangle(AsPoints(ReadTriangle(*this)));
    N8Click();
}

void TForm1::N2Click()
{
    TExistenceWorking w;
    RecordTriangleWorking(w, ExistenceWorking, [&] {
        w.Triangle = ReadTriangle(*this);
        w.Sides = SideLengths(*w.Triangle);
        w.Inequalities = TriangleInequalities(*w.Sides);
        Label2->setText(QString::fromStdString(ExistenceVerdict(w.Inequalities->AllHold())));
    });
}

void TForm1::N3Click()
{
    TAreasWorking w;
    RecordTriangleWorking(w, AreasWorking, [&] {
        w.Triangle = ReadTriangle(*this);
        const TLatticeTriangle& t = *w.Triangle;
        VertexCount = 3;
        StoreTriangle(AsPoints(t));
        // The check may question a flat triangle; the areas go on with what was read.
        ErrorClick();

        w.Sides = SideLengths(t);
        w.Heron = SidesHeron(*w.Sides);
        Edit16->setText(TwoDecimals(HeronAreaOf(*w.Heron)));
        w.Determinant = Determinant(t.A, t.B, t.C);
        w.VectorArea = AreaFromDeterminant(*w.Determinant);
        Edit18->setText(TwoDecimals(w.VectorArea));

        w.PickSides = LatticeSideSteps(t);
        w.Pick = CountLatticePoints(t);
        const TPickCount& count = *w.Pick;
        Edit21->setToolTip(QString("Внутрішніх точок: %1, граничних: %2")
                               .arg(qulonglong(count.Interior))
                               .arg(qulonglong(count.Boundary)));
        w.PickArea = PickArea(count, w.VectorArea);
        Edit21->setText(TwoDecimals(w.PickArea));
    });
}

void TForm1::N5Click()
{
    TSideLengthsWorking w;
    RecordTriangleWorking(w, SideLengthsWorking, [&] {
        w.Triangle = ReadTriangle(*this);
        w.Sides = SideLengths(*w.Triangle);
        Label3->setText(QString::fromStdString(SideLengthsCaption(*w.Sides)));
    });
}
