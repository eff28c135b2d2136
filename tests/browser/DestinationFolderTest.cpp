#include "browser/model/DestinationFolder.h"

#include <QDir>
#include <gtest/gtest.h>

using browser::DestinationFolder;

TEST(DestinationFolder, TypedFoldersAreReadAsAShellReadsThem) {
    const QString home = QDir::homePath();
    const struct {
        const char* typed;
        QString folder;
        const char* why;
    } rows[] = {
        {"", "", "nothing typed is no folder"},
        {"   ", "", "nor are spaces alone"},
        {"album", "/photos/trip/album", "relative to the folder shown"},
        {"../album/", "/photos/album", "and cleaned of .. and the trailing /"},
        {" /mnt/usb ", "/mnt/usb", "absolute, without the spaces around it"},
        {"~", home, "home"},
        {"~/Pictures", home + "/Pictures", "in home"},
        {"~bob", "/photos/trip/~bob", "another user's home is not guessed at"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DestinationFolder::resolve(row.typed, "/photos/trip"), row.folder) << row.why;
}
