#include "polygon/PolygonWorking.h"

#include <QScopeGuard>

#include <cmath>
#include <cstddef>

namespace {

// A figure longer than this is shown by its first kFigureHead vertices.
constexpr size_t kFigureShown = 8;
constexpr size_t kFigureHead = 6;

// The index of a coordinate in school notation: x₁₂.
std::string Subscript(size_t k)
{
    static constexpr const char* kDigits[] = {"₀", "₁", "₂", "₃", "₄", "₅", "₆", "₇", "₈", "₉"};
    std::string text;
    for (const char c : std::to_string(k)) text += kDigits[c - '0'];
    return text;
}

// Vertex k + 1 of a closed figure of n vertices, 1-based: the first after the last.
size_t NextVertex(size_t k, size_t n) { return k % n + 1; }

std::string Name(size_t k) { return VertexName(int(k)); }

// Side k from vertex k to the next: "AB", the closing one "DA".
std::string SideName(size_t k, size_t n) { return Name(k) + Name(NextVertex(k, n)); }

// A value shown beside a step: one too large for a double (a product of huge
// coordinates, kept in extended precision) is said in words.
std::string ShownValue(double value)
{
    return std::isinf(value) ? "число поза межами" : WorkingNumber(value);
}

std::string TermFormula(size_t i, size_t n)
{
    const std::string a = Subscript(i);
    const std::string b = Subscript(NextVertex(i, n));
    return "x" + a + "·y" + b + " − x" + b + "·y" + a;
}

std::string TermLine(size_t i, size_t n, const TShoelaceTerm& term)
{
    return TermFormula(i, n) + " = " + WorkingOperand(term.A.X) + "·" + WorkingOperand(term.B.Y) + " − " +
           WorkingOperand(term.B.X) + "·" + WorkingOperand(term.A.Y) + " = " + ShownValue(term.Value);
}

std::string SideLine(size_t i, size_t n, const TPerimeterSide& side)
{
    return SideName(i, n) + " = √((" + WorkingOperand(side.B.X) + " − " + WorkingOperand(side.A.X) + ")² + (" +
           WorkingOperand(side.B.Y) + " − " + WorkingOperand(side.A.Y) + ")²) = " + ShownValue(side.Length);
}

// Turn k (0-based) is at vertex k + 2 of the closed figure, the last at vertex 1.
size_t TurnVertex(size_t k, size_t n) { return (k + 1) % n + 1; }

std::string Sign(double turn) { return turn >= 0 ? "≥ 0" : "< 0"; }

std::string TurnLine(size_t n, const TConvexityTurn& t)
{
    return "у вершині " + Name(TurnVertex(t.Index, n)) + ": (" + WorkingNumber(t.Ex) + "; " + WorkingNumber(t.Ey) +
           ") × (" + WorkingNumber(t.NextEx) + "; " + WorkingNumber(t.NextEy) + ") = " + WorkingOperand(t.Ex) +
           "·" + WorkingOperand(t.NextEy) + " − " + WorkingOperand(t.NextEx) + "·" + WorkingOperand(t.Ey) + " = " +
           WorkingNumber(t.Turn) + " " + Sign(t.Turn);
}

// "a + b + c" over the parts of a sum of n shown one by one, or "a + b + c + … + z"
// by its first parts and its last.
template <class Part>
std::string SumOf(size_t n, Part part)
{
    std::string text;
    const size_t head = n <= kWorkingStepsShown ? n : 3;
    for (size_t i = 1; i <= head; ++i) text += (i > 1 ? " + " : "") + part(i);
    if (head < n) text += " + … + " + part(n);
    return text;
}

}  // namespace

std::string PolygonFigureText(std::span<const TVertex> figure)
{
    const size_t n = figure.size();
    if (n == 0) return "вершин не задано";
    const size_t shown = n <= kFigureShown ? n : kFigureHead;
    std::string text;
    for (size_t k = 0; k < shown; ++k)
        text += (k > 0 ? ", " : "") + WorkingPoint(Name(k + 1), figure[k].X, figure[k].Y);
    if (shown < n) text += ", … (усього " + CountedText((long long)n, "вершина", "вершини", "вершин") + ")";
    return text;
}

void AddAreaSteps(TWorkingSection& section, const TShoelace& shoelace)
{
    const size_t n = shoelace.VertexCount;
    section.Part("Формула Гаусса (шнурування)");
    section.Step("S = ½·|Σ|, Σ = x₁·y₂ − x₂·y₁ + x₂·y₃ − x₃·y₂ + … + xₙ·y₁ − x₁·yₙ: після останньої вершини "
                 "знову йде перша");
    if (n == 0) section.Step("Вершин не задано: Σ = 0");
    for (size_t i = 1; i <= shoelace.Terms.size(); ++i) section.Step(TermLine(i, n, shoelace.Terms[i - 1]));
    if (!shoelace.Done) {
        const size_t failed = shoelace.Reached + 1;
        if (shoelace.Reached > shoelace.Terms.size())
            section.Summary(MoreStepsText((long long)(shoelace.Reached - shoelace.Terms.size())));
        section.Step("Зупинено на доданку " + TermFormula(failed, n) + " (вершини " + Name(failed) + " і " +
                     Name(NextVertex(failed, n)) + "): сума з ним завелика для числа, яке зберігає програма");
        return;
    }
    if (n > shoelace.Terms.size()) section.Summary(MoreStepsText((long long)(n - shoelace.Terms.size())));
    if (n > 0) {
        // Every term when they were all shown, else the first few: the rest are summed unseen.
        const size_t head = n <= shoelace.Terms.size() ? n : 3;
        std::string sum;
        for (size_t i = 1; i <= head; ++i) sum += (i > 1 ? " + " : "") + WorkingOperand(shoelace.Terms[i - 1].Value);
        if (head < n) sum += " + …";
        section.Step("Σ = " + (n > 1 ? sum + " = " : "") + WorkingNumber(shoelace.Sum));
    }
    section.Step("S = ½·|Σ| = ½·|" + WorkingNumber(shoelace.Sum) + "| = " + WorkingNumber(shoelace.Area));
}

void AddPerimeterSteps(TWorkingSection& section, const TPerimeterSides& sides)
{
    const size_t n = sides.VertexCount;
    section.Part("Периметр: сума довжин сторін");
    if (n == 0) {
        section.Step("Вершин не задано: P = 0");
        return;
    }
    for (size_t i = 1; i <= sides.Sides.size(); ++i) section.Step(SideLine(i, n, sides.Sides[i - 1]));
    if (!sides.Done) {
        const size_t failed = sides.Reached + 1;
        if (sides.Reached > sides.Sides.size())
            section.Summary(MoreStepsText((long long)(sides.Reached - sides.Sides.size())));
        section.Step("Зупинено на стороні " + SideName(failed, n) +
                     ": її довжина чи сума з нею завелика для числа, яке зберігає програма");
        return;
    }
    if (n > sides.Sides.size()) section.Summary(MoreStepsText((long long)(n - sides.Sides.size())));
    const std::string names = SumOf(n, [&](size_t i) { return SideName(i, n); });
    std::string line = "P = " + names;
    if (n <= kWorkingStepsShown && n > 1)
        line += " = " + SumOf(n, [&](size_t i) { return WorkingNumber(sides.Sides[i - 1].Length); });
    section.Step(line + " = " + WorkingNumber(sides.Perimeter));
}

void AddConvexitySteps(TWorkingSection& section, const TConvexity& convexity)
{
    const size_t n = convexity.VertexCount;
    section.Part("Знаки поворотів");
    section.Step("Поворот у вершині — векторний добуток сторони, що входить у неї, і сторони, що виходить: "
                 "(a₁; a₂) × (b₁; b₂) = a₁·b₂ − b₁·a₂");
    section.Step("Многокутник опуклий, коли всі повороти одного знаку: усі ≥ 0 або всі < 0. Нульовий поворот "
                 "(три вершини поспіль на одній прямій) рахується як ≥ 0, а сторони, що перетинаються, ця "
                 "перевірка не помічає");
    if (n == 0) {
        section.Step("Вершин не задано: поворотів немає, тож різних знаків теж немає");
        return;
    }
    for (const TConvexityTurn& t : convexity.Turns) section.Step(TurnLine(n, t));
    const size_t taken = convexity.Done ? n : convexity.Reached;
    if (taken > convexity.Turns.size()) section.Summary(MoreStepsText((long long)(taken - convexity.Turns.size())));
    if (!convexity.Done) {
        section.Step("Зупинено на повороті у вершині " + Name(TurnVertex(convexity.Reached, n)) +
                     ": сторона чи добуток завеликі для числа, яке зберігає програма");
        return;
    }
    const TConvexityTurn& first = convexity.Turns.front();
    if (const auto& other = convexity.FirstDiffering) {
        if (other->Index >= convexity.Turns.size()) section.Step(TurnLine(n, *other));
        section.Step("Перший поворот, у вершині " + Name(TurnVertex(first.Index, n)) + ", " + Sign(first.Turn) +
                     ", а у вершині " + Name(TurnVertex(other->Index, n)) + " " + Sign(other->Turn) +
                     ": знаки різні");
    } else {
        section.Step("Усі " + std::to_string(n) + " " + (n == 1 ? "поворот" : n < 5 ? "повороти" : "поворотів") + " " +
                     Sign(first.Turn) + ": знак один");
    }
}

TWorkingSection FigureCheckSection(std::span<const TVertex> figure, const TFigureCheckResult& result)
{
    TWorkingSection section;
    section.Caption = "Перевірка фігури";
    section.Figure = PolygonFigureText(figure);
    const size_t n = size_t(result.VertexCount);
    const auto point = [&](int32_t k) {
        const TVertex& v = figure[size_t(k - 1)];
        return WorkingPoint(Name(size_t(k)), v.X, v.Y);
    };
    if (result.ProblemFound) section.Part("Знайдено");
    if (result.Found[kNotConvexSlot]) {
        const int32_t k = result.NotConvexVertex;
        section.Step("Многокутник неопуклий: у вершині " + Name(size_t(k)) +
                     " поворот іншого знаку, ніж у вершині " + Name(TurnVertex(0, n)));
    }
    if (result.Found[kCoincidingPointsSlot]) {
        const auto [i, j] = result.CoincidingVertices;
        section.Step("Вершини " + Name(size_t(i)) + " і " + Name(size_t(j)) + " збігаються: " + point(i) + ", " +
                     point(j));
    }
    if (result.Found[kCrossingSidesSlot]) {
        const auto [i, j] = result.CrossingSides;
        // What the test looks at: the line through the second side against the first side.
        section.Step("Сторони " + SideName(size_t(i), n) + " і " + SideName(size_t(j), n) +
                     " перетинаються: пряма через сторону " + SideName(size_t(j), n) + " перетинає сторону " +
                     SideName(size_t(i), n));
    }
    if (result.Found[kCollinearPointsSlot]) {
        const size_t k = size_t(result.CollinearVertex);
        std::string line = "Три вершини поспіль " + Name(k) + ", " + Name(NextVertex(k, n)) + ", " +
                           Name(NextVertex(NextVertex(k, n), n)) + " лежать на одній прямій";
        if (n < 3) line += " (так буває завжди, коли вершин менше трьох)";
        section.Step(line);
    }
    if (result.Found[kNoVerticesSlot])
        section.Step(n == 0 ? "Вершин не задано" : "Задано менше трьох вершин: " + std::to_string(n));
    if (result.TestsDone < 5) {
        static constexpr const char* kTests[] = {"опуклості", "збігу вершин", "перетину сторін",
                                                 "трьох вершин на прямій", "числа вершин"};
        section.Step(std::string("Перевірку зупинено на тесті ") + kTests[result.TestsDone]);
        return section;
    }
    section.Result("", "запитано «" + result.Question + "»");
    return section;
}

double WorkedArea(TWorkingSection& section, std::span<const TVertex> figure)
{
    TShoelace shoelace;
    const auto steps = qScopeGuard([&] { AddAreaSteps(section, shoelace); });
    return ShoelaceArea(figure, shoelace);
}

double WorkedPerimeter(TWorkingSection& section, std::span<const TVertex> figure)
{
    TPerimeterSides sides;
    const auto steps = qScopeGuard([&] { AddPerimeterSteps(section, sides); });
    return SidesPerimeter(figure, sides);
}

bool WorkedConvexity(TWorkingSection& section, std::span<const TVertex> figure)
{
    TConvexity convexity;
    const auto steps = qScopeGuard([&] { AddConvexitySteps(section, convexity); });
    return TurnsConvexity(figure, convexity);
}
