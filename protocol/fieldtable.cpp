#include "fieldtable.h"

#include <algorithm>
#include <array>

namespace FieldTable {

bool isLatin1(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
}

bool carriesText(const Field &field, const QString &text)
{
    return text.size() <= field.size && isLatin1(text);
}

const Field *forTag(quint8 tag)
{
    // Looked up for every field of every answer: one index instead of a search.
    static const std::array<const Field *, 256> byTag = [] {
        std::array<const Field *, 256> index{};
        for (const Field &field : Fields) {
            const int span = field.kind == Kind::Bus ? Sctl::BusValues : 1;
            for (int i = 0; i < span; ++i)
                index[size_t(field.tag + i)] = &field;
        }
        return index;
    }();
    return byTag[tag];
}

QString attributeOf(quint8 tag)
{
    const Field *field = forTag(tag);
    return field ? QString::fromLatin1(field->attribute) : QString();
}

const QList<const Field *> &fileFields()
{
    static const QList<const Field *> ordered = [] {
        QList<const Field *> list;
        for (const Field &field : Fields) {
            if (field.attribute)
                list.append(&field);
        }
        std::sort(list.begin(), list.end(),
                  [](const Field *a, const Field *b) { return a->fileRank < b->fileRank; });
        return list;
    }();
    return ordered;
}

} // namespace FieldTable
