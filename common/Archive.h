#pragma once
#include <QByteArray>
#include <QString>

#include <functional>

// A file of fixed-size records laid back to back, open for one command.
// Every operation is checked; a failure throws IoError. The file is closed by close() or
// when the archive goes out of scope.
class Archive {
public:
    Archive(const Archive &) = delete;
    Archive &operator=(const Archive &) = delete;
    Archive(Archive &&other) noexcept;
    Archive &operator=(Archive &&other) noexcept;
    ~Archive();

    // Number of whole records (a partial tail is not counted).
    int count() const;
    // Sets the position before record index + 1 (0-based index, 0..count()).
    void seek(int index);
    // Reads the record at the position; the position moves one record on.
    QByteArray read();
    // Reads up to `maxRecords` whole records from the position into `buffer` (room for as many)
    // in as few read calls as the system allows, and returns how many whole records it read:
    // fewer only at the end of the file, where a partial tail is not a record. The position
    // moves on by that number.
    int readRecords(char *buffer, int maxRecords);
    // Writes the record at the position: over the record there or, at the end, appended
    // under an advisory lock at the true end of the file. The position moves one record on.
    void write(const QByteArray &record);
    // Appends at the true end of the file under an advisory lock; returns the new record's number.
    int append(const QByteArray &record);
    // Appends as append() does when `admit`, run first under the same lock, returns true: it sees
    // the records present then, reading them through this archive, and no other workstation can
    // append until the record is written. Returns the new record's number, or 0 when `admit`
    // refused and nothing was written.
    int appendIf(const QByteArray &record, const std::function<bool(Archive &)> &admit);
    // Records before the position: after reading or writing record k it is k.
    int position() const { return pos_; }
    int recordSize() const { return size_; }
    QString path() const { return path_; }
    void close();

private:
    friend Archive OpenOrCreateArchive(const QString &fileName, int recordSize);
    Archive(int fd, int recordSize, const QString &path);
    int fd_ = -1;
    int size_ = 0;
    int pos_ = 0;
    QString path_;
};

// Opens an archive for reading and writing, positioned before record 1. A relative name lies in
// the program folder; an existing file whose name differs only in letter case is used. A missing
// file is created empty; an existing one is never truncated.
Archive OpenOrCreateArchive(const QString &fileName, int recordSize);
