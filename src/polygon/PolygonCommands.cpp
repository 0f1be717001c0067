// The polygon menu's measures and the figure check behind the hidden button "Перевірка".
#include "platform/Dialogs.h"
#include "platform/Memo.h"
#include "platform/NumberFormat.h"
#include "polygon/PolygonRules.h"
#include "polygon/StoredFigureCheck.h"
#include "shell/Form1.h"
#include "shell/VertexStore.h"

#include <QLineEdit>

void TForm1::N9Click()
{
    WriteClosingCopies(VertexCount);
    Edit15->setText(QString::fromStdString(platform::FormatTwoDecimals(PolygonArea(StoredFigure(VertexCount)))));
}

void TForm1::N10Click()
{
    WriteClosingCopies(VertexCount);
    Edit10->setText(IsConvexPolygon(StoredFigure(VertexCount)) ? "Опуклий" : "Неопуклий");
}

void TForm1::ErrorClick()
{
    const TFigureCheckResult result = CheckStoredFigure();
    // The regular polygon's list gets the crossing test's verdict on every run.
    Memo3->Add(QString::fromStdString(result.CrossingLine));
    FigureAccepted = true;
    if (!result.ProblemFound) return;
    const platform::TAnswer answer =
        platform::Dialogs().Question(this, "Перевірка", QString::fromStdString(result.Question));
    // Giving up on a faulty figure resets the entry tabs, exactly as the initial-state button does.
    if (answer == platform::TAnswer::No) Button3Click();
}
