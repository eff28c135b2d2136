#include "editor/model/EffectCatalogue.h"

#include "imaging/ColourAdjustments.h"
#include "imaging/Compositing.h"
#include "imaging/Filters.h"
#include "imaging/RedEye.h"
#include "shared/DibConversion.h"
#include "shared/ImageFile.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace editor {

namespace {

using Kind = EffectParameter::Kind;
using Limit = EffectParameter::Limit;

EffectParameter number(const char* label, int min, int max, int start, int acceptMin,
                       Limit limit = Limit::Fixed) {
    return {Kind::Number, label, min, max, start, 0, min, max, acceptMin, max, start, limit};
}
EffectParameter percent(const char* label) {
    return {Kind::Number, label, 0, 200, 100, 0, 0, 200, 1, 200, 100};
}
EffectParameter offset(const char* label) {
    return {Kind::Number, label, 0, 255, 128, 128, -128, 128, -128, 128, 0};
}
EffectParameter choice(const char* label, std::vector<const char*> buttons,
                       std::vector<const char*> words) {
    const int last = int(buttons.size()) - 1;
    return {Kind::Choice,       label,           0, last, 0, 0, 0, last, 0, last, 0, Limit::Fixed,
            std::move(buttons), std::move(words)};
}
EffectParameter check(const char* label, const char* offWord, const char* onWord) {
    return {Kind::Check, label, 0, 1, 0, 0, 0, 1, 0, 1, 0, Limit::Fixed, {}, {offWord, onWord}};
}
EffectParameter list(const char* label, std::vector<const char*> entries,
                     std::vector<const char*> words) {
    EffectParameter p = choice(label, std::move(entries), std::move(words));
    p.kind = Kind::List;
    return p;
}
EffectParameter colour(const char* label, int rgb) {
    return {Kind::Colour, label, 0, 0xFFFFFF, rgb, 0, 0, 0xFFFFFF, 0, 0xFFFFFF, rgb};
}
EffectParameter onlyWith(EffectParameter p, int parameter, int value) {
    p.onlyWithParameter = parameter;
    p.onlyWithValue = value;
    return p;
}

imaging::ColorRef colorRefOf(int rgb) {
    return imaging::makeColorRef(uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb));
}

void noPreview(imaging::EffectImage&, const EffectValues&, int, const EffectInputs&) {
}

bool brightnessContrast(imaging::EffectImage& p, const EffectValues& v, const EffectInputs&) {
    imaging::brightness(p, v[0]);
    imaging::contrast(p, v[1]);
    return true;
}
// The preview shows only the adjustment just made, each on the plain picture.
void brightnessOrContrast(imaging::EffectImage& p, const EffectValues& v, int changed,
                          const EffectInputs&) {
    if (changed == 0)
        imaging::brightness(p, v[0]);
    else if (changed == 1)
        imaging::contrast(p, v[1]);
}

bool hueSaturation(imaging::EffectImage& p, const EffectValues& v, const EffectInputs&) {
    imaging::hueSaturation(p, v[0], v[1]);
    return true;
}
bool rgb(imaging::EffectImage& p, const EffectValues& v, const EffectInputs&) {
    imaging::rgbOffsets(p, v[0], v[1], v[2]);
    return true;
}
bool shadow(imaging::EffectImage& p, const EffectValues& v, const EffectInputs&) {
    p.toDepth32();
    imaging::shadowOptimize(p, v[0], v[1]);
    return true;
}

bool sharpen(imaging::EffectImage& p, const EffectValues& v, const EffectInputs&) {
    imaging::sharpen(p, v[0]);
    return true;
}
bool emboss(imaging::EffectImage& p, const EffectValues& v, const EffectInputs&) {
    imaging::emboss(p, v[0]);
    return true;
}
bool smooth(imaging::EffectImage& p, const EffectValues& v, const EffectInputs&) {
    imaging::smooth(p, v[0]);
    return true;
}

void windWith(imaging::EffectImage& p, int strength, const EffectValues& v,
              const EffectInputs& inputs) {
    imaging::SeededRandom fallback(1);
    imaging::wind(p, strength, v[1] == 0 ? imaging::WindFrom::Left : imaging::WindFrom::Right,
                  v[2] != 0 ? imaging::WindLength::Even : imaging::WindLength::Random,
                  inputs.random != nullptr ? *inputs.random : fallback);
}
bool wind(imaging::EffectImage& p, const EffectValues& v, const EffectInputs& inputs) {
    windWith(p, v[0], v, inputs);
    return true;
}

// The preview stands for the working picture reduced: block sizes and wind lengths shrink
// with it.
void smoothPreview(imaging::EffectImage& p, const EffectValues& v, int, const EffectInputs& in) {
    imaging::smooth(
        p, EffectCatalogue::smoothPreviewBlock(v[0], in.workingWidth, p.width(), p.height()));
}
void windPreview(imaging::EffectImage& p, const EffectValues& v, int, const EffectInputs& in) {
    windWith(p, EffectCatalogue::windPreviewStrength(v[0], in.workingWidth, p.width()), v, in);
}

// A second picture as the dialogs' OK combines it: read again from its file, at the photo's
// size (stretched, or kept in shape), at 32 bits. Empty when it cannot be read.
imaging::EffectImage secondPictureFor(const imaging::EffectImage& photo, const QString& path,
                                      imaging::EffectImage::Shape shape) {
    imaging::EffectImage second = EffectCatalogue::readPicture(path);
    if (second.isEmpty())
        return second;
    second.resize(photo.width(), photo.height(), shape, imaging::EffectImage::Scaling::Smooth);
    second.toDepth32();
    return second;
}

// The preview's copy of a picture the dialog has read, fitted the same way.
imaging::EffectImage previewPictureFor(const imaging::EffectImage& preview,
                                       const imaging::EffectImage& picture,
                                       imaging::EffectImage::Shape shape) {
    imaging::EffectImage second = picture;
    second.resize(preview.width(), preview.height(), shape, imaging::EffectImage::Scaling::Smooth);
    second.toDepth32();
    return second;
}

void blendWith(imaging::EffectImage& p, const imaging::EffectImage& second, const EffectValues& v) {
    p.toDepth32();
    if (v[0] == 0)
        imaging::mix(p, second, v[1]);
    else
        imaging::combine(p, second,
                         v[0] == 1   ? imaging::Combine::And
                         : v[0] == 2 ? imaging::Combine::Or
                                     : imaging::Combine::Xor);
}
bool alphaBlend(imaging::EffectImage& p, const EffectValues& v, const EffectInputs& in) {
    if (in.pictures.size() != 1)
        return false;
    const imaging::EffectImage second =
        secondPictureFor(p, in.pictures.first(), imaging::EffectImage::Shape::Exact);
    if (second.isEmpty())
        return false;
    blendWith(p, second, v);
    return true;
}
// Stretched as OK stretches it, so that the preview shows what OK will make.
void alphaBlendPreview(imaging::EffectImage& p, const EffectValues& v, int,
                       const EffectInputs& in) {
    if (in.previewPictures != nullptr && !in.previewPictures->empty())
        blendWith(
            p,
            previewPictureFor(p, in.previewPictures->front(), imaging::EffectImage::Shape::Exact),
            v);
}

bool maskWith(imaging::EffectImage& p, const EffectValues& v, const EffectInputs& in) {
    if (in.pictures.size() != 1)
        return false;
    const imaging::EffectImage maskPicture =
        secondPictureFor(p, in.pictures.first(), imaging::EffectImage::Shape::Exact);
    if (maskPicture.isEmpty())
        return false;
    p.toDepth32();
    imaging::mask(p, maskPicture, colorRefOf(v[0]));
    return true;
}
void maskPreview(imaging::EffectImage& p, const EffectValues& v, int, const EffectInputs& in) {
    if (in.previewPictures == nullptr || in.previewPictures->empty())
        return;
    p.toDepth32();
    imaging::mask(
        p, previewPictureFor(p, in.previewPictures->front(), imaging::EffectImage::Shape::Exact),
        colorRefOf(v[0]));
}

// Each picture lightens the base where it is at least as light: the photo, or the first
// picture when the photo was taken off the list.
bool multipleExposure(imaging::EffectImage& p, const EffectValues&, const EffectInputs& in) {
    qsizetype next = 0;
    if (in.photoLeftOut) {
        if (in.pictures.isEmpty())
            return false;
        p = EffectCatalogue::readPicture(in.pictures.first());
        if (p.isEmpty())
            return false;
        next = 1;
    }
    p.toDepth32();
    for (; next < in.pictures.size(); ++next) {
        const imaging::EffectImage picture =
            secondPictureFor(p, in.pictures.at(next), imaging::EffectImage::Shape::KeepAspect);
        if (picture.isEmpty())
            return false;
        imaging::lighten(p, picture);
    }
    return true;
}
void multipleExposurePreview(imaging::EffectImage& p, const EffectValues&, int,
                             const EffectInputs& in) {
    const std::vector<imaging::EffectImage> none;
    const auto& pictures = in.previewPictures != nullptr ? *in.previewPictures : none;
    size_t next = 0;
    if (in.photoLeftOut) {
        if (pictures.empty())
            return;
        p = pictures.front();
        next = 1;
    }
    p.toDepth32();
    for (; next < pictures.size(); ++next)
        imaging::lighten(
            p, previewPictureFor(p, pictures[next], imaging::EffectImage::Shape::KeepAspect));
}

bool redEye(imaging::EffectImage& p, const EffectValues& v, const EffectInputs&) {
    for (size_t i = 0; i + 1 < v.size(); i += 2)
        imaging::repairRedEye(p, v[i], v[i + 1]);
    return true;
}

bool rotateAngle(imaging::EffectImage& p, const EffectValues& v, const EffectInputs&) {
    return imaging::turnByAngle(p, v[0]);
}

bool transparentColour(imaging::EffectImage& p, const EffectValues& v, const EffectInputs&) {
    p.toDepth32();
    imaging::fillRowEnds(p, colorRefOf(v[0]));
    return true;
}

// Every dialog opens on the plain picture; later changes show the whole effect.
template <EffectSpec::Full Full>
void wholeEffect(imaging::EffectImage& p, const EffectValues& v, int changed,
                 const EffectInputs& inputs) {
    if (changed >= 0)
        Full(p, v, inputs);
}
// These dialogs open showing the effect already.
template <EffectSpec::Full Full>
void alwaysEffect(imaging::EffectImage& p, const EffectValues& v, int, const EffectInputs& in) {
    Full(p, v, in);
}

} // namespace

const std::vector<EffectSpec>& EffectCatalogue::all() {
    static const std::vector<EffectSpec> effects{
        {1,
         "brightness-contrast",
         "Brightness/Contrast",
         {percent("Brightness"), percent("Contrast")},
         false,
         brightnessOrContrast,
         brightnessContrast},
        {2,
         "hue-saturation",
         "Hue/Saturation",
         {percent("Hue"), percent("Saturation")},
         false,
         wholeEffect<hueSaturation>,
         hueSaturation},
        {3,
         "rgb",
         "RGB",
         {offset("Red"), offset("Green"), offset("Blue")},
         false,
         wholeEffect<rgb>,
         rgb},
        {10,
         "shadow-optimize",
         "Shadow Optimize",
         {number("Alpha", 0, 100, 1, 0), number("Bright", 0, 100, 50, 0)},
         true,
         wholeEffect<shadow>,
         shadow},
        {4,
         "sharpen",
         "Sharpen",
         {number("Amount", 0, 50, 1, 1)},
         false,
         wholeEffect<sharpen>,
         sharpen},
        {5,
         "smooth",
         "Smooth",
         {number("Block", 2, 0, 5, 1, Limit::SmallerSideLessOne)},
         false,
         smoothPreview,
         smooth},
        {6,
         "emboss",
         "Emboss Style",
         {number("Depth", 1, 100, 2, 2)},
         false,
         alwaysEffect<emboss>,
         emboss},
        {7,
         "wind",
         "Wind Style",
         {number("Strength", 1, 0, 1, 1, Limit::WidthLessTwo),
          choice("Direction", {"From the Left", "From the Right"}, {"left", "right"}),
          check("Smoothly", "plain", "smoothly")},
         false,
         windPreview,
         wind},
        {.comboRow = 9,
         .commandName = "alpha-blend",
         .title = "Alpha Blend",
         .parameters = {list("Mode", {"MIX", "AND", "OR", "XOR"}, {"mix", "and", "or", "xor"}),
                        onlyWith(number("Alpha", 0, 100, 50, 0), 0, 0)},
         .previewIn32Bits = false,
         .preview = alphaBlendPreview,
         .full = alphaBlend,
         .pictures = EffectSpec::Pictures::One,
         .pictureLabel = "Picture:"},
        {.comboRow = 11,
         .commandName = "mask",
         .title = "Mask Image",
         .parameters = {colour("Color:", 0x5812E7)},
         .previewIn32Bits = false,
         .preview = maskPreview,
         .full = maskWith,
         .pictures = EffectSpec::Pictures::One,
         .pictureLabel = "Mask Image:"},
        {.comboRow = 12,
         .commandName = "red-eye",
         .title = "Red Eyes Repair",
         .parameters = {{Kind::Points, "Points", 0, 0, 0, 0, 0, 0, 0, 0, 0}},
         .previewIn32Bits = false,
         .preview = noPreview,
         .full = redEye},
        {.comboRow = 13,
         .commandName = "multiple-exposure",
         .title = "Multiple exposure ",
         .parameters = {},
         .previewIn32Bits = false,
         .preview = multipleExposurePreview,
         .full = multipleExposure,
         .pictures = EffectSpec::Pictures::OneOrMore,
         .previewWidth = 180,
         .previewHeight = 180},
        {.comboRow = 14,
         .commandName = "rotate-angle",
         .title = "Rotate",
         .parameters = {number("Angle", 0, 360, 0, 1)},
         .previewIn32Bits = false,
         .preview = wholeEffect<rotateAngle>,
         .full = rotateAngle,
         .setsPictureSize = true,
         .squarePreview = true},
        {.comboRow = -1,
         .commandName = "transparent",
         .title = "Transparent color",
         .parameters = {colour("Current color:", 0x5812E7)},
         .previewIn32Bits = false,
         .preview = noPreview,
         .full = transparentColour},
        {-1,
         "mirror",
         nullptr,
         {},
         false,
         noPreview,
         [](imaging::EffectImage& p, const EffectValues&, const EffectInputs&) {
             p.mirror();
             return true;
         }},
        {-1,
         "rotate",
         nullptr,
         {},
         false,
         noPreview,
         [](imaging::EffectImage& p, const EffectValues&, const EffectInputs&) {
             p.turnClockwise();
             return true;
         }},
    };
    return effects;
}

const EffectSpec* EffectCatalogue::forComboRow(int row) {
    for (const EffectSpec& e : all())
        if (e.comboRow == row && row >= 0)
            return &e;
    return nullptr;
}

const EffectSpec* EffectCatalogue::forCommandName(const QString& name) {
    for (const EffectSpec& e : all())
        if (name == QLatin1String(e.commandName))
            return &e;
    return nullptr;
}

EffectParameter EffectParameter::limitedTo(int width, int height) const {
    EffectParameter p = *this;
    if (limit == Limit::Fixed)
        return p;
    const int max = limit == Limit::SmallerSideLessOne ? std::min(width, height) - 1 : width - 2;
    p.sliderMax = p.exchangeMax = p.acceptMax = max;
    // Within the range where there is one; the slider's least where there is none.
    p.sliderStart = std::max(std::min(sliderStart, max), sliderMin);
    p.defaultValue = p.sliderStart - sliderOffset;
    return p;
}

int EffectParameter::valueOfWord(const QString& word) const {
    for (size_t i = 0; i < words.size(); ++i)
        if (word == QLatin1String(words[i]))
            return int(i);
    return -1;
}

std::vector<EffectParameter> EffectSpec::parametersFor(int width, int height) const {
    std::vector<EffectParameter> limited;
    for (const EffectParameter& p : parameters)
        limited.push_back(p.limitedTo(width, height));
    return limited;
}

bool EffectSpec::fits(int width, int height) const {
    const auto limited = parametersFor(width, height);
    return std::all_of(limited.begin(), limited.end(),
                       [](const EffectParameter& p) { return p.hasValues(); });
}

int EffectCatalogue::smoothPreviewBlock(int value, int workingWidth, int width, int height) {
    const int scale = width > 0 ? std::max(workingWidth / width, 1) : 1;
    return std::min(std::max(value / scale, 2), std::min(width, height) - 1);
}

imaging::EffectImage EffectCatalogue::readPicture(const QString& path) {
    const quillax::DecodedImage decoded =
        quillax::ImageFile::decode(path, quillax::imageTypeFromName(path));
    if (!decoded.isValid())
        return {};
    return imaging::EffectImage(quillax::fromQImage(decoded.image, 32));
}

int EffectCatalogue::windPreviewStrength(int value, int workingWidth, int width) {
    if (workingWidth <= 0)
        return 1;
    const int64_t scaled = int64_t(value) * width / workingWidth;
    return int(std::max<int64_t>(std::min<int64_t>(width - 2, scaled), 1));
}

namespace {

// "X,Y[,X,Y...]": each a pixel of the picture.
const EffectSpec* parsePoints(const EffectSpec& effect, const QString& list, int width, int height,
                              EffectValues& values, QString& problem) {
    values.clear();
    const QStringList given = list.split(',', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < given.size(); ++i) {
        bool ok = false;
        const int v = given[i].trimmed().toInt(&ok);
        const int extent = i % 2 == 0 ? width : height;
        if (!ok || v < 0 || v >= extent) {
            problem = QStringLiteral("%1: each point must lie in the %2 x %3 picture")
                          .arg(effect.commandName)
                          .arg(width)
                          .arg(height);
            return nullptr;
        }
        values.push_back(v);
    }
    if (!effect.takesValueCount(values.size())) {
        problem = QStringLiteral("%1 takes one or more points X,Y").arg(effect.commandName);
        return nullptr;
    }
    return &effect;
}

} // namespace

const EffectSpec* EffectCatalogue::parse(const QString& argument, int width, int height,
                                         EffectValues& values, QString& problem) {
    const qsizetype colon = argument.indexOf(':');
    const QString name = colon < 0 ? argument : argument.left(colon);
    const EffectSpec* effect = forCommandName(name);
    if (effect == nullptr) {
        problem = QStringLiteral("unknown effect \"%1\"").arg(name);
        return nullptr;
    }
    const std::vector<EffectParameter> parameters = effect->parametersFor(width, height);
    values.clear();
    for (const EffectParameter& p : parameters)
        values.push_back(p.defaultValue);
    if (!effect->fits(width, height)) {
        problem = QStringLiteral("%1 needs a larger picture than %2 x %3")
                      .arg(name)
                      .arg(width)
                      .arg(height);
        return nullptr;
    }
    if (effect->takesPoints())
        return parsePoints(*effect, colon < 0 ? QString() : argument.mid(colon + 1), width, height,
                           values, problem);
    if (colon < 0)
        return effect;
    const QStringList given = argument.mid(colon + 1).split(',');
    qsizetype next = 0;
    auto takes = [&] {
        return std::count_if(parameters.begin(), parameters.end(),
                             [&](const EffectParameter& p) { return p.isTakenWith(values); });
    };
    for (size_t i = 0; i < values.size(); ++i) {
        const EffectParameter& p = parameters[i];
        if (!p.isTakenWith(values))
            continue;
        if (next == given.size())
            break;
        const QString text = given[next++].trimmed();
        const QString label = QString::fromLatin1(p.label).remove(':').toLower();
        if (!p.words.empty()) {
            values[i] = p.valueOfWord(text);
            if (values[i] < 0) {
                problem =
                    QStringLiteral("%1 of %2 must be one of: %3")
                        .arg(label, name, QStringList(p.words.begin(), p.words.end()).join(", "));
                return nullptr;
            }
            continue;
        }
        bool ok = false;
        if (p.kind == EffectParameter::Kind::Colour) {
            static const QRegularExpression sixHexDigits(QStringLiteral("^[0-9A-Fa-f]{6}$"));
            values[i] = text.toInt(&ok, 16);
            if (!sixHexDigits.match(text).hasMatch()) {
                problem = QStringLiteral("%1 of %2 must be six hexadecimal digits, RRGGBB")
                              .arg(label, name);
                return nullptr;
            }
            continue;
        }
        const int v = text.toInt(&ok);
        if (!ok || v < p.exchangeMin || v > p.exchangeMax) {
            problem = QStringLiteral("%1 of %2 must be a whole number from %3 to %4")
                          .arg(label, name)
                          .arg(p.exchangeMin)
                          .arg(p.exchangeMax);
            return nullptr;
        }
        values[i] = v;
    }
    if (given.size() != takes()) {
        problem = (takes() == 1 ? QStringLiteral("%1 takes %2 value")
                                : QStringLiteral("%1 takes %2 values"))
                      .arg(name)
                      .arg(takes());
        return nullptr;
    }
    return effect;
}

} // namespace editor
