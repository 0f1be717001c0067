// The triangle menu's construction, existence test, areas and side lengths.
#include "platform/NumberFormat.h"
#include "shell/Form1.h"
#include "shell/VertexStore.h"
#include "triangle/PickCount.h"
#include "triangle/TriangleFields.h"
#include "triangle/TriangleGeometry.h"

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
    const TSideLengths sides = SideLengths(ReadTriangle(*this));
    Label2->setText(TriangleExists(sides) ? "Трикутник існує" : "Трикутник не існує");
}

void TForm1::N3Click()
{
    const TLatticeTriangle t = ReadTriangle(*this);
    VertexCount = 3;
    StoreTriangle(AsPoints(t));
    // The check may question a flat triangle; the areas go on with what was read.
    ErrorClick();

    Edit16->setText(TwoDecimals(SidesHeronArea(SideLengths(t))));
    const double area = TriangleArea(t.A, t.B, t.C);
    Edit18->setText(TwoDecimals(area));

    const TPickCount count = CountLatticePoints(t);
    Edit21->setToolTip(
        QString("Внутрішніх точок: %1, граничних: %2").arg(qulonglong(count.Interior)).arg(qulonglong(count.Boundary)));
    Edit21->setText(TwoDecimals(PickArea(count, area)));
}

void TForm1::N5Click()
{
    Label3->setText(QString::fromStdString(SideLengthsCaption(SideLengths(ReadTriangle(*this)))));
}
