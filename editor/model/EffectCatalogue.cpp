#include "editor/model/EffectCatalogue.h"

#include "imaging/ColourAdjustments.h"

#include <QStringList>

namespace editor {

namespace {

constexpr EffectParameter percent(const char* label) {
    return {label, 0, 200, 100, 0, 0, 200, 1, 200, 100};
}
constexpr EffectParameter offset(const char* label) {
    return {label, 0, 255, 128, 128, -128, 128, -128, 128, 0};
}

void noPreview(imaging::EffectImage&, const EffectValues&, int) {
}

void brightnessContrast(imaging::EffectImage& p, const EffectValues& v) {
    imaging::brightness(p, v[0]);
    imaging::contrast(p, v[1]);
}
// The preview shows only the adjustment just made, each on the plain picture.
void brightnessOrContrast(imaging::EffectImage& p, const EffectValues& v, int changed) {
    if (changed == 0)
        imaging::brightness(p, v[0]);
    else if (changed == 1)
        imaging::contrast(p, v[1]);
}

void hueSaturation(imaging::EffectImage& p, const EffectValues& v) {
    imaging::hueSaturation(p, v[0], v[1]);
}
void rgb(imaging::EffectImage& p, const EffectValues& v) {
    imaging::rgbOffsets(p, v[0], v[1], v[2]);
}
void shadow(imaging::EffectImage& p, const EffectValues& v) {
    p.toDepth32();
    imaging::shadowOptimize(p, v[0], v[1]);
}

// Every dialog opens on the plain picture; later changes show the whole effect.
template <void (*Full)(imaging::EffectImage&, const EffectValues&)>
void wholeEffect(imaging::EffectImage& p, const EffectValues& v, int changed) {
    if (changed >= 0)
        Full(p, v);
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
         {{"Alpha", 0, 100, 1, 0, 0, 100, 0, 100, 1},
          {"Bright", 0, 100, 50, 0, 0, 100, 0, 100, 50}},
         true,
         wholeEffect<shadow>,
         shadow},
        {-1,
         "mirror",
         nullptr,
         {},
         false,
         noPreview,
         [](imaging::EffectImage& p, const EffectValues&) { p.mirror(); }},
        {-1,
         "rotate",
         nullptr,
         {},
         false,
         noPreview,
         [](imaging::EffectImage& p, const EffectValues&) { p.turnClockwise(); }},
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

const EffectSpec* EffectCatalogue::parse(const QString& argument, EffectValues& values,
                                         QString& problem) {
    const qsizetype colon = argument.indexOf(':');
    const QString name = colon < 0 ? argument : argument.left(colon);
    const EffectSpec* effect = forCommandName(name);
    if (effect == nullptr) {
        problem = QStringLiteral("unknown effect \"%1\"").arg(name);
        return nullptr;
    }
    values.clear();
    for (const EffectParameter& p : effect->parameters)
        values.push_back(p.defaultValue);
    if (colon < 0)
        return effect;
    const QStringList given = argument.mid(colon + 1).split(',');
    if (given.size() != qsizetype(effect->parameters.size())) {
        problem = QStringLiteral("%1 takes %2 values").arg(name).arg(effect->parameters.size());
        return nullptr;
    }
    for (size_t i = 0; i < values.size(); ++i) {
        const EffectParameter& p = effect->parameters[i];
        bool ok = false;
        const int v = given[qsizetype(i)].trimmed().toInt(&ok);
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
