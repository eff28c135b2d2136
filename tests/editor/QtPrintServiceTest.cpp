// The print service against a real print server: ctest starts one with a PDF queue for it
// (tests/cups); anywhere else there is no printer and the test has nothing to ask.
#include "editor/ui/QtPrintService.h"

#include <gtest/gtest.h>

TEST(QtPrintServiceOnCups, TheQueuesFormsGiveTheirNamesAndSizes) {
    editor::QtPrintService service;
    if (!service.hasDefaultPrinter())
        GTEST_SKIP() << "no print server with a default queue";
    EXPECT_EQ(service.defaultPrinterName(), "PDF");
    const QStringList forms = service.formNames();
    const qsizetype a4 = forms.indexOf("A4");
    ASSERT_GE(a4, 0) << forms.join(", ").toStdString();
    EXPECT_GE(service.defaultFormIndex(), 0);
    const QSizeF size = service.formSize(int(a4));
    EXPECT_NEAR(size.width(), 210, 0.5);
    EXPECT_NEAR(size.height(), 297, 0.5);
    EXPECT_TRUE(service.formSize(int(forms.size())).isEmpty()) << "past the last form";

    service.choosePaper(int(a4));
    EXPECT_EQ(service.chosenPaper().id(), QPageSize::A4);
    service.chooseUserPaper(100, 150);
    EXPECT_EQ(service.chosenPaper().size(QPageSize::Millimeter), QSizeF(100, 150));
}
