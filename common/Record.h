#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <vector>

// One text field of a record: a length byte, then `capacity` bytes of Windows-1252 text.
// The name of a literal table entry; a layout keeps its own copy.
struct FieldDef {
    const char *name;
    int capacity;
};

// Stores a text into a field: trimmed, converted to Windows-1252, cut to the capacity.
// Bytes after the text are zero.
void StoreShortText(char *field, int capacity, const QString &text);
// A field's Windows-1252 bytes, trimmed: a length byte past the capacity is clamped to it.
QByteArrayView TrimmedFieldBytes(const char *field, int capacity);
// Loads a field: a length byte past the capacity is clamped to it; the result is trimmed.
QString LoadShortText(const char *field, int capacity);

// The yes/no flag kept in a field of capacity 2: "Sì" or "No".
QString YesNoFlag(bool checked);
// The new check state: "Sì" checks, "No" clears, anything else keeps the current state.
bool LoadYesNoFlag(const QString &stored, bool current);

// A record layout: its fields in order; the record size is derived from them. The layout owns
// its field names, so names made at run time ("Quant01".."Quant30") serve as well as literals.
// Build it completely before any record uses it.
class RecordLayout {
public:
    RecordLayout() = default;
    // The literal table of a small record: RecordLayout{{"Cliente", 50}, {"Note", 250}}.
    RecordLayout(std::initializer_list<FieldDef> fields);

    // Appends fields after the last one; throws std::logic_error on a repeated name or a capacity
    // outside 0..255.
    RecordLayout &append(const QString &name, int capacity);
    RecordLayout &append(std::initializer_list<FieldDef> fields);
    // Appends a group of `count` lines stored column by column: every element of the first column,
    // then every element of the second, and so on. Element i of column "Quant" is named "Quant"
    // followed by i in two digits ("Quant01"), so `count` is 1 to 99.
    RecordLayout &appendColumns(std::initializer_list<FieldDef> columns, int count);

    int recordSize() const { return size_; }
    int fieldCount() const { return int(fields_.size()); }
    // The field's name and capacity; the name points into this layout.
    FieldDef field(int i) const;
    QString name(int i) const { return fields_[size_t(i)].name; }
    int capacity(int i) const { return fields_[size_t(i)].capacity; }
    int offset(int i) const { return fields_[size_t(i)].offset; }
    // Index of the field with this exact name, or -1.
    int indexOf(const QString &name) const;
    QStringList names() const;

private:
    struct Field {
        QString name;
        QByteArray latin1;  // the name as the const char * of FieldDef
        int capacity;
        int offset;
    };
    std::vector<Field> fields_;
    QHash<QString, int> index_;
    int size_ = 0;
};

// The bytes of one record and access to its fields by name.
class Record {
public:
    explicit Record(const RecordLayout &layout);
    Record(const RecordLayout &layout, const QByteArray &bytes);

    const RecordLayout &layout() const { return *layout_; }
    const QByteArray &bytes() const { return bytes_; }

    QString text(int field) const;
    // The stored text of the field trimmed, as its Windows-1252 bytes: a view into the record.
    QByteArrayView trimmedBytes(int field) const;
    QString text(const QString &name) const;
    void setText(int field, const QString &value);
    void setText(const QString &name, const QString &value);

private:
    int require(const QString &name) const;
    const RecordLayout *layout_;
    QByteArray bytes_;
};
