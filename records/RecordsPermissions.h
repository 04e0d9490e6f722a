#pragma once

#include <QString>

// What the login using the records may do beyond reading and adding them. A records file
// allows everything; on a server the database's grants decide (the roles
// brackmere_recorder and brackmere_editor).
struct RecordsPermissions {
    bool change = true;   // edit records
    bool remove = true;   // delete them
    bool history = true;  // read their history
    // For the window, when something is not allowed: what, and how to get it.
    QString reason;

    // Restoring a record is an editor's action.
    bool restore() const { return change && remove && history; }
};
