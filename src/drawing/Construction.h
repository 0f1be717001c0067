#pragma once
// The construction: the one command that draws the current figure, with its
// world window, the regular polygon's circles, the axes, the outline and the
// letters. Its handler is TForm1::N8Click; the parts it draws are in
// drawing/FigureDrawing.h and the drawing's state in drawing/Drawing.h.
