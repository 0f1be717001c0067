// The polygon tab's entry commands: typed vertices one by one, or random ones.
#include "platform/Dialogs.h"
#include "platform/Memo.h"
#include "platform/Random.h"
#include "platform/TextConversion.h"
#include "platform/UpDown.h"
#include "polygon/VertexText.h"
#include "shell/Form1.h"
#include "shell/VertexStore.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

std::string Text(const QLineEdit* edit) { return edit->text().toStdString(); }

QString Line(double x, double y) { return QString::fromStdString(FormatVertexLine(x, y)); }

}  // namespace

bool TForm1::AcceptVertexCount(int32_t n)
{
    // The store has MaxVertices slots; a count it cannot hold never reaches it.
    if (n >= 0 && n <= MaxVertices) return true;
    platform::Dialogs().MessageBox(
        this, "Помилка",
        QString("Кількість вершин має бути від 0 до %1, а введено %2").arg(MaxVertices).arg(n));
    return false;
}

void TForm1::Button1Click()
{
    const int32_t n = platform::StrToInt(Text(Edit7));
    if (!AcceptVertexCount(n)) return;
    VertexCount = n;
    Edit7->setReadOnly(false);
    UpDown1->setEnabled(false);

    const char separator = platform::DecimalSeparator();
    const bool valid = IsCoordinateText(Text(Edit8), separator) && IsCoordinateText(Text(Edit9), separator);
    if (!valid) platform::Dialogs().MessageBox(this, "Помилка", "Не правильно введені координати");

    if (EntryCursor < VertexCount && valid) {
        EntryCursor = EntryCursor + 1;
        Vertices[EntryCursor].X = platform::StrToFloat(Text(Edit8));
        Vertices[EntryCursor].Y = platform::StrToFloat(Text(Edit9));
        Memo1->Add(Line(Vertices[EntryCursor].X, Vertices[EntryCursor].Y));
    }
    if (EntryCursor == VertexCount) {
        Button1->setEnabled(false);
        EntryCursor = 0;
    }
}

void TForm1::Button4Click()
{
    const int32_t n = platform::StrToInt(Text(Edit7));
    if (!AcceptVertexCount(n)) return;
    VertexCount = n;
    platform::Randomize();
    platform::TMemoLines list(*Memo1);  // one edit of the list for all the points
    for (int32_t i = 1; i <= VertexCount; ++i) {
        Vertices[i].X = 50 - platform::RandomInt(100);
        Vertices[i].Y = 50 - platform::RandomInt(100);
        list.Add(Line(Vertices[i].X, Vertices[i].Y));
    }
}
