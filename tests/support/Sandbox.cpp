#include "tests/support/Sandbox.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

namespace testsupport {

QString Sandbox::writeSettings(const QString& location, const QString& editor) {
    const QString file = path("Quillax.conf");
    writeFile(file, ("[Quillax]\nLocation=" + location + "\nMEditor=" + editor + "\n").toUtf8());
    qputenv("QUILLAX_CONFIG", QFile::encodeName(file));
    return file;
}

QString Sandbox::writePicture(const QString& name, int w, int h, QRgb colour) const {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    const QString file = path(name);
    QDir().mkpath(QFileInfo(file).absolutePath());
    image.save(file);
    return file;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray encoded(const QImage& image, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, format, quality) ? bytes : QByteArray();
}

ScopedEnv::ScopedEnv(const char* name, const QByteArray& value)
    : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name)) {
    qputenv(name, value);
}

ScopedEnv::~ScopedEnv() {
    if (had_)
        qputenv(name_, old_);
    else
        qunsetenv(name_);
}

} // namespace testsupport
