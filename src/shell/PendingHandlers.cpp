// Temporary: handlers whose commands land with the drawing and check work.
#include "shell/Form1.h"
