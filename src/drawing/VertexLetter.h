#pragma once
// The letter written beside vertex i of a construction.
#include <QChar>
#include <QString>
#include <cstdint>

// The Windows-1251 character of a byte.
QChar Windows1251ToUnicode(uint8_t code);

// The one character of code (64 + i) mod 256 in Windows-1251: "A" to "Z" for
// vertices 1 to 26, then the characters that follow in the code page ("[" for 27,
// Cyrillic capitals from vertex 128 on, ...).
QString VertexLetter(int32_t i);
