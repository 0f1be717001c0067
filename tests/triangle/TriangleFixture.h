#pragma once
// The four windows with a triangle typed on its page.
#include "../drawing/DrawingFixture.h"
#include "shell/Form1.h"

#include <QLineEdit>
#include <array>
#include <functional>
#include <string>

class TriangleTest : public DrawingTest {
protected:
    void Type(const std::array<QString, 6>& texts)
    {
        QLineEdit* fields[] = {Form1->Edit1, Form1->Edit2, Form1->Edit3, Form1->Edit4, Form1->Edit5, Form1->Edit6};
        for (int i = 0; i < 6; ++i) fields[i]->setText(texts[i]);
    }
    void Type(int x1, int y1, int x2, int y2, int x3, int y3)
    {
        Type({QString::number(x1), QString::number(y1), QString::number(x2), QString::number(y2),
              QString::number(x3), QString::number(y3)});
    }

    // Runs a handler; the message of the error that ended it, or "".
    static std::string Run(void (TForm1::*handler)())
    {
        try {
            (Form1->*handler)();
        } catch (const platform::Error& e) {
            return e.what();
        }
        return {};
    }
};
