#include "core/platform/apppaths.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString g_folder;
}

QString AppPaths::programFolder() {
    if (!g_folder.isEmpty())
        return g_folder;
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

void AppPaths::setProgramFolder(const QString& folder) {
    g_folder = folder;
}

QString AppPaths::file(const QString& name) {
    return QDir(programFolder()).filePath(name);
}
