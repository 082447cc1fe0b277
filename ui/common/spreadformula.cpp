#include "ui/common/spreadformula.h"

#include <cmath>

namespace {
// Recursive-descent reader over the formula text; any unexpected character fails it.
class Reader {
public:
    Reader(const QString& text, const std::function<double(int, int)>& cell)
        : m_s(text), m_cell(cell) {}

    std::optional<double> run() {
        if (m_s.startsWith(QLatin1Char('=')))
            ++m_i;
        const auto v = expression();
        skip();
        return v && m_i == m_s.size() ? v : std::nullopt;
    }

private:
    void skip() {
        while (m_i < m_s.size() && m_s.at(m_i).isSpace())
            ++m_i;
    }
    bool eat(QChar c) {
        skip();
        if (m_i < m_s.size() && m_s.at(m_i) == c) {
            ++m_i;
            return true;
        }
        return false;
    }

    std::optional<double> expression() {
        auto v = term();
        while (v) {
            if (eat(QLatin1Char('+'))) {
                const auto r = term();
                v = r ? std::optional(*v + *r) : std::nullopt;
            } else if (eat(QLatin1Char('-'))) {
                const auto r = term();
                v = r ? std::optional(*v - *r) : std::nullopt;
            } else {
                break;
            }
        }
        return v;
    }

    std::optional<double> term() {
        auto v = factor();
        while (v) {
            if (eat(QLatin1Char('*'))) {
                const auto r = factor();
                v = r ? std::optional(*v * *r) : std::nullopt;
            } else if (eat(QLatin1Char('/'))) {
                const auto r = factor();
                v = r && *r != 0 ? std::optional(*v / *r) : std::nullopt;
            } else {
                break;
            }
        }
        return v;
    }

    std::optional<double> factor() {
        skip();
        if (eat(QLatin1Char('-'))) {
            const auto v = factor();
            return v ? std::optional(-*v) : std::nullopt;
        }
        if (eat(QLatin1Char('('))) {
            const auto v = expression();
            return v && eat(QLatin1Char(')')) ? v : std::nullopt;
        }
        if (m_i < m_s.size() && (m_s.at(m_i).isDigit() || m_s.at(m_i) == QLatin1Char('.')))
            return number();
        const QString word = letters();
        if (word.compare(QLatin1String("SUM"), Qt::CaseInsensitive) == 0 && eat(QLatin1Char('(')))
            return sum();
        int row = 0;
        const int col = SpreadFormula::columnFromLetters(word);
        if (col > 0 && digits(&row))
            return m_cell(row, col);
        return std::nullopt;
    }

    std::optional<double> number() {
        const qsizetype start = m_i;
        while (m_i < m_s.size() && (m_s.at(m_i).isDigit() || m_s.at(m_i) == QLatin1Char('.')))
            ++m_i;
        bool ok = false;
        const double v = m_s.mid(start, m_i - start).toDouble(&ok);
        return ok ? std::optional(v) : std::nullopt;
    }

    QString letters() {
        skip();
        const qsizetype start = m_i;
        while (m_i < m_s.size() && m_s.at(m_i).isLetter() && m_s.at(m_i).unicode() < 128)
            ++m_i;
        return m_s.mid(start, m_i - start);
    }

    bool digits(int* out) {
        const qsizetype start = m_i;
        while (m_i < m_s.size() && m_s.at(m_i).isDigit())
            ++m_i;
        bool ok = false;
        *out = m_s.mid(start, m_i - start).toInt(&ok);
        return ok && *out > 0;
    }

    bool reference(int* row, int* col) {
        *col = SpreadFormula::columnFromLetters(letters());
        return *col > 0 && digits(row);
    }

    // SUM(ref :ref) or SUM(expr, expr ...); the opening parenthesis is read.
    std::optional<double> sum() {
        double total = 0;
        do {
            const qsizetype mark = m_i;
            int r1 = 0, c1 = 0, r2 = 0, c2 = 0;
            if (reference(&r1, &c1) && eat(QLatin1Char(':')) && reference(&r2, &c2)) {
                for (int r = std::min(r1, r2); r <= std::max(r1, r2); ++r)
                    for (int c = std::min(c1, c2); c <= std::max(c1, c2); ++c)
                        total += m_cell(r, c);
                continue;
            }
            m_i = mark;
            const auto v = expression();
            if (!v)
                return std::nullopt;
            total += *v;
        } while (eat(QLatin1Char(',')));
        return eat(QLatin1Char(')')) ? std::optional(total) : std::nullopt;
    }

    const QString& m_s;
    const std::function<double(int, int)>& m_cell;
    qsizetype m_i = 0;
};
} // namespace

namespace SpreadFormula {
QString columnLetter(int col) {
    QString out;
    while (col > 0) {
        const int d = (col - 1) % 26;
        out.prepend(QChar(u'A' + d));
        col = (col - 1) / 26;
    }
    return out;
}

int columnFromLetters(const QString& letters) {
    if (letters.isEmpty() || letters.size() > 4)
        return 0;
    int col = 0;
    for (const QChar ch : letters) {
        const char16_t u = ch.toUpper().unicode();
        if (u < u'A' || u > u'Z')
            return 0;
        col = col * 26 + int(u - u'A' + 1);
    }
    return col;
}

std::optional<double> evaluate(const QString& formula,
                               const std::function<double(int, int)>& cell) {
    const auto v = Reader(formula, cell).run();
    return v && std::isfinite(*v) ? v : std::nullopt;
}
} // namespace SpreadFormula
