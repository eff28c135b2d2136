#include "editor/model/EffectCatalogue.h"

#include "imaging/ColourAdjustments.h"
#include "imaging/Filters.h"

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

void noPreview(imaging::EffectImage&, const EffectValues&, int, const EffectInputs&) {
}

void brightnessContrast(imaging::EffectImage& p, const EffectValues& v, const EffectInputs&) {
    imaging::brightness(p, v[0]);
    imaging::contrast(p, v[1]);
}
// The preview shows only the adjustment just made, each on the plain picture.
void brightnessOrContrast(imaging::EffectImage& p, const EffectValues& v, int changed,
                          const EffectInputs&) {
    if (changed == 0)
        imaging::brightness(p, v[0]);
    else if (changed == 1)
        imaging::contrast(p, v[1]);
}

void hueSaturation(imaging::EffectImage& p, const EffectValues& v, const EffectInputs&) {
    imaging::hueSaturation(p, v[0], v[1]);
}
void rgb(imaging::EffectImage& p, const EffectValues& v, const EffectInputs&) {
    imaging::rgbOffsets(p, v[0], v[1], v[2]);
}
void shadow(imaging::EffectImage& p, const EffectValues& v, const EffectInputs&) {
    p.toDepth32();
    imaging::shadowOptimize(p, v[0], v[1]);
}

void sharpen(imaging::EffectImage& p, const EffectValues& v, const EffectInputs&) {
    imaging::sharpen(p, v[0]);
}
void emboss(imaging::EffectImage& p, const EffectValues& v, const EffectInputs&) {
    imaging::emboss(p, v[0]);
}
void smooth(imaging::EffectImage& p, const EffectValues& v, const EffectInputs&) {
    imaging::smooth(p, v[0]);
}

void windWith(imaging::EffectImage& p, int strength, const EffectValues& v,
              const EffectInputs& inputs) {
    imaging::SeededRandom fallback(1);
    imaging::wind(p, strength, v[1] == 0 ? imaging::WindFrom::Left : imaging::WindFrom::Right,
                  v[2] != 0 ? imaging::WindLength::Even : imaging::WindLength::Random,
                  inputs.random != nullptr ? *inputs.random : fallback);
}
void wind(imaging::EffectImage& p, const EffectValues& v, const EffectInputs& inputs) {
    windWith(p, v[0], v, inputs);
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
        {-1,
         "mirror",
         nullptr,
         {},
         false,
         noPreview,
         [](imaging::EffectImage& p, const EffectValues&, const EffectInputs&) { p.mirror(); }},
        {-1,
         "rotate",
         nullptr,
         {},
         false,
         noPreview,
         [](imaging::EffectImage& p, const EffectValues&, const EffectInputs&) {
             p.turnClockwise();
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

int EffectCatalogue::windPreviewStrength(int value, int workingWidth, int width) {
    if (workingWidth <= 0)
        return 1;
    const int64_t scaled = int64_t(value) * width / workingWidth;
    return int(std::max<int64_t>(std::min<int64_t>(width - 2, scaled), 1));
}

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
    if (colon < 0)
        return effect;
    const QStringList given = argument.mid(colon + 1).split(',');
    if (given.size() != qsizetype(parameters.size())) {
        problem = QStringLiteral("%1 takes %2 values").arg(name).arg(parameters.size());
        return nullptr;
    }
    for (size_t i = 0; i < values.size(); ++i) {
        const EffectParameter& p = parameters[i];
        const QString text = given[qsizetype(i)].trimmed();
        if (!p.words.empty()) {
            values[i] = p.valueOfWord(text);
            if (values[i] < 0) {
                problem = QStringLiteral("%1 of %2 must be one of: %3")
                              .arg(QString::fromLatin1(p.label).toLower(), name,
                                   QStringList(p.words.begin(), p.words.end()).join(", "));
                return nullptr;
            }
            continue;
        }
        bool ok = false;
        const int v = text.toInt(&ok);
        if (!ok || v < p.exchangeMin || v > p.exchangeMax) {
            problem = QStringLiteral("%1 of %2 must be a whole number from %3 to %4")
                          .arg(QString::fromLatin1(p.label).toLower(), name)
                          .arg(p.exchangeMin)
                          .arg(p.exchangeMax);
            return nullptr;
        }
        values[i] = v;
    }
    return effect;
}

} // namespace editor
