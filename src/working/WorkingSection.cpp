#include "working/WorkingSection.h"

#include "drawing/VertexLetter.h"
#include "platform/Errors.h"
#include "platform/NumberFormat.h"

#include <cmath>

void TWorkingSection::Part(std::string text) { Steps.push_back({TWorkingStepKind::Part, std::move(text)}); }
void TWorkingSection::Step(std::string text) { Steps.push_back({TWorkingStepKind::Step, std::move(text)}); }
void TWorkingSection::Summary(std::string text) { Steps.push_back({TWorkingStepKind::Summary, std::move(text)}); }
void TWorkingSection::Result(std::string name, std::string text)
{
    Results.push_back({std::move(name), std::move(text)});
}

std::string WorkingNumber(double value)
{
    if (!std::isfinite(value)) return platform::FloatToStr(value);
    return platform::FormatRoundedOrWhole(value, 0.01);
}

std::string WorkingOperand(double value)
{
    const std::string text = WorkingNumber(value);
    return text.starts_with('-') ? "(" + text + ")" : text;
}

std::string WorkingInteger(__int128 value)
{
    if (value == 0) return "0";
    const bool negative = value < 0;
    unsigned __int128 magnitude = negative ? -static_cast<unsigned __int128>(value) : value;
    std::string digits;
    while (magnitude != 0) {
        digits.insert(digits.begin(), char('0' + int(magnitude % 10)));
        magnitude /= 10;
    }
    return negative ? "-" + digits : digits;
}

std::string WorkingOperandInteger(__int128 value)
{
    const std::string text = WorkingInteger(value);
    return value < 0 ? "(" + text + ")" : text;
}

std::string WorkingPoint(const std::string& name, double x, double y)
{
    return name + "(" + WorkingNumber(x) + "; " + WorkingNumber(y) + ")";
}

std::string VertexName(int k)
{
    if (k >= 1 && k <= 26) return VertexLetter(k).toStdString();
    return "P" + std::to_string(k);
}

std::string CountedText(long long count, const char* one, const char* few, const char* many)
{
    const long long lastTwo = count % 100;
    const long long last = count % 10;
    const char* word = many;
    if (lastTwo < 11 || lastTwo > 14) {
        if (last == 1) word = one;
        else if (last >= 2 && last <= 4) word = few;
    }
    return std::to_string(count) + " " + word;
}

std::string MoreStepsText(long long count) { return "… ще " + CountedText(count, "крок", "кроки", "кроків"); }

std::string FailureInWords(const std::string& message)
{
    if (message == platform::kDivisionByZero) return "ділення на нуль";
    if (message == platform::kInvalidOperation)
        return "недопустима дія з числами (корінь з від'ємного числа, нуль поділити на нуль чи число поза межами)";
    if (message == platform::kOverflow) return "число вийшло за межі, які може зберегти програма";
    return message;
}

namespace {

std::string Escaped(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

}  // namespace

std::string ResultLine(const TWorkingResult& result)
{
    if (result.Name.empty()) return "Відповідь: " + result.Text;
    return "Відповідь: " + result.Name + " = " + result.Text;
}

std::string SectionHtml(const TWorkingSection& section, int id, bool links)
{
    // Lines close together, as in a notebook; parts and sections set apart by
    // the space above them. No colours: the view's palette gives them, per skin.
    static constexpr const char* kStep = "<p style=\"margin-top:0; margin-bottom:1px; margin-left:18px\">";
    const std::string anchor = std::to_string(id);
    std::string html = "<h3><a name=\"s" + anchor + "\"></a>" + Escaped(section.Caption) + "</h3>";
    if (!section.Figure.empty())
        html += "<p style=\"margin-top:0; margin-bottom:4px\"><i>" + Escaped(section.Figure) + "</i></p>";
    for (const TWorkingStep& step : section.Steps) {
        switch (step.Kind) {
        case TWorkingStepKind::Part:
            html += "<p style=\"margin-top:6px; margin-bottom:1px\"><b>" + Escaped(step.Text) + "</b></p>";
            break;
        case TWorkingStepKind::Step: html += kStep + Escaped(step.Text) + "</p>"; break;
        case TWorkingStepKind::Summary: html += kStep + ("<i>" + Escaped(step.Text) + "</i></p>"); break;
        }
    }
    static constexpr const char* kEnd = "<p style=\"margin-top:6px; margin-bottom:0\">";
    if (!section.Failure.empty()) html += kEnd + ("<b>Зупинено:</b> " + Escaped(section.Failure) + "</p>");
    for (const TWorkingResult& result : section.Results) html += kEnd + ("<b>" + Escaped(ResultLine(result)) + "</b></p>");
    if (section.Lattice && links)
        html += kEnd + ("<a href=\"ortalis-lattice:" + anchor + "\">Показати точки решітки</a></p>");
    else if (!section.Lattice && !section.LatticeNote.empty())
        html += kEnd + ("<i>" + Escaped(section.LatticeNote) + "</i></p>");
    return html;
}

std::string SectionPlainText(const TWorkingSection& section)
{
    std::string text = section.Caption + "\n";
    if (!section.Figure.empty()) text += section.Figure + "\n";
    for (const TWorkingStep& step : section.Steps)
        text += (step.Kind == TWorkingStepKind::Part ? "" : "  ") + step.Text + "\n";
    if (!section.Failure.empty()) text += "Зупинено: " + section.Failure + "\n";
    for (const TWorkingResult& result : section.Results) text += ResultLine(result) + "\n";
    if (!section.LatticeNote.empty()) text += section.LatticeNote + "\n";
    return text;
}
