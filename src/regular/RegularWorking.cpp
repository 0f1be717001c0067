#include "regular/RegularWorking.h"

TWorkingSection RegularPolygonSection(std::string caption, const TRegularTabPolygon& tab)
{
    TWorkingSection section;
    section.Caption = std::move(caption);
    if (tab.N) {
        section.Figure = "n = " + std::to_string(*tab.N);
        if (tab.Side) section.Figure += ", a = " + WorkingNumber(*tab.Side);
        if (tab.StartDegrees) section.Figure += ", φ₀ = " + WorkingNumber(*tab.StartDegrees) + "°";
    }
    if (!tab.N || !tab.Side) return section;

    const std::string n = std::to_string(*tab.N);
    section.Part("Радіус описаного кола");
    std::string radius = "R = a / (2·sin(π/n)) = " + WorkingOperand(*tab.Side) + " / (2·sin(π/" +
                         (*tab.N < 0 ? "(" + n + ")" : n) + "))";
    if (!tab.Radius) {
        // The radius is the step that faulted.
        section.Step(radius);
        if (*tab.N == 0) section.Step("π/n при n = 0 — ділення на нуль: многокутника без вершин не буває");
        return section;
    }
    section.Step(radius + " = " + WorkingNumber(*tab.Radius));
    if (!tab.StartDegrees || !tab.StartAngle) return section;

    section.Part("Вершини");
    section.Step("φ₀ = " + WorkingNumber(*tab.StartDegrees) + "° = " + WorkingNumber(*tab.StartAngle) + " рад");
    section.Step("xₖ = R·cos(φ₀ + 2π(k − 1)/n), yₖ = R·sin(φ₀ + 2π(k − 1)/n), k = 1, …, " + n);
    for (size_t k = 0; k < tab.FirstVertices.size(); ++k)
        section.Step(WorkingPoint(VertexName(int32_t(k) + 1), tab.FirstVertices[k].X, tab.FirstVertices[k].Y));
    const long long rest = tab.Walked - int32_t(tab.FirstVertices.size());
    if (rest > 0) section.Summary("… ще " + CountedText(rest, "вершина", "вершини", "вершин") + " (усього " + std::to_string(tab.Walked) + ")");
    return section;
}

void AddInscribedRadius(TWorkingSection& section, int32_t n, double side, double radius)
{
    const std::string count = std::to_string(n);
    section.Part("Радіус вписаного кола");
    section.Step("r = a / (2·tan(π/n)) = " + WorkingOperand(side) + " / (2·tan(π/" + (n < 0 ? "(" + count + ")" : count) +
                 ")) = " + WorkingNumber(radius));
}
