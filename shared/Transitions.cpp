#include "shared/Transitions.h"

#include <algorithm>
#include <random>

namespace quillax {

namespace {

// Copies rows [top, top + count) of the picture, clipped to it.
void copyRows(const TransitionTarget& to, int w, int h, int top, int count) {
    const int from = std::max(top, 0);
    const int until = std::min(top + count, h);
    if (until > from)
        to.copy(0, from, w, until - from);
}

void finish(const TransitionTarget& to, int w, int h) {
    to.copy(0, 0, w, h);
}

} // namespace

void Transitions::interlace(const TransitionTarget& to, int w, int h, int wait, int steps,
                            Interlace variant) {
    const int n = std::max(steps, 2);
    const bool columns = variant == Interlace::Columns;
    const int c = (columns ? w : h) / n;
    for (int pass = 0; pass < n; ++pass) {
        for (int k = 0; k < c; ++k) {
            const int line = pass + k * n;
            if (columns)
                to.copy(line, 0, 1, h);
            else
                to.copy(0, line, w, 1);
        }
        to.wait(wait);
    }
    finish(to, w, h);
}

void Transitions::wipeUp(const TransitionTarget& to, int w, int h, int wait, int steps) {
    const int s = std::max(steps, 1);
    for (int k = 1; (k - 1) * s < h; ++k) {
        copyRows(to, w, h, h - k * s, s);
        to.wait(wait);
    }
    finish(to, w, h);
}

void Transitions::boxOut(const TransitionTarget& to, int w, int h, int wait, int steps) {
    const int n = std::max(steps, 2);
    const int sh = h / n;
    const int sw = h > 0 ? int(double(sh) * w / h) : 0;
    for (int i = 0; i < n; ++i) {
        const int left = w / 2 - i * sw;
        const int top = h / 2 - i * sh;
        if (i > 0)
            to.copy(left, top, 2 * i * sw, 2 * i * sh);
        to.wait(wait);
    }
    finish(to, w, h);
}

void Transitions::topBottom(const TransitionTarget& to, int w, int h, int wait, int steps) {
    const int s = std::max(steps, 1);
    for (int k = 0; k * s < h; ++k) {
        copyRows(to, w, h, k * s, s);
        copyRows(to, w, h, h - (k + 1) * s, s);
        to.wait(wait);
    }
    finish(to, w, h);
}

void Transitions::blocks(const TransitionTarget& to, int w, int h, int wait, int steps,
                         unsigned seed) {
    const int b = std::max(steps, 6);
    const int cols = w / b + 1;
    const int rows = h / b + 1;
    std::minstd_rand random(seed);
    const long long count = (long long)cols * rows;
    for (long long drawn = 1; drawn <= count; ++drawn) {
        const int x = int(random() % unsigned(cols)) * b;
        const int y = int(random() % unsigned(rows)) * b;
        const int bw = std::min(b, w - x);
        const int bh = std::min(b, h - y);
        if (bw > 0 && bh > 0)
            to.copy(x, y, bw, bh);
        if (drawn % 80 == 0)
            to.wait(wait);
    }
    finish(to, w, h);
}

void Transitions::run(int r, const TransitionTarget& to, int w, int h, unsigned seed) {
    switch (r) {
    case 0:
        interlace(to, w, h, 118, 10, Interlace::Columns);
        break;
    case 1:
        wipeUp(to, w, h, 48, 10);
        break;
    case 2:
        boxOut(to, w, h, 118, 10);
        break;
    case 3:
        topBottom(to, w, h, 48, 10);
        break;
    case 4:
        blocks(to, w, h, 0, 6, seed);
        break;
    default:
        interlace(to, w, h, 118, 10, Interlace::Rows);
        break;
    }
}

} // namespace quillax
