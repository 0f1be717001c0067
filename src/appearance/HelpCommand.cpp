#include "appearance/HelpCommand.h"

#include "appearance/Form4.h"
#include "appearance/ProgramFolder.h"
#include "shell/VertexStore.h"

#include <QString>

void ShowHelpPage(TForm4& form)
{
    // A window already on screen stays where it is, also behind others.
    if (form.isHidden()) form.show();
    BasePath = ExecutableFolder().toStdString();
    std::string u = BasePath + "help.htm";
    for (char& c : u)
        if (c == '\\') c = '/';
    form.WebBrowser1->Navigate(QString::fromStdString(u));
}
