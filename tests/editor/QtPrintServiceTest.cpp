// The print service on Qt's own PDF printer, which needs no server, and against a real print
// server with a PDF queue: ctest starts one for the second (tests/cups); anywhere else there
// is no printer and those tests have nothing to ask.
#include "editor/ui/QtPrintService.h"
#include "editor/ui/PrintCommands.h"
#include "tests/editor/EditorWindowFixture.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <array>
#include <pwd.h>
#include <unistd.h>

using testsupport::EditorWindowTest;

namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

struct PdfPicture {
    int width = 0, height = 0, xPpi = 0, yPpi = 0;
};

// The one picture of a one-page PDF as pdfimages lists it.
PdfPicture pictureIn(const QString& pdf) {
    const QStringList lines = run("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts);
    if (lines.size() != 3) // two heading lines, then the picture
        return {};
    const QStringList f = lines[2].split(' ', Qt::SkipEmptyParts);
    return {f[3].toInt(), f[4].toInt(), f[12].toInt(), f[13].toInt()};
}

// The first page drawn at 72 dots an inch: one pixel a point.
QImage pageAtPoints(const QString& pdf, const QString& scratch) {
    run("pdftoppm", {"-r", "72", "-singlefile", "-png", pdf, scratch});
    return QImage(scratch + ".png");
}

// Along the row (or, with `down`, the column) at `at`: paper, red, red, paper at the four
// points, which stand just outside and inside the printable area's edges. The PDF's colours
// come back within a step or two of what was drawn.
bool paperRedRedPaper(const QImage& page, int at, std::array<int, 4> points, bool down = false) {
    const auto colour = [&](int i) {
        return down ? page.pixel(at, points[i]) : page.pixel(points[i], at);
    };
    const auto isRed = [](QRgb c) { return qRed(c) > 240 && qGreen(c) < 16 && qBlue(c) < 16; };
    const auto isPaper = [](QRgb c) { return qRed(c) > 240 && qGreen(c) > 240 && qBlue(c) > 240; };
    return isPaper(colour(0)) && isRed(colour(1)) && isRed(colour(2)) && isPaper(colour(3));
}

// A red photo of w x h pixels that covers the whole page, so the paper shows only where the
// printer's margins are.
void coverThePageWithOnePhoto(editor::PageDocument& document, const testsupport::Sandbox& box,
                              int w, int h, double width, double height) {
    const QString red = box.writePicture("red.png", w, h, qRgb(255, 0, 0));
    ASSERT_EQ(document.setCanvasSize(width, height), QString());
    ASSERT_EQ(document.addPhoto(red).status, editor::PageDocument::AddStatus::Added);
    ASSERT_TRUE(document.moveSelectedTo(0, 0));
    ASSERT_TRUE(document.resizeSelectedTo(width, height, editor::PageDocument::Proportions::Free));
}

// Tests that need the print server ctest starts; they say so and stop anywhere else.
class QtPrintServiceOnCups : public EditorWindowTest {};

} // namespace

// 100 x 150 mm with 2 mm margins at 600 dpi. Qt keeps sizes in whole points: the paper is
// 283 x 425 pt and the margins 6 pt, so 271 pt, 2258 dots, are printable across. The page of
// ceil(100 x 4.7244) = 473 by 473 x 150 / 100 = 709 page pixels comes out 3384 dots high.
TEST_F(EditorWindowTest, QtsPdfPrinterGetsThePageAtThePrintersResolution) {
    editor::QtPrintService pdf(box.path("page.pdf"));
    start(pdf);
    coverThePageWithOnePhoto(window->document(), box, 40, 60, 100, 150);
    pdf.addCustomForm("MyPaper", 100, 150);
    prompts.dialogResults = {QDialog::Accepted};
    window->printCommands().print();
    ASSERT_TRUE(prompts.shown.isEmpty()) << prompts.shown.join("; ").toStdString();

    const PdfPicture picture = pictureIn(box.path("page.pdf"));
    EXPECT_EQ(std::pair(picture.width, picture.height), std::pair(2258, 3384));
    EXPECT_EQ(std::pair(picture.xPpi, picture.yPpi), std::pair(600, 600))
        << "one picture pixel a printer dot";

    // Red from 6 pt to 277 pt across, and from 6 pt down to 6 + 406.1 pt.
    const QImage page = pageAtPoints(box.path("page.pdf"), box.path("page"));
    ASSERT_EQ(page.size(), QSize(283, 425)) << "the paper, in whole points";
    EXPECT_TRUE(paperRedRedPaper(page, 100, {3, 8, 275, 280}));
    EXPECT_TRUE(paperRedRedPaper(page, 100, {3, 8, 411, 416}, true));
}

// The queue's forms give their names and sizes. The queue's user's ~/PDF gets the job; the A4
// page with the printer's 10 pt margins shows the photo from the printable area's left edge
// to its right one.
TEST_F(QtPrintServiceOnCups, TheQueuesFormsAreOfferedAndThePageIsPrintedAsShown) {
    editor::QtPrintService cups;
    if (!cups.hasDefaultPrinter())
        GTEST_SKIP() << "no print server with a default queue";
    EXPECT_EQ(cups.defaultPrinterName(), "PDF");
    const QStringList forms = cups.formNames();
    const qsizetype a4 = forms.indexOf("A4");
    ASSERT_GE(a4, 0) << forms.join(", ").toStdString();
    const QSizeF size = cups.formSize(int(a4));
    EXPECT_NEAR(size.width(), 210, 0.5);
    EXPECT_NEAR(size.height(), 297, 0.5);
    EXPECT_TRUE(cups.formSize(int(forms.size())).isEmpty()) << "past the last form";
    cups.chooseUserPaper(100, 150);
    EXPECT_EQ(cups.chosenPaper().size(QPageSize::Millimeter), QSizeF(100, 150));
    cups.choosePaper(int(a4));
    EXPECT_EQ(cups.chosenPaper().id(), QPageSize::A4);

    const QDir out(QString::fromLocal8Bit(getpwuid(getuid())->pw_dir) + "/PDF");
    start(cups);
    coverThePageWithOnePhoto(window->document(), box, 21, 30, 210, 297);
    // cups-pdf names its file after the job, so that this job's is told from any other's.
    const QString job = QString("quillax-test-%1").arg(QCoreApplication::applicationPid());
    cups.printer().setDocName(job);
    prompts.dialogResults = {QDialog::Accepted};
    window->printCommands().print();
    ASSERT_TRUE(prompts.shown.isEmpty()) << prompts.shown.join("; ").toStdString();

    QString pdf;
    const auto written = [&] {
        for (const QString& name : out.entryList({job + "*.pdf"}, QDir::Files))
            if (!run("pdfinfo", {out.filePath(name)}).isEmpty())
                pdf = out.filePath(name);
        return !pdf.isEmpty();
    };
    EXPECT_TRUE(QTest::qWaitFor(written, 60000))
        << "cups-pdf wrote nothing into " << out.path().toStdString();
    ASSERT_FALSE(pdf.isEmpty());
    const QImage page = pageAtPoints(pdf, box.path("page"));
    ASSERT_EQ(page.size(), QSize(595, 842)) << "A4, in points";
    EXPECT_TRUE(paperRedRedPaper(page, 100, {5, 14, 580, 590}));
    QFile::remove(pdf);
}
