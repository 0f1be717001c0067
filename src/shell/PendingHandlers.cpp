// Temporary: handlers whose commands land with the drawing and check work.
#include "shell/Form1.h"
void TForm1::ErrorClick() {}
void TForm1::N9Click() {}
void TForm1::N10Click() {}
