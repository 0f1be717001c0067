#pragma once
// An up-down spinner bound to an edit field: each step reads the field's number,
// steps it by one within Min..Max, writes it back and reports the click. The
// arrow keys Up and Down in the field step it too, read-only field or not, so
// the spinner works from the keyboard.
#include <QWidget>
#include <functional>

class QLineEdit;
class QToolButton;

namespace platform {

class TUpDown : public QWidget {
    Q_OBJECT
public:
    TUpDown(QLineEdit* associate, int min, int max, int position, QWidget* parent);

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    void SetPosition(int position);
    QLineEdit* Associate() const { return associate_; }

    // Steps as a click on the upper (up = true) or lower arrow does.
    void Click(bool up);

    // Runs after every step, inside the error boundary when wired with OnEvent.
    std::function<void(bool up)> OnClick;

signals:
    void Clicked(bool up);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* associate_;
    QToolButton* upButton_;
    QToolButton* downButton_;
    int min_;
    int max_;
    int position_;
};

}  // namespace platform
