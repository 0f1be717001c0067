// The regular polygon menu: build the polygon the tab's fields describe, or list
// and measure that same polygon without drawing it.
#include "drawing/Form2.h"
#include "platform/Memo.h"
#include "platform/NumberFormat.h"
#include "platform/TextConversion.h"
#include "polygon/PolygonRules.h"
#include "polygon/PolygonWorking.h"
#include "polygon/VertexText.h"
#include "regular/RegularPolygon.h"
#include "regular/RegularWorking.h"
#include "shell/Form1.h"
#include "shell/VertexStore.h"
#include "working/FormWorking.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScopeGuard>

namespace {

std::string Text(const QLineEdit* edit) { return edit->text().toStdString(); }

// A count the store cannot hold is refused before either command changes anything;
// a text that is no number at all is left to the conversion at its own step.
bool CountFitsTheStore(TForm1& form)
{
    const std::optional<int32_t> n = platform::TryStrToInt(Text(form.Edit19));
    return !n || form.AcceptVertexCount(*n);
}

// Each vertex goes into its slot as soon as it is computed, and its line after
// it; the lines reach the list together, also when a line cannot be formatted.
void StoreAndList(platform::TMemoLines& list, int32_t index, const TVertex& vertex)
{
    Vertices[index] = vertex;
    list.Add(QString::fromStdString(FormatVertexLine(vertex.X, vertex.Y)));
}

// The polygon of the tab's fields into the store and onto the list: N, the side
// and the start angle are read in that order, and N = 0 fails at the radius,
// before any vertex is written. Both commands take their polygon from here;
// `tab` keeps each value as it is reached, for the working.
void ComputeTabPolygon(TForm1& form, TRegularTabPolygon& tab)
{
    const int32_t n = platform::StrToInt(Text(form.Edit19));
    tab.N = n;
    VertexCount = n;
    EntryCursor = 1;
    const double side = platform::StrToFloat(Text(form.Edit20));
    tab.Side = side;
    const double radius = RegularPolygonRadius(TRegularCircle::Circumscribed, n, side);
    tab.Radius = radius;
    const double startDegrees = platform::StrToFloat(Text(form.Edit22));
    tab.StartDegrees = startDegrees;
    const double startAngle = DegreesToRadians(startDegrees);
    tab.StartAngle = startAngle;
    platform::TMemoLines list(*form.Memo3);
    WalkRegularPolygon(n, radius, startAngle, [&list, &tab](int32_t i, const TVertex& vertex) {
        tab.Walk(vertex);
        StoreAndList(list, i, vertex);
    });
}

// The same, with the section built from what it reached, also when a fault
// ends it there: the guard runs while the fault unwinds, before the section is added.
void ComputeTabPolygon(TForm1& form, TRegularTabPolygon& tab, TWorkingSection& section, const char* caption)
{
    const auto steps = qScopeGuard([&] { section = RegularPolygonSection(caption, tab); });
    ComputeTabPolygon(form, tab);
}

// r of the inscribed circle beside R, by the routine the construction draws that
// circle with. Only for three vertices or more: then r < R, so it cannot fail
// where R did not, and the working adds no error of its own.
void AddInscribedRadius(TWorkingSection& section, const TRegularTabPolygon& tab)
{
    if (!tab.N || !tab.Side || !tab.Radius || *tab.N < 3) return;
    AddInscribedRadius(section, *tab.N, *tab.Side, RegularPolygonRadius(TRegularCircle::Inscribed, *tab.N, *tab.Side));
}

}  // namespace

void TForm1::N18Click()
{
    if (!CountFitsTheStore(*this)) return;

    TForm2& form2 = *Form2;
    const bool clearFirst = form2.CheckBox2->isChecked();
    if (clearFirst) form2.Button1Click();

    TRegularTabPolygon tab;
    TWorkingSection section;
    RecordWorking(section, [&] {
        ComputeTabPolygon(*this, tab, section, "Правильний n-кутник — Побудувати");
        AddInscribedRadius(section, tab);
        N8Click();
    });
}

void TForm1::N19Click()
{
    if (!CountFitsTheStore(*this)) return;

    Memo3->Clear();
    TRegularTabPolygon tab;
    TWorkingSection section;
    RecordWorking(section, [&] {
        ComputeTabPolygon(*this, tab, section, "Правильний n-кутник — Площа");
        AddInscribedRadius(section, tab);
        WriteClosingCopies(VertexCount);
        const std::string areaText = platform::FormatTwoDecimals(WorkedArea(section, StoredFigure(VertexCount)));
        Edit17->setText(QString::fromStdString(areaText));
        section.Result("S", areaText);
    });
}
