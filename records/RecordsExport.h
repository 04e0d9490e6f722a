#pragma once

class QAbstractItemModel;
class RecordsProxy;
class QWidget;
struct RecordsReportHeading;

// Writing the records the viewer shows to a file the user names: each asks for the name
// through the destinations in force (see output/PrintDestinations.h), writes the file,
// and says how many records went where, or why none did.
namespace RecordsExport {

void ToCsv(QWidget* parent, const RecordsProxy& rows);
void ToPdf(QWidget* parent, const QAbstractItemModel& rows, const RecordsReportHeading& heading);

}  // namespace RecordsExport
