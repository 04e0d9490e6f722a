#include "records/RecordsPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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

namespace {

QString ProgramFolder()
{
    return programFolderOverride ? *programFolderOverride : QCoreApplication::applicationDirPath();
}

QString InstalledHelpFile()
{
    return QDir(ProgramFolder()).absoluteFilePath(QStringLiteral("../share/brackmere/brackmere.chm"));
}

}  // namespace

bool RunsInstalled()
{
    return QFileInfo::exists(InstalledHelpFile());
}

QString UserRecordsFile()
{
    return QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u'/'
                                    + RecordsSchema::FileName);
}

QString ForThisProgram()
{
    const QString folder = ProgramFolder();
    if (!SharedProgramFolder().isEmpty() && QDir::toNativeSeparators(folder) == SharedProgramFolder())
        return SharedDatabasePath();
    return RunsInstalled() ? UserRecordsFile() : For(folder, SharedProgramFolder(), SharedDatabasePath());
}

QString HelpFile()
{
    const QString beside = ProgramFolder() + QStringLiteral("/brackmere.chm");
    return QFileInfo::exists(beside) || !RunsInstalled() ? beside : QDir::cleanPath(InstalledHelpFile());
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
