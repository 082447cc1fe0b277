#include "ui/common/spreadxlsxwriter.h"

#include "ui/common/spreadcelltype.h"
#include "ui/common/spreadmodel.h"
#include "ui/common/spreadnumber.h"
#include "ui/common/spreadpagelayout.h"

#include <xlsxwriter.h>

namespace {
QByteArray numberFormat(const SpreadTypeFormat& f) {
    QByteArray fmt = f.separator ? "#,##0" : "0";
    if (f.decimals > 0)
        fmt += '.' + QByteArray(std::min(f.decimals, 15), '0');
    return fmt;
}

class Writer {
public:
    Writer(const SpreadModel& m, lxw_workbook* wb, lxw_worksheet* ws) : m_m(m), m_wb(wb), m_ws(ws) {
        m_plain = workbook_add_format(wb);
        format_set_shrink(m_plain);
        m_header = workbook_add_format(wb);
        format_set_shrink(m_header);
        format_set_align(m_header, LXW_ALIGN_CENTER);
        format_set_align(m_header, LXW_ALIGN_VERTICAL_CENTER);
        format_set_border(m_header, LXW_BORDER_THIN);
        format_set_bg_color(m_header, 0xD9DEFD);
    }

    void columnWidth(int col, double width, bool hidden) {
        lxw_row_col_options opt{};
        opt.hidden = hidden ? 1 : 0;
        worksheet_set_column_opt(m_ws, lxw_col_t(col - 1), lxw_col_t(col - 1), width, m_plain,
                                 &opt);
    }

    void headerRows(int rows) {
        for (int r = 0; r < rows; ++r)
            for (int c = 1; c <= m_m.maxCols(); ++c)
                if (!m_m.headerSpanAt(r, c))
                    string(lxw_row_t(r), c, m_m.headerText(r, c), m_header);
        for (const SpreadModel::HeaderSpan& s : m_m.headerSpans()) {
            const int first = std::max(1, s.col);
            const int last = std::min(m_m.maxCols(), s.col + s.cols - 1);
            const int bottom = std::min(rows - 1, s.headerRow + s.rows - 1);
            if (s.headerRow >= rows || last < first)
                continue;
            const QByteArray text = m_m.headerText(s.headerRow, s.col).toUtf8();
            if (first == last && bottom == s.headerRow)
                worksheet_write_string(m_ws, lxw_row_t(s.headerRow), lxw_col_t(first - 1),
                                       text.constData(), m_header);
            else
                worksheet_merge_range(m_ws, lxw_row_t(s.headerRow), lxw_col_t(first - 1),
                                      lxw_row_t(bottom), lxw_col_t(last - 1), text.constData(),
                                      m_header);
        }
    }

    void dataRows(int offset) {
        for (int c = 1; c <= m_m.maxCols(); ++c) {
            for (int r = 1; r <= m_m.maxRows(); ++r) {
                const lxw_row_t row = lxw_row_t(offset + r - 1);
                const int type = m_m.cellType(r, c);
                if (SpreadCellType::isNumeric(type)) {
                    const auto v = SpreadNumber::parse(m_m.value(r, c));
                    if (v) {
                        worksheet_write_number(m_ws, row, lxw_col_t(c - 1), *v,
                                               numberFormatFor(m_m.format(r, c)));
                        continue;
                    }
                }
                const QString text =
                    type == SpreadCellType::CheckBox ? m_m.value(r, c) : m_m.displayText(r, c);
                if (!text.isEmpty())
                    string(row, c, text, m_plain);
            }
        }
        for (const QRect& s : m_m.dataSpans()) {
            const QByteArray text = m_m.displayText(s.top(), s.left()).toUtf8();
            worksheet_merge_range(m_ws, lxw_row_t(offset + s.top() - 1), lxw_col_t(s.left() - 1),
                                  lxw_row_t(offset + s.bottom() - 1), lxw_col_t(s.right() - 1),
                                  text.constData(), m_plain);
        }
    }

private:
    void string(lxw_row_t row, int col, const QString& text, lxw_format* f) {
        worksheet_write_string(m_ws, row, lxw_col_t(col - 1), text.toUtf8().constData(), f);
    }

    lxw_format* numberFormatFor(const SpreadTypeFormat& f) {
        const QByteArray key = numberFormat(f);
        auto it = m_numberFormats.find(key);
        if (it == m_numberFormats.end()) {
            lxw_format* fmt = workbook_add_format(m_wb);
            format_set_shrink(fmt);
            format_set_num_format(fmt, key.constData());
            it = m_numberFormats.insert(key, fmt);
        }
        return it.value();
    }

    const SpreadModel& m_m;
    lxw_workbook* m_wb;
    lxw_worksheet* m_ws;
    lxw_format* m_plain;
    lxw_format* m_header;
    QHash<QByteArray, lxw_format*> m_numberFormats;
};
} // namespace

bool SpreadXlsxWriter::write(const SpreadModel& model, const QString& file,
                             const SpreadPageLayout& layout, QString* error) {
    const QByteArray path = file.toLocal8Bit();
    lxw_workbook* wb = workbook_new(path.constData());
    if (!wb) {
        if (error)
            *error = QStringLiteral("cannot create %1").arg(file);
        return false;
    }
    lxw_worksheet* ws = workbook_add_worksheet(wb, "Sheet1");
    Writer w(model, wb, ws);
    for (int c = 1; c <= model.maxCols(); ++c)
        w.columnWidth(c, model.column(c).width, model.column(c).hidden);
    w.headerRows(layout.headerRows);
    w.dataRows(layout.headerRows);

    const int lastRow = layout.headerRows + layout.dataRows - 1;
    worksheet_print_area(ws, 0, 0, lxw_row_t(std::max(0, lastRow)), LXW_COL_MAX - 1);
    worksheet_repeat_rows(ws, 0, lxw_row_t(layout.headerRows - 1));
    const QByteArray header = layout.header.toUtf8();
    const QByteArray footer = layout.footer.toUtf8();
    worksheet_set_header(ws, header.constData());
    worksheet_set_footer(ws, footer.constData());
    if (layout.landscape)
        worksheet_set_landscape(ws);
    else
        worksheet_set_portrait(ws);
    worksheet_fit_to_pages(ws, 1, 10000);
    worksheet_set_margins(ws, layout.marginLeft, layout.marginRight, layout.marginTop,
                          layout.marginBottom);
    worksheet_center_horizontally(ws);
    worksheet_protect(ws, nullptr, nullptr);

    const lxw_error rc = workbook_close(wb);
    if (rc != LXW_NO_ERROR) {
        if (error)
            *error = QString::fromUtf8(lxw_strerror(rc));
        return false;
    }
    return true;
}
