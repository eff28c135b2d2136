#pragma once
#include <QColor>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

namespace testsupport {

// A fresh folder for one test, removed afterwards.
class Sandbox {
  public:
    // The folder, ending in "/".
    QString folder() const { return dir_.path() + "/"; }
    QString path(const QString& name) const { return folder() + name; }
    std::string stdPath(const QString& name) const { return path(name).toStdString(); }
    // Writes a settings file here with the given values and points QUILLAX_CONFIG at it.
    QString writeSettings(const QString& location,
                          const QString& editor = QStringLiteral("PageMontager"));
    // Writes a w x h picture of one colour here, its folder made first, in the format its name
    // ends in; the path.
    QString writePicture(const QString& name, int w, int h, QRgb colour = qRgb(30, 120, 200)) const;

  private:
    QTemporaryDir dir_;
};

// A whole file written, its folder made first; false when it cannot be.
bool writeFile(const QString& path, const QByteArray& bytes);
// A whole file read; empty when it cannot be.
QByteArray readFile(const QString& path);
// A picture as Qt's writer for `format` encodes it, in memory; empty when it cannot be.
QByteArray encoded(const QImage& image, const char* format, int quality = -1);

// Points an environment variable elsewhere for the life of the object.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const QByteArray& value);
    ~ScopedEnv();

  private:
    const char* name_;
    QByteArray old_;
    bool had_;
};

} // namespace testsupport
