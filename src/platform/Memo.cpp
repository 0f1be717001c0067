#include "platform/Memo.h"

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
    lines_ << line;
    updating_ = true;
    setPlainText(lines_.join('\n'));
    moveCursor(QTextCursor::End);
    updating_ = false;
}

void TMemo::Clear()
{
    lines_.clear();
    updating_ = true;
    clear();
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
