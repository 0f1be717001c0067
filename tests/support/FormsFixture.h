#pragma once
// The four windows built as the program builds them, on a fresh store, with
// scripted dialogs and "," as the decimal separator.
#include "ScriptedDialogs.h"
#include "platform/TextConversion.h"
#include "shell/Application.h"
#include "shell/Form1.h"
#include "shell/VertexStore.h"

#include <QLineEdit>
#include <gtest/gtest.h>

class FormsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetVertexStore();
        platform::SetDecimalSeparator(',');
        CreateForms();
    }
    void TearDown() override
    {
        DestroyForms();
        platform::SetDecimalSeparator(',');
    }

    // Types a vertex into the polygon tab and presses "додати".
    void AddVertex(const QString& x, const QString& y)
    {
        Form1->Edit8->setText(x);
        Form1->Edit9->setText(y);
        Form1->Button1Click();
    }

    ScriptedDialogs dialogs;
};
