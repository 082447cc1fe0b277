#include "core/tsql/lexer.h"

#include "core/tsql/translateerror.h"

namespace tsql {
namespace {

bool isWordStart(QChar c) {
    return c.isLetter() || c == u'_' || c == u'#' || c.unicode() >= 0x80;
}

bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'#' || c == u'$' || c == u'@' ||
           (c.unicode() >= 0x80 && !c.isSpace());
}

class Scanner {
public:
    explicit Scanner(const QString& text) : m_s(text), m_n(int(text.size())) {}

    std::vector<Token> run() {
        std::vector<Token> out;
        out.reserve(size_t(m_n / 4 + 2));
        for (;;) {
            skipSpaceAndComments();
            Token t;
            t.pos = pos();
            if (m_i >= m_n) {
                out.push_back(std::move(t));
                return out;
            }
            scanToken(t);
            out.push_back(std::move(t));
        }
    }

private:
    Pos pos() const { return {m_line, m_i - m_lineStart + 1}; }
    QChar at(int i) const { return i < m_n ? m_s.at(i) : QChar(); }

    void advance() {
        if (m_s.at(m_i) == u'\n') {
            ++m_line;
            m_lineStart = m_i + 1;
        }
        ++m_i;
    }

    void skipSpaceAndComments() {
        while (m_i < m_n) {
            const QChar c = m_s.at(m_i);
            if (c.isSpace()) {
                advance();
            } else if (c == u'-' && at(m_i + 1) == u'-') {
                while (m_i < m_n && m_s.at(m_i) != u'\n')
                    ++m_i;
            } else if (c == u'/' && at(m_i + 1) == u'*') {
                skipBlockComment();
            } else {
                return;
            }
        }
    }

    void skipBlockComment() {
        const Pos start = pos();
        int depth = 0;
        while (m_i < m_n) {
            if (m_s.at(m_i) == u'/' && at(m_i + 1) == u'*') {
                ++depth;
                m_i += 2;
            } else if (m_s.at(m_i) == u'*' && at(m_i + 1) == u'/') {
                m_i += 2;
                if (--depth == 0)
                    return;
            } else {
                advance();
            }
        }
        throw TranslateError::syntax(QStringLiteral("/*"), start);
    }

    void scanToken(Token& t) {
        const QChar c = m_s.at(m_i);
        if ((c == u'N' || c == u'n') && at(m_i + 1) == u'\'') {
            ++m_i;
            t.unicode = true;
            scanQuoted(t, u'\'', TokenKind::String);
        } else if (c == u'\'') {
            scanQuoted(t, u'\'', TokenKind::String);
        } else if (c == u'"') {
            scanQuoted(t, u'"', TokenKind::QuotedName);
        } else if (c == u'[') {
            scanBracketed(t);
        } else if (c.isDigit() || (c == u'.' && at(m_i + 1).isDigit())) {
            scanNumber(t);
        } else if (c == u'@') {
            const int start = m_i++;
            while (m_i < m_n && isWordChar(m_s.at(m_i)))
                ++m_i;
            t.kind = TokenKind::Variable;
            t.text = m_s.mid(start, m_i - start);
        } else if (isWordStart(c)) {
            const int start = m_i++;
            while (m_i < m_n && isWordChar(m_s.at(m_i)))
                ++m_i;
            t.kind = TokenKind::Word;
            t.text = m_s.mid(start, m_i - start);
            t.upper = t.text.toUpper();
        } else {
            scanSymbol(t);
        }
    }

    // '..' with '' for a quote, "..": the closing quote doubled stands for itself.
    void scanQuoted(Token& t, QChar quote, TokenKind kind) {
        const Pos start = pos();
        ++m_i;
        QString value;
        for (;;) {
            if (m_i >= m_n)
                throw TranslateError::syntax(QString(quote) + value.left(10), start);
            const QChar c = m_s.at(m_i);
            if (c == quote) {
                if (at(m_i + 1) == quote) {
                    value += quote;
                    m_i += 2;
                    continue;
                }
                ++m_i;
                break;
            }
            value += c;
            advance();
        }
        t.kind = kind;
        t.text = std::move(value);
    }

    void scanBracketed(Token& t) {
        const Pos start = pos();
        ++m_i;
        QString value;
        for (;;) {
            if (m_i >= m_n)
                throw TranslateError::syntax(QStringLiteral("[") + value.left(10), start);
            const QChar c = m_s.at(m_i);
            if (c == u']') {
                if (at(m_i + 1) == u']') {
                    value += u']';
                    m_i += 2;
                    continue;
                }
                ++m_i;
                break;
            }
            value += c;
            advance();
        }
        t.kind = TokenKind::QuotedName;
        t.text = std::move(value);
    }

    void scanNumber(Token& t) {
        const int start = m_i;
        while (m_i < m_n && m_s.at(m_i).isDigit())
            ++m_i;
        if (at(m_i) == u'.') {
            ++m_i;
            while (m_i < m_n && m_s.at(m_i).isDigit())
                ++m_i;
        }
        if ((at(m_i) == u'e' || at(m_i) == u'E') &&
            (at(m_i + 1).isDigit() ||
             ((at(m_i + 1) == u'+' || at(m_i + 1) == u'-') && at(m_i + 2).isDigit()))) {
            m_i += 2;
            while (m_i < m_n && m_s.at(m_i).isDigit())
                ++m_i;
        }
        t.kind = TokenKind::Number;
        t.text = m_s.mid(start, m_i - start);
    }

    void scanSymbol(Token& t) {
        static const char16_t* const two[] = {u"<=", u">=", u"<>", u"!=", u"!<", u"!>"};
        const QStringView rest = QStringView(m_s).mid(m_i, 2);
        for (const char16_t* s : two) {
            if (rest == QStringView(s)) {
                t.kind = TokenKind::Symbol;
                t.text = rest.toString();
                m_i += 2;
                return;
            }
        }
        const QChar c = m_s.at(m_i);
        if (QStringView(u"(),.;+-*/%=<>&|^~").contains(c)) {
            t.kind = TokenKind::Symbol;
            t.text = QString(c);
            ++m_i;
            return;
        }
        throw TranslateError::syntax(QString(c), pos());
    }

    const QString& m_s;
    int m_n;
    int m_i = 0;
    int m_line = 1;
    int m_lineStart = 0;
};

} // namespace

std::vector<Token> Lexer::tokenize(const QString& text) {
    return Scanner(text).run();
}

} // namespace tsql
