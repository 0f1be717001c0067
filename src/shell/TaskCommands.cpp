#include "shell/TaskCommands.h"

#include "appearance/ProgramFolder.h"
#include "drawing/Drawing.h"
#include "drawing/Form2.h"
#include "platform/Dialogs.h"
#include "platform/ErrorBoundary.h"
#include "platform/Memo.h"
#include "platform/PictureFile.h"
#include "platform/UpDown.h"
#include "shell/Form1.h"
#include "shell/VertexStore.h"

#include <QCheckBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QUrl>
#include <algorithm>
#include <cstring>

namespace {

bool Zero(const TVertex& v)
{
    static const TVertex zero{};
    return std::memcmp(&v, &zero, sizeof v) == 0;
}

// A dropped or named file that is a task: a local file ending in ".ortalis".
QString DroppedTask(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
    const QUrl url = data->urls().first();
    if (!url.isLocalFile()) return {};
    const QString path = url.toLocalFile();
    return path.endsWith(QString(".") + kTaskExtension, Qt::CaseInsensitive) ? path : QString();
}

QString DocumentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

bool SameFolder(const QString& a, const QString& b)
{
    return QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath();
}

}  // namespace

QString ExamplesFolderPath() { return ExecutableFolder() + "examples"; }

TTask CaptureTask(const TForm1& f, const TForm2& d)
{
    TTask task;
    task.Page = std::clamp(f.PageControl1->currentIndex(), 0, 3);
    const QLineEdit* const triangle[] = {f.Edit1, f.Edit2, f.Edit3, f.Edit4, f.Edit5, f.Edit6};
    for (int i = 0; i < 6; ++i) task.Triangle[i] = triangle[i]->text();

    task.QuadrilateralX = f.Edit11->text();
    task.QuadrilateralY = f.Edit12->text();
    task.QuadrilateralAddEnabled = f.Button2->isEnabled();
    task.QuadrilateralList = f.Memo2->Lines();

    task.PolygonCount = f.Edit7->text();
    task.PolygonCountReadOnly = f.Edit7->isReadOnly();
    task.PolygonCountSpinnerEnabled = f.UpDown1->isEnabled();
    task.PolygonX = f.Edit8->text();
    task.PolygonY = f.Edit9->text();
    task.PolygonAddEnabled = f.Button1->isEnabled();
    task.PolygonList = f.Memo1->Lines();

    task.RegularCount = f.Edit19->text();
    task.RegularSide = f.Edit20->text();
    task.RegularAngle = f.Edit22->text();
    task.CircumscribedCircle = f.CheckBox1->isChecked();
    task.InscribedCircle = f.CheckBox2->isChecked();
    task.RegularList = f.Memo3->Lines();

    // The commands keep both within the store; clamped all the same, so that a
    // saved task always opens.
    task.VertexCount = std::clamp(VertexCount, 0, MaxVertices);
    task.EntryCursor = std::clamp(EntryCursor, 0, MaxVertices);
    // Slots past the figure keep what earlier figures left there, and a later
    // entry or a reset shows them again: they are kept up to the last one in use.
    int32_t used = std::max(task.VertexCount, task.EntryCursor);
    for (int32_t i = MaxVertices; i > used; --i)
        if (!Zero(Vertices[i])) {
            used = i;
            break;
        }
    task.Vertices.assign(Vertices.begin() + 1, Vertices.begin() + 1 + used);

    task.WindowMin = d.Edit3->text();
    task.WindowMax = d.Edit4->text();
    task.StaticWindow = d.CheckBox1->isChecked();
    task.Clearing = d.CheckBox2->isChecked();
    task.WholeNumbers = d.CheckBox3->isChecked();
    task.PenWidth = std::clamp(d.Drawing->FigurePenWidth, 1, 10);
    task.PenColor = d.Drawing->FigurePenColor & 0xFFFFFF;
    return task;
}

void ApplyTask(const TTask& task, TForm1& f, TForm2& d)
{
    // The store first: slots past the task's vertices are emptied, closing copies included.
    Vertices.fill(TVertex{});
    std::copy(task.Vertices.begin(), task.Vertices.end(), Vertices.begin() + 1);
    VertexCount = task.VertexCount;
    EntryCursor = task.EntryCursor;

    QLineEdit* const triangle[] = {f.Edit1, f.Edit2, f.Edit3, f.Edit4, f.Edit5, f.Edit6};
    for (int i = 0; i < 6; ++i) triangle[i]->setText(task.Triangle[i]);

    f.Edit11->setText(task.QuadrilateralX);
    f.Edit12->setText(task.QuadrilateralY);
    f.Button2->setEnabled(task.QuadrilateralAddEnabled);
    f.Memo2->SetLines(task.QuadrilateralList);

    f.Edit7->setText(task.PolygonCount);
    f.Edit7->setReadOnly(task.PolygonCountReadOnly);
    f.UpDown1->setEnabled(task.PolygonCountSpinnerEnabled);
    f.Edit8->setText(task.PolygonX);
    f.Edit9->setText(task.PolygonY);
    f.Button1->setEnabled(task.PolygonAddEnabled);
    f.Memo1->SetLines(task.PolygonList);

    f.Edit19->setText(task.RegularCount);
    f.Edit20->setText(task.RegularSide);
    f.Edit22->setText(task.RegularAngle);
    f.CheckBox1->setChecked(task.CircumscribedCircle);
    f.CheckBox2->setChecked(task.InscribedCircle);
    f.Memo3->SetLines(task.RegularList);

    for (QLineEdit* result : {f.Edit16, f.Edit18, f.Edit21, f.Edit13, f.Edit14, f.Edit10, f.Edit15, f.Edit23, f.Edit17})
        result->clear();
    f.Label2->clear();
    f.Label3->clear();
    f.PageControl1->setCurrentIndex(task.Page);

    d.Edit3->setText(task.WindowMin);
    d.Edit4->setText(task.WindowMax);
    d.CheckBox1->setChecked(task.StaticWindow);
    d.CheckBox2->setChecked(task.Clearing);
    d.CheckBox3->setChecked(task.WholeNumbers);
    d.UpDown1->SetPosition(task.PenWidth);
    d.Drawing->FigurePenWidth = task.PenWidth;
    d.Drawing->FigurePenColor = task.PenColor;
}

QString TForm1::OpenTaskFolder() const
{
    if (!TaskFolder.isEmpty()) return TaskFolder;
    const QString examples = ExamplesFolderPath();
    return QFileInfo(examples).isDir() ? examples : DocumentsFolder();
}

QString TForm1::SaveTaskFolder() const
{
    // The examples come with the program, often in a folder the user cannot write.
    if (!TaskFolder.isEmpty() && !SameFolder(TaskFolder, ExamplesFolderPath())) return TaskFolder;
    return DocumentsFolder();
}

bool TForm1::OpenTaskFile(const QString& path)
{
    const TTaskRead read = ReadTaskFile(path);
    if (!read.Task) {
        platform::Dialogs().MessageBox(this, "Помилка", read.Problem);
        return false;
    }
    ApplyTask(*read.Task, *this, *Form2);
    TaskFolder = QFileInfo(path).absolutePath();
    return true;
}

void TForm1::NOpenTaskClick()
{
    const std::optional<platform::TFileChoice> choice =
        platform::Dialogs().OpenFile(this, kOpenTaskFilter, 1, OpenTaskFolder());
    if (!choice) return;
    OpenTaskFile(choice->FileName);
}

void TForm1::NSaveTaskClick()
{
    const auto targetName = [](const platform::TFileChoice& choice) { return TaskSaveName(choice.FileName); };
    const std::optional<platform::TFileChoice> choice =
        platform::Dialogs().SaveFile(this, kSaveTaskFilter, 1, SaveTaskFolder(), targetName);
    if (!choice) return;
    const QString path = TaskSaveName(choice->FileName);
    platform::WriteFileReplacing(path, TaskFileData(CaptureTask(*this, *Form2)));
    TaskFolder = QFileInfo(path).absolutePath();
}

void TForm1::NQuitClick() { close(); }

void TForm1::OpenTaskArguments(const QStringList& arguments)
{
    // The desktop hands over one file (%f); anything after it is not ours.
    for (const QString& argument : arguments) {
        if (argument.isEmpty() || argument.startsWith('-')) continue;
        const QUrl url(argument);
        OpenTaskFile(url.isLocalFile() ? url.toLocalFile() : argument);
        return;
    }
}

void TForm1::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedTask(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event)
{
    const QString path = DroppedTask(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    // Opened once the drop is over: a message box inside the drop would keep the
    // program the file came from waiting for its end.
    QMetaObject::invokeMethod(
        this, [this, path] { platform::RunHandler([this, path] { OpenTaskFile(path); }); }, Qt::QueuedConnection);
}
