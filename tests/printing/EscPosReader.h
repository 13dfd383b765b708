#pragma once

#include <string>
#include <string_view>

namespace vantor::test {

// Reads ESC/POS bytes back into lines a person can check, one per printed line
// or command: "B|text" for a bold line, " |text" for a normal one (a line
// mixing both is followed by a line marking its bold letters with "^"),
// "raster WxH dark N hash H", "qr ...", "cut", "drawer pin P ...". A byte or
// command it does not know throws, so nothing unexpected reaches the printer.
std::string ReadEscPos(std::string_view bytes);

}  // namespace vantor::test
