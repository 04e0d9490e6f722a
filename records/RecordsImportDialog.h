#pragma once

#include <QString>

class QWidget;
class RecordsStore;

// "Import Records…" of the viewer and of the File menu: asks for a CSV file, adds its
// records to the records in use in one write, with progress and Cancel, and says how many
// were added, were there already and were refused, and why.
namespace RecordsImportDialog {

// True when records were added.
bool Run(QWidget* parent, RecordsStore& store);
bool ImportFile(QWidget* parent, RecordsStore& store, const QString& path);

}  // namespace RecordsImportDialog
