#include "editor/model/EffectCatalogue.h"
#include "editor/model/PageComposer.h"
#include "editor/model/PageDocument.h"
#include "editor/model/PaperTable.h"
#include "editor/ui/BrowserHandOff.h"
#include "editor/ui/EditorMainDialog.h"
#include "editor/ui/ProjectCommands.h"
#include "editor/ui/QtCaptionDrawer.h"
#include "editor/ui/QtPrintService.h"
#include "imaging/BmpFile.h"
#include "imaging/DibImage.h"
#include "shared/DibConversion.h"
#include "shared/ImageFile.h"
#include "shared/PeerLink.h"
#include "shared/QtPrompts.h"
#include "shared/Settings.h"

#include <QApplication>
#include <QFileInfo>
#include <QScreen>
#include <QTimer>
#include <cstdio>

namespace {

const char kUsage[] =
    "Usage: PageMontager [PROJECT.lyj | PHOTO ...]\n"
    "       PageMontager --export OUT PROJECT.lyj\n"
    "       PageMontager --effect NAME[:P1,P2,...] [--with FILE]... [--seed N] IN OUT\n"
    "\n"
    "  PROJECT.lyj           open the project\n"
    "  PHOTO ...             add the pictures to a new project\n"
    "  --export OUT PROJECT  compose the project's page and save it as OUT, in the format\n"
    "                        of OUT's ending (bmp, gif, jpg, png, ico, tif, pcx, tga),\n"
    "                        without showing a window; exit code 0 when OUT was written\n"
    "  --effect NAME[:P,...] IN OUT\n"
    "                        apply one effect to the picture IN at full size and write OUT\n"
    "                        as a 24-bit BMP, without showing a window; exit code 0 when\n"
    "                        OUT was written. Without values an effect takes its defaults:\n"
    "                          brightness-contrast:B,C   percent, 0..200 (100 keeps)\n"
    "                          hue-saturation:H,S        percent, 0..200 (100 keeps)\n"
    "                          rgb:R,G,B                 offsets, -128..128 (0 keeps)\n"
    "                          shadow-optimize:A,T       alpha and bright percent, 0..100\n"
    "                          sharpen:A                 amount, 0..50 (0 keeps)\n"
    "                          emboss:K                  strength, 1..100\n"
    "                          smooth:N                  box size, 2..the smaller side - 1\n"
    "                          wind:S,left|right,smoothly|plain\n"
    "                                                    length, 1..the width - 2\n"
    "                          alpha-blend:mix,A         mix with --with FILE, alpha 0..100\n"
    "                          alpha-blend:and|or|xor    combine with --with FILE\n"
    "                          mask:RRGGBB               paint the colour where the --with\n"
    "                                                    mask is dark\n"
    "                          multiple-exposure         lighten with each --with FILE\n"
    "                          red-eye:X,Y[,X,Y...]      repair the red eye clicked at each\n"
    "                                                    point of IN, in order\n"
    "                          rotate-angle:D            turn by D degrees clockwise, 0..360\n"
    "                          transparent:RRGGBB        snap the background near the colour\n"
    "                                                    at the row ends to it\n"
    "                          mirror                    left to right\n"
    "                          rotate                    a quarter turn clockwise\n"
    "    --with FILE         a second picture, for the effects that combine pictures\n"
    "    --seed N            where random choices start (plain wind); 1 by default, and\n"
    "                        the same seed gives the same picture\n"
    "  --help                show this text\n";

// The page of a project as an image file, with no window: for scripts that make albums.
int exportProject(const QString& out, const QString& projectPath) {
    editor::QtPrintService printer;
    editor::QtCaptionDrawer drawer;
    editor::PageDocument document;
    document.setCaptionDrawer(&drawer);
    // The paper rows mean what they mean in the window: the printer's forms when there is one.
    const editor::PaperChoice papers = editor::ProjectCommands::paperChoice(printer);
    document.setPaperList(printer.platformKind(), papers.paperIndex, papers.shownRow,
                          int(papers.names.size()));
    document.setUpFolders(quillax::Settings::installFolder());
    const QString problem =
        document.openProject(projectPath, editor::ProjectCommands::paperSizes(document, printer))
            .message;
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "PageMontager: %s\n", qPrintable(problem));
        return 1;
    }
    const auto page = document.composePage(editor::PageDocument::PageTurn::AsShown);
    if (!page) {
        std::fprintf(stderr,
                     "PageMontager: %s has no page to export (no layers, or a photo "
                     "file is missing)\n",
                     qPrintable(projectPath));
        return 1;
    }
    const quillax::ImageFormat format = quillax::imageTypeFromName(out);
    if (format == quillax::kUnknownFormat ||
        !quillax::ImageFile::save(quillax::toQImage(*page), out, format)) {
        std::fprintf(stderr, "PageMontager: could not write %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}

// The command line of --effect: the effect, its second pictures and seed, and the two files.
struct EffectCommand {
    QString effect; // NAME[:P1,P2,...]
    QStringList with;
    uint32_t seed = 1;
    QString in, out;
};

// "NAME[:P,...] [--with FILE]... [--seed N] IN OUT"; false for anything else.
bool parseEffectCommand(const QStringList& arguments, EffectCommand& command) {
    if (arguments.size() < 3)
        return false;
    command.effect = arguments.first();
    qsizetype i = 1;
    for (; i + 2 < arguments.size(); i += 2) {
        const QString& option = arguments.at(i);
        if (option == QLatin1String("--with")) {
            command.with.append(arguments.at(i + 1));
        } else if (option == QLatin1String("--seed")) {
            bool ok = false;
            command.seed = arguments.at(i + 1).toUInt(&ok);
            if (!ok)
                return false;
        } else {
            return false;
        }
    }
    if (i + 2 != arguments.size())
        return false;
    command.in = arguments.at(i);
    command.out = arguments.at(i + 1);
    return true;
}

// What is wrong with the --with pictures given for `effect`; empty when nothing is.
QString picturesProblem(const editor::EffectSpec& effect, const QStringList& with) {
    using Pictures = editor::EffectSpec::Pictures;
    const QString name = QString::fromLatin1(effect.commandName);
    if (effect.pictures == Pictures::None && !with.isEmpty())
        return QStringLiteral("%1 combines no second picture: leave out --with").arg(name);
    if (effect.pictures == Pictures::One && with.size() != 1)
        return QStringLiteral("%1 takes one picture with --with").arg(name);
    if (effect.pictures == Pictures::OneOrMore && with.isEmpty())
        return QStringLiteral("%1 takes one or more pictures with --with").arg(name);
    for (const QString& path : with)
        if (!quillax::ImageFile::info(path, quillax::imageTypeFromName(path)).isValid())
            return QStringLiteral("cannot read %1 as a picture").arg(path);
    return {};
}

// One effect on one picture file, with no window: for batch work and for checks.
int applyEffect(const EffectCommand& command) {
    const quillax::DecodedImage decoded =
        quillax::ImageFile::decode(command.in, quillax::imageTypeFromName(command.in));
    imaging::EffectImage picture(quillax::fromQImage(decoded.image, 24));
    if (picture.isEmpty()) {
        std::fprintf(stderr, "PageMontager: cannot read %s as a picture\n", qPrintable(command.in));
        return 1;
    }
    editor::EffectValues values;
    QString problem;
    const editor::EffectSpec* effect = editor::EffectCatalogue::parse(
        command.effect, picture.width(), picture.height(), values, problem);
    if (effect != nullptr)
        problem = picturesProblem(*effect, command.with);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "PageMontager: %s\n", qPrintable(problem));
        return 2;
    }
    imaging::SeededRandom random(command.seed);
    editor::EffectInputs inputs{&random, 0};
    inputs.pictures = command.with;
    if (!effect->full(picture, values, inputs)) {
        std::fprintf(stderr,
                     "PageMontager: %s could not be applied: a --with picture cannot be "
                     "read, or the result would be too large\n",
                     effect->commandName);
        return 1;
    }
    picture.toDepth24();
    if (!imaging::saveAsBmp(picture, command.out.toStdString())) {
        std::fprintf(stderr, "PageMontager: could not write %s\n", qPrintable(command.out));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const bool exporting = argc > 1 && qstrcmp(argv[1], "--export") == 0;
    const bool effecting = argc > 1 && qstrcmp(argv[1], "--effect") == 0;
    // These draw into pictures only; they need no display, and work where there is none.
    if ((exporting || effecting) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // No display name: the window caption must read exactly as the editor writes it.
    QApplication::setApplicationName("Pagemontager");
    QApplication::setOrganizationName("Quillax");
    // The desktop groups the windows under the menu entry, with its icon.
    QGuiApplication::setDesktopFileName("quillax-pagemontager");
    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.contains("--help") || arguments.contains("-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (exporting) {
        if (arguments.size() != 3) {
            std::fputs(kUsage, stderr);
            return 2;
        }
        return exportProject(arguments.at(1), arguments.at(2));
    }
    if (effecting) {
        EffectCommand command;
        if (!parseEffectCommand(arguments.mid(1), command)) {
            std::fputs(kUsage, stderr);
            return 2;
        }
        return applyEffect(command);
    }
    if (const QScreen* screen = QApplication::primaryScreen())
        imaging::DibImage::setDisplayMetrics(screen->size().width(), screen->size().height(),
                                             screen->depth());

    // A project opened from the file manager while an editor runs opens in that editor.
    if (arguments.size() == 1 && arguments.at(0).endsWith(".lyj", Qt::CaseInsensitive) &&
        quillax::PeerLink::askPeerToOpen(
            quillax::PeerLink::editorName(), quillax::PeerLink::kEditorValue,
            quillax::Settings::installFolder(), QFileInfo(arguments.at(0)).absoluteFilePath()))
        return 0;

    quillax::QtPrompts prompts;
    editor::QtPrintService printer;
    editor::EditorMainDialog window({prompts, printer});
    prompts.setParent(&window);
    QApplication::setWindowIcon(window.windowIcon()); // message boxes and dialogs too
    window.show();
    // A project, as a file manager's "Open with" passes it; else pictures to add.
    if (arguments.size() == 1 && arguments.at(0).endsWith(".lyj", Qt::CaseInsensitive)) {
        QTimer::singleShot(0, &window, [&window, &prompts, path = arguments.at(0)] {
            const QString problem = window.openProjectFile(path);
            if (!problem.isEmpty())
                prompts.message(problem);
        });
    } else if (!arguments.isEmpty()) {
        window.addPhotosLater(arguments);
    }
    // Started by the browser's "To editor", the queue is taken at once: a desktop need not
    // activate a window it did not open itself.
    QTimer::singleShot(0, &window, [&window] { window.browserHandOff().importQueue(); });
    return app.exec();
}
