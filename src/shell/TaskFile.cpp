#include "shell/TaskFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <charconv>
#include <cstdio>
#include <cmath>
#include <cstring>

namespace {

// ---- Writing: the keys in a fixed order, the format's name and version first.

void AppendString(QByteArray& out, const QString& text)
{
    out += '"';
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        const char16_t u = c.unicode();
        if (u == '"' || u == '\\') {
            out += '\\';
            out += char(u);
        } else if (u < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", unsigned(u));
            out += escape;
        } else if (u < 0x80) {
            out += char(u);
        } else if (c.isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate()) {
            out += QString(text.constData() + i, 2).toUtf8();
            ++i;
        } else if (c.isSurrogate()) {
            // A lone half of a pair has no UTF-8 form; the escape keeps it as it was.
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", unsigned(u));
            out += escape;
        } else {
            out += QString(c).toUtf8();
        }
    }
    out += '"';
}

// The shortest decimal text that reads back as the very same double.
QByteArray NumberText(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QByteArray(buffer, result.ptr - buffer);
}

QByteArray Flag(bool value) { return value ? "true" : "false"; }

class Writer {
public:
    explicit Writer(QByteArray& out) : out_(out) {}

    void Open(const char* key)
    {
        Key(key);
        out_ += "{";
        first_ = true;
        ++depth_;
    }
    void Close()
    {
        --depth_;
        out_ += '\n';
        Indent();
        out_ += '}';
        first_ = false;
    }
    void Text(const char* key, const QString& value)
    {
        Key(key);
        AppendString(out_, value);
    }
    void Raw(const char* key, const QByteArray& value)
    {
        Key(key);
        out_ += value;
    }
    void Lines(const char* key, const QStringList& lines)
    {
        Key(key);
        if (lines.isEmpty()) {
            out_ += "[]";
            return;
        }
        out_ += '[';
        for (qsizetype i = 0; i < lines.size(); ++i) {
            out_ += i ? ",\n" : "\n";
            Indent(1);
            AppendString(out_, lines[i]);
        }
        out_ += '\n';
        Indent();
        out_ += ']';
    }
    void Points(const char* key, const std::vector<TVertex>& vertices)
    {
        Key(key);
        if (vertices.empty()) {
            out_ += "[]";
            return;
        }
        out_ += '[';
        for (size_t i = 0; i < vertices.size(); ++i) {
            out_ += i ? ",\n" : "\n";
            Indent(1);
            out_ += "[\"" + NumberText(vertices[i].X) + "\", \"" + NumberText(vertices[i].Y) + "\"]";
        }
        out_ += '\n';
        Indent();
        out_ += ']';
    }

private:
    void Key(const char* key)
    {
        out_ += first_ ? "\n" : ",\n";
        first_ = false;
        Indent();
        out_ += '"';
        out_ += key;
        out_ += "\": ";
    }
    void Indent(int extra = 0) { out_ += QByteArray(2 * (depth_ + extra), ' '); }

    QByteArray& out_;
    bool first_ = true;
    int depth_ = 1;
};

QByteArray ColorText(uint32_t bgr)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", unsigned(bgr & 0xFF), unsigned((bgr >> 8) & 0xFF),
                  unsigned((bgr >> 16) & 0xFF));
    return QByteArray("\"") + text + "\"";
}

// ---- Reading: every value looked up by name and checked before it is kept.

struct Refusal {
    QString Text;
};

[[noreturn]] void Refuse(const QString& text) { throw Refusal{text}; }

class Reader {
public:
    Reader(const QJsonObject& object, QString path) : object_(object), path_(std::move(path)) {}

    QString Name(const char* key) const { return path_.isEmpty() ? QString(key) : path_ + "." + key; }

    QJsonValue Get(const char* key) const
    {
        const auto it = object_.constFind(QLatin1String(key));
        if (it == object_.constEnd()) Refuse(QString("бракує значення «%1»").arg(Name(key)));
        return it.value();
    }

    Reader Object(const char* key) const
    {
        const QJsonValue value = Get(key);
        if (!value.isObject()) Refuse(QString("значення «%1» має бути розділом {…}").arg(Name(key)));
        return Reader(value.toObject(), Name(key));
    }

    QString Text(const char* key) const
    {
        const QJsonValue value = Get(key);
        if (!value.isString()) Refuse(QString("значення «%1» має бути текстом у лапках").arg(Name(key)));
        QString text = value.toString();
        if (text.size() > kMaxTaskFieldText)
            Refuse(QString("текст «%1» задовгий для поля: %2 знаків, а поле вміщує %3")
                       .arg(Name(key)).arg(text.size()).arg(kMaxTaskFieldText));
        return text;
    }

    bool Flag(const char* key) const
    {
        const QJsonValue value = Get(key);
        if (!value.isBool()) Refuse(QString("значення «%1» має бути true або false").arg(Name(key)));
        return value.toBool();
    }

    // A whole number from lo to hi.
    int32_t Integer(const char* key, int32_t lo, int32_t hi, const QString& what) const
    {
        const QJsonValue value = Get(key);
        const double number = value.toDouble();
        if (!value.isDouble() || number != std::floor(number) || number < lo || number > hi)
            Refuse(QString("%1 має бути цілим числом від %2 до %3, а записано %4")
                       .arg(what).arg(lo).arg(hi).arg(Shown(value)));
        return int32_t(number);
    }

    QStringList Lines(const char* key) const
    {
        const QJsonValue value = Get(key);
        if (!value.isArray()) Refuse(QString("значення «%1» має бути списком […]").arg(Name(key)));
        const QJsonArray array = value.toArray();
        if (array.size() > kMaxTaskListLines)
            Refuse(QString("список «%1» задовгий: %2 рядків, а можна щонайбільше %3")
                       .arg(Name(key)).arg(array.size()).arg(kMaxTaskListLines));
        QStringList lines;
        lines.reserve(array.size());
        for (qsizetype i = 0; i < array.size(); ++i) {
            const QJsonValue line = array[i];
            // A line break inside a line would split it into two when the list is shown.
            static const QString kBreaks = QString("\n\r") + QChar(0x2028) + QChar(0x2029);
            const QString text = line.toString();
            bool broken = false;
            for (QChar c : kBreaks) broken = broken || text.contains(c);
            if (!line.isString() || broken)
                Refuse(QString("рядок %1 списку «%2» має бути одним рядком тексту у лапках").arg(i + 1).arg(Name(key)));
            lines << text;
        }
        return lines;
    }

    static QString Shown(const QJsonValue& value)
    {
        if (value.isDouble()) return QString::number(value.toDouble(), 'g', 17);
        if (value.isString()) return "«" + value.toString().left(40) + "»";
        if (value.isBool()) return value.toBool() ? "true" : "false";
        return "не число";
    }

private:
    QJsonObject object_;
    QString path_;
};

double Coordinate(const QJsonValue& value, qsizetype vertex)
{
    const QByteArray text = value.toString().toUtf8();
    double number = 0;
    const char* end = text.constData() + text.size();
    const auto result = std::from_chars(text.constData(), end, number);
    if (!value.isString() || text.isEmpty() || result.ec != std::errc() || result.ptr != end || !std::isfinite(number))
        Refuse(QString("координата вершини %1 не є скінченним числом: %2").arg(vertex).arg(Reader::Shown(value)));
    return number;
}

std::vector<TVertex> Points(const QJsonValue& value, int32_t needed)
{
    if (!value.isArray()) Refuse("значення «store.vertices» має бути списком […]");
    const QJsonArray array = value.toArray();
    if (array.size() > MaxVertices)
        Refuse(QString("у списку вершин %1 вершин, а вміщується щонайбільше %2").arg(array.size()).arg(MaxVertices));
    if (array.size() < needed)
        Refuse(QString("у списку вершин %1 вершин, а кількість вершин і курсор вимагають %2").arg(array.size()).arg(needed));
    std::vector<TVertex> vertices;
    vertices.reserve(array.size());
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QJsonArray pair = array[i].toArray();
        if (!array[i].isArray() || pair.size() != 2)
            Refuse(QString("вершина %1 має бути парою координат [\"x\", \"y\"]").arg(i + 1));
        const double x = Coordinate(pair[0], i + 1);
        const double y = Coordinate(pair[1], i + 1);
        vertices.push_back({x, y});
    }
    return vertices;
}

uint32_t PenColor(const QString& text)
{
    bool ok = text.size() == 7 && text[0] == '#';
    for (qsizetype i = 1; ok && i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        ok = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    }
    if (!ok)
        Refuse(QString("колір пера має бути записаний як #rrggbb шістнадцятковими цифрами, а записано «%1»")
                   .arg(text.left(40)));
    const uint32_t rgb = text.mid(1).toUInt(nullptr, 16);
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

// Whether bytes that are no JSON were meant as a task: then they are damaged
// or cut short rather than some other kind of file.
bool LooksLikeTask(const QByteArray& data) { return data.left(4096).contains(kTaskFormatName); }

TTask ReadTask(const QByteArray& data)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError) {
        if (LooksLikeTask(data)) Refuse(QString("файл пошкоджений або обрізаний (помилка біля байта %1)").arg(error.offset));
        Refuse("це не файл завдання");
    }
    const Reader top(document.object(), {});
    const QJsonValue format = document.object().value("format");
    if (!document.isObject() || format.toString() != QLatin1String(kTaskFormatName)) Refuse("це не файл завдання");
    const int32_t version = top.Integer("version", 1, INT32_MAX, "версія формату");
    if (version > kTaskFormatVersion)
        Refuse(QString("завдання записане новішою версією програми (формат версії %1, а ця програма читає версію %2)")
                   .arg(version).arg(kTaskFormatVersion));

    TTask task;
    task.Page = top.Integer("page", 0, 3, "номер сторінки «page»");

    const Reader triangle = top.Object("triangle");
    const char* const kTriangleKeys[] = {"x1", "y1", "x2", "y2", "x3", "y3"};
    for (int i = 0; i < 6; ++i) task.Triangle[i] = triangle.Text(kTriangleKeys[i]);

    const Reader quadrilateral = top.Object("quadrilateral");
    task.QuadrilateralX = quadrilateral.Text("x");
    task.QuadrilateralY = quadrilateral.Text("y");
    task.QuadrilateralAddEnabled = quadrilateral.Flag("addEnabled");
    task.QuadrilateralList = quadrilateral.Lines("list");

    const Reader polygon = top.Object("polygon");
    task.PolygonCount = polygon.Text("count");
    task.PolygonCountReadOnly = polygon.Flag("countReadOnly");
    task.PolygonCountSpinnerEnabled = polygon.Flag("countSpinnerEnabled");
    task.PolygonX = polygon.Text("x");
    task.PolygonY = polygon.Text("y");
    task.PolygonAddEnabled = polygon.Flag("addEnabled");
    task.PolygonList = polygon.Lines("list");

    const Reader regular = top.Object("regular");
    task.RegularCount = regular.Text("count");
    task.RegularSide = regular.Text("side");
    task.RegularAngle = regular.Text("angle");
    task.CircumscribedCircle = regular.Flag("circumscribedCircle");
    task.InscribedCircle = regular.Flag("inscribedCircle");
    task.RegularList = regular.Lines("list");

    const Reader store = top.Object("store");
    task.VertexCount = store.Integer("vertexCount", 0, MaxVertices, "кількість вершин «store.vertexCount»");
    task.EntryCursor = store.Integer("entryCursor", 0, MaxVertices, "курсор введення «store.entryCursor»");
    task.Vertices = Points(store.Get("vertices"), std::max(task.VertexCount, task.EntryCursor));

    const Reader drawing = top.Object("drawing");
    task.WindowMin = drawing.Text("min");
    task.WindowMax = drawing.Text("max");
    task.StaticWindow = drawing.Flag("static");
    task.Clearing = drawing.Flag("clearing");
    task.WholeNumbers = drawing.Flag("wholeNumbers");
    task.PenWidth = drawing.Integer("penWidth", 1, 10, "товщина пера «drawing.penWidth»");
    task.PenColor = PenColor(drawing.Text("penColor"));
    return task;
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

bool SameTask(const TTask& a, const TTask& b)
{
    if (a.Vertices.size() != b.Vertices.size()) return false;
    for (size_t i = 0; i < a.Vertices.size(); ++i)
        if (!SameBits(a.Vertices[i].X, b.Vertices[i].X) || !SameBits(a.Vertices[i].Y, b.Vertices[i].Y)) return false;
    return a.Page == b.Page && a.Triangle == b.Triangle && a.QuadrilateralX == b.QuadrilateralX &&
           a.QuadrilateralY == b.QuadrilateralY && a.QuadrilateralAddEnabled == b.QuadrilateralAddEnabled &&
           a.QuadrilateralList == b.QuadrilateralList && a.PolygonCount == b.PolygonCount &&
           a.PolygonCountReadOnly == b.PolygonCountReadOnly &&
           a.PolygonCountSpinnerEnabled == b.PolygonCountSpinnerEnabled && a.PolygonX == b.PolygonX &&
           a.PolygonY == b.PolygonY && a.PolygonAddEnabled == b.PolygonAddEnabled &&
           a.PolygonList == b.PolygonList && a.RegularCount == b.RegularCount && a.RegularSide == b.RegularSide &&
           a.RegularAngle == b.RegularAngle && a.CircumscribedCircle == b.CircumscribedCircle &&
           a.InscribedCircle == b.InscribedCircle && a.RegularList == b.RegularList &&
           a.VertexCount == b.VertexCount && a.EntryCursor == b.EntryCursor && a.WindowMin == b.WindowMin &&
           a.WindowMax == b.WindowMax && a.StaticWindow == b.StaticWindow && a.Clearing == b.Clearing &&
           a.WholeNumbers == b.WholeNumbers && a.PenWidth == b.PenWidth && a.PenColor == b.PenColor;
}

QByteArray TaskFileData(const TTask& task)
{
    QByteArray out;
    out.reserve(4096 + 48 * qsizetype(task.Vertices.size()));
    out += '{';
    Writer w(out);
    w.Text("format", kTaskFormatName);
    w.Raw("version", QByteArray::number(kTaskFormatVersion));
    w.Raw("page", QByteArray::number(task.Page));

    w.Open("triangle");
    const char* const kTriangleKeys[] = {"x1", "y1", "x2", "y2", "x3", "y3"};
    for (int i = 0; i < 6; ++i) w.Text(kTriangleKeys[i], task.Triangle[i]);
    w.Close();

    w.Open("quadrilateral");
    w.Text("x", task.QuadrilateralX);
    w.Text("y", task.QuadrilateralY);
    w.Raw("addEnabled", Flag(task.QuadrilateralAddEnabled));
    w.Lines("list", task.QuadrilateralList);
    w.Close();

    w.Open("polygon");
    w.Text("count", task.PolygonCount);
    w.Raw("countReadOnly", Flag(task.PolygonCountReadOnly));
    w.Raw("countSpinnerEnabled", Flag(task.PolygonCountSpinnerEnabled));
    w.Text("x", task.PolygonX);
    w.Text("y", task.PolygonY);
    w.Raw("addEnabled", Flag(task.PolygonAddEnabled));
    w.Lines("list", task.PolygonList);
    w.Close();

    w.Open("regular");
    w.Text("count", task.RegularCount);
    w.Text("side", task.RegularSide);
    w.Text("angle", task.RegularAngle);
    w.Raw("circumscribedCircle", Flag(task.CircumscribedCircle));
    w.Raw("inscribedCircle", Flag(task.InscribedCircle));
    w.Lines("list", task.RegularList);
    w.Close();

    w.Open("store");
    w.Raw("vertexCount", QByteArray::number(task.VertexCount));
    w.Raw("entryCursor", QByteArray::number(task.EntryCursor));
    w.Points("vertices", task.Vertices);
    w.Close();

    w.Open("drawing");
    w.Text("min", task.WindowMin);
    w.Text("max", task.WindowMax);
    w.Raw("static", Flag(task.StaticWindow));
    w.Raw("clearing", Flag(task.Clearing));
    w.Raw("wholeNumbers", Flag(task.WholeNumbers));
    w.Raw("penWidth", QByteArray::number(task.PenWidth));
    w.Raw("penColor", ColorText(task.PenColor));
    w.Close();
    out += "\n}\n";
    return out;
}

TTaskRead ParseTask(const QByteArray& data)
{
    // Editors on some systems begin UTF-8 text with a byte-order mark.
    const QByteArray text = data.startsWith("\xEF\xBB\xBF") ? data.mid(3) : data;
    try {
        return {ReadTask(text), {}};
    } catch (const Refusal& refusal) {
        return {std::nullopt, refusal.Text};
    }
}

TTaskRead ReadTaskFile(const QString& path)
{
    const auto refused = [&path](const QString& why) {
        return TTaskRead{std::nullopt,
                         QString("Не вдалося відкрити завдання «%1»: %2.").arg(QDir::toNativeSeparators(path), why)};
    };
    if (QFileInfo(path).isDir()) return refused("це тека, а не файл");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return refused("файл не вдається прочитати (" + file.errorString() + ")");
    const QByteArray data = file.read(kMaxTaskFileBytes + 1);
    if (file.error() != QFileDevice::NoError) return refused("файл не вдається прочитати (" + file.errorString() + ")");
    if (data.size() > kMaxTaskFileBytes)
        return refused(QString("файл завеликий для завдання (більше ніж %1 МБ)").arg(kMaxTaskFileBytes / (1024 * 1024)));
    TTaskRead read = ParseTask(data);
    if (!read.Task) return refused(read.Problem);
    return read;
}

QString TaskSaveName(const QString& chosen)
{
    const QString suffix = QString(".") + kTaskExtension;
    return chosen.endsWith(suffix, Qt::CaseInsensitive) ? chosen : chosen + suffix;
}
