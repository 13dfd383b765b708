#pragma once

#include <string>
#include <string_view>

namespace vantor::test {

// ESC/POS bytes as text a person can read: the printed text as is (line feeds
// kept), each command in angle brackets with its parameters as numbers
// ("<ESC a 1>", on a line of its own before a printed line), a picture's dots
// summed up ("dark N hash H") and a QR code's text quoted. Any other control
// byte shows as "<n>".
std::string ReadEscPos(std::string_view bytes);

}  // namespace vantor::test
