#pragma once
// Program entry: the application object, the four windows in their order, the loop.

class QApplication;

// Creates TForm1 (its FormCreate runs as it is created), then TForm2, TForm3 and
// TForm4 hidden, and sets the globals Form1..Form4. Tests build the windows with it too.
void CreateForms();
// Destroys the four windows (tests; the program keeps them until exit).
void DestroyForms();
// Qt's own dialogs and buttons in Ukrainian, when the translations are installed.
void InstallTranslations(QApplication& app);

int RunOrtalis(int argc, char** argv);
