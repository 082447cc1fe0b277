// Spreadsheet export (the written .xlsx unpacked) and printing (to a PDF file).
#include "gridfixture.h"

#include "ui/common/desktopopener.h"
#include "ui/common/spreadprinter.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>

namespace {
QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        return QStringLiteral("<timeout>");
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString unzip(const QString& file, const QString& member) {
    return run(QStringLiteral("unzip"), {QStringLiteral("-p"), file, member});
}

class ExportTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        previousOpener = DesktopOpener::setHandler([this](const QUrl& url) {
            opened << url.toLocalFile();
            return openResult;
        });
        previousSetup = SpreadPrinter::setSetup([this](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf());
        });
    }
    void TearDown() override {
        DesktopOpener::setHandler(previousOpener);
        SpreadPrinter::setSetup(previousSetup);
        GridTest::TearDown();
    }
    QString pdf() const { return path(QStringLiteral("print.pdf")); }

    // A grid with two header rows: "실적" over columns 1-2, "비고" over both rows.
    void twoHeaderGrid(int rows) {
        spread->SetInit(rows, 4, 35, 0, 12, false, true, false, QStringLiteral("2"), true);
        const char* heads[] = {"코드", "수량", "비고", "키"};
        for (int c = 1; c <= 4; ++c)
            spread->SetColType(c, QString::fromUtf8(heads[c - 1]), QStringLiteral("c%1").arg(c), 12,
                               QString(), c == 2 ? 13 : 1, 60, 1, true, 0, 2, c == 4, true, false,
                               false, QColor(), QStringLiteral("-999"));
        spread->SPCellSpan(QStringLiteral("1"), 2, QStringLiteral("실적"), QStringLiteral("-1000"),
                           QStringLiteral("1"));
        spread->SPCellSpan(QStringLiteral("3"), 1, QStringLiteral("비고"), QStringLiteral("-1000"),
                           QStringLiteral("2"));
        for (int r = 1; r <= rows; ++r) {
            spread->SetText(1, r, QStringLiteral("P%1").arg(r));
            spread->SetText(2, r, QString::number(r * 1000.5));
            spread->SetText(3, r, QStringLiteral("메모 & %1").arg(r));
        }
    }

    QStringList gridRows() const {
        QStringList out;
        for (int r = 1; r <= spread->MaxRows(); ++r)
            out << spread->GetText(0, r) + QLatin1Char('|') + spread->GetText(1, r) +
                       QLatin1Char('|') + spread->GetText(2, r);
        return out;
    }

    DesktopOpener::Handler previousOpener;
    SpreadPrinter::Setup previousSetup;
    QStringList opened;
    bool openResult = true;
};

TEST_F(ExportTest, FileNameDropsSlashesUnderExcelFolder) {
    const QDateTime at(QDate(2024, 3, 5), QTime(9, 7, 3));
    EXPECT_EQ(clsSpread::exportFileName(QStringLiteral("생산현황 2024/03/05"), at),
              folder() + QStringLiteral("/excel/생산현황 20240305240305090703.xlsx"));
    EXPECT_EQ(clsSpread::exportFileName(QStringLiteral("..\\a:b"), at),
              folder() + QStringLiteral("/excel/..ab240305090703.xlsx"));
}

TEST_F(ExportTest, EmptyGridWarnsAndWritesNothing) {
    twoHeaderGrid(0);
    EXPECT_FALSE(spread->Excel_Convert(screen.get(), QString(), QString(), QString()));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].icon, QMessageBox::Warning);
    EXPECT_EQ(boxes[0].text,
              QStringLiteral("현재 레코드가 존재하지 않습니다\n엑셀로 변환할 데이터가 없습니다"));
    EXPECT_FALSE(QFileInfo::exists(folder() + QStringLiteral("/excel")));
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(ExportTest, ConvertWritesSheetWithHeaderRowsAndPageLayout) {
    twoHeaderGrid(3);
    spread->SetText(0, 2, QStringLiteral("√"));
    const QStringList before = gridRows();
    ASSERT_TRUE(spread->Excel_Convert(screen.get(), QString(), QStringLiteral("공정: 프레스"),
                                      QStringLiteral("2024-03-05")));
    const QString file = clsSpread::exportFileName(screen->windowTitle(),
                                                   QDateTime(QDate(2024, 3, 5), QTime(10, 0)));
    ASSERT_TRUE(QFileInfo::exists(file));
    EXPECT_EQ(opened, QStringList{file});
    EXPECT_EQ(gridRows(), before);
    EXPECT_EQ(spread->MaxRows(), 3);

    const QString workbook = unzip(file, QStringLiteral("xl/workbook.xml"));
    EXPECT_TRUE(workbook.contains(QStringLiteral("name=\"Sheet1\""))) << workbook.toStdString();
    EXPECT_TRUE(workbook.contains(QStringLiteral(
        "<definedName name=\"_xlnm.Print_Area\" localSheetId=\"0\">Sheet1!$1:$5</definedName>")))
        << workbook.toStdString();
    EXPECT_TRUE(workbook.contains(QStringLiteral(
        "<definedName name=\"_xlnm.Print_Titles\" localSheetId=\"0\">Sheet1!$1:$2</definedName>")));

    const QString sheet = unzip(file, QStringLiteral("xl/worksheets/sheet1.xml"));
    EXPECT_TRUE(sheet.contains(
        QStringLiteral("<oddHeader>&amp;L&amp;10공정: "
                       "프레스&amp;C&amp;24생산실적&amp;R&amp;102024-03-05</oddHeader>")))
        << sheet.toStdString();
    EXPECT_TRUE(sheet.contains(
        QStringLiteral("<oddFooter>&amp;C&amp;N페이지 중 &amp;P페이지</oddFooter>")));
    EXPECT_TRUE(sheet.contains(QStringLiteral("orientation=\"landscape\"")));
    // Fit to pages, 1 wide (the default width, left out of the file) and 10000 tall.
    EXPECT_TRUE(sheet.contains(QStringLiteral("<pageSetUpPr fitToPage=\"1\"/>")));
    EXPECT_TRUE(sheet.contains(
        QStringLiteral("<pageSetup fitToHeight=\"10000\" orientation=\"landscape\"/>")))
        << sheet.toStdString();
    EXPECT_TRUE(sheet.contains(
        QStringLiteral("<pageMargins left=\"0.5\" right=\"0.5\" top=\"1\" bottom=\"0.5\"")));
    EXPECT_TRUE(sheet.contains(QStringLiteral("<printOptions horizontalCentered=\"1\"/>")));
    EXPECT_TRUE(sheet.contains(QStringLiteral("<sheetProtection")));
    EXPECT_TRUE(sheet.contains(QStringLiteral("<mergeCell ref=\"A1:B1\"/>")));
    EXPECT_TRUE(sheet.contains(QStringLiteral("<mergeCell ref=\"C1:C2\"/>")));
    EXPECT_TRUE(sheet.contains(QStringLiteral("hidden=\"1\""))); // the hidden key column
    // Data rows start on sheet row 3; the number is written as a number.
    EXPECT_TRUE(sheet.contains(QStringLiteral("<c r=\"B3\" s=")));
    EXPECT_TRUE(sheet.contains(QStringLiteral("<v>1000.5</v>")));
    EXPECT_FALSE(sheet.contains(QStringLiteral("<c r=\"A6\"")));

    const QString strings = unzip(file, QStringLiteral("xl/sharedStrings.xml"));
    for (const QString& s :
         {QStringLiteral("실적"), QStringLiteral("비고"), QStringLiteral("코드"),
          QStringLiteral("수량"), QStringLiteral("P3"), QStringLiteral("메모 &amp; 3")})
        EXPECT_TRUE(strings.contains(s)) << s.toStdString();
}

TEST_F(ExportTest, GivenTitleAndOneHeaderRowAndSameSecondOverwrites) {
    layout(2);
    spread->SetText(1, 1, QStringLiteral("A"));
    spread->SetText(1, 2, QStringLiteral("B"));
    ASSERT_TRUE(
        spread->Excel_Convert(screen.get(), QStringLiteral("월간 & 집계"), QString(), QString()));
    spread->SetText(1, 2, QStringLiteral("second"));
    ASSERT_TRUE(
        spread->Excel_Convert(screen.get(), QStringLiteral("월간 & 집계"), QString(), QString()));
    EXPECT_EQ(QDir(folder() + QStringLiteral("/excel")).entryList(QDir::Files).size(), 1);
    const QString file = opened.last();
    const QString sheet = unzip(file, QStringLiteral("xl/worksheets/sheet1.xml"));
    EXPECT_TRUE(sheet.contains(QStringLiteral("&amp;C&amp;24월간 &amp;&amp; 집계&amp;R")))
        << sheet.toStdString();
    EXPECT_TRUE(unzip(file, QStringLiteral("xl/workbook.xml"))
                    .contains(QStringLiteral("Sheet1!$1:$1</definedName>")));
    EXPECT_TRUE(
        unzip(file, QStringLiteral("xl/sharedStrings.xml")).contains(QStringLiteral("second")));
}

TEST_F(ExportTest, OpenFailureIsReportedAndGridUnchanged) {
    twoHeaderGrid(2);
    const QStringList before = gridRows();
    openResult = false;
    EXPECT_FALSE(spread->Excel_Convert(screen.get(), QString(), QString(), QString()));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].icon, QMessageBox::Warning);
    EXPECT_EQ(gridRows(), before);
}

TEST_F(ExportTest, UnwritableFolderFailsAndGridUnchanged) {
    twoHeaderGrid(2);
    const QStringList before = gridRows();
    // A file where the folder should be: nothing can be written under it.
    QFile blocker(folder() + QStringLiteral("/excel"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(spread->Excel_Convert(screen.get(), QString(), QString(), QString()));
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(gridRows(), before);
}

TEST_F(ExportTest, PrintRepeatsHeaderRowsWithPageNumbers) {
    twoHeaderGrid(60);
    const QStringList before = gridRows();
    ASSERT_TRUE(spread->Excel_Print(screen.get(), QString(), QStringLiteral("왼쪽글"),
                                    QStringLiteral("오른쪽글"), 1));
    EXPECT_EQ(gridRows(), before);
    EXPECT_TRUE(opened.isEmpty()); // printing opens nothing on screen
    ASSERT_TRUE(QFileInfo::exists(pdf()));
    const QString info = run(QStringLiteral("pdfinfo"), {pdf()});
    const QString text =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf(), QStringLiteral("-")});
    // Portrait letter/A4, 1 inch + 0.5 inch margins: 60 rows of 15 pt take two pages.
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    EXPECT_TRUE(info.contains(QStringLiteral("Pages:           2"))) << info.toStdString();
    ASSERT_EQ(pages.size(), 2) << text.toStdString();
    for (int p = 0; p < 2; ++p) {
        SCOPED_TRACE(p);
        EXPECT_TRUE(pages[p].contains(QStringLiteral("생산실적")));
        EXPECT_TRUE(pages[p].contains(QStringLiteral("왼쪽글")));
        EXPECT_TRUE(pages[p].contains(QStringLiteral("오른쪽글")));
        // pdftotext reads the blanks of the embedded Korean font as U+0001: compare without blanks.
        EXPECT_TRUE(QString(pages[p])
                        .remove(QLatin1Char(' '))
                        .remove(QChar(1))
                        .contains(QStringLiteral("2페이지중%1페이지").arg(p + 1)))
            << pages[p].toStdString();
        EXPECT_TRUE(pages[p].contains(QStringLiteral("실적")));
        EXPECT_TRUE(pages[p].contains(QStringLiteral("코드")));
    }
    EXPECT_TRUE(pages[0].contains(QStringLiteral("P1 ")));
    EXPECT_FALSE(pages[0].contains(QStringLiteral("P60")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("P60")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("60,030.0")));
    EXPECT_FALSE(text.contains(QStringLiteral("키"))); // hidden column not printed
    // The same file is written as for the export.
    EXPECT_EQ(QDir(folder() + QStringLiteral("/excel")).entryList(QDir::Files).size(), 1);
}

TEST_F(ExportTest, PrintOrientationFromCaller) {
    twoHeaderGrid(3);
    ASSERT_TRUE(spread->Excel_Print(screen.get(), QStringLiteral("제목"), QString(), QString(), 2));
    const QString info = run(QStringLiteral("pdfinfo"), {pdf()});
    const QRegularExpression size(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+)"));
    const auto m = size.match(info);
    ASSERT_TRUE(m.hasMatch()) << info.toStdString();
    EXPECT_GT(m.captured(1).toDouble(), m.captured(2).toDouble());
    const QString file =
        QDir(folder() + QStringLiteral("/excel")).entryInfoList(QDir::Files).first().filePath();
    const QString sheet = unzip(file, QStringLiteral("xl/worksheets/sheet1.xml"));
    EXPECT_TRUE(
        sheet.contains(QStringLiteral("&amp;C제목&amp;R"))); // a given title has no size code
    EXPECT_TRUE(run(QStringLiteral("pdftotext"), {pdf(), QStringLiteral("-")})
                    .contains(QStringLiteral("제목")));
}

TEST(SpreadPrinterCodes, ExpandsSectionsPagesAndSizes) {
    double size = 0;
    const QString codes = QStringLiteral("&L&10왼&C&24제목 && 부제&R&10오른");
    EXPECT_EQ(SpreadPrinter::expand(codes, QLatin1Char('C'), 1, 3, &size),
              QStringLiteral("제목 & 부제"));
    EXPECT_EQ(size, 24);
    EXPECT_EQ(SpreadPrinter::expand(codes, QLatin1Char('L'), 1, 3, &size), QStringLiteral("왼"));
    EXPECT_EQ(size, 10);
    EXPECT_EQ(SpreadPrinter::expand(QStringLiteral("&C&N페이지 중 &P페이지"), QLatin1Char('C'), 2,
                                    3, nullptr),
              QStringLiteral("3페이지 중 2페이지"));
}
} // namespace

// Without a set-up, QT_PRINTER=pdf:FILE sends the pages to that file instead of a printer.
TEST_F(ExportTest, PrintGoesToThePdfFileTheEnvironmentNames) {
    twoHeaderGrid(3);
    SpreadPrinter::setSetup(nullptr);
    const QString file = path(QStringLiteral("named.pdf"));
    const QByteArray previous = qgetenv("QT_PRINTER");
    qputenv("QT_PRINTER", (QStringLiteral("pdf:") + file).toUtf8());
    const bool printed =
        spread->Excel_Print(screen.get(), QStringLiteral("제목"), QString(), QString(), 1);
    if (previous.isNull())
        qunsetenv("QT_PRINTER");
    else
        qputenv("QT_PRINTER", previous);
    ASSERT_TRUE(printed);
    EXPECT_TRUE(run(QStringLiteral("pdftotext"), {file, QStringLiteral("-")})
                    .contains(QStringLiteral("P3")));
}
