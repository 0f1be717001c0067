#pragma once
// The working of one command as the student would write it down: a heading with
// the command's caption and the figure, the steps with the student's own numbers,
// and the results exactly as the fields show them. Built by each subject from the
// value objects its routines return; shown by the "Хід розв'язання" window. No
// widget in sight.
#include "triangle/TriangleGeometry.h"

#include <optional>
#include <string>
#include <vector>

enum class TWorkingStepKind {
    Part,     // a sub-heading: "Формула Герона"
    Step,     // a step in words or a formula: "p = (a + b + c) / 2 = (4 + 5 + 3) / 2 = 6"
    Summary,  // a line standing for steps left out: "… ще 950 кроків"
};

struct TWorkingStep {
    TWorkingStepKind Kind = TWorkingStepKind::Step;
    std::string Text;
    friend bool operator==(const TWorkingStep&, const TWorkingStep&) = default;
};

// A result as its field shows it: the name of the value ("S", "P"), or none for a
// verdict in words, and the field's text, character for character.
struct TWorkingResult {
    std::string Name;
    std::string Text;
    friend bool operator==(const TWorkingResult&, const TWorkingResult&) = default;
};

struct TWorkingSection {
    // The menu and the command, as the menu shows them: "Трикутник — Площа".
    std::string Caption;
    // The figure it worked on: "A(0; 0), B(4; 0), C(0; 3)".
    std::string Figure;
    std::vector<TWorkingStep> Steps;
    std::vector<TWorkingResult> Results;
    // Why the command stopped, in plain words; empty when it finished.
    std::string Failure;
    // Pick's count: the triangle whose lattice points the drawing can show, or,
    // when there are too many to mark, why not (LatticeNote).
    std::optional<TLatticeTriangle> Lattice;
    std::string LatticeNote;

    // Out of line: inlined into a scope guard, g++ 12 takes the step's string for
    // an out-of-bounds copy (a false -Warray-bounds).
    void Part(std::string text);
    void Step(std::string text);
    void Summary(std::string text);
    void Result(std::string name, std::string text);
};

// A number as the program's fields show it: two decimals, the user's decimal
// separator, no trailing zeros; whole numbers too large to round shown as they
// are, and NAN or INF as the plain display writes them, so it never fails.
std::string WorkingNumber(double value);
// The same inside a formula: a negative number in parentheses, "(-3)".
std::string WorkingOperand(double value);
// Exact whole numbers (determinants, lattice counts) in full.
std::string WorkingInteger(__int128 value);
std::string WorkingOperandInteger(__int128 value);
// "A(0; 0)": a point with its letter, each coordinate a working number.
std::string WorkingPoint(const std::string& name, double x, double y);
// The letter of vertex k (1-based) as the drawing labels it, A to Z; beyond the
// alphabet the drawing's characters mean little, so "P27", "P28", ...
std::string VertexName(int k);
// The number and the noun in the form that agrees with it: one for 1, 21, 101…,
// few for 2–4, 22–24…, many for the rest and for 11–14: CountedText(3, "точка",
// "точки", "точок") gives "3 точки".
std::string CountedText(long long count, const char* one, const char* few, const char* many);
// "… ще 950 кроків", with the word agreeing with the number.
std::string MoreStepsText(long long count);
// A fault's message in plain Ukrainian: "Floating point division by zero" ->
// "ділення на нуль"; a text that is no number, as the conversion reported it.
std::string FailureInWords(const std::string& message);

// "Відповідь: S = 6", or "Відповідь: Опуклий" for a result without a name.
std::string ResultLine(const TWorkingResult& result);

// The section as HTML for a rich text view; `id` names its anchor ("s<id>") and
// its lattice link ("ortalis-lattice:<id>"). Colours come from the view's palette,
// so every skin, the dark ones too, keeps it legible. Without links (for the
// clipboard, where they would lead nowhere) the lattice link is left out.
std::string SectionHtml(const TWorkingSection& section, int id, bool links = true);
// The same as plain text, a line per step.
std::string SectionPlainText(const TWorkingSection& section);
