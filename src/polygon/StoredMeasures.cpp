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

namespace {

// The stored figure, closed, and the section about it.
std::span<const TVertex> ClosedStoredFigure(const char* caption, TWorkingSection& section)
{
    WriteClosingCopies(VertexCount);
    const std::span<const TVertex> figure = StoredFigure(VertexCount);
    section.Caption = caption;
    section.Figure = PolygonFigureText(figure);
    return figure;
}

}  // namespace

void WriteStoredArea(const char* caption, QLineEdit* field)
{
    TWorkingSection section;
    const std::span<const TVertex> figure = ClosedStoredFigure(caption, section);
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
    TWorkingSection section;
    const std::span<const TVertex> figure = ClosedStoredFigure(caption, section);
    RecordWorking(section, [&] {
        const char* text = WorkedConvexity(section, figure) ? "Опуклий" : "Неопуклий";
        field->setText(text);
        section.Result("", text);
    });
}
