#pragma once
#include <QString>
#include <QStringList>

namespace browser {

// Which picture the full-screen viewer shows: one of a list of files, spelled as on disk, or
// the end picture after the last. Every command acts on the picture shown, and none on the
// end picture, so nothing the user cannot see is ever theirs to delete.
class SlideShow {
  public:
    // A single picture: the list is that file alone.
    static SlideShow single(const QString& path);
    // The list, starting at `first` (the first entry when it is out of range).
    SlideShow(QStringList paths, int first);

    bool isOnEndPicture() const { return shown_ >= paths_.size(); }
    // The file shown; empty on the end picture.
    QString shownPath() const;
    int shownIndex() const { return shown_; }
    int count() const { return int(paths_.size()); }
    const QStringList& paths() const { return paths_; }
    // "3 / 120" for the third of 120; empty on the end picture.
    QString positionText() const;

    // Each says whether the picture shown changed. Forward past the last shows the end
    // picture and stays there; back from the first does nothing.
    bool forward();
    bool back();
    bool toFirst();
    bool toLast();
    // The file shown left the folder (deleted or moved): its entry goes, and the one that took
    // its place is shown, or the end picture after the last. False on the end picture.
    bool removeShown();

    // The file to read ahead while this one is looked at; empty when there is none.
    QString nextPath() const;

  private:
    QStringList paths_;
    int shown_ = 0;
};

} // namespace browser
