#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <vector>

// One text field of a record: a length byte, then `capacity` bytes of Windows-1252 text.
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

// A record layout: its fields in order; the record size is derived from them.
class RecordLayout {
public:
    RecordLayout(std::initializer_list<FieldDef> fields);
    int recordSize() const { return size_; }
    int fieldCount() const { return int(fields_.size()); }
    const FieldDef &field(int i) const { return fields_[size_t(i)]; }
    int offset(int i) const { return offsets_[size_t(i)]; }
    // Index of the field with this exact name, or -1.
    int indexOf(const QString &name) const;
    QStringList names() const;

private:
    std::vector<FieldDef> fields_;
    std::vector<int> offsets_;
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
    QString text(const QString &name) const;
    void setText(int field, const QString &value);
    void setText(const QString &name, const QString &value);

private:
    int require(const QString &name) const;
    const RecordLayout *layout_;
    QByteArray bytes_;
};
