#pragma once

#include <string>
#include <string_view>

#include "printing/MonoBitmap.h"

// The ESC/POS commands the till sends to a receipt printer, as bytes.
namespace vantor::escpos {

// ESC @: the printer's defaults (font A, left aligned, not bold).
std::string Initialize();
// ESC t 16: the Windows-1252 code page, the encoding of the till's texts.
std::string SelectWindows1252();
// ESC E n.
std::string Bold(bool on);
// ESC a n.
std::string Centred(bool on);
// GS V 66 0: feeds the paper to the cutter and cuts it.
std::string FeedAndCut();
// ESC p m 25 250: a pulse of 50 ms on pin 2 (m = 0) or pin 5 (m = 1).
std::string DrawerPulse(int pin);
// GS ( k: a model 2 QR code of the bytes, error correction M, stored then printed.
std::string QrCode(std::string_view data, int moduleDots);
// GS v 0: the picture in bands of at most 255 rows (the limit of many printers).
std::string Raster(const MonoBitmap& bitmap);

// The text in Windows-1252; a character the printer cannot show (outside the
// code page, one of its five undefined bytes, a control character) becomes "?".
std::string PrintableText(std::string_view utf8);

}  // namespace vantor::escpos
