#include <QOpenGLContext>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <gtest/gtest.h>

#include "doc/document.h"
#include "frame_fixture.h"
#include "ui/print_view.h"

namespace {

struct SizeCase {
    QSize client, page;
    QSize bitmap;
    QRect destination;
};

// Worked out by hand: the largest rectangle of the window's proportions in
// the page, halved while above 20,000,000 pixels, stretched back to fill it.
TEST(PrintGeometry, BitmapFitsThePageAndIsHalvedBelowTheLimit)
{
    const SizeCase cases[] = {
        // A4 at 1200 dpi, landscape window: 9921 x 7441 is 73.8 M pixels,
        // one halving gives 4960 x 3720 (18.45 M); it fills the page width.
        {{800, 600}, {9921, 14031}, {4960, 3720}, {0, 3295, 9921, 7441}},
        // A portrait window on an A4 page at 600 dpi: 4960 x 6613 (32.8 M)
        // is halved once.
        {{600, 800}, {4960, 7016}, {2480, 3306}, {0, 202, 4960, 6612}},
        // A portrait window on a landscape page fills the page height.
        {{600, 800}, {7016, 4960}, {3720, 4960}, {1648, 0, 3720, 4960}},
        // Small enough: no halving; a landscape window gets the page width.
        {{1000, 500}, {800, 1100}, {800, 400}, {0, 350, 800, 400}},
        // A page of 10,000 x 10,000 and a square window: halved twice.
        {{300, 300}, {10000, 10000}, {2500, 2500}, {0, 0, 10000, 10000}},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.client.width() << "x" << c.client.height() << " on "
                                        << c.page.width() << "x" << c.page.height());
        const QSize bitmap = printBitmapSize(c.client, c.page, false);
        EXPECT_EQ(bitmap, c.bitmap);
        EXPECT_LE(static_cast<long long>(bitmap.width()) * bitmap.height(), MaxPrintPixels);
        EXPECT_EQ(printDestination(bitmap, c.page), c.destination);
    }
}

TEST(PrintGeometry, PreviewRendersAtTheWindowSize)
{
    EXPECT_EQ(printBitmapSize({812, 533}, {9921, 14031}, true), QSize(812, 533));
    EXPECT_TRUE(printDestination(QSize(), {100, 100}).isNull());
}

// Pixels of a PDF page as an image, through pdftoppm.
QImage pdfPage(const QString& pdf, const QString& prefix, int dpi)
{
    QProcess run;
    run.start("pdftoppm", {"-r", QString::number(dpi), "-png", "-singlefile", pdf, prefix});
    if (!run.waitForFinished(60000) || run.exitCode() != 0)
        return QImage();
    return QImage(prefix + ".png");
}

int pdfPageCount(const QString& pdf)
{
    QProcess run;
    run.start("pdfinfo", {pdf});
    run.waitForFinished(60000);
    const QString info = QString::fromLocal8Bit(run.readAllStandardOutput());
    const QRegularExpression pages("Pages:\\s+(\\d+)");
    const auto match = pages.match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

TEST_F(FrameTest, PrintingToPdfGivesOnePageWithThePicture)
{
    ASSERT_TRUE(frame->openLayout(writeLayout("print.mrv", twoLayerLayout())));
    const QString pdf = files.filePath("print.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    frame->printTo(printer, false);
    ASSERT_TRUE(QFileInfo::exists(pdf));
    EXPECT_EQ(pdfPageCount(pdf), 1);

    const QImage page = pdfPage(pdf, files.filePath("page"), 40);
    ASSERT_FALSE(page.isNull());
    // The window is wider than high: the picture spans the page width,
    // centred in height. Its middle shows the layout and the base plane.
    const QRect middle(page.width() / 4, page.height() * 2 / 5, page.width() / 2, page.height() / 5);
    EXPECT_GT(countNonWhite(page, middle), middle.width() * middle.height() / 10);
    // Above and below the picture the paper stays white.
    EXPECT_EQ(countNonWhite(page, QRect(0, 0, page.width(), page.height() / 8)), 0);
    EXPECT_EQ(countNonWhite(page, QRect(0, page.height() * 7 / 8, page.width(), page.height() / 8)), 0);
}

TEST_F(FrameTest, DirectPictureShowsTheSameSceneAsTheWindow)
{
    ASSERT_TRUE(frame->openLayout(writeLayout("direct.mrv", twoLayerLayout())));
    CRavloViewerView& view = frame->view();
    const QImage window = view.grabFramebuffer();
    const QImage direct = renderViewDirect(view, window.size());
    ASSERT_FALSE(direct.isNull());
    ASSERT_EQ(direct.size(), window.size());
    // Drawn without display lists into a target of its own, the picture
    // covers the same pixels as the window's (a few differ at edges).
    const int windowInk = countNonWhite(window);
    const int directInk = countNonWhite(direct);
    EXPECT_GT(windowInk, 1000);
    EXPECT_NEAR(directInk, windowInk, windowInk / 20);
    // Hidden layers and a hidden base plane leave only the axes.
    frame->document().showBasePlane = false;
    frame->document().tables.layerVisible = {{0, false}, {1, false}};
    EXPECT_LT(countNonWhite(renderViewDirect(view, window.size())), windowInk / 10);
    // The window's context is current again afterwards, or none at all.
    EXPECT_TRUE(QOpenGLContext::currentContext() == nullptr ||
                QOpenGLContext::currentContext() == view.context());
}

TEST_F(FrameTest, RasterTargetCombinesWithAnd)
{
    ASSERT_TRUE(frame->openLayout(writeLayout("and.mrv", twoLayerLayout())));
    QImage page(400, 600, QImage::Format_RGB32);
    page.fill(QColor(0, 0, 255));
    printView(frame->view(), page, false);
    // White picture pixels keep the "paper" (blue here) under them; nothing
    // on the page becomes lighter than blue.
    int blue = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QRgb p = page.pixel(x, y);
            EXPECT_EQ(qRed(p), 0);
            EXPECT_EQ(qGreen(p), 0);
            if (qBlue(p) == 255)
                ++blue;
            if (HasFailure())
                return;
        }
    EXPECT_GT(blue, page.width() * page.height() / 2);
}

} // namespace
