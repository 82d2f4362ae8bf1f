#pragma once

#include <QString>

class QSettings;

// The folders the user last exported to and imported from, kept in the user's own
// settings, so that the next file dialog opens there.
class RememberedFolders {
public:
    explicit RememberedFolders(QSettings& settings)
        : settings(settings) {}

    // The suggested path (a folder, a file name or both) moved into the folder last used
    // for `kind` ("export", "import"), when one is remembered and still exists.
    QString startPath(const QString& kind, const QString& suggested) const;
    // Remembers the folder of a chosen path; an empty path (cancelled dialog) changes nothing.
    void remember(const QString& kind, const QString& chosenPath);

private:
    QSettings& settings;
};
