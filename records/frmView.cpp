#include "records/frmView.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QTableView>
#include <QVBoxLayout>
#include <vector>

#include "records/RecordTime.h"
#include "records/RecordsCsv.h"
#include "records/RecordsExport.h"
#include "records/RecordsFilter.h"
#include "records/RecordsImportDialog.h"
#include "records/RecordsProxy.h"
#include "records/RecordsReport.h"
#include "records/RecordsStore.h"
#include "records/frmHistory.h"
#include "records/frmSavedReports.h"
#include "ui/TabOrder.h"
#include "ui/MessageBox.h"
#include "ui/QtText.h"

namespace {

// Window and grid sizes in pixels (at 15 twips a pixel).
constexpr QSize ClientSize{779, 469};
constexpr QSize GridSize{761, 345};
// Batches of rows (the model reads 255 a batch) taken per pass of the event loop
// while the grid finishes reading the table.
constexpr int FetchBatchesPerPass = 8;
// Columns are fitted to the values of the first rows read, up to this many characters.
constexpr int FittedRows = 255;
constexpr int FittedColumnCharacters = 28;

QString Confirm()
{
    return QCoreApplication::translate("frmView", "Confirm");
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

// Keeps a button disabled whatever enables it later (the viewer enables its buttons as
// rows are selected and read).
class HeldDisabled : public QObject {
public:
    explicit HeldDisabled(QWidget* widget) : QObject(widget)
    {
        widget->setEnabled(false);
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::EnabledChange && static_cast<QWidget*>(watched)->isEnabled())
            static_cast<QWidget*>(watched)->setEnabled(false);
        return false;
    }
};

QLabel* MakeRedNote(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    QPalette red = label->palette();
    red.setColor(QPalette::WindowText, QColor(0xFF, 0x00, 0x00));
    label->setPalette(red);
    return label;
}

// "1 record", "1,204 records".
QString RecordsWord(int count)
{
    return QLocale().toString(count) + (count == 1 ? QStringLiteral(" record") : QStringLiteral(" records"));
}

QString TextOf(const QSqlRecord& record, const QString& column)
{
    const QVariant value = record.value(column);
    return value.isNull() ? QStringLiteral("") : value.toString();
}

}  // namespace

frmView::frmView(RecordsStore& store, QWidget* parent, UnitSystem units)
    : QDialog(parent), store_(store), proxy_(new RecordsProxy(this))
{
    proxy_->setShowUnits(RecordsDisplay::ShownIn(units));
    setObjectName(QStringLiteral("frmView"));
    setWindowTitle(tr("Saved Records"));
    setModal(true);
    BuildElements();
    ApplyPermissions();
    resize(ClientSize);
    layout()->activate();

    lblDB->setText((store_.location().isServer() ? tr("These records are from the records server: \"%1\"")
                                                 : tr("These records are from the Access database: \"%1\""))
                       .arg(store_.databasePath()));

    // The grid reads the first rows at once and the rest while the user looks at
    // them, so the window opens quickly however many records there are.
    fetchTimer_.setSingleShot(true);
    fetchTimer_.setInterval(0);
    connect(&fetchTimer_, &QTimer::timeout, this, &frmView::FetchRemainingRows);

    LoadRecords();
}

frmView::~frmView()
{
    fetchTimer_.stop();
    DBGrid1->setModel(nullptr);
    proxy_->setSourceModel(nullptr);
    store_.ReleaseRecords();
}

void frmView::BuildElements()
{
    lblDB = new QLabel(tr("These records are from the Access database:"), this);
    lblDB->setObjectName(QStringLiteral("lblDB"));
    lblDB->setTextFormat(Qt::PlainText);
    setSizeGripEnabled(true);

    DBGrid1 = new QTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setAccessibleName(tr("Saved Records"));
    DBGrid1->setMinimumSize(GridSize);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    DBGrid1->installEventFilter(this);
    // A wider window gives the last column the room.
    DBGrid1->viewport()->installEventFilter(this);

    Frame1 = new QGroupBox(tr("Copy"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    chkHeaders = new QCheckBox(tr("Include column headers"), Frame1);
    chkHeaders->setObjectName(QStringLiteral("chkHeaders"));
    chkHeaders->setToolTip(QStringLiteral(
        "Include the column headers (field names) as the first row of data when copying to clipboard."));
    chkRecID = new QCheckBox(tr("Include Access RecID"), Frame1);
    chkRecID->setObjectName(QStringLiteral("chkRecID"));
    chkRecID->setToolTip(tr("Include column with the auto record number generated within Access."));
    cmdCopy = MakeButton(Frame1, "cmdCopy", tr("Copy All Data to Clipboard"));
    auto* copyLayout = new QVBoxLayout(Frame1);
    copyLayout->addWidget(chkHeaders);
    copyLayout->addWidget(chkRecID);
    copyLayout->addWidget(cmdCopy);

    Label1 =
        MakeRedNote(this, "Label1", tr("Edit privileges are active for the main purpose of editing the Misc. Note."));
    Label2 = MakeRedNote(this, "Label2", tr("Results are not updated if input variables are changed here."));
    lblPermissions = MakeRedNote(this, "lblPermissions", QString());
    auto* notes = new QVBoxLayout;
    notes->addWidget(lblPermissions);
    notes->addWidget(Label1);
    notes->addWidget(Label2);
    notes->addStretch();

    cmdDelete = MakeButton(this, "cmdDelete", tr("Delete Record"));
    cmdDeleteAll = MakeButton(this, "cmdDeleteAll", tr("Delete All"));
    cmdReturn = MakeButton(this, "cmdReturn", tr("Return Record Inputs to Calculator"));
    cmdExit = MakeButton(this, "cmdExit", tr("Exit"));
    QFont bold = cmdExit->font();
    bold.setBold(true);
    cmdExit->setFont(bold);
    auto* actions = new QGridLayout;
    actions->addWidget(cmdDelete, 0, 0);
    actions->addWidget(cmdDeleteAll, 0, 1);
    actions->addWidget(cmdReturn, 1, 0, 1, 2);
    actions->addWidget(cmdExit, 2, 0, 1, 2);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Frame1);
    bottom->addLayout(notes, 1);
    bottom->addLayout(actions);

    lblCount = new QLabel(this);
    lblCount->setObjectName(QStringLiteral("lblCount"));
    lblCount->setTextFormat(Qt::PlainText);
    cmdExportCsv = MakeButton(this, "cmdExportCsv", tr("Export CSV…"));
    cmdExportCsv->setToolTip(tr("Write the records shown, every column, to a CSV file."));
    cmdExportPdf = MakeButton(this, "cmdExportPdf", tr("Export PDF…"));
    cmdExportPdf->setToolTip(tr("Write the records shown as a report in a PDF file."));
    cmdExportCsv->setEnabled(false);
    cmdExportPdf->setEnabled(false);
    cmdImport = MakeButton(this, "cmdImport", tr("Import Records…"));
    cmdImport->setToolTip(
        tr("Add the records of a CSV file written by Export CSV or by the field "
           "edition's log; records already here are not added again."));
    auto* count = new QHBoxLayout;
    count->addWidget(lblCount, 1);
    count->addWidget(cmdImport);
    count->addWidget(cmdExportCsv);
    count->addWidget(cmdExportPdf);
    cmdHistory = MakeButton(this, "cmdHistory", tr("History…"));
    cmdHistory->setToolTip(tr("Show every version of the selected record, who changed it and when."));
    cmdHistory->setEnabled(false);
    cmdShowDeleted = MakeButton(this, "cmdShowDeleted", tr("Show Deleted…"));
    cmdShowDeleted->setToolTip(tr("List the deleted records, to bring one back."));
    count->addWidget(cmdHistory);
    count->addWidget(cmdShowDeleted);
    cmdPourReport = MakeButton(this, "cmdPourReport", QCoreApplication::translate("frmView", "Pour Report…"));
    cmdPourReport->setToolTip(QCoreApplication::translate("frmView", "Make a pour report of the selected records."));
    cmdPourReport->setEnabled(false);
    cmdPourReports = MakeButton(this, "cmdPourReports", QCoreApplication::translate("frmView", "Pour Reports…"));
    cmdPourReports->setToolTip(
        QCoreApplication::translate("frmView",
                                    "List the pour reports kept beside the records, and check a copy's "
                                    "digest."));
    count->addWidget(cmdPourReport);
    count->addWidget(cmdPourReports);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblDB);
    layout->addLayout(BuildFilterElements());
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(count);
    layout->addLayout(bottom);
    // Tab reads the window top to bottom: the filters, the records, the row under them, the copy choices.
    SetTabOrder(this, {"cboFilterSite",  "chkFilterDates", "dtFrom",         "dtTo",         "cboShowUnits",
                       "DBGrid1",        "cmdImport",      "cmdExportCsv",   "cmdExportPdf", "cmdHistory",
                       "cmdShowDeleted", "cmdPourReport",  "cmdPourReports", "chkHeaders",   "chkRecID",
                       "cmdCopy",        "cmdDelete",      "cmdDeleteAll",   "cmdReturn",    "cmdExit"});

    connect(cmdCopy, &QPushButton::clicked, this, &frmView::cmdCopy_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmView::cmdDelete_Click);
    connect(cmdDeleteAll, &QPushButton::clicked, this, &frmView::cmdDeleteAll_Click);
    connect(cmdReturn, &QPushButton::clicked, this, &frmView::cmdReturn_Click);
    connect(cmdExit, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdExportCsv, &QPushButton::clicked, this, &frmView::cmdExportCsv_Click);
    connect(cmdExportPdf, &QPushButton::clicked, this, &frmView::cmdExportPdf_Click);
    connect(cmdHistory, &QPushButton::clicked, this, &frmView::cmdHistory_Click);
    connect(cmdShowDeleted, &QPushButton::clicked, this, &frmView::cmdShowDeleted_Click);
    connect(cmdImport, &QPushButton::clicked, this, &frmView::cmdImport_Click);
    connect(cmdPourReport, &QPushButton::clicked, this, &frmView::cmdPourReport_Click);
    connect(cmdPourReports, &QPushButton::clicked, this, [this] {
        frmSavedReports reports(store_, this);
        reports.exec();
    });
}

QLayout* frmView::BuildFilterElements()
{
    auto* siteLabel = new QLabel(tr("Site:"), this);
    cboFilterSite = new QComboBox(this);
    cboFilterSite->setObjectName(QStringLiteral("cboFilterSite"));
    cboFilterSite->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cboFilterSite->setMinimumContentsLength(16);
    siteLabel->setBuddy(cboFilterSite);
    cboFilterSite->addItem(tr("All sites"));

    chkFilterDates = new QCheckBox(tr("Dates from"), this);
    chkFilterDates->setObjectName(QStringLiteral("chkFilterDates"));
    chkFilterDates->setToolTip(tr("Show only the records dated from the first day to the last, both included."));
    const QDate today = QDate::currentDate();
    dtFrom = new QDateEdit(today.addMonths(-1), this);
    dtFrom->setObjectName(QStringLiteral("dtFrom"));
    dtTo = new QDateEdit(today, this);
    dtTo->setObjectName(QStringLiteral("dtTo"));
    dtFrom->setAccessibleName(chkFilterDates->text());
    for (QDateEdit* edit : {dtFrom, dtTo}) {
        edit->setCalendarPopup(true);
        edit->setEnabled(false);
        connect(edit, &QDateEdit::dateChanged, this, &frmView::ApplyFilter);
    }
    auto* toLabel = new QLabel(QStringLiteral("to"), this);
    toLabel->setBuddy(dtTo);

    auto* unitsLabel = new QLabel(tr("Show &in:"), this);
    cboShowUnits = new QComboBox(this);
    cboShowUnits->setObjectName(QStringLiteral("cboShowUnits"));
    cboShowUnits->setToolTip(
        tr("Readings and rates in one unit system, converted for showing, sorting, "
           "copying and exporting only, or each record as it was saved."));
    unitsLabel->setBuddy(cboShowUnits);
    for (ShowUnits shown : {ShowUnits::US, ShowUnits::SI, ShowUnits::AsSaved})
        cboShowUnits->addItem(RecordsDisplay::ChoiceText(shown), QVariant::fromValue(static_cast<int>(shown)));
    cboShowUnits->setCurrentIndex(cboShowUnits->findData(static_cast<int>(proxy_->showUnits())));
    connect(cboShowUnits, &QComboBox::currentIndexChanged, this, [this] {
        proxy_->setShowUnits(static_cast<ShowUnits>(cboShowUnits->currentData().toInt()));
        FitDBGrid(DBGrid1);
    });

    connect(cboFilterSite, &QComboBox::currentIndexChanged, this, &frmView::ApplyFilter);
    connect(chkFilterDates, &QCheckBox::toggled, this, [this](bool on) {
        dtFrom->setEnabled(on);
        dtTo->setEnabled(on);
        ApplyFilter();
    });

    auto* filters = new QHBoxLayout;
    filters->addWidget(siteLabel);
    filters->addWidget(cboFilterSite);
    filters->addSpacing(16);
    filters->addWidget(chkFilterDates);
    filters->addWidget(dtFrom);
    filters->addWidget(toLabel);
    filters->addWidget(dtTo);
    filters->addStretch();
    filters->addWidget(unitsLabel);
    filters->addWidget(cboShowUnits);
    return filters;
}

void frmView::LoadRecords()
{
    cmdDelete->setEnabled(false);
    cmdReturn->setEnabled(false);
    const QSqlError error = store_.SelectRecords();
    if (error.isValid()) {
        cmdCopy->setEnabled(false);
        cmdDeleteAll->setEnabled(false);
        cmdImport->setEnabled(false);
        cboFilterSite->setEnabled(false);
        chkFilterDates->setEnabled(false);
        if (store_.isOpen())
            ReportFailure(tr("The records could not be read"), error.text());
        return;
    }
    QSqlTableModel* table = store_.recordsTable();
    proxy_->setSourceModel(table);
    DBGrid1->setModel(proxy_);
    // The grid opens in the table's order; a click on a header sorts by its column, a
    // third click on the same header brings the table's order back.
    QHeaderView* header = DBGrid1->horizontalHeader();
    header->setSortIndicatorClearable(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    DBGrid1->setSortingEnabled(true);
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::selectionChanged, this, &frmView::UpdateRowButtons);
    // Leaving a row writes the edits made in it.
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { SubmitPendingEdit(); });
    // Reading the table again clears the selection without reporting it.
    connect(proxy_, &QAbstractItemModel::modelReset, this, &frmView::UpdateRowButtons);
    // Rows the grid reads as the user scrolls, and edits of a date or a site, change the count.
    connect(table, &QAbstractItemModel::rowsInserted, this, &frmView::UpdateCount);
    connect(table, &QAbstractItemModel::dataChanged, this, &frmView::UpdateCount);
    FitDBGrid(DBGrid1);
    FillSites();
    UpdateCount();
    fetchTimer_.start();
}

void frmView::ReloadRecords()
{
    const QSqlError error = store_.SelectRecords();
    if (error.isValid()) {
        ReportFailure(tr("The records could not be read"), error.text());
        return;
    }
    FillSites();
    UpdateCount();
    fetchTimer_.start();
}

void frmView::FetchRemainingRows()
{
    QSqlTableModel* table = store_.recordsTable();
    for (int batch = 0; batch < FetchBatchesPerPass && table->canFetchMore(); ++batch)
        table->fetchMore();
    if (table->canFetchMore())
        fetchTimer_.start();
    UpdateCount();
}

void frmView::FetchAllRows()
{
    fetchTimer_.stop();
    QSqlTableModel* table = store_.recordsTable();
    while (table->canFetchMore())
        table->fetchMore();
    UpdateCount();
}

void frmView::FillSites()
{
    // The choice stays while its site still has records; otherwise every site is shown.
    const QString chosen = cboFilterSite->currentData().toString();
    {
        const QSignalBlocker quiet(cboFilterSite);
        cboFilterSite->clear();
        cboFilterSite->addItem(tr("All sites"));
        for (const QString& site : store_.Sites())
            cboFilterSite->addItem(site, site);
        cboFilterSite->setCurrentIndex(std::max(0, cboFilterSite->findData(chosen)));
    }
    if (cboFilterSite->currentData().toString() != chosen)
        ApplyFilter();
}

void frmView::ApplyFilter()
{
    RecordsFilter filter;
    filter.site = cboFilterSite->currentData().toString();
    filter.datesOn = chkFilterDates->isChecked();
    filter.from = dtFrom->date();
    filter.to = dtTo->date();
    proxy_->setFilter(filter);
    UpdateRowButtons();
    UpdateCount();
}

RecordsCount frmView::Count() const
{
    RecordsCount count;
    const QSqlTableModel* table = store_.recordsTable();
    if (!table || proxy_->sourceModel() != table)
        return count;
    count.reading = table->canFetchMore();
    count.all = table->rowCount();
    count.shown = proxy_->rowCount();
    count.filtered = proxy_->filter().active();
    if (!count.reading)
        count.unreadableDates = proxy_->unreadableDates(&count.unreadableNames);
    return count;
}

void frmView::UpdateCount()
{
    if (!proxy_->sourceModel())
        return;
    const RecordsCount count = Count();
    lblCount->setText(count.words());
    const bool something = count.shown > 0 || count.reading;
    for (QPushButton* button : {cmdExportCsv, cmdExportPdf, cmdCopy, cmdDeleteAll})
        button->setEnabled(something);
}

void frmView::FitDBGrid(QTableView* DG)
{
    const QAbstractItemModel* model = DG->model();
    const int n = model ? model->columnCount() : 0;
    if (n == 0)
        return;
    const QFontMetrics metrics(font());
    int note = -1;
    for (int i = 0; i < n; ++i) {
        const QString name = model->headerData(i, Qt::Horizontal, RecordsProxy::ColumnNameRole).toString();
        const QString heading = model->headerData(i, Qt::Horizontal).toString();
        int width = metrics.horizontalAdvance(heading + u'X');
        // As wide as the widest value of the first rows read, within reason (a site, a
        // time, who saved, a message, where the values came from).
        const int widest = metrics.horizontalAdvance(QString(FittedColumnCharacters, u'n'));
        for (int row = 0; row < std::min(model->rowCount(), FittedRows); ++row)
            width = std::max(width, std::min(widest, metrics.horizontalAdvance(
                                                         model->index(row, i).data().toString() + QStringLiteral("XX"))));
        DG->setColumnWidth(i, width);
        if (name == QStringLiteral("MiscNote"))
            note = i;
    }
    DG->setColumnHidden(0, true);
    if (n < 2)
        return;
    // The note column gets room for the longest message; the last column the rest.
    if (note > 0 && note < n - 1)
        DG->setColumnWidth(note, metrics.horizontalAdvance(tr("Measures may be needed.  ")));
    FillLastColumn(DG);
}

void frmView::FillLastColumn(QTableView* DG)
{
    const QAbstractItemModel* model = DG->model();
    const int n = model ? model->columnCount() : 0;
    if (n < 2)
        return;
    // The hidden record number stays in the sum: it leaves room for the grid's frame.
    const QFontMetrics metrics(font());
    int used = metrics.horizontalAdvance(model->headerData(0, Qt::Horizontal).toString() + u'X');
    for (int i = 1; i <= n - 2; ++i)
        used += DG->columnWidth(i);
    const int rest = DG->viewport()->width() - used;
    // Headers too wide for the grid: the last column keeps its header width and the
    // grid scrolls.
    const int header = metrics.horizontalAdvance(model->headerData(n - 1, Qt::Horizontal).toString() + u'X');
    DG->setColumnWidth(n - 1, std::max(rest, header));
}


void frmView::done(int result)
{
    SubmitPendingEdit();
    QDialog::done(result);
}

bool frmView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == DBGrid1->viewport() && event->type() == QEvent::Resize)
        FillLastColumn(DBGrid1);
    // The grid's Delete key deletes the selected record, after the same question
    // (while a cell is being edited the key goes to the cell's editor instead).
    if (watched == DBGrid1 && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        if (cmdDelete->isEnabled())
            cmdDelete_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmView::UpdateRowButtons()
{
    const bool selected = SelectedRow() >= 0;
    cmdDelete->setEnabled(selected);
    cmdReturn->setEnabled(selected);
    cmdHistory->setEnabled(selected && permissions_.history);
    cmdPourReport->setEnabled(selected);
}

void frmView::cmdPourReport_Click()
{
    if (!SubmitPendingEdit())
        return;
    QList<QSqlRecord> records;
    for (const QModelIndex& index : DBGrid1->selectionModel()->selectedRows())
        records << store_.recordsTable()->record(proxy_->mapToSource(index).row());
    if (!records.isEmpty())
        emit pourReportRequested(records);
}

int frmView::SelectedRow() const
{
    const QItemSelectionModel* selection = DBGrid1->selectionModel();
    if (!selection)
        return -1;
    const QModelIndexList rows = selection->selectedRows();
    return rows.isEmpty() ? -1 : proxy_->mapToSource(rows.first()).row();
}

bool frmView::SubmitPendingEdit()
{
    QSqlTableModel* table = store_.recordsTable();
    if (!table || !table->isDirty())
        return true;
    if (table->submitAll())
        return true;
    const QString reason = table->lastError().text();
    table->revertAll();
    ReportFailure(tr("The change to the record could not be saved"), reason);
    return false;
}

void frmView::ReportFailure(const QString& what, const QString& reason)
{
    Msg::Box(this, QStringLiteral("%1 in \"%2\".\n%3").arg(what, store_.databasePath(), reason),
             Msg::Buttons::Ok, Msg::Icon::Critical, windowTitle());
}

// The rows shown, in the order shown, as they are shown.
void frmView::cmdCopy_Click()
{
    if (!SubmitPendingEdit())
        return;
    FetchAllRows();
    const QString text = RecordsClipboardText(*proxy_, chkHeaders->isChecked(), chkRecID->isChecked());
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

QList<qint64> frmView::ShownRecordNumbers() const
{
    QList<qint64> numbers;
    numbers.reserve(proxy_->rowCount());
    for (int row = 0; row < proxy_->rowCount(); ++row)
        numbers << proxy_->index(row, 0).data(Qt::EditRole).toLongLong();
    return numbers;
}

void frmView::cmdDelete_Click()
{
    const int row = SelectedRow();
    if (row < 0 || !SubmitPendingEdit())
        return;
    QSqlTableModel* table = store_.recordsTable();
    const QSqlRecord record = table->record(row);
    const QString question = tr("Delete record: ") + TextOf(record, QStringLiteral("RecordDate")) + QStringLiteral(", ")
                             + TextOf(record, QStringLiteral("RecordTime"));
    if (Msg::Box(this, question, Msg::Buttons::YesNo, Msg::Icon::None, Confirm()) != Msg::Answer::Yes)
        return;

    if (!table->removeRow(row)) {
        const QString reason = table->lastError().text();
        table->revertAll();
        ReportFailure(tr("The record could not be deleted"), reason);
        return;
    }
    // The model keeps a blank line for a deleted row until it reads the table again.
    ReloadRecords();
    if (table->rowCount() == 0) {
        cmdDeleteAll->setEnabled(false);
        cmdCopy->setEnabled(false);
    }
}

// Deletes the records shown, and only those: records saved meanwhile by others, and those
// the filter leaves out, are kept.
void frmView::cmdDeleteAll_Click()
{
    if (!SubmitPendingEdit())
        return;
    FetchAllRows();
    const QList<qint64> shown = ShownRecordNumbers();
    const RecordsFilter& filter = proxy_->filter();
    const int others = store_.recordsTable()->rowCount() - int(shown.size());
    QString question = tr("Delete all records?");
    if (filter.active()) {
        question = tr("Delete the %1 shown (%2)?").arg(RecordsWord(int(shown.size())), filter.brief());
        if (others > 0)
            question += QStringLiteral(" The other %1 %2 kept.").arg(QLocale().toString(others),
                                                                    others == 1 ? QStringLiteral("is") : QStringLiteral("are"));
    } else if (proxy_->sortColumn() >= 0) {
        question = tr("Delete all %1 shown?").arg(RecordsWord(int(shown.size())));
    }
    if (Msg::Box(this, question, Msg::Buttons::YesNo, Msg::Icon::None, Confirm()) == Msg::Answer::Yes) {
        const QSqlError error = store_.DeleteRecords(shown);
        if (error.isValid())
            ReportFailure(tr("The records could not be deleted"), error.text());
        ReloadRecords();
    }
    cmdDeleteAll->setEnabled(false);
}

void frmView::cmdReturn_Click()
{
    const int row = SelectedRow();
    if (row < 0 || !SubmitPendingEdit())
        return;
    const QSqlRecord record = store_.recordsTable()->record(row);
    ReturnedInputs inputs;
    inputs.readings = {.air = Std(TextOf(record, QStringLiteral("AirTemp"))),
                       .humidity = Std(TextOf(record, QStringLiteral("RH"))),
                       .concrete = Std(TextOf(record, QStringLiteral("ConcreteTemp"))),
                       .wind = Std(TextOf(record, QStringLiteral("WindVelocity")))};
    const QVariant threshold = record.value(QStringLiteral("RateThreshold"));
    inputs.RateThresholdIsNull = threshold.isNull();
    inputs.RateThresholdValue = threshold.toDouble();
    inputs.RateThresholdText = TextOf(record, QStringLiteral("RateThreshold"));
    inputs.Units = Units::FromCode(TextOf(record, QStringLiteral("Units")).toStdString());
    emit recordReturned(inputs);
    accept();
}

void frmView::cmdExportCsv_Click()
{
    if (!SubmitPendingEdit())
        return;
    FetchAllRows();
    RecordsExport::ToCsv(this, *proxy_);
}

void frmView::cmdImport_Click()
{
    if (!SubmitPendingEdit())
        return;
    if (RecordsImportDialog::Run(this, store_))
        ReloadRecords();
}

void frmView::cmdExportPdf_Click()
{
    if (!SubmitPendingEdit())
        return;
    FetchAllRows();
    const QDateTime now = QDateTime::currentDateTime();
    const RecordsReportHeading heading{store_.databasePath(), proxy_->filter().words(), Count().words(),
                                       RecordTime::DateText(now.date()) + u' ' + RecordTime::TimeText(now.time())};
    RecordsExport::ToPdf(this, *proxy_, heading);
}

void frmView::ApplyPermissions()
{
    permissions_ = store_.Permissions();
    lblPermissions->setText(permissions_.reason);
    lblPermissions->setVisible(!permissions_.reason.isEmpty());
    if (!permissions_.change) {
        DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
        Label1->hide();
    }
    if (!permissions_.remove) {
        for (QPushButton* button : {cmdDelete, cmdDeleteAll}) {
            new HeldDisabled(button);
            button->setToolTip(permissions_.reason);
        }
    }
    if (!permissions_.history) {
        new HeldDisabled(cmdShowDeleted);
        cmdShowDeleted->setToolTip(permissions_.reason);
    }
}

void frmView::cmdHistory_Click()
{
    const int row = SelectedRow();
    if (row < 0 || !SubmitPendingEdit())
        return;
    const qint64 number = store_.recordsTable()->record(row).value(0).toLongLong();
    frmHistory history(store_, frmHistory::Shows::Record, number, permissions_, this);
    history.exec();
    if (history.restored())
        ReloadRecords();
}

void frmView::cmdShowDeleted_Click()
{
    if (!SubmitPendingEdit())
        return;
    frmHistory deleted(store_, frmHistory::Shows::Deleted, 0, permissions_, this);
    deleted.exec();
    if (deleted.restored())
        ReloadRecords();
}
