#include "triangle/TriangleFields.h"

#include "platform/TextConversion.h"
#include "shell/Form1.h"
#include "shell/VertexStore.h"

#include <QLineEdit>

namespace {

int32_t FieldInteger(const QLineEdit* edit) { return platform::StrToInt(edit->text().toStdString()); }
double FieldNumber(const QLineEdit* edit) { return platform::StrToFloat(edit->text().toStdString()); }

}  // namespace

TLatticeTriangle ReadTriangle(const TForm1& f)
{
    TLatticeTriangle t;
    t.A.X = FieldInteger(f.Edit1);
    t.A.Y = FieldInteger(f.Edit2);
    t.B.X = FieldInteger(f.Edit3);
    t.B.Y = FieldInteger(f.Edit4);
    t.C.X = FieldInteger(f.Edit5);
    t.C.Y = FieldInteger(f.Edit6);
    return t;
}

TTrianglePoints ReadTrianglePoints(const TForm1& f)
{
    TTrianglePoints p;
    p[0].X = FieldNumber(f.Edit1);
    p[0].Y = FieldNumber(f.Edit2);
    p[1].X = FieldNumber(f.Edit3);
    p[1].Y = FieldNumber(f.Edit4);
    p[2].X = FieldNumber(f.Edit5);
    p[2].Y = FieldNumber(f.Edit6);
    return p;
}

TTrianglePoints AsPoints(const TLatticeTriangle& t)
{
    return {{{double(t.A.X), double(t.A.Y)}, {double(t.B.X), double(t.B.Y)}, {double(t.C.X), double(t.C.Y)}}};
}

void StoreTriangle(const TTrianglePoints& points)
{
    for (int i = 0; i < 3; ++i) Vertices[i + 1] = points[i];
}
