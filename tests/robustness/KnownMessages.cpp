#include "KnownMessages.h"

#include "platform/ErrorBoundary.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

// The messages of the program, as raised; %s stands for any text, %d for a number.
// The error box shows them with "." appended when their last character sorts after ".".
const char* const kErrorMessages[] = {
    // Conversions of typed text.
    "'%s' is not a valid integer value",
    "'%s' is not a valid floating point value",
    // Floating-point faults.
    "Floating point division by zero",
    "Invalid floating point operation",
    "Floating point overflow",
    // The picture and its files.
    "Cannot create file \"%s\". %s",
    "Cannot open file \"%s\". %s",
    "Unknown picture file extension (.%s)",
    "Bitmap image is not valid",
    "JPEG error #%d",
    // The skin list's folder.
    "Cannot change to folder \"%s\". %s",
};

struct OwnBox {
    const char* Kind;
    const char* Caption;
    const char* Text;  // a pattern as above
};

const OwnBox kOwnBoxes[] = {
    {"message", "Помилка", "Не правильно введені координати"},
    // A vertex count the store cannot hold.
    {"message", "Помилка", "Кількість вершин має бути від 0 до %d, а введено %d"},
    // A task file that cannot be opened: its name and what is wrong with it.
    {"message", "Помилка", "Не вдалося відкрити завдання «%s»: %s."},
    // The figure check names the faults it found, each with its own spaces, in this order.
    {"question", "Перевірка",
     "Многокутник: (неопуклий )?( співбадання точок )?( перетин сторін )?( три точки розміщені на прямій )?"
     "( не задано вершин )? Виконувати\\?"},
};

// The standard dialogs carry no text of the program.
const char* const kStandardDialogs[] = {"color", "save", "open", "print"};

QRegularExpression PatternOf(const QString& message, bool isRegex = false)
{
    QString re;
    if (isRegex) {
        re = message;
    } else {
        // Literal text between the placeholders.
        static const QRegularExpression placeholder("%[sd]");
        qsizetype at = 0;
        for (auto it = placeholder.globalMatch(message); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            re += QRegularExpression::escape(message.mid(at, m.capturedStart() - at));
            re += m.captured() == "%s" ? "(.*)" : "(-?[0-9]+)";
            at = m.capturedEnd();
        }
        re += QRegularExpression::escape(message.mid(at));
    }
    return QRegularExpression("\\A" + re + "\\z", QRegularExpression::DotMatchesEverythingOption);
}

// The raised message behind an error box's text, or none.
bool ErrorBoxMatches(const QString& boxText, const QString& pattern, QRegularExpressionMatch* match)
{
    const QRegularExpression re = PatternOf(pattern);
    // Shown as raised when it ends in a character up to "."; with a "." added otherwise.
    if (!boxText.isEmpty() && boxText.back() <= QChar('.')) {
        *match = re.match(boxText);
        if (match->hasMatch()) return true;
    }
    if (boxText.endsWith('.')) {
        const QString raised = boxText.chopped(1);
        if (!raised.isEmpty() && raised.back() > QChar('.')) {
            *match = re.match(raised);
            return match->hasMatch();
        }
    }
    return false;
}

}  // namespace

bool IsConversionError(const ShownDialog& shown, QString* text)
{
    if (shown.Kind != "error") return false;
    for (const char* pattern : {kErrorMessages[0], kErrorMessages[1]}) {
        QRegularExpressionMatch match;
        if (ErrorBoxMatches(shown.Text, pattern, &match)) {
            if (text) *text = match.captured(1);
            return true;
        }
    }
    return false;
}

QString UnknownDialogReason(const ShownDialog& shown, const std::vector<QString>& fieldTexts)
{
    if (std::find(std::begin(kStandardDialogs), std::end(kStandardDialogs), shown.Kind) != std::end(kStandardDialogs))
        return {};
    if (shown.Kind == "error") {
        if (shown.Caption != platform::ApplicationTitle()) return "error box with the caption " + shown.Caption;
        QString converted;
        if (IsConversionError(shown, &converted)) {
            // The conversion ends the command, so the field still holds what it refused.
            if (std::find(fieldTexts.begin(), fieldTexts.end(), converted) == fieldTexts.end())
                return "conversion error about a text no field holds: " + shown.Text;
            return {};
        }
        for (const char* pattern : kErrorMessages) {
            QRegularExpressionMatch match;
            if (ErrorBoxMatches(shown.Text, pattern, &match)) return {};
        }
        return "unknown error box: " + shown.Text;
    }
    for (const OwnBox& box : kOwnBoxes) {
        if (shown.Kind != box.Kind || shown.Caption != box.Caption) continue;
        const bool isRegex = shown.Kind == QString("question");
        if (PatternOf(box.Text, isRegex).match(shown.Text).hasMatch()) return {};
    }
    return "unknown " + shown.Kind + " box \"" + shown.Caption + "\": " + shown.Text;
}
