#include "polygon/HullWorking.h"

#include "polygon/PolygonWorking.h"

#include <algorithm>

namespace {

// A point by its letter and coordinates, "C(4; 4)".
std::string Named(std::span<const TVertex> points, int32_t index)
{
    return WorkingPoint(VertexName(index + 1), points[index].X, points[index].Y);
}

bool SamePlace(TVertex a, TVertex b) { return a.X == b.X && a.Y == b.Y; }

}  // namespace

TWorkingSection HullSection(std::string caption, std::span<const TVertex> points)
{
    TWorkingSection section;
    section.Caption = std::move(caption);
    section.Figure = PolygonFigureText(points);
    return section;
}

void AddJarvisSteps(TWorkingSection& section, std::span<const TVertex> points, const TJarvisTrace& trace,
                    bool finished)
{
    if (points.empty()) {
        section.Step("Точок немає — оболонка порожня");
        return;
    }
    if (trace.Start < 0) return;
    const TVertex start = points[trace.Start];
    section.Part("Початкова точка");
    std::string why = Named(points, trace.Start) + " — найнижча точка (найменше y = " + WorkingNumber(start.Y) + ")";
    if (trace.LowestCount > 1)
        why += "; з " + std::to_string(trace.LowestCount) + " найнижчих точок — найправіша";
    section.Step(why);
    if (points.size() == 1) {
        section.Step("Інших точок немає — ця точка і є оболонкою");
        return;
    }

    section.Part("Обхід: кожна наступна вершина лишає всі точки ліворуч від сторони");
    const int32_t count = int32_t(trace.Steps.size());
    const int32_t shown = std::min(count, HullWorkingSteps);
    for (int32_t k = 0; k < shown; ++k) {
        const TJarvisStep& step = trace.Steps[k];
        const TVertex from = points[step.From];
        const TVertex corner = points[step.Corner];
        const bool closing = trace.Closed && k == count - 1;
        std::string text = "Крок " + std::to_string(k + 1) + ": з " + Named(points, step.From) + " до " +
                           Named(points, step.Corner) + " — ";
        if (SamePlace(from, corner)) {
            text += "усі точки збігаються з " + VertexName(step.From + 1);
        } else {
            text += "праворуч від прямої " + VertexName(step.From + 1) + VertexName(step.Corner + 1) +
                    " не лишається жодної точки";
            if (step.PassedOnLine > 0)
                text += "; ближче на цій прямій ще " + CountedText(step.PassedOnLine, "точка", "точки", "точок") + " — береться найдальша";
        }
        if (closing) text += "; це початкова точка — оболонку замкнено";
        section.Step(text);
    }
    if (count > shown) section.Summary(MoreStepsText(count - shown));
    if (!finished) {
        section.Step("Крок " + std::to_string(count + 1) +
                     ": повороти не обчислюються — координати точок надто великі або не є числами");
    } else if (!trace.Closed) {
        section.Step("Після " + std::to_string(count) +
                     " кроків обхід не повернувся точно в початкову точку (заважає округлення): оболонка — "
                     "початкова точка і точки всіх кроків, крім останнього");
    }
}

void AddAutomaticHullSteps(TWorkingSection& section, std::span<const TVertex> points,
                           std::span<const int32_t> hull, bool finished)
{
    if (points.empty()) {
        section.Step("Точок немає — оболонка порожня");
        return;
    }
    if (!finished) {
        section.Step("Пошук вершин не вдався: повороти не обчислюються — координати точок надто великі або не є "
                     "числами");
        return;
    }
    const int32_t start = hull[0];
    section.Part("Початкова точка");
    std::string why = Named(points, start) + " — найлівіша точка (найменше x = " + WorkingNumber(points[start].X) + ")";
    const auto leftmost = std::count_if(points.begin(), points.end(),
                                        [&](const TVertex& p) { return p.X == points[start].X; });
    if (leftmost > 1) why += "; з " + std::to_string(leftmost) + " таких точок — перша за номером";
    section.Step(why);
    if (hull.size() == 1) return;

    section.Part("Вершини в порядку знаходження: від останньої знайденої вершини праворуч не лишається жодної точки");
    const int32_t count = int32_t(hull.size()) - 1;
    const int32_t shown = std::min(count, HullWorkingSteps);
    for (int32_t k = 1; k <= shown; ++k) {
        const int32_t previous = hull[k - 1];
        const int32_t corner = hull[k];
        std::string text = "Вершина " + std::to_string(k + 1) + ": " + Named(points, corner) + " — ";
        if (SamePlace(points[previous], points[corner])) {
            text += "збігається з " + VertexName(previous + 1) + ", праворуч точок немає";
        } else {
            text += "праворуч від прямої " + VertexName(previous + 1) + VertexName(corner + 1) +
                    " не лишається жодної точки";
        }
        section.Step(text);
    }
    if (count > shown) section.Summary(MoreStepsText(count - shown));
}

void AddHullCorners(TWorkingSection& section, std::span<const TVertex> hull)
{
    section.Part("Оболонка стає фігурою");
    section.Step("Вершини по порядку: " + PolygonFigureText(hull));
}
