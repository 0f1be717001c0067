#include "triangle/TriangleWorking.h"

#include "platform/NumberFormat.h"

#include <algorithm>
#include <array>

namespace {

const std::string kMinus = " − ";

std::string Caption(const std::string& item) { return "Трикутник — " + item; }

std::string Number(platform::Extended value) { return WorkingNumber(double(value)); }

std::string Integer(WideInt value) { return WorkingInteger(value); }

// "20 000": thousands apart, as a count is written in words.
std::string GroupedDigits(uint64_t value)
{
    std::string digits = std::to_string(value);
    for (int at = int(digits.size()) - 3; at > 0; at -= 3) digits.insert(size_t(at), " ");
    return digits;
}

TVertex AsVertex(TLatticePoint p) { return {double(p.X), double(p.Y)}; }

TTrianglePoints Points(const TLatticeTriangle& t) { return {AsVertex(t.A), AsVertex(t.B), AsVertex(t.C)}; }

// "√((4 − 0)² + (0 − 0)²)" of exact lattice coordinates, q minus p.
std::string LatticeRoot(TLatticePoint p, TLatticePoint q)
{
    return "√((" + WorkingOperandInteger(q.X) + kMinus + WorkingOperandInteger(p.X) + ")² + (" +
           WorkingOperandInteger(q.Y) + kMinus + WorkingOperandInteger(p.Y) + ")²)";
}

// "AB = √((4 − 0)² + (0 − 0)²) = √16 = 4", with `prefix` ("a = ") before the name.
std::string LatticeSideStep(const std::string& prefix, const std::string& name, TLatticePoint p, TLatticePoint q,
                            double length)
{
    return prefix + name + " = " + LatticeRoot(p, q) + " = √" + Integer(WideInt(SquaredDistance(p, q))) + " = " +
           WorkingNumber(length);
}

void LatticeSideSteps(TWorkingSection& s, const TLatticeTriangle& t, const TSideLengths& sides, bool lettered)
{
    s.Step(LatticeSideStep(lettered ? "a = " : "", "AB", t.A, t.B, sides.AB));
    s.Step(LatticeSideStep(lettered ? "b = " : "", "BC", t.B, t.C, sides.BC));
    s.Step(LatticeSideStep(lettered ? "c = " : "", "AC", t.A, t.C, sides.AC));
}

TWorkingSection TriangleSection(const std::string& item, const std::optional<TLatticeTriangle>& t)
{
    TWorkingSection s;
    s.Caption = Caption(item);
    if (t) s.Figure = TriangleFigure(Points(*t));
    return s;
}

void HeronSteps(TWorkingSection& s, const TLatticeTriangle& t, const THeronArea& h)
{
    const std::string p = WorkingNumber(h.SemiPerimeter);
    // The program's order: a = AB, b = BC, c = AC.
    const std::string factors = p + " · " + Number(h.Differences[0]) + " · " + Number(h.Differences[1]) + " · " +
                                Number(h.Differences[2]);
    if (h.Area) {
        s.Step("S = √(p(p − a)(p − b)(p − c)) = √(" + factors + ") = " + WorkingNumber(*h.Area));
        return;
    }
    // Rounded to two decimals the product shows as zero; its own digits show the sign.
    s.Step("p(p − a)(p − b)(p − c) = " + factors + " = " + platform::FloatToStr(double(h.Product)) + " < 0");
    if (Determinant(t.A, t.B, t.C) == 0)
        s.Step("Точки A, B, C лежать на одній прямій, тому добуток під коренем мав би дорівнювати нулю; "
               "довжини сторін — округлені корені, і добуток вийшов трохи меншим від нуля. "
               "Квадратного кореня з від'ємного числа немає, тож площу за формулою Герона не знайдено.");
    else
        s.Step("Трикутник такий вузький, що округлені довжини сторін дали добуток під коренем, менший від нуля. "
               "Квадратного кореня з від'ємного числа немає, тож площу за формулою Герона не знайдено.");
}

void VectorSteps(TWorkingSection& s, const TLatticeTriangle& t, WideInt d, double area)
{
    const auto product = [](int32_t x, int32_t y) { return WorkingOperandInteger(x) + "·" + WorkingOperandInteger(y); };
    s.Step("D = x₁·y₂ − x₂·y₁ + x₂·y₃ − x₃·y₂ + x₃·y₁ − x₁·y₃ = " + product(t.A.X, t.B.Y) + kMinus +
           product(t.B.X, t.A.Y) + " + " + product(t.B.X, t.C.Y) + kMinus + product(t.C.X, t.B.Y) + " + " +
           product(t.C.X, t.A.Y) + kMinus + product(t.A.X, t.C.Y) + " = " + Integer(d));
    s.Step("S = ½·|D| = ½·|" + Integer(d) + "| = " + WorkingNumber(area));
}

void PickSteps(TWorkingSection& s, const TLatticeTriangle& t, const TAreasWorking& w)
{
    const TPickCount& count = *w.Pick;
    const auto gcd = [](const std::string& name, TLatticePoint p, TLatticePoint q, uint64_t steps) {
        const auto length = [](int32_t a, int32_t b) { return WideInt(a) < b ? WideInt(b) - a : WideInt(a) - b; };
        return name + ": НСД(" + Integer(length(p.X, q.X)) + "; " + Integer(length(p.Y, q.Y)) + ") = " +
               Integer(steps);
    };
    s.Step("Точки решітки на кожній стороні, без одного кінця: НСД різниць координат її кінців");
    const TLatticeSides& sides = w.PickSides;
    s.Step(gcd("AB", t.A, t.B, sides.AB));
    s.Step(gcd("BC", t.B, t.C, sides.BC));
    s.Step(gcd("AC", t.A, t.C, sides.AC));
    const bool flat = w.Determinant && *w.Determinant == 0;
    if (flat) {
        s.Step("Точки лежать на одній прямій: уся фігура — найдовша сторона, її точки решітки разом з обома кінцями");
        s.Step("B = " + Integer(std::max({sides.AB, sides.BC, sides.AC})) + " + 1 = " + Integer(count.Boundary));
    } else {
        s.Step("B = " + Integer(sides.AB) + " + " + Integer(sides.BC) + " + " + Integer(sides.AC) + " = " +
               Integer(count.Boundary));
    }
    s.Step("Внутрішні точки решітки, пораховані стовпчик за стовпчиком");
    s.Step("I = " + Integer(count.Interior));
    if (w.PickArea > 0 || !flat)
        s.Step("S = I + B/2 − 1 = " + Integer(count.Interior) + " + " + Integer(count.Boundary) + "/2 − 1 = " +
               WorkingNumber(w.PickArea));
    else
        s.Step("Площа виродженого трикутника дорівнює нулю, формула Піка тут не діє: S = " +
               WorkingNumber(w.PickArea));
}

// "a = P₀P₁ = √((4 − 0)² + (0 − 0)²) = 4" of floating-point coordinates.
std::string PointSideStep(const std::string& letter, const std::string& name, TVertex p, TVertex q, double length)
{
    return letter + " = " + name + " = √((" + WorkingOperand(q.X) + kMinus + WorkingOperand(p.X) + ")² + (" +
           WorkingOperand(q.Y) + kMinus + WorkingOperand(p.Y) + ")²) = " + WorkingNumber(length);
}

// Which input vertex each sorted one is: the first unused one with its coordinates.
std::array<int, 3> SortedNames(const TTrianglePoints& input, const TTrianglePoints& sorted)
{
    std::array<int, 3> names{};
    std::array<bool, 3> used{};
    for (int i = 0; i < 3; ++i)
        for (int k = 0; k < 3; ++k)
            if (!used[k] && input[k].X == sorted[i].X && input[k].Y == sorted[i].Y) {
                used[k] = true;
                names[i] = k + 1;
                break;
            }
    return names;
}

// Why the measures stopped where they did, when the step is one that can say.
void MeasureFailure(TWorkingSection& s, const TCirclesWorking& w)
{
    using enum TMeasureStage;
    const TTriangleMeasures& m = w.Measures;
    const bool incircle = w.Which != TTriangleCircles::Circumscribed;
    if (m.Has(incircle ? Alpha : CircumRadius)) return;
    const bool pointLike = m.C01 == 0 || m.C12 == 0 || m.C20 == 0;
    if (m.Reached == C20 || m.Reached == SemiPerimeter) {
        s.Step("Добуток під коренем у формулі Герона вийшов меншим від нуля: точки лежать на одній прямій "
               "(або майже), і округлені довжини сторін дали від'ємне число. Кола немає.");
    } else if (m.Reached == Area && incircle && m.SemiPerimeter == 0) {
        s.Step("p = 0: усі три вершини збігаються, і в r = S / p нуль ділимо на нуль. Кола немає.");
    } else if (m.Reached == (incircle ? InRadius : Area) && m.Area == 0) {
        s.Step(pointLike ? "Дві вершини збігаються: S = 0 і abc = 0, і в R = abc / (4S) нуль ділимо на нуль. "
                           "Описаного кола немає."
                         : "S = 0: точки лежать на одній прямій, і в R = abc / (4S) ділимо на нуль. "
                           "Описаного кола в такого трикутника немає.");
    } else if (m.Reached == CircumRadius || m.Reached == Gamma) {
        s.Step("Дві вершини збігаються, тож кут при вершині не визначений.");
    }
}

}  // namespace

std::string TriangleFigure(const TTrianglePoints& points)
{
    std::string text;
    for (int k = 0; k < 3; ++k) {
        if (k > 0) text += ", ";
        text += WorkingPoint(VertexName(k + 1), points[k].X, points[k].Y);
    }
    return text;
}

TWorkingSection ExistenceWorking(const TExistenceWorking& w)
{
    TWorkingSection s = TriangleSection("!!!!!!!!!", w.Triangle);
    if (!w.Sides) return s;
    s.Part("Довжини сторін");
    LatticeSideSteps(s, *w.Triangle, *w.Sides, false);
    if (!w.Inequalities) return s;
    s.Part("Нерівності трикутника: сума двох сторін більша за третю");
    const TSideLengths& l = *w.Sides;
    const TTriangleInequalities& in = *w.Inequalities;
    const auto line = [&](int k, const char* first, double x, const char* second, double y, const char* third,
                          double z) {
        s.Step(std::string(first) + " + " + second + " = " + WorkingNumber(x) + " + " + WorkingNumber(y) + " = " +
               Number(in.Sums[k]) + (in.Hold[k] ? " > " : " ≤ ") + third + " = " + WorkingNumber(z));
    };
    line(0, "AB", l.AB, "BC", l.BC, "AC", l.AC);
    line(1, "AB", l.AB, "AC", l.AC, "BC", l.BC);
    line(2, "BC", l.BC, "AC", l.AC, "AB", l.AB);
    if (!in.AllHold()) s.Step("Нерівність не виконується — з таких сторін трикутника не скласти.");
    s.Result("", ExistenceVerdict(in.AllHold()));
    return s;
}

TWorkingSection SideLengthsWorking(const TSideLengthsWorking& w)
{
    TWorkingSection s = TriangleSection("Довжини сторін", w.Triangle);
    if (!w.Sides) return s;
    LatticeSideSteps(s, *w.Triangle, *w.Sides, false);
    s.Result("", SideLengthsCaption(*w.Sides));
    return s;
}

TWorkingSection AreasWorking(const TAreasWorking& w)
{
    TWorkingSection s = TriangleSection("Площа", w.Triangle);
    if (!w.Sides) return s;
    const TLatticeTriangle& t = *w.Triangle;
    s.Part("Формула Герона");
    LatticeSideSteps(s, t, *w.Sides, true);
    if (!w.Heron) return s;
    const THeronArea& h = *w.Heron;
    s.Step("p = (a + b + c) / 2 = (" + WorkingNumber(w.Sides->AB) + " + " + WorkingNumber(w.Sides->BC) + " + " +
           WorkingNumber(w.Sides->AC) + ") / 2 = " + WorkingNumber(h.SemiPerimeter));
    HeronSteps(s, t, h);
    if (!h.Area || !w.Determinant) return s;

    s.Part("Векторний добуток");
    VectorSteps(s, t, *w.Determinant, w.VectorArea);
    if (!w.Pick) return s;

    s.Part("Формула Піка");
    PickSteps(s, t, w);
    if (LatticeBoxFits(t))
        s.Lattice = t;
    else
        s.LatticeNote = "Точок решітки в межах трикутника забагато, щоб позначити їх на малюнку: понад " +
                        GroupedDigits(kLatticeOverlayLimit) + ".";

    s.Result("S (Герон)", WorkingNumber(*h.Area));
    s.Result("S (векторний добуток)", WorkingNumber(w.VectorArea));
    s.Result("S (Пік)", WorkingNumber(w.PickArea));
    return s;
}

TWorkingSection CirclesWorking(const TCirclesWorking& w)
{
    using enum TMeasureStage;
    static const char* const kItems[] = {"Вписане коло", "Описане коло", "Кола"};
    TWorkingSection s;
    s.Caption = Caption(kItems[int(w.Which)]);
    if (!w.Points) return s;
    const TTrianglePoints& input = *w.Points;
    s.Figure = TriangleFigure(input);
    const TTriangleMeasures& m = w.Measures;
    if (!m.Has(C01)) return s;
    const bool incircle = w.Which != TTriangleCircles::Circumscribed;

    const TTrianglePoints& p = w.Sorted;
    const std::array<int, 3> names = SortedNames(input, p);
    const char* const kP[] = {"P₀", "P₁", "P₂"};
    s.Part("Вершини за зростанням y");
    for (int i = 0; i < 3; ++i)
        s.Step(std::string(kP[i]) + " = " + WorkingPoint(names[i] > 0 ? VertexName(names[i]) : "", p[i].X, p[i].Y));

    s.Part("Сторони і площа");
    s.Step(PointSideStep("a", "P₀P₁", p[0], p[1], m.C01));
    if (m.Has(C12)) s.Step(PointSideStep("b", "P₁P₂", p[1], p[2], m.C12));
    if (m.Has(C20)) s.Step(PointSideStep("c", "P₂P₀", p[2], p[0], m.C20));
    const std::string a = WorkingNumber(m.C01), b = WorkingNumber(m.C12), c = WorkingNumber(m.C20);
    if (incircle && m.Has(SemiPerimeter))
        s.Step("p = (a + b + c) / 2 = (" + a + " + " + b + " + " + c + ") / 2 = " + WorkingNumber(m.SemiPerimeter));
    if (m.Has(Area)) s.Step("S = √(p(p − a)(p − b)(p − c)) = " + WorkingNumber(m.Area));

    double drawnR = m.CircumRadius;
    if (m.Has(CircumRadius)) {
        s.Part("Описане коло");
        s.Step("R = abc / (4S) = " + a + " · " + b + " · " + c + " / (4 · " + WorkingNumber(m.Area) + ") = " +
               WorkingNumber(m.CircumRadius));
    }
    if (w.CircumcentreSought) {
        s.Step("Центр O — перетин серединних перпендикулярів до P₀P₁ і P₁P₂");
        if (w.Circumcentre)
            s.Step(WorkingPoint("O", w.Circumcentre->X, w.Circumcentre->Y));
        else
            s.Step(std::string("Один із перпендикулярів вертикальний (до горизонтальної сторони), тож перетину за "
                               "кутовими коефіцієнтами немає") +
                   (w.Which == TTriangleCircles::Circumscribed
                        ? "; центр шукаємо з рівнянь серединних перпендикулярів до AB і BC"
                        : ": описане коло не намальовано"));
    }
    if (w.EquationsSought) {
        if (w.ByEquations) {
            const TCircle& circle = *w.ByEquations;
            s.Step(WorkingPoint("O", circle.Centre.X, circle.Centre.Y));
            s.Step("R = OA = √((" + WorkingOperand(input[0].X) + kMinus + WorkingOperand(circle.Centre.X) + ")² + (" +
                   WorkingOperand(input[0].Y) + kMinus + WorkingOperand(circle.Centre.Y) + ")²) = " +
                   WorkingNumber(circle.Radius));
            drawnR = circle.Radius;
        } else if (input[0].X == input[1].X) {
            s.Step("Сторона AB вертикальна (абсциси A і B рівні): у рівнянні перпендикуляра до неї ділимо на нуль, "
                   "центр не знайдено");
        }
    }

    if (incircle && m.Has(InRadius)) {
        s.Part("Вписане коло");
        s.Step("r = S / p = " + WorkingNumber(m.Area) + " / " + WorkingNumber(m.SemiPerimeter) + " = " +
               WorkingNumber(m.InRadius));
        if (m.Has(Gamma)) s.Step("γ = ∠P₀P₂P₁ = " + WorkingNumber(m.Gamma) + " рад");
        if (m.Has(Alpha)) s.Step("α = ∠P₁P₀P₂ = " + WorkingNumber(m.Alpha) + " рад");
        if (w.IncentreSought) {
            s.Step("Центр O₁ — перетин бісектрис кутів при P₂ і P₀");
            if (w.Incentre)
                s.Step(WorkingPoint("O₁", w.Incentre->X, w.Incentre->Y));
            else
                s.Step("Одна з бісектрис вертикальна, тож перетину за кутовими коефіцієнтами немає: "
                       "вписане коло не намальовано");
        }
    }
    MeasureFailure(s, w);

    // A radius is a result once the command got past all its measures.
    if (!m.Has(incircle ? Alpha : CircumRadius)) return s;
    if (!w.EquationsSought || w.ByEquations) s.Result("R", WorkingNumber(drawnR));
    if (incircle) s.Result("r", WorkingNumber(m.InRadius));
    return s;
}
