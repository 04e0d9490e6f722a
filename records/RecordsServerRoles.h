#pragma once

#include <QString>

// The group roles an owner grants to logins on a records server: recorders read and add
// records, editors also change, delete and restore them.
namespace RecordsServerRoles {
inline const QString Recorder = QStringLiteral("brackmere_recorder");
inline const QString Editor = QStringLiteral("brackmere_editor");
}  // namespace RecordsServerRoles
