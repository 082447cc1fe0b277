#include "core/tsql/likepattern.h"

#include <vector>

namespace tsql {
namespace {

struct Token {
    enum Kind { Any, One, Set, Char } kind = Char;
    QString chars;                               // Char: the character; Set: its single members
    std::vector<std::pair<QChar, QChar>> ranges; // Set: a-z ranges
    bool negated = false;
};

std::vector<Token> tokenize(const QString& p) {
    std::vector<Token> out;
    for (qsizetype i = 0; i < p.size(); ++i) {
        Token t;
        const QChar c = p[i];
        const qsizetype close = c == u'[' ? p.indexOf(QLatin1Char(']'), i + 1) : -1;
        if (c == u'%') {
            t.kind = Token::Any;
        } else if (c == u'_') {
            t.kind = Token::One;
        } else if (close > i + 1) {
            t.kind = Token::Set;
            qsizetype k = i + 1;
            if (p[k] == u'^' && close > k + 1) {
                t.negated = true;
                ++k;
            }
            for (; k < close; ++k) {
                if (k + 2 < close && p[k + 1] == u'-') {
                    t.ranges.emplace_back(p[k], p[k + 2]);
                    k += 2;
                } else {
                    t.chars += p[k];
                }
            }
            i = close;
        } else {
            t.chars = c;
        }
        out.push_back(std::move(t));
    }
    return out;
}

bool sameChar(QChar a, QChar b) {
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}

bool inSet(const Token& t, QChar c) {
    const QChar f = c.toCaseFolded();
    bool found = false;
    for (QChar m : t.chars)
        found = found || sameChar(m, c);
    for (const auto& [lo, hi] : t.ranges)
        found = found || (lo <= c && c <= hi) || (lo.toCaseFolded() <= f && f <= hi.toCaseFolded());
    return found != t.negated;
}

bool matchesOne(const Token& t, QChar c) {
    switch (t.kind) {
    case Token::One:
        return true;
    case Token::Set:
        return inSet(t, c);
    case Token::Char:
        return sameChar(t.chars[0], c);
    case Token::Any:
        break;
    }
    return false;
}

// Whether the tokens match all of s from start on.
bool matchesFrom(const std::vector<Token>& tokens, const QString& s, qsizetype start) {
    const size_t n = size_t(s.size() - start);
    std::vector<char> row(n + 1, 0), next(n + 1, 0);
    row[0] = 1;
    for (const Token& t : tokens) {
        std::fill(next.begin(), next.end(), 0);
        if (t.kind == Token::Any) {
            char reach = 0;
            for (size_t j = 0; j <= n; ++j) {
                reach = reach || row[j];
                next[j] = reach;
            }
        } else {
            for (size_t j = 0; j < n; ++j)
                next[j + 1] = row[j] && matchesOne(t, s[start + qsizetype(j)]);
        }
        row.swap(next);
    }
    return row[n] != 0;
}

} // namespace

qsizetype likePosition(const QString& pattern, const QString& s) {
    std::vector<Token> tokens = tokenize(pattern);
    if (tokens.empty() || tokens.front().kind != Token::Any)
        return matchesFrom(tokens, s, 0) ? 1 : 0;
    tokens.erase(tokens.begin());
    if (tokens.empty())
        return 1;
    for (qsizetype i = 0; i < s.size(); ++i)
        if (matchesFrom(tokens, s, i))
            return i + 1;
    return 0;
}

} // namespace tsql
