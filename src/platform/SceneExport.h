#pragma once
// The picture's scene out of the program: as an SVG file, on a printer page.
#include "platform/Scene.h"

#include <QByteArray>

class QPrinter;

namespace platform {

// An SVG document of the scene at the picture's size, one user unit a pixel:
// lines, circles and letters as vector shapes and text, a base image embedded
// as PNG. Empty for an empty picture.
QByteArray SceneSvg(const TScene& scene);

// The scene on one page at the printer's resolution, fitted to the page with its
// proportions kept and centred. Nothing for an empty picture; a printer that
// refuses to start fails with kPrinterNotValid.
void PrintScene(const TScene& scene, QPrinter& printer);

}  // namespace platform
