#pragma once
// A multi-line text box seen as a list of lines, with line append and clear.
#include <QPlainTextEdit>
#include <QStringList>

namespace platform {

class TMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TMemo(QWidget* parent = nullptr);

    void Add(const QString& line);
    void Clear();
    // The list replaced whole, in one step: as fast for a thousand lines as for one.
    void SetLines(const QStringList& lines);
    const QStringList& Lines() const { return lines_; }

private:
    void SyncFromText();

    QStringList lines_;
    bool updating_ = false;
};

}  // namespace platform
