// The process move sheet: "발행" writes the eight values into their cells of the sheet file
// (the blank sheet beside it untouched) and prints them on one page, here into a PDF file.
#include "tests/support/hostiletexts.h"
#include "tests/support/testenv.h"

#include "production/frm_s_operation_sheet.h"
#include "ui/common/modal.h"

#include <QCryptographicHash>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

#include <memory>

namespace {
const OperationSheet::Values kValues{u"프레스"_qs, u"브라켓 LH"_qs,  u"C1"_qs,
                                     u"100"_qs,    u"김작업"_qs,     u"20240305/A"_qs,
                                     u"P-100"_qs,  QDate(2024, 3, 5)};

const std::pair<const char*, const char*> kCells[] = {{"A1", "공정이동표(공정명 :프레스)"},
                                                      {"B2", "브라켓 LH"},
                                                      {"B3", "C1"},
                                                      {"B4", "100EA"},
                                                      {"B5", "김작업"},
                                                      {"B6", "2024-03-05"},
                                                      {"B7", "*20240305/A/P-100*"},
                                                      {"B8", "20240305/A"}};

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        return QStringLiteral("<not finished>");
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString sheetXml(const QString& file) {
    return run(u"unzip"_qs, {u"-p"_qs, file, u"xl/worksheets/sheet1.xml"_qs});
}

// The inline text of one cell of the sheet XML; empty when the cell holds none.
QString cellText(const QString& xml, const char* ref) {
    const QRegularExpression cell(
        u"<c r=\"%1\"[^>]*><is><t[^>]*>([^<]*)</t></is></c>"_qs.arg(QLatin1String(ref)));
    return cell.match(xml).captured(1);
}

QByteArray digest(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
               : QByteArray();
}

class OperationSheetTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        previousPrinter = qgetenv("QT_PRINTER");
        qputenv("QT_PRINTER", (u"pdf:"_qs + pdf()).toUtf8());
        dialog = std::make_unique<frm_S_operation_sheet>(kValues, nullptr);
    }
    void TearDown() override {
        dialog.reset();
        qputenv("QT_PRINTER", previousPrinter);
        TestEnv::TearDown();
    }
    QString pdf() const { return path(u"sheet.pdf"_qs); }
    // pdftotext reads the blanks of the embedded Korean font as U+0001: without blanks.
    QString pdfText() const {
        return run(u"pdftotext"_qs, {pdf(), u"-"_qs}).remove(QLatin1Char(' ')).remove(QChar(1));
    }

    QByteArray previousPrinter;
    std::unique_ptr<frm_S_operation_sheet> dialog;
    QStringList boxes;
    ScopedModalHandler modal{[this](QDialog& d) {
        if (auto* box = qobject_cast<QMessageBox*>(&d))
            boxes << box->text();
        return int(QMessageBox::Ok);
    }};
};

TEST_F(OperationSheetTest, IssueWritesTheEightCellsAndPrintsThem) {
    dialog->show();
    dialog->cmdmakestatement->click();
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join(u" / "_qs).toStdString();
    EXPECT_TRUE(dialog->isVisible()) << "the dialog stays open";

    const QString xml = sheetXml(OperationSheet::issuedFile());
    const QString text = pdfText();
    for (const auto& [ref, value] : kCells) {
        EXPECT_EQ(cellText(xml, ref), QString::fromUtf8(value)) << ref;
        EXPECT_TRUE(text.contains(QString::fromUtf8(value).remove(QLatin1Char(' '))))
            << ref << " not on the page: " << text.toStdString();
    }
    EXPECT_TRUE(run(u"unzip"_qs, {u"-p"_qs, OperationSheet::issuedFile(), u"xl/workbook.xml"_qs})
                    .contains(u"name=\"공정이동표\""_qs));

    // The blank sheet was written for the first issue: captions, no values.
    const QString blank = sheetXml(OperationSheet::templateFile());
    EXPECT_EQ(cellText(blank, "A8"), u"LOT NO"_qs);
    for (const auto& [ref, value] : kCells)
        EXPECT_EQ(cellText(blank, ref), QString()) << ref;
}

TEST_F(OperationSheetTest, AnExistingBlankSheetIsNeverChanged) {
    dialog->cmdmakestatement->click();
    const QByteArray before = digest(OperationSheet::templateFile());
    ASSERT_FALSE(before.isEmpty());
    dialog->cmdmakestatement->click();
    EXPECT_EQ(digest(OperationSheet::templateFile()), before);
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(OperationSheetTest, AnUnwritableFolderIsToldAndNothingPrinted) {
    // A file where the folder should be.
    QFile blocker(path(u"excel"_qs));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(dialog->cmdmakestatement_Click());
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].startsWith(u"공정이동표를 출력할 수 없습니다.\n"_qs))
        << boxes[0].toStdString();
    EXPECT_FALSE(QFile::exists(pdf()));
}

TEST_F(OperationSheetTest, HostileTextsAreIssuedAndPrintedAsWritten) {
    for (const QString& h : hostileTexts()) {
        SCOPED_TRACE(h.left(40).toStdString());
        QFile::remove(pdf());
        frm_S_operation_sheet sheet({h, h, h, u"7"_qs, h, h, h, QDate(2024, 3, 5)}, nullptr);
        EXPECT_TRUE(sheet.cmdmakestatement_Click());
        const QString xml = sheetXml(OperationSheet::issuedFile());
        const std::pair<const char*, QString> cells[] = {
            {"A1", u"공정이동표(공정명 :"_qs + h + u")"_qs},
            {"B2", h},
            {"B3", h},
            {"B4", u"7EA"_qs},
            {"B5", h},
            {"B7", u"*"_qs + h + u"/"_qs + h + u"*"_qs},
            {"B8", h}};
        for (const auto& [ref, value] : cells)
            EXPECT_EQ(cellText(xml, ref), value) << ref;
        EXPECT_TRUE(pdfText().contains(u"7EA"_qs));
    }
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join(u" / "_qs).toStdString();
}

TEST_F(OperationSheetTest, CloseButtonClosesWithoutIssuing) {
    dialog->show();
    dialog->cmdUnload->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(QFile::exists(OperationSheet::issuedFile()));
}

} // namespace
