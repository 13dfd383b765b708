#pragma once

#include <string>

namespace vantor::test {

// The bytes of a black and white BMP picture of width × height pixels.
std::string Bitmap(int width, int height);

}  // namespace vantor::test
