#include "production/operationsheetxlsx.h"

#include "production/operationsheetlayout.h"

#include <QDir>
#include <QFileInfo>

#include <xlsxwriter.h>

namespace {
using namespace OperationSheetLayout;

lxw_format* boxed(lxw_workbook* wb, int pointSize, bool centred) {
    lxw_format* f = workbook_add_format(wb);
    format_set_font_name(f, "굴림");
    format_set_font_size(f, pointSize);
    format_set_bold(f);
    format_set_border(f, LXW_BORDER_THIN);
    format_set_align(f, centred ? LXW_ALIGN_CENTER : LXW_ALIGN_LEFT);
    format_set_align(f, LXW_ALIGN_VERTICAL_CENTER);
    format_set_shrink(f);
    return f;
}

struct Formats {
    lxw_format* title;
    lxw_format* caption;
    lxw_format* value;
};

// Every cell of the layout once, row by row: the title merged across row 1, captions in column A,
// values (blank when not given) in column B.
void layout(lxw_worksheet* ws, const Formats& f, const QList<OperationSheet::Cell>& cells) {
    QString text[kRows + 1][kCols + 1];
    for (const OperationSheet::Cell& c : cells)
        if (c.row >= 1 && c.row <= kRows && c.col >= 1 && c.col <= kCols)
            text[c.row][c.col] = c.text;
    for (int c = 0; c < kCols; ++c)
        worksheet_set_column(ws, lxw_col_t(c), lxw_col_t(c), kColumnWidths[c], nullptr);
    worksheet_set_row(ws, 0, rowHeight(1), nullptr);
    worksheet_merge_range(ws, 0, 0, 0, kCols - 1, text[1][1].toUtf8().constData(), f.title);
    for (int r = 2; r <= kRows; ++r) {
        worksheet_set_row(ws, lxw_row_t(r - 1), rowHeight(r), nullptr);
        worksheet_write_string(ws, lxw_row_t(r - 1), 0, caption(r).toUtf8().constData(), f.caption);
        if (text[r][2].isEmpty())
            worksheet_write_blank(ws, lxw_row_t(r - 1), 1, f.value);
        else
            worksheet_write_string(ws, lxw_row_t(r - 1), 1, text[r][2].toUtf8().constData(),
                                   f.value);
    }
}

void printSetup(lxw_worksheet* ws) {
    worksheet_set_paper(ws, 9); // A4
    worksheet_set_portrait(ws);
    worksheet_print_area(ws, 0, 0, kRows - 1, kCols - 1);
    worksheet_fit_to_pages(ws, 1, 1);
    worksheet_center_horizontally(ws);
}
} // namespace

namespace OperationSheetXlsx {

bool write(const QString& file, const QList<OperationSheet::Cell>& cells, QString* error) {
    QDir().mkpath(QFileInfo(file).absolutePath());
    const QByteArray path = QFile::encodeName(file);
    const QByteArray folder = QFile::encodeName(QFileInfo(file).absolutePath());
    // Rows are written in order, so the sheet can keep its texts in the cells themselves
    // (inline strings) rather than in a shared table; its temporary files stay beside it.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = const_cast<char*>(folder.constData());
    lxw_workbook* wb = workbook_new_opt(path.constData(), &options);
    if (!wb) {
        *error = QStringLiteral("cannot create %1").arg(file);
        return false;
    }
    const QByteArray sheet = OperationSheet::sheetName().toUtf8();
    lxw_worksheet* ws = workbook_add_worksheet(wb, sheet.constData());
    const Formats f{boxed(wb, kTitlePt, true), boxed(wb, kCaptionPt, true),
                    boxed(wb, kValuePt, false)};
    format_set_bg_color(f.caption, 0xE0E0E0);
    layout(ws, f, cells);
    printSetup(ws);
    const lxw_error rc = workbook_close(wb);
    if (rc != LXW_NO_ERROR) {
        *error = QString::fromUtf8(lxw_strerror(rc));
        return false;
    }
    return true;
}

} // namespace OperationSheetXlsx
