#include "filter.h"

#include "db_error.h"

#include <QDate>
#include <QDateTime>
#include <vector>

namespace pf {

struct Filter::Node {
    enum Kind { And, Or, Not, Compare } kind = Compare;
    std::unique_ptr<Node> left, right;
    int column = -1;
    QString op;
    QVariant literal;
};

namespace {

struct Token {
    enum Kind { Ident, Number, String, Op, LParen, RParen, End } kind;
    QString text;
};

std::vector<Token> tokenize(const QString& s)
{
    std::vector<Token> out;
    int i = 0;
    const int n = s.size();
    while (i < n) {
        const QChar c = s[i];
        if (c.isSpace()) {
            ++i;
        } else if (c == QLatin1Char('(')) {
            out.push_back({Token::LParen, QStringLiteral("(")});
            ++i;
        } else if (c == QLatin1Char(')')) {
            out.push_back({Token::RParen, QStringLiteral(")")});
            ++i;
        } else if (c == QLatin1Char('\'')) {
            QString text;
            ++i;
            bool closed = false;
            while (i < n) {
                if (s[i] == QLatin1Char('\'')) {
                    if (i + 1 < n && s[i + 1] == QLatin1Char('\'')) {
                        text += QLatin1Char('\'');
                        i += 2;
                        continue;
                    }
                    closed = true;
                    ++i;
                    break;
                }
                text += s[i++];
            }
            if (!closed)
                throw DbError(QStringLiteral("Ошибка в выражении фильтра: незакрытая строка"));
            out.push_back({Token::String, text});
        } else if (c.isDigit() ||
                   ((c == QLatin1Char('-') || c == QLatin1Char('.')) && i + 1 < n && s[i + 1].isDigit())) {
            int j = i + 1;
            while (j < n && (s[j].isDigit() || s[j] == QLatin1Char('.')))
                ++j;
            out.push_back({Token::Number, s.mid(i, j - i)});
            i = j;
        } else if (c.isLetter() || c == QLatin1Char('_') || c == QLatin1Char('[')) {
            int j = i;
            if (c == QLatin1Char('[')) {
                j = s.indexOf(QLatin1Char(']'), i);
                if (j < 0)
                    throw DbError(QStringLiteral("Ошибка в выражении фильтра"));
                out.push_back({Token::Ident, s.mid(i + 1, j - i - 1)});
                i = j + 1;
                continue;
            }
            while (j < n && (s[j].isLetterOrNumber() || s[j] == QLatin1Char('_') || s[j] == QLatin1Char('.')))
                ++j;
            out.push_back({Token::Ident, s.mid(i, j - i)});
            i = j;
        } else {
            static const QStringList ops = {QStringLiteral("<>"), QStringLiteral("!="), QStringLiteral("<="),
                                            QStringLiteral(">="), QStringLiteral("="),  QStringLiteral("<"),
                                            QStringLiteral(">")};
            bool found = false;
            for (const QString& op : ops) {
                if (s.mid(i, op.size()) == op) {
                    out.push_back({Token::Op, op});
                    i += op.size();
                    found = true;
                    break;
                }
            }
            if (!found)
                throw DbError(QStringLiteral("Ошибка в выражении фильтра: '%1'").arg(c));
        }
    }
    out.push_back({Token::End, QString()});
    return out;
}

class Parser {
public:
    Parser(std::vector<Token> tokens, const Filter::FieldLookup& lookup) : tokens_(std::move(tokens)), lookup_(lookup)
    {
    }

    std::unique_ptr<Filter::Node> parseAll()
    {
        auto node = parseOr();
        if (peek().kind != Token::End)
            fail();
        return node;
    }

private:
    const Token& peek() const { return tokens_[pos_]; }
    Token take() { return tokens_[pos_++]; }
    bool keyword(const char* word) const
    {
        return peek().kind == Token::Ident && peek().text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }
    [[noreturn]] void fail() const { throw DbError(QStringLiteral("Ошибка в выражении фильтра")); }

    std::unique_ptr<Filter::Node> parseOr()
    {
        auto left = parseAnd();
        while (keyword("or")) {
            take();
            auto node = std::make_unique<Filter::Node>();
            node->kind = Filter::Node::Or;
            node->left = std::move(left);
            node->right = parseAnd();
            left = std::move(node);
        }
        return left;
    }

    std::unique_ptr<Filter::Node> parseAnd()
    {
        auto left = parseUnary();
        while (keyword("and")) {
            take();
            auto node = std::make_unique<Filter::Node>();
            node->kind = Filter::Node::And;
            node->left = std::move(left);
            node->right = parseUnary();
            left = std::move(node);
        }
        return left;
    }

    std::unique_ptr<Filter::Node> parseUnary()
    {
        if (keyword("not")) {
            take();
            auto node = std::make_unique<Filter::Node>();
            node->kind = Filter::Node::Not;
            node->left = parseUnary();
            return node;
        }
        if (peek().kind == Token::LParen) {
            take();
            auto node = parseOr();
            if (take().kind != Token::RParen)
                fail();
            return node;
        }
        return parseCompare();
    }

    std::unique_ptr<Filter::Node> parseCompare()
    {
        const Token field = take();
        if (field.kind != Token::Ident)
            fail();
        auto node = std::make_unique<Filter::Node>();
        node->column = lookup_(field.text);
        if (node->column < 0)
            throw DbError(QStringLiteral("Поле '%1' не найдено").arg(field.text));
        if (keyword("like")) {
            take();
            node->op = QStringLiteral("like");
        } else if (peek().kind == Token::Op) {
            node->op = take().text;
            if (node->op == QLatin1String("!="))
                node->op = QStringLiteral("<>");
        } else {
            fail();
        }
        const Token value = take();
        if (value.kind == Token::String)
            node->literal = value.text;
        else if (value.kind == Token::Number)
            node->literal = value.text.toDouble();
        else if (value.kind == Token::Ident && value.text.compare(QLatin1String("null"), Qt::CaseInsensitive) == 0)
            node->literal = QVariant();
        else
            fail();
        return node;
    }

    std::vector<Token> tokens_;
    const Filter::FieldLookup& lookup_;
    size_t pos_ = 0;
};

bool isNumeric(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Bool: return true;
    default: return false;
    }
}

int compareValues(const QVariant& field, const QVariant& literal)
{
    if (isNumeric(literal)) {
        bool ok = true;
        const double a = isNumeric(field) ? field.toDouble() : field.toString().trimmed().toDouble(&ok);
        if (!ok)
            return field.toString().compare(literal.toString());
        const double b = literal.toDouble();
        return a < b ? -1 : (a > b ? 1 : 0);
    }
    QString text;
    if (field.typeId() == QMetaType::QDate || field.typeId() == QMetaType::QDateTime) {
        const QDate d = QDate::fromString(literal.toString(), QStringLiteral("dd.MM.yyyy"));
        if (d.isValid()) {
            const QDate f = field.typeId() == QMetaType::QDate ? field.toDate() : field.toDateTime().date();
            return f < d ? -1 : (f > d ? 1 : 0);
        }
    }
    text = field.toString();
    return text.compare(literal.toString(), Qt::CaseInsensitive);
}

bool evaluate(const Filter::Node& node, const Filter::ValueAt& valueAt)
{
    switch (node.kind) {
    case Filter::Node::And: return evaluate(*node.left, valueAt) && evaluate(*node.right, valueAt);
    case Filter::Node::Or: return evaluate(*node.left, valueAt) || evaluate(*node.right, valueAt);
    case Filter::Node::Not: return !evaluate(*node.left, valueAt);
    case Filter::Node::Compare: break;
    }
    const QVariant value = valueAt(node.column);
    const bool valueNull = !value.isValid() || value.isNull();
    const bool literalNull = !node.literal.isValid();
    if (literalNull) {
        if (node.op == QLatin1String("="))
            return valueNull;
        if (node.op == QLatin1String("<>"))
            return !valueNull;
        return false;
    }
    if (valueNull)
        return false;
    if (node.op == QLatin1String("like"))
        return likeMatch(value.toString(), node.literal.toString());
    const int c = compareValues(value, node.literal);
    if (node.op == QLatin1String("="))
        return c == 0;
    if (node.op == QLatin1String("<>"))
        return c != 0;
    if (node.op == QLatin1String("<"))
        return c < 0;
    if (node.op == QLatin1String(">"))
        return c > 0;
    if (node.op == QLatin1String("<="))
        return c <= 0;
    return c >= 0;
}

bool likeFrom(const QString& t, int ti, const QString& p, int pi)
{
    while (pi < p.size()) {
        const QChar pc = p[pi];
        if (pc == QLatin1Char('%') || pc == QLatin1Char('*')) {
            while (pi < p.size() && (p[pi] == QLatin1Char('%') || p[pi] == QLatin1Char('*')))
                ++pi;
            if (pi == p.size())
                return true;
            for (int k = ti; k <= t.size(); ++k)
                if (likeFrom(t, k, p, pi))
                    return true;
            return false;
        }
        if (ti >= t.size())
            return false;
        if (pc != QLatin1Char('_') && pc != t[ti])
            return false;
        ++ti;
        ++pi;
    }
    return ti == t.size();
}

}   // namespace

bool likeMatch(const QString& text, const QString& pattern)
{
    return likeFrom(text.toCaseFolded(), 0, pattern.toCaseFolded(), 0);
}

Filter::Filter() = default;
Filter::~Filter() = default;
Filter::Filter(Filter&&) noexcept = default;
Filter& Filter::operator=(Filter&&) noexcept = default;

Filter Filter::parse(const QString& expression, const FieldLookup& lookup)
{
    Filter f;
    if (expression.trimmed().isEmpty())
        return f;
    Parser parser(tokenize(expression), lookup);
    f.root_ = parser.parseAll();
    return f;
}

bool Filter::matches(const ValueAt& valueAt) const
{
    return !root_ || evaluate(*root_, valueAt);
}

}   // namespace pf
