#pragma once
#include <functional>

namespace quillax {

// Where a transition draws: `copy` puts the picture's rectangle (picture coordinates) on the
// screen at the picture's place; `wait` pauses between steps while the window stays alive.
struct TransitionTarget {
    std::function<void(int x, int y, int width, int height)> copy;
    std::function<void(int milliseconds)> wait;
};

// The ways a full-screen picture comes up, shared by the editor's preview and the browser's
// viewer. Each routine ends by copying the whole picture, so it always stands complete.
class Transitions {
  public:
    enum class Interlace { Columns, Rows };

    // Every n-th single-pixel column (or row) in n passes; what is left past c x n comes with
    // the final copy.
    static void interlace(const TransitionTarget& to, int w, int h, int wait, int steps,
                          Interlace variant);
    // Bands of `steps` rows from the bottom edge upwards.
    static void wipeUp(const TransitionTarget& to, int w, int h, int wait, int steps);
    // A centred box growing in `steps` steps.
    static void boxOut(const TransitionTarget& to, int w, int h, int wait, int steps);
    // Two bands from the top and the bottom, each crossing the whole height.
    static void topBottom(const TransitionTarget& to, int w, int h, int wait, int steps);
    // Square blocks at random places, as many as the picture has blocks; `seed` picks them.
    static void blocks(const TransitionTarget& to, int w, int h, int wait, int steps,
                       unsigned seed);

    // The transition numbered `r` (0 to 5) with its own wait and steps.
    static void run(int r, const TransitionTarget& to, int w, int h, unsigned seed);
};

} // namespace quillax
