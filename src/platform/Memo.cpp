#include "platform/Memo.h"

#include <QTextCursor>

namespace platform {

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab moves on to the next control, as in every other field; a list of
    // vertices has no use for tab characters.
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] { SyncFromText(); });
}

void TMemo::Add(const QString& line)
{
    updating_ = true;
    // One block appended: rewriting the whole text on every line would make a
    // list of a thousand vertices take seconds.
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (!lines_.isEmpty()) cursor.insertBlock();
    cursor.insertText(line);
    lines_ << line;
    moveCursor(QTextCursor::End);
    updating_ = false;
}

void TMemo::AddLines(const QStringList& lines)
{
    if (lines.isEmpty()) return;
    updating_ = true;
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    if (!lines_.isEmpty()) cursor.insertBlock();
    // Each line feed becomes a block of its own, as insertBlock would make it.
    cursor.insertText(lines.join(QChar('\n')));
    cursor.endEditBlock();
    lines_ << lines;
    moveCursor(QTextCursor::End);
    updating_ = false;
}

void TMemoLines::Flush()
{
    if (pending_.isEmpty()) return;
    memo_.AddLines(pending_);
    pending_.clear();
}

void TMemo::Clear()
{
    lines_.clear();
    updating_ = true;
    clear();
    updating_ = false;
}

void TMemo::SetLines(const QStringList& lines)
{
    updating_ = true;
    setPlainText(lines.join('\n'));
    lines_ = lines;
    moveCursor(QTextCursor::End);
    updating_ = false;
}

// Text the user typed becomes the lines; an empty box has no lines at all.
void TMemo::SyncFromText()
{
    if (updating_) return;
    const QString text = toPlainText();
    lines_ = text.isEmpty() ? QStringList{} : text.split('\n');
}

}  // namespace platform
