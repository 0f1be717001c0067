#pragma once
// The area and the convexity of the figure in the store, each written to its
// field with its section in the working: the polygon and quadrilateral menus
// differ only in caption and field.
class QLineEdit;

// Writes the closing copy, then S to two decimals; the section "caption" shows the shoelace sum.
void WriteStoredArea(const char* caption, QLineEdit* field);
// Writes the closing copy, then "Опуклий" or "Неопуклий"; the section shows the turns.
void WriteStoredConvexity(const char* caption, QLineEdit* field);
