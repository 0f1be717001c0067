#include "platform/Controls.h"

#include "platform/Memo.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace platform {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y)
{
    auto* label = Named(new QLabel(text, parent), name);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, const QString& text, int x, int y, int width,
                    bool readOnly)
{
    auto* edit = Named(new QLineEdit(text, parent), name);
    edit->setGeometry(x, y, width, kEditHeight);
    edit->setReadOnly(readOnly);
    return edit;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int x, int y, int width,
                        int height)
{
    auto* button = Named(new QPushButton(caption, parent), name);
    button->setGeometry(x, y, width, height);
    return button;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& caption, int x, int y, bool checked)
{
    auto* box = Named(new QCheckBox(caption, parent), name);
    box->move(x, y);
    box->adjustSize();
    box->setChecked(checked);
    return box;
}

TMemo* MakeMemo(QWidget* parent, const char* name, int x, int y, int width, int height)
{
    auto* memo = Named(new TMemo(parent), name);
    memo->setGeometry(x, y, width, height);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return memo;
}

QAction* MakeItem(QMenu* menu, const char* name, const QString& caption, bool visible)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setVisible(visible);
    return action;
}

void LabelFor(QLabel* label, QWidget* field)
{
    label->setBuddy(field);
    field->setAccessibleName(label->text());
}

void SetTabOrder(std::initializer_list<QWidget*> controls)
{
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous) QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

}  // namespace platform
