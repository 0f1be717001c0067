#pragma once
// Printing a picture file on the printer the print dialog chose.
#include <QRect>
#include <QSize>
#include <QString>

class QPrinter;

namespace platform {

inline constexpr const char* kPrinterNotValid = "Printer selected is not valid";

// The picture's box on the page: as large as the page allows, its proportions
// kept (to the nearest pixel), centred. Empty for an empty picture or page.
QRect FitToPage(QSize picture, const QRect& page);

// "tempgraf.bmp" in the user's temporary folder: the file every print writes
// and then prints.
QString PrintFilePath();

// Reads the picture file as loading does and prints it on one page, fitted to
// it. A printer that refuses to start fails with kPrinterNotValid.
void PrintPictureFile(const QString& path, QPrinter& printer);

}  // namespace platform
