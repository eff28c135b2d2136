#pragma once
#include "imaging/EffectImage.h"

#include <QString>
#include <vector>

namespace editor {

// One number an effect takes, as its dialog and the command line offer it.
struct EffectParameter {
    const char* label;
    int sliderMin, sliderMax, sliderStart;
    int sliderOffset;             // the value is the slider position minus this
    int exchangeMin, exchangeMax; // what the dialog and the command line accept at all
    int acceptMin, acceptMax;     // what a typed value must lie in to be taken
    int defaultValue;
};

using EffectValues = std::vector<int>;

// An effect that changes a photo's pixels: its combo row, its command-line name, its
// dialog's title and numbers, and what it does to the preview and to the full-size picture.
struct EffectSpec {
    int comboRow; // -1: not chosen from the combo
    const char* commandName;
    const char* title; // of its dialog; null for effects that have none
    std::vector<EffectParameter> parameters;
    bool previewIn32Bits;
    // The preview after control `changed` (-1: at the start) was set to these values.
    void (*preview)(imaging::EffectImage& picture, const EffectValues& values, int changed);
    // At full size, on a 24-bit picture, when the effect is accepted.
    void (*full)(imaging::EffectImage& picture, const EffectValues& values);
};

class EffectCatalogue {
  public:
    static const std::vector<EffectSpec>& all();
    static const EffectSpec* forComboRow(int row);
    static const EffectSpec* forCommandName(const QString& name);

    // "NAME" or "NAME:P1,P2,...": the effect and its values, each within the range the
    // dialog accepts; the defaults where no values are given. Null, with `problem` said,
    // for an unknown name or a bad value.
    static const EffectSpec* parse(const QString& argument, EffectValues& values, QString& problem);
};

} // namespace editor
