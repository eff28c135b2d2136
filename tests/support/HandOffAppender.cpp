// The browser's half of the hand-off stress test, as a process of its own: appends COUNT
// numbered paths to the queue of FOLDER as fast as it can, while the test takes the queue.
#include "shared/HandOffQueue.h"

#include <QString>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: handoff_appender FOLDER COUNT\n", stderr);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int count = std::atoi(argv[2]);
    for (int i = 0; i < count; ++i) {
        const QString path = QStringLiteral("/photos/IMG_%1.JPG").arg(i);
        if (quillax::HandOffQueue::append(folder, path) != quillax::HandOffQueue::Appended::Done) {
            std::fprintf(stderr, "handoff_appender: line %d not appended\n", i);
            return 1;
        }
    }
    return 0;
}
