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

// Whether the program runs from an install tree (its help lies in ../share/brackmere
// beside its folder) rather than from a build folder. An installed program's folder is
// not writable, so it keeps its records in the user's data folder.
bool RunsInstalled();
QString UserRecordsFile();

// The rule applied to this program's own folder and the build settings: the shared file
// for copies run from the shared folder, the user's records file for an installed copy,
// else the file beside the program.
QString ForThisProgram();
// The help file beside the program, or in the install tree's share folder.
QString HelpFile();

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
