#pragma once
#include <QString>

namespace browser {

// One picture a search found, and the texts of its row in the result list.
struct FoundImage {
    QString path; // spelled as on disk
    qint64 size = 0;
    qint64 modified = -1; // seconds since the epoch; -1 when unknown

    QString name() const;
    // The folder, ending in "/".
    QString folder() const;
    QString sizeText() const { return sizeText(size); }
    QString modifiedText() const { return modifiedText(modified); }

    // Bytes under 10 KB ("9215 B"), whole KB of 1024 bytes from there on ("10 KB").
    static QString sizeText(qint64 bytes);
    // "31-12-2026 09:05 PM" in local time, as the Properties dialog shows times; empty when
    // unknown.
    static QString modifiedText(qint64 seconds);
};

} // namespace browser
