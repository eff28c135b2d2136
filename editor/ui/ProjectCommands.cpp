#include "editor/ui/ProjectCommands.h"

#include "editor/model/PaperTable.h"
#include "editor/ui/PrintService.h"
#include "shared/Prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>

namespace editor {

ProjectCommands::ProjectCommands(PageDocument& document, quillax::Prompts& prompts,
                                 PrintService& printer, QObject* parent)
    : QObject(parent), document_(document), prompts_(prompts), printer_(printer) {
}

QString ProjectCommands::filter() {
    return QStringLiteral("Pagemontager project(*.lyj)");
}

PaperChoice ProjectCommands::paperChoice(const PrintService& printer) {
    const bool hasPrinter = printer.hasDefaultPrinter();
    return PaperTable::choose(hasPrinter, printer.platformKind(),
                              hasPrinter ? printer.formNames() : QStringList(),
                              hasPrinter ? printer.defaultFormIndex() : -1);
}

PageDocument::PaperSize ProjectCommands::paperSizes(const PageDocument& document,
                                                    const PrintService& printer) {
    // Without a printer the built-in papers stand in, so the project still opens whole.
    return [index = document.project().paperIndex, &printer](int row) {
        return printer.paperSize(index, row);
    };
}

QString ProjectCommands::startFolder() const {
    // The folder of the project shown, else the user's documents: never the program's own
    // folder, where the temporary project lives.
    if (!document_.project().isTemporary())
        return document_.project().projectFileFolder;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

bool ProjectCommands::say(const QString& problem) {
    if (!problem.isEmpty())
        prompts_.message(problem);
    return problem.isEmpty();
}

bool ProjectCommands::mayDiscard() {
    if (!document_.isModified())
        return true;
    switch (prompts_.askYesNoCancel(tr("Save current project?"))) {
    case quillax::Prompts::Answer::Yes:
        return saveProject(); // a cancelled or failed save keeps the work, and stops the caller
    case quillax::Prompts::Answer::No:
        return true;
    case quillax::Prompts::Answer::Cancel:
        break;
    }
    return false;
}

void ProjectCommands::newProject() {
    if (mayDiscard())
        document_.newProject();
}

void ProjectCommands::openProject() {
    if (!mayDiscard())
        return;
    const QString path = prompts_.openFile(tr("Open Project"), startFolder(), filter());
    if (path.isNull())
        return;
    if (path.isEmpty()) {
        say(tr("Project name error!"));
        return;
    }
    say(openProjectFile(path));
}

QString ProjectCommands::openProjectFile(const QString& path) {
    const PageDocument::Opened result =
        document_.openProject(path, paperSizes(document_, printer_));
    // A project that opened, if with a photo missing, is one to come back to; a file that was
    // refused is not.
    if (result.opened)
        recent_.add(path);
    return result.message;
}

void ProjectCommands::openRecent(const QString& path) {
    if (mayDiscard())
        say(openProjectFile(path));
}

bool ProjectCommands::saveProject() {
    if (document_.stack().isEmpty())
        return say(tr("Please add your photo first!"));
    if (document_.project().isTemporary())
        return saveProjectAs();
    return say(document_.saveProject());
}

bool ProjectCommands::saveProjectAs() {
    if (document_.stack().isEmpty())
        return say(tr("Please add your photo first!"));
    const QString path = prompts_.saveFile(tr("Save Project"), startFolder(), filter(), "lyj",
                                           quillax::Prompts::Overwrite::CallerAsks);
    if (path.isNull())
        return false;
    if (path.isEmpty())
        return say(tr("Project name error!"));
    // Another project of that name loses its file and its photos: asked here, where the
    // chooser would only have asked about the file.
    if (document_.wouldReplaceAProject(path) &&
        !prompts_.askYesNo(tr("%1 already exists. Replace it?").arg(QFileInfo(path).fileName())))
        return false;
    if (!say(document_.saveProjectAs(path)))
        return false;
    recent_.add(document_.project().projectFile());
    return true;
}

void ProjectCommands::addRecentMenu(QMenu& file, QAction* before) {
    auto* recent = new QMenu(tr("Open &Recent"), &file);
    recent->setObjectName("menuOpenRecent");
    file.insertMenu(before, recent);
    connect(recent, &QMenu::aboutToShow, this, [this, recent] {
        recent->clear();
        for (const QString& path : recent_.paths()) {
            QAction* open = recent->addAction(QDir::toNativeSeparators(path));
            open->setEnabled(QFileInfo(path).isFile());
            connect(open, &QAction::triggered, this, [this, path] { openRecent(path); });
        }
        if (recent->isEmpty())
            recent->addAction(tr("No projects yet"))->setEnabled(false);
    });
}

} // namespace editor
