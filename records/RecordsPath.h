#pragma once

#include <QString>

// Which records file a run uses. Copies started from the shared program folder
// all use one shared file; every other copy uses the file in its own folder.
namespace RecordsPath {

// Build-time settings (CMake cache variables SharedProgramFolder, SharedDatabasePath).
QString SharedProgramFolder();
QString SharedDatabasePath();

// programFolder is compared with sharedProgramFolder exactly, letter case included;
// an empty shared folder never matches. Otherwise the file is Brackmere_Data.mdb
// in programFolder. Paths are returned with the platform's separators.
QString For(const QString& programFolder, const QString& sharedProgramFolder,
            const QString& sharedDatabasePath);

// The rule applied to this program's own folder and the build settings.
QString ForThisProgram();

// Makes ForThisProgram take `folder` as the program's own folder while it lives,
// so that a test runs the real start-up against a records file of its own.
class ScopedProgramFolder {
public:
    explicit ScopedProgramFolder(const QString& folder);
    ~ScopedProgramFolder();
    ScopedProgramFolder(const ScopedProgramFolder&) = delete;
    ScopedProgramFolder& operator=(const ScopedProgramFolder&) = delete;

private:
    QString folder_;
    const QString* previous_;
};

}  // namespace RecordsPath
