#pragma once
#include "imaging/EffectImage.h"
#include "imaging/RandomSource.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace editor {

// One thing an effect takes, as its dialog and the command line offer it: a number with a
// slider and an edit, a choice of radio buttons or of a list, a check box, or a colour with
// its swatch. Choices and check boxes hold the index of the entry chosen, 0 or 1; colours
// hold 0xRRGGBB, which the command line writes as six hexadecimal digits. Points are a list
// of x, y pairs in the full-size picture, as many as the user clicked.
struct EffectParameter {
    enum class Kind { Number, Choice, Check, List, Colour, Points };
    // What the largest number is measured on: fixed, or the picture the effect is given.
    enum class Limit { Fixed, SmallerSideLessOne, WidthLessTwo };

    Kind kind;
    const char* label; // of the number, the radio group or the check box
    int sliderMin, sliderMax, sliderStart;
    int sliderOffset;             // the value is the slider position minus this
    int exchangeMin, exchangeMax; // what the dialog and the command line accept at all
    int acceptMin, acceptMax;     // what a typed value must lie in to be taken
    int defaultValue;
    Limit limit = Limit::Fixed;
    // Choices: the buttons' labels and the command line's words, in the order of their
    // values. Check boxes: the command line's words for off and on.
    std::vector<const char*> buttons = {};
    std::vector<const char*> words = {};
    // Taken only while parameter `onlyWithParameter` has the value `onlyWithValue` (the alpha
    // of a mix); otherwise its control is greyed and the command line leaves it out.
    int onlyWithParameter = -1;
    int onlyWithValue = 0;

    // With a picture-measured limit, the ranges end there, and the start and the default
    // are kept within them.
    EffectParameter limitedTo(int width, int height) const;
    bool hasValues() const { return sliderMin <= sliderMax; }
    bool isTakenWith(const std::vector<int>& values) const {
        return onlyWithParameter < 0 || values.at(size_t(onlyWithParameter)) == onlyWithValue;
    }
    // The value the command line's word names; -1 for a word not in the list.
    int valueOfWord(const QString& word) const;
};

using EffectValues = std::vector<int>;

// What an effect may use besides its values.
struct EffectInputs {
    // Where random choices come from; without one, wind repeats the lengths of seed 1.
    imaging::RandomSource* random = nullptr;
    // The width of the layer's working picture, which a preview stands for reduced.
    int workingWidth = 0;
    // The pictures the effect combines with the photo, as files, read when it is applied...
    QStringList pictures = {};
    // ...and as the dialog has read them, fitted to its preview, for the preview.
    const std::vector<imaging::EffectImage>* previewPictures = nullptr;
    // The photo itself was taken off the list of a multiple exposure: the first picture is
    // the base the others lighten.
    bool photoLeftOut = false;
};

// An effect that changes a photo's pixels: its combo row, its command-line name, its
// dialog's title and controls, and what it does to the preview and to the full-size picture.
struct EffectSpec {
    using Preview = void (*)(imaging::EffectImage& picture, const EffectValues& values, int changed,
                             const EffectInputs& inputs);
    // False when there was nothing to apply it with (a second picture that cannot be read) or
    // its result could not be made; the picture may then be half changed and is not kept.
    using Full = bool (*)(imaging::EffectImage& picture, const EffectValues& values,
                          const EffectInputs& inputs);
    enum class Pictures { None, One, OneOrMore };

    int comboRow; // -1: not chosen from the combo
    const char* commandName;
    const char* title; // of its dialog; null for effects that have none
    std::vector<EffectParameter> parameters;
    bool previewIn32Bits;
    // The preview after control `changed` (-1: at the start) was set to these values.
    Preview preview;
    // At full size, on a 24-bit picture, when the effect is accepted.
    Full full;
    // The other pictures it combines with the photo, and what the dialog calls the first.
    Pictures pictures = Pictures::None;
    const char* pictureLabel = nullptr;
    // The result's size becomes the layer's picture size (a turn by any angle grows it).
    bool setsPictureSize = false;
    // The box the dialog's preview is fitted into; a square one is 200, 220 or 240 pixels a
    // side as the photo is upright, nearly square or wide, with room for the turned picture.
    int previewWidth = 240;
    int previewHeight = 180;
    bool squarePreview = false;

    // The parameters with their limits measured on a picture of width x height.
    std::vector<EffectParameter> parametersFor(int width, int height) const;
    // Whether every number has a value on such a picture; the effect is greyed where not.
    bool fits(int width, int height) const;
    bool takesPoints() const {
        return parameters.size() == 1 && parameters.front().kind == EffectParameter::Kind::Points;
    }
    // Whether `count` values are what it takes: one a parameter, or one or more pairs.
    bool takesValueCount(size_t count) const {
        return takesPoints() ? count > 0 && count % 2 == 0 : count == parameters.size();
    }
};

class EffectCatalogue {
  public:
    static const std::vector<EffectSpec>& all();
    static const EffectSpec* forComboRow(int row);
    static const EffectSpec* forCommandName(const QString& name);

    // "NAME" or "NAME:P1,P2,...", for a picture of width x height: the effect and its values,
    // each a number within the range the dialog accepts or a word of its list; the defaults
    // where no values are given. Null, with `problem` said, for an unknown name, a missing or
    // extra value, or one out of range.
    static const EffectSpec* parse(const QString& argument, int width, int height,
                                   EffectValues& values, QString& problem);

    // The block size a preview of width x height smooths with for `value` on a working
    // picture `workingWidth` wide: shrunk by the whole times the preview is smaller, at
    // least 2, and no more than the preview's smaller side less one.
    static int smoothPreviewBlock(int value, int workingWidth, int width, int height);
    // The wind length a preview `width` wide shows for `value`: scaled down with the preview,
    // no more than its width less two, and at least 1 so that the preview shows the wind OK
    // will apply.
    static int windPreviewStrength(int value, int workingWidth, int width);

    // A picture to combine with a photo, at 32 bits; empty when the file cannot be read.
    static imaging::EffectImage readPicture(const QString& path);
};

} // namespace editor
