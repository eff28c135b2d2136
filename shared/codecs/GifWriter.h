#pragma once
#include "imaging/DibImage.h"

#include <string>

namespace codecs {

// Writes a GIF of the picture, reduced to at most 256 colours by median cut. Empty on failure.
std::string encodeGif(const imaging::DibImage& image);

} // namespace codecs
