// Draws the suite's pictures of free design: toolbar strips (normal and disabled, at 1x and
// 2x), the selection handle, the layer-list pictures, the colour swatch, the banner and the
// program icon. Run by `make resources`; its output is committed under resources/.
//
// Strips are 24-bit BMP files keyed on their first stored pixel (magenta), so antialiased
// edges are flattened onto the light toolbar grey and anything mostly transparent becomes
// the key colour.

#include "imaging/BmpFile.h"
#include "shared/DibConversion.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

const QColor kKey(255, 0, 255);
const QColor kFlatten(0xF2, 0xF2, 0xF2);
const QColor kInk(0x2E, 0x3A, 0x46);
const QColor kPaper(0xFF, 0xFF, 0xFF);
const QColor kBlue(0x2F, 0x7D, 0xD1);
const QColor kGreen(0x3C, 0xA5, 0x5C);
const QColor kRed(0xD9, 0x3F, 0x3F);
const QColor kAmber(0xF0, 0xB4, 0x3C);
const QColor kSky(0x8F, 0xC8, 0xF0);

using Drawer = std::function<void(QPainter&)>;

QPen ink(double width = 1.6) {
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void page(QPainter& p, QRectF r) {
    QPainterPath path;
    const double fold = 6;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(ink());
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void photo(QPainter& p, QRectF r) {
    p.setPen(ink());
    p.setBrush(kSky);
    p.drawRoundedRect(r, 2, 2);
    QPainterPath hills;
    hills.moveTo(r.left() + 1, r.bottom() - 1);
    hills.lineTo(r.left() + r.width() * 0.38, r.top() + r.height() * 0.45);
    hills.lineTo(r.left() + r.width() * 0.6, r.top() + r.height() * 0.7);
    hills.lineTo(r.left() + r.width() * 0.75, r.top() + r.height() * 0.55);
    hills.lineTo(r.right() - 1, r.bottom() - 1);
    hills.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawPath(hills);
    p.setBrush(kAmber);
    const double s = r.height() * 0.22;
    p.drawEllipse(QPointF(r.right() - r.width() * 0.26, r.top() + r.height() * 0.3), s / 2, s / 2);
    p.setPen(ink());
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r, 2, 2);
}

void badge(QPainter& p, QPointF c, const QColor& colour, bool plus) {
    p.setPen(QPen(Qt::white, 1.4));
    p.setBrush(colour);
    p.drawEllipse(c, 6.5, 6.5);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    if (plus) {
        p.drawLine(c + QPointF(-3.2, 0), c + QPointF(3.2, 0));
        p.drawLine(c + QPointF(0, -3.2), c + QPointF(0, 3.2));
    } else {
        p.drawLine(c + QPointF(-2.6, -2.6), c + QPointF(2.6, 2.6));
        p.drawLine(c + QPointF(-2.6, 2.6), c + QPointF(2.6, -2.6));
    }
}

void folder(QPainter& p, QRectF r, bool open) {
    p.setPen(ink());
    p.setBrush(kAmber.darker(110));
    QPainterPath back;
    back.moveTo(r.left(), r.bottom());
    back.lineTo(r.left(), r.top() + 3);
    back.lineTo(r.left() + 9, r.top() + 3);
    back.lineTo(r.left() + 11, r.top());
    back.lineTo(r.right() - 2, r.top());
    back.lineTo(r.right() - 2, r.bottom());
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(kAmber);
    QPainterPath front;
    if (open) {
        front.moveTo(r.left(), r.bottom());
        front.lineTo(r.left() + 5, r.top() + 9);
        front.lineTo(r.right() + 2, r.top() + 9);
        front.lineTo(r.right() - 2, r.bottom());
    } else {
        front.addRect(QRectF(r.left(), r.top() + 7, r.width() - 2, r.height() - 7));
    }
    front.closeSubpath();
    p.drawPath(front);
}

void magnifier(QPainter& p, QPointF c, double radius) {
    p.setPen(QPen(kInk, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(radius * 0.7, radius * 0.7), c + QPointF(radius * 1.7, radius * 1.7));
    p.setPen(ink(1.8));
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(c, radius, radius);
}

// A half-turn arrow for Undo (pointing left) or Redo (mirrored, pointing right).
void turnArrow(QPainter& p, bool forward) {
    if (forward) {
        p.translate(32, 0);
        p.scale(-1, 1);
    }
    const QColor colour = kBlue;
    QPainterPath bend;
    bend.moveTo(10, 12);
    bend.lineTo(19, 12);
    bend.cubicTo(30, 12, 30, 27, 19, 27);
    bend.lineTo(12, 27);
    p.setPen(QPen(colour, 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bend);
    QPainterPath head;
    head.moveTo(3, 12);
    head.lineTo(12, 4.5);
    head.lineTo(12, 19.5);
    head.closeSubpath();
    p.setPen(QPen(colour, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour);
    p.drawPath(head);
}

const QList<Drawer>& editorTools() {
    static const QList<Drawer> tools{
        // Browse: the photo browser, a folder of photos under a magnifier
        [](QPainter& p) {
            photo(p, QRectF(3.5, 4.5, 20, 15));
            photo(p, QRectF(8.5, 9.5, 20, 15));
            magnifier(p, QPointF(20, 21), 5.5);
        },
        // New Project
        [](QPainter& p) {
            page(p, QRectF(6.5, 3.5, 18, 24));
            badge(p, QPointF(23, 23), kGreen, true);
        },
        // Open Project
        [](QPainter& p) { folder(p, QRectF(3.5, 7.5, 25, 18), true); },
        // Save Project: a disk
        [](QPainter& p) {
            p.setPen(ink());
            p.setBrush(kBlue);
            QPainterPath disk;
            disk.moveTo(5.5, 4.5);
            disk.lineTo(23.5, 4.5);
            disk.lineTo(27.5, 8.5);
            disk.lineTo(27.5, 27.5);
            disk.lineTo(5.5, 27.5);
            disk.closeSubpath();
            p.drawPath(disk);
            p.setBrush(kPaper);
            p.drawRect(QRectF(9.5, 4.5, 13, 8));
            p.setBrush(kInk);
            p.drawRect(QRectF(17.5, 6, 3, 5));
            p.setBrush(kPaper);
            p.drawRoundedRect(QRectF(9.5, 17.5, 14, 10), 1, 1);
        },
        // Add Photo
        [](QPainter& p) {
            photo(p, QRectF(3.5, 6.5, 22, 17));
            badge(p, QPointF(23.5, 23.5), kGreen, true);
        },
        // Add Caption Layer
        [](QPainter& p) {
            QFont f("Liberation Serif");
            f.setPixelSize(24);
            f.setBold(true);
            p.setFont(f);
            p.setPen(kInk);
            p.drawText(QRectF(2, 2, 24, 24), Qt::AlignCenter, "T");
            badge(p, QPointF(23.5, 23.5), kGreen, true);
        },
        // Delete Layer
        [](QPainter& p) {
            photo(p, QRectF(3.5, 6.5, 22, 17));
            badge(p, QPointF(23.5, 23.5), kRed, false);
        },
        // Print
        [](QPainter& p) {
            page(p, QRectF(9.5, 3.5, 13, 11));
            p.setPen(ink());
            p.setBrush(QColor(0x9A, 0xA7, 0xB4));
            p.drawRoundedRect(QRectF(3.5, 12.5, 25, 11), 2, 2);
            p.setBrush(kPaper);
            p.drawRect(QRectF(8.5, 19.5, 15, 9));
            p.setPen(ink(1.0));
            p.drawLine(QPointF(11, 23), QPointF(21, 23));
            p.drawLine(QPointF(11, 25.5), QPointF(18, 25.5));
            p.setPen(Qt::NoPen);
            p.setBrush(kGreen);
            p.drawEllipse(QPointF(24.5, 16), 1.3, 1.3);
        },
        // Preview
        [](QPainter& p) {
            page(p, QRectF(4.5, 3.5, 18, 24));
            photo(p, QRectF(7.5, 7.5, 12, 9));
            magnifier(p, QPointF(20.5, 20.5), 5);
        },
        // Undo: an arrow curving back to the left
        [](QPainter& p) { turnArrow(p, false); },
        // Redo: the same, curving on to the right
        [](QPainter& p) { turnArrow(p, true); },
    };
    return tools;
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
    p.setPen(QPen(colour, 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF n(-d.y(), d.x());
    QPainterPath head;
    head.moveTo(to + d * 3);
    head.lineTo(to - d * 5 + n * 6.5);
    head.lineTo(to - d * 5 - n * 6.5);
    head.closeSubpath();
    p.setPen(QPen(colour, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour);
    p.drawPath(head);
}

const QList<Drawer>& browserTools() {
    static const QList<Drawer> tools{
        // Back
        [](QPainter& p) { arrow(p, QPointF(26, 16), QPointF(9, 16), kBlue); },
        // Forward
        [](QPainter& p) { arrow(p, QPointF(6, 16), QPointF(23, 16), kBlue); },
        // Up: to the folder above
        [](QPainter& p) {
            folder(p, QRectF(3.5, 13.5, 25, 15), false);
            arrow(p, QPointF(16, 24), QPointF(16, 7), kGreen.darker(120));
        },
        // Slide show
        [](QPainter& p) {
            photo(p, QRectF(3.5, 5.5, 25, 19));
            p.setPen(QPen(Qt::white, 1.5));
            p.setBrush(kInk);
            p.drawEllipse(QPointF(21, 22), 7.5, 7.5);
            QPainterPath play;
            play.moveTo(18.5, 18);
            play.lineTo(25.5, 22);
            play.lineTo(18.5, 26);
            play.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawPath(play);
        },
        // To editor: the page editor
        [](QPainter& p) {
            page(p, QRectF(8.5, 3.5, 19, 25));
            photo(p, QRectF(11.5, 7.5, 13, 9));
            arrow(p, QPointF(2, 23), QPointF(14, 23), kAmber.darker(130));
        },
        // Add photo: hand a photo to the editor
        [](QPainter& p) {
            photo(p, QRectF(3.5, 4.5, 20, 15));
            badge(p, QPointF(23.5, 23.5), kGreen, true);
        },
        // Properties
        [](QPainter& p) {
            p.setPen(QPen(Qt::white, 1.5));
            p.setBrush(kBlue);
            p.drawEllipse(QPointF(16, 16), 12.5, 12.5);
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(16, 9.5), 2.2, 2.2);
            p.drawRoundedRect(QRectF(14, 13.5, 4, 11), 1.5, 1.5);
        },
    };
    return tools;
}

// Pixels mostly transparent become the key; the rest are flattened onto the toolbar grey.
QImage flatten(const QImage& drawn, bool disabled) {
    QImage out(drawn.size(), QImage::Format_RGB32);
    for (int y = 0; y < drawn.height(); ++y) {
        const QRgb* s = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        QRgb* d = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < drawn.width(); ++x) {
            const int a = qAlpha(s[x]);
            if (a < 110) {
                d[x] = kKey.rgb();
                continue;
            }
            auto mix = [a](int c, int bg) { return (c * a + bg * (255 - a)) / 255; };
            int r = mix(qRed(s[x]), kFlatten.red());
            int g = mix(qGreen(s[x]), kFlatten.green());
            int b = mix(qBlue(s[x]), kFlatten.blue());
            if (disabled) {
                const int grey = (r * 30 + g * 59 + b * 11) / 100;
                r = g = b = 150 + grey * 90 / 255;
            }
            if (r == 255 && g == 0 && b == 255)
                g = 1; // never the key by accident
            d[x] = qRgb(r, g, b);
        }
    }
    return out;
}

QImage drawStrip(const QList<Drawer>& tools, int cell, int scale, bool disabled) {
    QImage strip(cell * scale * int(tools.size()), cell * scale,
                 QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (int i = 0; i < tools.size(); ++i) {
        p.save();
        p.translate(i * cell * scale, 0);
        p.scale(scale, scale);
        tools[i](p);
        p.restore();
    }
    p.end();
    return flatten(strip.convertToFormat(QImage::Format_ARGB32), disabled);
}

bool writeBmp(const QImage& image, const QString& path) {
    const imaging::DibImage dib = quillax::fromQImage(image, 24);
    if (!imaging::saveAsBmp(dib, path.toStdString())) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QImage layerPictures() {
    // Eight 32 x 32 pictures keyed on magenta; the list shows their top 32 x 24.
    QImage strip(256, 32, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    // 0: captions
    QFont f("Liberation Serif");
    f.setPixelSize(20);
    f.setBold(true);
    p.setFont(f);
    p.setPen(kInk);
    p.setBrush(QColor(0xFF, 0xF4, 0xC8));
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 21), 3, 3);
    p.drawText(QRectF(1, 1, 30, 22), Qt::AlignCenter, "T");
    // 1..7: photo placeholders in the suite's colours
    const QColor tints[] = {
        kSky, kGreen, kAmber, kBlue, kRed, QColor(0x9A, 0x7F, 0xD0), QColor(0x7A, 0x8A, 0x99)};
    for (int i = 1; i < 8; ++i) {
        p.save();
        p.translate(i * 32, 0);
        photo(p, QRectF(2.5, 2.5, 27, 19));
        p.setPen(Qt::NoPen);
        p.setBrush(tints[i - 1]);
        p.drawRect(QRectF(3, 19, 26, 2.5));
        p.restore();
    }
    p.end();
    return flatten(strip.convertToFormat(QImage::Format_ARGB32), false);
}

QImage handle() {
    QImage h(6, 6, QImage::Format_RGB32);
    h.fill(QColor(0x1E, 0x5A, 0xA8));
    QPainter p(&h);
    p.setPen(Qt::white);
    p.drawRect(1, 1, 3, 3);
    p.setPen(QColor(0x1E, 0x5A, 0xA8));
    p.drawPoint(2, 2);
    p.drawPoint(3, 3);
    p.drawPoint(2, 3);
    p.drawPoint(3, 2);
    return h;
}

QImage swatch() {
    // The colour fields paint their colour inside this frame.
    QImage s(15, 15, QImage::Format_RGB32);
    s.fill(Qt::white);
    QPainter p(&s);
    p.setPen(QColor(0x70, 0x70, 0x70));
    p.drawRect(0, 0, 14, 14);
    return s;
}

QImage banner() {
    QImage b(280, 56, QImage::Format_RGB32);
    QPainter p(&b);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 280, 0);
    g.setColorAt(0, QColor(0x1E, 0x5A, 0xA8));
    g.setColorAt(1, QColor(0x4F, 0x9C, 0xE0));
    p.fillRect(b.rect(), g);
    p.save();
    p.translate(10, 12);
    photo(p, QRectF(0.5, 0.5, 26, 20));
    p.translate(8, 8);
    photo(p, QRectF(0.5, 0.5, 26, 20));
    p.restore();
    QFont f("Liberation Sans");
    f.setPixelSize(22);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(54, 4, 220, 30), Qt::AlignLeft | Qt::AlignVCenter, "Pagemontager");
    f.setPixelSize(12);
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRectF(55, 30, 220, 20), Qt::AlignLeft | Qt::AlignVCenter,
               "Lay out your photos, then print");
    return b;
}

// The programs' and the project file's icons, drawn on a 32 x 32 grid at any size.
void drawBrowserIcon(QPainter& p) {
    folder(p, QRectF(1.5, 5.5, 29, 22), false);
    photo(p, QRectF(6.5, 14.5, 12, 9));
    photo(p, QRectF(15.5, 11.5, 12, 9));
}

void drawEditorIcon(QPainter& p) {
    p.setPen(ink(1.2));
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(4.5, 1.5, 23, 29), 1.5, 1.5);
    photo(p, QRectF(7.5, 4.5, 17, 11));
    photo(p, QRectF(7.5, 17.5, 8, 10));
    photo(p, QRectF(16.5, 17.5, 8, 10));
}

// A document with a folded corner holding a small page layout: a project, not a photo.
void drawProjectIcon(QPainter& p) {
    page(p, QRectF(5.5, 1.5, 21, 29));
    p.setPen(ink(1.0));
    p.setBrush(QColor(0xEE, 0xF3, 0xF8));
    p.drawRect(QRectF(9.5, 9.5, 13, 17));
    photo(p, QRectF(11, 11, 10, 7));
    p.setPen(QPen(kBlue, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 21.5), QPointF(20, 21.5));
    p.drawLine(QPointF(12, 24), QPointF(17, 24));
}

QImage icon(void (*draw)(QPainter&), int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    draw(p);
    return image;
}

bool writeSvg(void (*draw)(QPainter&), const QString& path, const QString& title) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(32, 32));
    svg.setViewBox(QRect(0, 0, 32, 32));
    svg.setTitle(title);
    QPainter p;
    if (!p.begin(&svg))
        return false;
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return p.end();
}

// The icons the desktop shows, laid out as the hicolor theme wants them.
bool writeDesktopIcons(const QString& out) {
    struct Named {
        void (*draw)(QPainter&);
        const char* context;
        const char* name;
    };
    const Named icons[] = {
        {drawEditorIcon, "apps", "quillax-pagemontager"},
        {drawBrowserIcon, "apps", "quillax-vistarambler"},
        {drawProjectIcon, "mimetypes", "application-x-quillax-project"},
    };
    bool ok = true;
    for (const Named& named : icons) {
        for (int size : {16, 24, 32, 48, 64, 128, 256}) {
            const QString folder =
                QString("%1/desktop/icons/hicolor/%2x%2/%3").arg(out).arg(size).arg(named.context);
            QDir().mkpath(folder);
            ok &= icon(named.draw, size).save(folder + "/" + named.name + ".png");
        }
        const QString folder =
            QString("%1/desktop/icons/hicolor/scalable/%2").arg(out).arg(named.context);
        QDir().mkpath(folder);
        ok &= writeSvg(named.draw, folder + "/" + named.name + ".svg", named.name);
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources");
    QDir().mkpath(out + "/editor");
    bool ok = true;
    for (int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@2x");
        ok &= writeBmp(drawStrip(editorTools(), 32, scale, false),
                       out + "/editor/toolbar" + suffix + ".bmp");
        ok &= writeBmp(drawStrip(editorTools(), 32, scale, true),
                       out + "/editor/toolbar-disabled" + suffix + ".bmp");
    }
    QDir().mkpath(out + "/browser");
    for (int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@2x");
        ok &= writeBmp(drawStrip(browserTools(), 32, scale, false),
                       out + "/browser/toolbar" + suffix + ".bmp");
        ok &= writeBmp(drawStrip(browserTools(), 32, scale, true),
                       out + "/browser/toolbar-disabled" + suffix + ".bmp");
    }
    for (int size : {16, 32, 48, 64, 128, 256})
        ok &= icon(drawBrowserIcon, size)
                  .save(out + QString("/browser/vistarambler-%1.png").arg(size));
    ok &= writeBmp(handle(), out + "/editor/handle.bmp");
    ok &= writeBmp(layerPictures(), out + "/editor/layer-pictures.bmp");
    ok &= writeBmp(swatch(), out + "/editor/swatch.bmp");
    ok &= writeBmp(banner(), out + "/editor/banner.bmp");
    for (int size : {16, 32, 48, 64, 128, 256})
        ok &=
            icon(drawEditorIcon, size).save(out + QString("/editor/pagemontager-%1.png").arg(size));
    ok &= writeDesktopIcons(out);
    return ok ? 0 : 1;
}
