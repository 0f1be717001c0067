#pragma once
// The four windows as the program builds them, the main window shown, with
// dialogs answered by the runner and "," as the decimal separator.
#include "CommandRunner.h"
#include "platform/TextConversion.h"
#include "shell/Application.h"
#include "shell/Form1.h"
#include "shell/VertexStore.h"

#include <gtest/gtest.h>

class RobustnessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::SetDecimalSeparator(',');
        Fresh();
    }
    void TearDown() override
    {
        DestroyForms();
        platform::SetDecimalSeparator(',');
    }

    // A program just started.
    void Fresh()
    {
        if (Form1) DestroyForms();
        ResetVertexStore();
        CreateForms();
        Form1->show();
        runner.Rebuild();
    }

    static QWidget* FindField(const QString& name)
    {
        for (QWidget* f : AllFields())
            if (FieldName(f) == name) return f;
        return nullptr;
    }

    TurnDialogs dialogs;
    CommandRunner runner{dialogs};
};
