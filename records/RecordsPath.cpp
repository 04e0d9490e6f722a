#include "records/RecordsPath.h"

#include <QCoreApplication>
#include <QDir>

#include "records/RecordsSchema.h"

namespace RecordsPath {

QString SharedProgramFolder()
{
    return QStringLiteral(BRACKMERE_SHARED_PROGRAM_FOLDER);
}

QString SharedDatabasePath()
{
    return QStringLiteral(BRACKMERE_SHARED_DATABASE_PATH);
}

QString For(const QString& programFolder, const QString& sharedProgramFolder,
            const QString& sharedDatabasePath)
{
    QString folder = QDir::toNativeSeparators(programFolder);
    if (folder.endsWith(QDir::separator()))
        folder.chop(1);
    if (!sharedProgramFolder.isEmpty() && folder == sharedProgramFolder)
        return sharedDatabasePath;
    return folder + QDir::separator() + RecordsSchema::FileName;
}

QString ForThisProgram()
{
    return For(QCoreApplication::applicationDirPath(), SharedProgramFolder(), SharedDatabasePath());
}

}  // namespace RecordsPath
