#include "records/RecordsPath.h"

#include <QCoreApplication>
#include <QDir>

#include "records/RecordsSchema.h"

namespace RecordsPath {
namespace {
const QString* programFolderOverride = nullptr;
}

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
    const QString folder = programFolderOverride ? *programFolderOverride : QCoreApplication::applicationDirPath();
    return For(folder, SharedProgramFolder(), SharedDatabasePath());
}

ScopedProgramFolder::ScopedProgramFolder(const QString& folder)
    : folder_(folder), previous_(programFolderOverride)
{
    programFolderOverride = &folder_;
}

ScopedProgramFolder::~ScopedProgramFolder()
{
    programFolderOverride = previous_;
}

}  // namespace RecordsPath
