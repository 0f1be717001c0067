#pragma once
// The help command: shows the help window and loads "help.htm" from the
// executable's folder into it, afresh on every use.
class TForm4;

void ShowHelpPage(TForm4& form);
