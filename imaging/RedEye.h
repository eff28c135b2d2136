#pragma once
#include "imaging/DibImage.h"

namespace imaging {

// Red-eye repair on 24- and 32-bit pictures: a click in a red pupil finds how far the red
// reaches right, down, left and up, and recolours the red pixels of that box by how dark
// they are.

// Whether a colour is the red of a flash reflected from the back of an eye.
bool isRedEyeColour(int red, int green, int blue);

// The directions a reach walks, as the repair has always given them: right, down, left, up
// (rows run top to bottom). Their steps are truncated, so the first two of the last three
// land on the start pixel.
inline constexpr double kReachAngles[4] = {0, 1.57, 3.14, 4.71};

// How far the red reaches from (x, y) along `angle`: it ends where more than three pixels in
// a row are not red (a dark one after red ones counts twice, a white highlight not at all).
// 0 when the walk leaves the picture first.
int redReach(const DibImage& picture, int x, int y, double angle);

// Repairs the eye clicked at (x, y): the red pixels in the box the four reaches span, two
// more each way, become a dark eye colour by their grey; the click's own four pixels turn
// grey where they are reddish but failed the test.
void repairRedEye(DibImage& picture, int x, int y);

} // namespace imaging
