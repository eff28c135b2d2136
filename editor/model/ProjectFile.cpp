#include "editor/model/ProjectFile.h"

#include <QList>
#include <algorithm>
#include <climits>

namespace editor {

namespace {

const QString kTemporaryName = QStringLiteral("newPrj1");

// A number as the editor has always read them: the leading digits, with a sign; anything
// else, or nothing, is 0. Values beyond an int are held at its ends.
int numberOf(QStringView text) {
    text = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i].isDigit(); ++i)
        value = std::min<long long>(value * 10 + text[i].digitValue(), 1LL << 40);
    return int(std::clamp<long long>(negative ? -value : value, INT_MIN, INT_MAX));
}

// "x,y": the number before the first comma and the one after it.
std::pair<int, int> pairOf(const QString& line) {
    const qsizetype comma = line.indexOf(',');
    if (comma < 0)
        return {numberOf(line), 0};
    return {numberOf(QStringView(line).left(comma)), numberOf(QStringView(line).mid(comma + 1))};
}

// "r,g,b": red before the first comma, green up to the last, blue after it; each taken
// modulo 256.
imaging::ColorRef colourOf(const QString& line) {
    const qsizetype first = line.indexOf(',');
    const qsizetype last = line.lastIndexOf(',');
    if (first < 0)
        return imaging::makeColorRef(uint8_t(numberOf(line)), 0, 0);
    const int r = numberOf(QStringView(line).left(first));
    const int g = numberOf(QStringView(line).mid(first + 1, last - first - 1));
    const int b = numberOf(QStringView(line).mid(last + 1));
    return imaging::makeColorRef(uint8_t(r), uint8_t(g), uint8_t(b));
}

QString colourText(imaging::ColorRef c) {
    return QStringLiteral("%1,%2,%3")
        .arg(imaging::redOf(c))
        .arg(imaging::greenOf(c))
        .arg(imaging::blueOf(c));
}

} // namespace

QString ProjectFile::renamedFor(const QString& text, const QString& projectName) {
    const qsizetype at = text.indexOf(kTemporaryName);
    if (at < 0)
        return text;
    return projectName + text.mid(at + kTemporaryName.size());
}

bool ProjectFile::isPlainFileName(const QString& name) {
    return !name.isEmpty() && !name.contains('/') && !name.contains('\\') &&
           !name.contains(QStringLiteral("..")) && !name.contains(QChar(0));
}

QByteArray ProjectFile::format(const ProjectPrefix& prefix, const LayerStack& layers) {
    QStringList lines{prefix.name,
                      QString::number(prefix.paperRow),
                      QString::number(prefix.unitRow),
                      QString::number(prefix.pageWidth),
                      QString::number(prefix.pageHeight),
                      prefix.portrait ? "1" : "0",
                      prefix.arrange ? "1" : "0",
                      QStringLiteral("%1,%2").arg(prefix.cellWidth).arg(prefix.cellHeight),
                      QStringLiteral("prefix end ")};
    for (const LayerRecord& layer : layers.layers()) {
        if (!layer.visible)
            continue;
        // A caption's background is its picture's fill, read where no text reaches.
        imaging::ColorRef background = 0;
        if (!layer.isPhoto() && layer.bitmap.width() > 1 && layer.bitmap.height() > 1) {
            const imaging::RgbQuad c = layer.bitmap.pixelColour(1, 1);
            background = imaging::makeColorRef(c.red, c.green, c.blue);
        }
        lines << (layer.isPhoto() ? "1" : "0") << (layer.backgroundHidden ? "1" : "0")
              << (layer.isPhoto() ? renamedFor(layer.content, prefix.name) : layer.content)
              << QStringLiteral("%1,%2").arg(layer.x).arg(layer.y)
              << QStringLiteral("%1,%2").arg(layer.region.width()).arg(layer.region.height())
              << colourText(layer.color) << QString::number(layer.fontSize)
              << colourText(background) << QString::number(layer.textStyle / 10)
              << QString::number(layer.textStyle % 10) << QStringLiteral("section end ");
    }
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

ProjectContents ProjectFile::parse(const QByteArray& bytes) {
    QList<QByteArray> raw = bytes.split('\n');
    // The last piece is what follows the last line end: a line only when it holds something.
    if (!raw.isEmpty() && raw.last().isEmpty())
        raw.removeLast();
    QStringList lines;
    lines.reserve(raw.size());
    for (QByteArray& line : raw) {
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(QString::fromUtf8(line));
    }

    ProjectContents contents;
    if (lines.size() < 9)
        return contents;
    ProjectPrefix prefix;
    prefix.name = lines[0];
    prefix.paperRow = numberOf(lines[1]);
    prefix.unitRow = numberOf(lines[2]);
    prefix.pageWidth = numberOf(lines[3]);
    prefix.pageHeight = numberOf(lines[4]);
    prefix.portrait = numberOf(lines[5]) == 1;
    prefix.arrange = numberOf(lines[6]) == 1;
    std::tie(prefix.cellWidth, prefix.cellHeight) = pairOf(lines[7]);
    contents.prefix = prefix;
    contents.prefixEnded = lines[8].contains(QStringLiteral("prefix end"));

    qsizetype at = 9;
    while (at + 10 <= lines.size()) {
        ProjectSection s;
        // The kind is the first line's own word: a caption mentioning ".bmp" stays a caption.
        s.photo = numberOf(lines[at]) != 0;
        s.backgroundHidden = numberOf(lines[at + 1]) == 1;
        s.content = lines[at + 2];
        std::tie(s.x, s.y) = pairOf(lines[at + 3]);
        std::tie(s.width, s.height) = pairOf(lines[at + 4]);
        s.colour = colourOf(lines[at + 5]);
        s.fontSize = numberOf(lines[at + 6]);
        s.background = colourOf(lines[at + 7]);
        s.styleCode = numberOf(lines[at + 8]);
        s.direction = numberOf(lines[at + 9]);
        // Whatever else comes before "section end" is passed over.
        qsizetype end = at + 10;
        while (end < lines.size() && !lines[end].contains(QStringLiteral("section end")))
            ++end;
        if (end >= lines.size())
            break; // cut short by the end of the file
        contents.sections.push_back(s);
        at = end + 1;
    }
    return contents;
}

} // namespace editor
