#include "polygon/StoredMeasures.h"

#include "platform/NumberFormat.h"
#include "polygon/PolygonRules.h"
#include "polygon/PolygonWorking.h"
#include "shell/VertexStore.h"
#include "working/FormWorking.h"

#include <QLineEdit>
#include <QScopeGuard>

// The steps reached go into the section also when a measure faults: the guards
// run while the fault unwinds, before RecordWorking adds the section.

void WriteStoredArea(const char* caption, QLineEdit* field)
{
    WriteClosingCopies(VertexCount);
    const std::span<const TVertex> figure = StoredFigure(VertexCount);
    TWorkingSection section;
    section.Caption = caption;
    section.Figure = PolygonFigureText(figure);
    RecordWorking(section, [&] {
        const double area = WorkedArea(section, figure);
        bool written = false;
        const auto unwritten = qScopeGuard([&] {
            if (!written) section.Step("S не вдалося округлити до двох знаків для поля: число завелике");
        });
        const std::string text = platform::FormatTwoDecimals(area);
        written = true;
        field->setText(QString::fromStdString(text));
        section.Result("S", text);
    });
}

void WriteStoredConvexity(const char* caption, QLineEdit* field)
{
    WriteClosingCopies(VertexCount);
    const std::span<const TVertex> figure = StoredFigure(VertexCount);
    TWorkingSection section;
    section.Caption = caption;
    section.Figure = PolygonFigureText(figure);
    RecordWorking(section, [&] {
        TConvexity convexity;
        bool convex = true;
        {
            const auto steps = qScopeGuard([&] { AddConvexitySteps(section, convexity); });
            convex = TurnsConvexity(figure, convexity);
        }
        const char* text = convex ? "Опуклий" : "Неопуклий";
        field->setText(text);
        section.Result("", text);
    });
}
