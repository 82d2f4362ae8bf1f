#include "app/rememberedfolders.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

QString keyOf(const QString& kind) {
    return QStringLiteral("folders/") + kind;
}

} // namespace

QString RememberedFolders::startPath(const QString& kind, const QString& suggested) const {
    const QString folder = settings.value(keyOf(kind)).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return suggested;
    const QString name = suggested.isEmpty() || QFileInfo(suggested).isDir()
                             ? QString()
                             : QFileInfo(suggested).fileName();
    return name.isEmpty() ? folder : QDir(folder).filePath(name);
}

void RememberedFolders::remember(const QString& kind, const QString& chosenPath) {
    if (!chosenPath.isEmpty())
        settings.setValue(keyOf(kind), QFileInfo(chosenPath).absolutePath());
}
