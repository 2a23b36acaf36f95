#pragma once
#include <QList>
#include <QString>

class QWidget;

// Controls of a window kept in the settings file: each (control, section, key) is read into its
// control and written back from it, trimmed.
class SettingsBinding {
public:
    struct Entry {
        QWidget *control;
        QString section;
        QString key;
    };

    explicit SettingsBinding(QList<Entry> entries) : entries_(std::move(entries)) {}

    // Fills the controls from the file; a missing file or key gives the empty text.
    void load(const QString &path) const;
    // Writes every key and saves the file whole; throws IoError when it cannot be written.
    void save(const QString &path) const;
    // Whether every value can be written as the controls show it; when one cannot, the warning
    // names its control, which takes the focus (TextsStorable), and nothing should be written.
    bool storable() const;

private:
    QList<Entry> entries_;
};
