#pragma once
// Every box the program may show, in one table, and a judge of a shown box.
#include "ScriptedDialogs.h"

#include <QString>
#include <vector>

// Empty when the dialog is one of the program's known ones; otherwise why not.
// A conversion error must also name a text that some field holds now.
QString UnknownDialogReason(const ShownDialog& shown, const std::vector<QString>& fieldTexts);

// The conversion error's text (the %s of "'%s' is not a valid ... value"), if it is one.
bool IsConversionError(const ShownDialog& shown, QString* text = nullptr);
