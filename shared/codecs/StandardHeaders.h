#pragma once
#include "shared/codecs/ByteReader.h"

#include <optional>

namespace codecs {

// Size and stored depth from the headers of formats Qt decodes for us, where Qt's own answer
// loses the depth (it reads a 24-bit JPEG as 32 bits and cannot tell 4- from 8-bit).
std::optional<ImageHeader> peekPng(std::span<const uint8_t> bytes);
std::optional<ImageHeader> peekGif(std::span<const uint8_t> bytes);
std::optional<ImageHeader> peekJpeg(std::span<const uint8_t> bytes);
std::optional<ImageHeader> peekTiff(std::span<const uint8_t> bytes);
std::optional<ImageHeader> peekPnm(std::span<const uint8_t> bytes);
std::optional<ImageHeader> peekIco(std::span<const uint8_t> bytes);
std::optional<ImageHeader> peekWbmp(std::span<const uint8_t> bytes);

// Whether a file reaches its proper end. Qt draws whatever part of a cut-off JPEG, PNG or GIF
// it could read and calls it a picture; a photo that lost its lower half is a damaged file.
bool isCompleteJpeg(std::span<const uint8_t> bytes);
bool isCompletePng(std::span<const uint8_t> bytes);
bool isCompleteGif(std::span<const uint8_t> bytes);

} // namespace codecs
