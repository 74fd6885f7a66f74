// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QThread>
#include <algorithm>

#include "printsystem/CupsPrintSystem.h"
#include "printsystem/QtPrinter.h"
#include "support/DefaultDesign.h"
#include "support/PdfStrokes.h"
#include "templates/TemplatePrint.h"

namespace kelvarin {
namespace {

// The private queue of scripts/cups-test-printer.sh: cups-pdf, 300 dpi by default.
class CupsQueue : public ::testing::Test {
protected:
    void SetUp() override {
        out_ = qEnvironmentVariable("KELVARIN_CUPS_OUT");
        if (out_.isEmpty() || QPrinterInfo::defaultPrinter().isNull()) {
            GTEST_SKIP() << "no private CUPS queue to print to (see the test "
                            "cups_test_printer_start for why)";
        }
    }

    // The PDF the queue writes for the next job, once it is complete.
    QString AwaitNewPdf(const QStringList& before) const {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 120000) {
            for (const QString& name : QDir(out_).entryList({"*.pdf"}, QDir::Files)) {
                if (before.contains(name)) {
                    continue;
                }
                // cups-pdf writes it in one go once ghostscript is done; wait for it to settle.
                QString path = QDir(out_).filePath(name);
                const qint64 size = QFileInfo(path).size();
                QThread::msleep(500);
                if (size > 0 && QFileInfo(path).size() == size) {
                    return path;
                }
            }
            QThread::msleep(200);
        }
        ADD_FAILURE() << "the queue wrote no PDF into " << out_.toStdString();
        return {};
    }

    QStringList Existing() const { return QDir(out_).entryList({"*.pdf"}, QDir::Files); }

    QString out_;
};

TEST_F(CupsQueue, TemplatesPrintAtTheQueuesResolutionAndTrueSize) {
    CupsPrintSystem cups;
    QtPrinter printer(cups);
    // The queue's PPD says 300 dpi; Qt on its own would have printed at 1200.
    EXPECT_EQ(printer.resolutionDpi(), 300);
    EXPECT_EQ(printer.geometry().dpi, 300);

    const PropellerDesign d = testing::DefaultDesign();
    const QStringList before = Existing();
    printTemplates(d, printer, {});
    const QString pdf = AwaitNewPdf(before);
    ASSERT_FALSE(pdf.isEmpty());
    // After the overview, section 3's chord, 141.4 mm, within a tenth of a millimetre; every
    // line 0.25 mm wide, 3 pixels at 300 dpi.
    const auto strokes = testing::pdfStrokes(pdf, 2);
    EXPECT_NEAR(testing::firstOutlineWidthMm(strokes), d.stations.chordM[stationIndex(3)] * 1000,
                0.1);
    for (const testing::PdfStroke& s : strokes) {
        ASSERT_NEAR(s.widthMm, 3 * 25.4 / 300, 0.01);
    }
}

}  // namespace
}  // namespace kelvarin
