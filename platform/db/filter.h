#pragma once

#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

namespace pf {

// A client-side filter over loaded rows: comparisons of a field with a
// literal (=, <>, !=, <, >, <=, >=, like with % and _), joined by and, or,
// not and parentheses, as in "fio like 'Ив%'" or "id_level=2 and b_excluded=0".
class Filter {
public:
    using FieldLookup = std::function<int(const QString&)>;   // column or -1
    using ValueAt = std::function<QVariant(int column)>;

    // Throws DbError for a malformed expression or an unknown field.
    static Filter parse(const QString& expression, const FieldLookup& lookup);

    Filter();
    ~Filter();
    Filter(Filter&&) noexcept;
    Filter& operator=(Filter&&) noexcept;

    bool empty() const { return root_ == nullptr; }
    bool matches(const ValueAt& valueAt) const;

    struct Node;

private:
    std::unique_ptr<Node> root_;
};

// SQL-style pattern match with % and _, case-insensitive.
bool likeMatch(const QString& text, const QString& pattern);

}   // namespace pf
