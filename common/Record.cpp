#include "common/Record.h"

#include "common/Cp1252.h"
#include "common/Text.h"

#include <cstring>
#include <stdexcept>

void StoreShortText(char *field, int capacity, const QString &text)
{
    // One byte per character, so cutting the bytes cuts the characters.
    const QByteArray bytes = ToCp1252(TrimText(text)).left(capacity);
    const int length = int(bytes.size());
    field[0] = char(static_cast<unsigned char>(length));
    std::memcpy(field + 1, bytes.constData(), size_t(length));
    std::memset(field + 1 + length, 0, size_t(capacity - length));
}

QByteArrayView TrimmedFieldBytes(const char *field, int capacity)
{
    // A damaged length byte must not make the read leave the field. Trimmed on the bytes, this
    // equals trimming the loaded text without a second copy.
    const int length = qMin(int(static_cast<unsigned char>(field[0])), capacity);
    return TrimmedView(QByteArrayView(field + 1, length));
}

QString LoadShortText(const char *field, int capacity)
{
    const QByteArrayView text = TrimmedFieldBytes(field, capacity);
    return FromCp1252(text.data(), int(text.size()));
}

namespace {

void checkField(const RecordLayout &layout, int field)
{
    if (field < 0 || field >= layout.fieldCount())
        throw std::logic_error("field index out of range");
}

} // namespace

QString YesNoFlag(bool checked)
{
    return checked ? QStringLiteral(u"S\u00EC") : QStringLiteral(u"No");
}

bool LoadYesNoFlag(const QString &stored, bool current)
{
    const QString flag = TrimText(stored);
    if (flag == YesNoFlag(true))
        return true;
    if (flag == YesNoFlag(false))
        return false;
    return current;
}

RecordLayout::RecordLayout(std::initializer_list<FieldDef> fields) { append(fields); }

RecordLayout &RecordLayout::append(const QString &name, int capacity)
{
    if (capacity < 0 || capacity > 255)
        throw std::logic_error("field capacity out of range: " + name.toStdString());
    if (name.isEmpty() || index_.contains(name))
        throw std::logic_error("field name empty or repeated: " + name.toStdString());
    index_.insert(name, int(fields_.size()));
    fields_.push_back({name, name.toLatin1(), capacity, size_});
    size_ += capacity + 1;
    return *this;
}

RecordLayout &RecordLayout::append(std::initializer_list<FieldDef> fields)
{
    fields_.reserve(fields_.size() + fields.size());
    for (const FieldDef &f : fields)
        append(QLatin1String(f.name), f.capacity);
    return *this;
}

RecordLayout &RecordLayout::appendColumns(std::initializer_list<FieldDef> columns, int count)
{
    if (count < 1 || count > 99)
        throw std::logic_error("line count out of range");
    fields_.reserve(fields_.size() + columns.size() * size_t(count));
    for (const FieldDef &column : columns)
        for (int line = 1; line <= count; ++line)
            append(QLatin1String(column.name) + QStringLiteral("%1").arg(line, 2, 10, QLatin1Char('0')),
                   column.capacity);
    return *this;
}

FieldDef RecordLayout::field(int i) const
{
    const Field &f = fields_[size_t(i)];
    return {f.latin1.constData(), f.capacity};
}

int RecordLayout::indexOf(const QString &name) const { return index_.value(name, -1); }

QStringList RecordLayout::names() const
{
    QStringList out;
    out.reserve(qsizetype(fields_.size()));
    for (const Field &f : fields_)
        out.append(f.name);
    return out;
}

Record::Record(const RecordLayout &layout) : layout_(&layout), bytes_(layout.recordSize(), '\0') {}

Record::Record(const RecordLayout &layout, const QByteArray &bytes) : layout_(&layout), bytes_(bytes)
{
    if (bytes_.size() != layout.recordSize())
        throw std::logic_error("record bytes do not match the layout");
}

QString Record::text(int field) const
{
    checkField(*layout_, field);
    return LoadShortText(bytes_.constData() + layout_->offset(field), layout_->capacity(field));
}

QString Record::text(const QString &name) const { return text(require(name)); }

QByteArrayView Record::trimmedBytes(int field) const
{
    checkField(*layout_, field);
    return TrimmedFieldBytes(bytes_.constData() + layout_->offset(field), layout_->capacity(field));
}

void Record::setText(int field, const QString &value)
{
    checkField(*layout_, field);
    StoreShortText(bytes_.data() + layout_->offset(field), layout_->capacity(field), value);
}

void Record::setText(const QString &name, const QString &value) { setText(require(name), value); }

int Record::require(const QString &name) const
{
    const int i = layout_->indexOf(name);
    if (i < 0)
        throw std::logic_error("no field named " + name.toStdString());
    return i;
}
