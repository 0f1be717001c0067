// The polygon menu's measures and the figure check behind the hidden button "Перевірка".
#include "platform/Dialogs.h"
#include "platform/Memo.h"
#include "polygon/PolygonWorking.h"
#include "polygon/StoredFigureCheck.h"
#include "polygon/StoredMeasures.h"
#include "shell/Form1.h"
#include "shell/VertexStore.h"
#include "working/FormWorking.h"

#include <QLineEdit>
#include <QScopeGuard>

void TForm1::N9Click() { WriteStoredArea("N-кутник — Площа", Edit15); }

void TForm1::N10Click() { WriteStoredConvexity("N-кутник — Опуклість", Edit10); }

void TForm1::ErrorClick()
{
    TFigureCheckResult result;
    TWorkingSection section;
    // A sound figure passes silently: the construction runs the check on every build.
    bool problem = false;
    RecordWorkingIf(section, problem, [&] {
        const auto findings = qScopeGuard(
            [&] { section = FigureCheckSection(StoredFigure(VertexCount), result); });
        CheckStoredFigureInto(result);
        problem = result.ProblemFound;
    });
    // The regular polygon's list gets the crossing test's verdict on every run.
    Memo3->Add(QString::fromStdString(result.CrossingLine));
    FigureAccepted = true;
    if (!result.ProblemFound) return;
    const platform::TAnswer answer =
        platform::Dialogs().Question(this, "Перевірка", QString::fromStdString(result.Question));
    // Giving up on a faulty figure resets the entry tabs, exactly as the initial-state button does.
    if (answer == platform::TAnswer::No) Button3Click();
}
