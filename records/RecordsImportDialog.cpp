#include "records/RecordsImportDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QProgressDialog>
#include <QSqlError>

#include "records/RecordsImport.h"
#include "records/RecordsStore.h"
#include "ui/MessageBox.h"

namespace RecordsImportDialog {
namespace {

QString Title()
{
    return QCoreApplication::translate("RecordsImportDialog", "Import Records");
}

}  // namespace

bool Run(QWidget* parent, RecordsStore& store)
{
    const QString path = QFileDialog::getOpenFileName(
        parent, Title(), QString(),
        QCoreApplication::translate("RecordsImportDialog", "CSV files (*.csv *.txt);;All files (*)"));
    return !path.isEmpty() && ImportFile(parent, store, path);
}

bool ImportFile(QWidget* parent, RecordsStore& store, const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Msg::Box(parent,
                 QCoreApplication::translate("RecordsImportDialog", "The file \"%1\" could not be read: %2")
                     .arg(shown, file.errorString()),
                 Msg::Buttons::Ok, Msg::Icon::Critical, Title());
        return false;
    }
    const RecordsImport::Read read = RecordsImport::FromText(QString::fromUtf8(file.readAll()));
    RecordsImport::Outcome outcome;
    if (read.error.isEmpty()) {
        QProgressDialog progress(
            QCoreApplication::translate("RecordsImportDialog", "Importing the records of \"%1\" into %2…")
                .arg(shown, store.describe()),
            QCoreApplication::translate("RecordsImportDialog", "Cancel"), 0, int(read.records.size()), parent);
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(500);
        RecordsStore::CopyOutcome added;
        const QSqlError error = store.AddRecordsOnce(read.records, RecordsImport::KeyOf, added, [&progress](int done) {
            progress.setValue(done);
            return !progress.wasCanceled();
        });
        progress.close();
        outcome = {.added = added.copied, .already = added.skipped, .cancelled = added.cancelled,
                   .error = error.isValid() ? error.text() : QString()};
    }
    const bool complete = read.error.isEmpty() && outcome.error.isEmpty() && !outcome.cancelled;
    Msg::Box(parent, RecordsImport::Summary(shown, read, outcome), Msg::Buttons::Ok,
             complete && read.refused.isEmpty() ? Msg::Icon::Information : Msg::Icon::Exclamation, Title());
    return complete && outcome.added > 0;
}

}  // namespace RecordsImportDialog
