#pragma once
#include <QString>

// Makes a folder refuse new files for the guard's lifetime: immutable where the file system
// allows it (needed when the tests run as root), otherwise without write permission.
// ok() is false when neither works here; the test should then be skipped.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString &path);
    ~ReadOnlyFolder();
    bool ok() const { return ok_; }

private:
    QString path_;
    bool immutable_ = false;
    bool chmodded_ = false;
    bool ok_ = false;
};
