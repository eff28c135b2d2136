#pragma once

namespace editor {

// Page pixels, the unit every layer's place and size is kept in: 120 to the inch.
inline constexpr double kPixelsPerInch = 120.0;
inline constexpr double kPixelsPerMillimetre = 4.7244;
// The A4 portrait page a new project starts on.
inline constexpr int kA4Width = 992;
inline constexpr int kA4Height = 1403;

// The box of the editor window the canvas is fitted into, in screen pixels.
inline constexpr int kPageBoxWidth = 461;
inline constexpr int kPageBoxHeight = 494;
// Screen pixels per page pixel for the A4 page, which its height limits.
inline constexpr double kA4DisplayScale = double(kPageBoxHeight) / kA4Height;

} // namespace editor
