// The quadrilateral tab's entry and the menu's area and convexity of the current figure.
#include "platform/Memo.h"
#include "platform/NumberFormat.h"
#include "platform/TextConversion.h"
#include "polygon/StoredMeasures.h"
#include "shell/Form1.h"
#include "shell/VertexStore.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

std::string Text(const QLineEdit* edit) { return edit->text().toStdString(); }

// Whole numbers as they are, two spaces apart: this tab's list differs from the
// two-decimal lines of the other tabs.
QString Line(const TVertex& vertex)
{
    return QString::fromStdString(platform::FloatToStr(vertex.X) + "  " + platform::FloatToStr(vertex.Y));
}

}  // namespace

void TForm1::Button2Click()
{
    VertexCount = 4;
    // The cursor is shared with the polygon tab and moves before the texts are
    // converted, so a refused text leaves it advanced.
    if (EntryCursor < 4) {
        EntryCursor = EntryCursor + 1;
        Vertices[EntryCursor].X = platform::StrToInt(Text(Edit11));
        Vertices[EntryCursor].Y = platform::StrToInt(Text(Edit12));
        Memo2->Add(Line(Vertices[EntryCursor]));
    }
    if (EntryCursor == 4) {
        Button2->setEnabled(false);
        EntryCursor = 0;
    }
}

void TForm1::N13Click() { WriteStoredArea("Чотирикутник — Плоша", Edit14); }

void TForm1::N12Click()
{
    // The check may ask and, on No, reset the tabs; the verdict follows either way.
    ErrorClick();
    WriteStoredConvexity("Чотирикутник — Опуклість", Edit13);
}
