#include "app/frmMainForm.h"

#include <QAction>
#include <algorithm>
#include <QActionGroup>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "ui/Language.h"
#include "ui/ButtonIcons.h"
#include "ui/Colors.h"
#include "ui/ChartPanel.h"
#include "ui/CompactComboBox.h"
#include "ui/CoreTexts.h"
#include "ui/InputRow.h"
#include "ui/PictureButton.h"
#include "ui/QtText.h"
#include "ui/ScenarioTable.h"
#include "ui/WidgetColors.h"

namespace {

// The mix caption and box share the room right of the default rate's caption.
constexpr int MixCaptionLeft = 194;
constexpr int MixCaptionWidth = 22;
constexpr int MixBoxRight = 331;

constexpr const char* RedrawNote =
    QT_TRANSLATE_NOOP("frmMain", "Only necessary if erased by other forms or after resizing window.");

// The texts that change only with the language, by the name of the element that shows
// them: a label's or button's text, a frame's caption, a menu's or menu item's text.
struct FixedText {
    const char* element;
    const char* text;
};
constexpr FixedText FixedTexts[] = {
    {"Label8", QT_TRANSLATE_NOOP("frmMain",
        "When the evaporation rate exceeds 0.2 lb/ft²/hr (1.0 kg/m²/hr), measures shall be taken to prevent excessive "
        "moisture loss from the surface of unhardened concrete; when the rate exceeds 0.1 lb/ft²/hr (0.5 kg/m²/hr) "
        "such measures may be needed.  When excessive moisture loss is not prevented, plastic cracking is likely to "
        "occur.")},
    {"cmdValid", QT_TRANSLATE_NOOP("frmMain", "Display Valid Input Ranges")},
    {"fraData", QT_TRANSLATE_NOOP("frmMain", "Data")},
    {"cmdSave", QT_TRANSLATE_NOOP("frmMain", "Save Data")},
    {"cmdRecords", QT_TRANSLATE_NOOP("frmMain", "View Saved Data Records")},
    {"Label6", QT_TRANSLATE_NOOP("frmMain", "By Nomograph")},
    {"Label7", QT_TRANSLATE_NOOP("frmMain", "By ACI Eqn.")},
    {"fraPrecautionRate", QT_TRANSLATE_NOOP("frmMain", "Threshold Evaporartion Rate for Required Precautions")},
    {"optAlternate", QT_TRANSLATE_NOOP("frmMain", "Use alternate rate of")},
    {"lblMix", QT_TRANSLATE_NOOP("frmMain", "Mix:")},
    {"Label42", QT_TRANSLATE_NOOP("frmMain",
        "The default value may be revised by the architect/engineer.  Concrete mixtures with lower water cement "
        "ratios or containing conventional or ultra-fine pozzolan or cementious materials may require lower "
        "allowable evaporation rates.")},
    {"Label5", QT_TRANSLATE_NOOP("frmMain",
        "If the rate of evaporation approaches the default value of 0.2 lb/ft²/hr (1 kg/m²/hr), precautions against "
        "plastic-shrinkage cracking are necessary.")},
    {"Frame2", QT_TRANSLATE_NOOP("frmMain", "Variation Legend")},
    {"Label25", QT_TRANSLATE_NOOP("frmMain", "- Successful Variation")},
    {"Label26", QT_TRANSLATE_NOOP("frmMain", "- Fixed Input Value")},
    {"Label28", QT_TRANSLATE_NOOP("frmMain", "- Illegal Math or Outside Valid Limits")},
    {"cmdRunNomo", QT_TRANSLATE_NOOP("frmMain", "Redraw Nomograph Solution")},
    {"Label34", RedrawNote},
    {"Label35", QT_TRANSLATE_NOOP("frmMain",
        "Wind speed is the average horizontal air or wind speed in mph (km/h) and should be measured at a level "
        "approximately 20 in. (510 mm) higher than the evaporating surface. Air temperature and relative humidity "
        "should be measured at a level approximately 4 to 6 ft (1.2 to 1.8 m) higher than the evaporating surface on "
        "its windward side shielded from the sun’s rays (PCA Journal 1957).")},
    {"mnuFile", QT_TRANSLATE_NOOP("frmMain", "&File")},
    {"mnuOutlook", QT_TRANSLATE_NOOP("frmMain", "Pour-Day &Outlook…")},
    {"mnuPourReport", QT_TRANSLATE_NOOP("frmMain", "Pour &Report…")},
    {"mnuRecordsLocation", QT_TRANSLATE_NOOP("frmMain", "Records &Location…")},
    {"mnuCopyToServer", QT_TRANSLATE_NOOP("frmMain", "&Copy Local Records to Server…")},
    {"mnuImportRecords", QT_TRANSLATE_NOOP("frmMain", "&Import Records…")},
    {"mnuPrintOptions", QT_TRANSLATE_NOOP("frmMain", "&Print")},
    {"mnuPrint", QT_TRANSLATE_NOOP("frmMain", "&Form")},
    {"mnuFilePrintTextReport", QT_TRANSLATE_NOOP("frmMain", "&Text Report")},
    {"mnuFileExit", QT_TRANSLATE_NOOP("frmMain", "E&xit")},
    {"mnuUnits", QT_TRANSLATE_NOOP("frmMain", "&Units")},
    {"mnuLanguage", QT_TRANSLATE_NOOP("frmMain", "&Language")},
    {"mnuHelp", QT_TRANSLATE_NOOP("frmMain", "&Help")},
    {"mnuHelpContents", QT_TRANSLATE_NOOP("frmMain", "&Contents...")},
    {"mnuMeasures", QT_TRANSLATE_NOOP("frmMain", "&Measures…")},
    {"mnuHelpAbout", QT_TRANSLATE_NOOP("frmMain", "&About...")},
};

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

QLabel* MakeNote(QWidget* parent, const char* name, const QString& text, const QRect& geometry)
{
    QLabel* label = MakeLabel(parent, name, text, geometry, Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, const QRect& geometry)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    return button;
}

QFrame* MakeContainer(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(geometry);
    frame->setFrameShape(QFrame::Box);  // start-up takes the border away
    return frame;
}

// A frame whose caption is bold while what it holds keeps the window's font.
QGroupBox* MakeCaptionedFrame(QWidget* parent, const char* name, const QString& caption, const QRect& geometry)
{
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(QString::fromLatin1(name));
    group->setGeometry(geometry);
    return group;
}

void MakeCaptionBold(QGroupBox* group)
{
    // Set explicitly not bold, so that the children do not inherit the caption's weight.
    QFont plain = group->font();
    plain.setBold(false);
    QFont bold = plain;
    bold.setBold(true);
    group->setFont(bold);
    for (QWidget* child : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->testAttribute(Qt::WA_SetFont))
            child->setFont(plain);
        else if (!child->font().resolveMask())
            child->setFont(plain);
    }
}

void SetBold(QWidget* widget, double pointSize = 0)
{
    QFont font = widget->font();
    font.setBold(true);
    if (pointSize > 0)
        font.setPointSizeF(pointSize);
    widget->setFont(font);
}

QFrame* MakeLine(QWidget* parent, const QString& name, const QRect& geometry, QFrame::Shape shape)
{
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(geometry);
    return line;
}

ChartPanel* MakePanel(QWidget* parent, const char* name, const QRect& geometry, std::uint32_t backColor)
{
    auto* panel = new ChartPanel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(geometry);
    panel->SetBackColor(backColor);
    return panel;
}

const std::array<InputRowDescription, 4> RowDescriptions{{
    {Input::AirTemp, "Label3", "txtAirTemp", "hsbAirTemp", "Label29", "Label33(0)"},
    {Input::RelativeHumidity, "Label1", "txtRelativeHumidity", "hsbRelativeHumidity", "Label31", "Label33(1)"},
    {Input::ConcreteTemp, "Label2", "txtConcreteTemp", "hsbConcreteTemp", "Label30", "Label33(2)"},
    {Input::WindVelocity, "Label4", "txtWindVelocity", "hsbWindVelocity", "Label32", "Label33(3)"},
}};

QAction* AddAction(QMenu* menu, const char* name)
{
    QAction* action = menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

}  // namespace

frmMainForm::frmMainForm() = default;
frmMainForm::~frmMainForm() = default;

void frmMainForm::setupUi(QMainWindow* window)
{
    canvas = new QWidget(window);
    canvas->setObjectName(QStringLiteral("frmMainCanvas"));
    window->setCentralWidget(canvas);

    // The never-visible elements first, so that they stay under everything else.
    Label8 = MakeNote(canvas, "Label8", QString(), QRect(-400, 120, 300, 90));
    Label8->hide();
    cmdValid = MakeButton(canvas, "cmdValid", QString(), QRect(4, 200, 48, 20));
    cmdValid->hide();
    Command1 = MakeButton(canvas, "Command1", QStringLiteral("Command1"), QRect(4, 224, 48, 20));
    Command1->hide();
    cmdPrint = MakeButton(canvas, "cmdPrint", QString(), QRect(4, 248, 48, 20));
    cmdPrint->setIcon(ButtonIcons::Printer());
    cmdPrint->hide();
    txtStealFocus = new QLineEdit(QStringLiteral("Text1"), canvas);
    txtStealFocus->setObjectName(QStringLiteral("txtStealFocus"));
    txtStealFocus->setGeometry(-200, -200, 40, 20);  // takes the focus without being seen
    txtStealFocus->setFocusPolicy(Qt::ClickFocus);

    // The data frame in the strip left of the chart.
    fraData = MakeCaptionedFrame(canvas, "fraData", QString(), QRect(1, 4, 54, 250));
    cmdSave = new PictureButton(QString(), ButtonIcons::Save(), fraData);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdSave->setGeometry(3, 20, 48, 96);
    cmdSave->setEnabled(false);
    cmdRecords = new PictureButton(QString(), ButtonIcons::Records(), fraData);
    cmdRecords->setObjectName(QStringLiteral("cmdRecords"));
    cmdRecords->setGeometry(3, 122, 48, 122);
    MakeCaptionBold(fraData);

    // The nomograph panels; start-up and every resize place them again.
    picRH = MakePanel(canvas, "picRH", QRect(56, 8, 159, 273), Colors::ChartBack);
    picCT = MakePanel(canvas, "picCT", QRect(216, 8, 217, 281), Colors::ChartBack);
    picWV = MakePanel(canvas, "picWV", QRect(216, 288, 217, 265), Colors::ChartBack);
    picRate = MakePanel(canvas, "picRate", QRect(192, 288, 25, 265), Colors::RateScaleBack);

    // Inputs and results.
    fraLeftSideContainer = MakeContainer(canvas, "fraLeftSideContainer", QRect(0, 281, 193, 283));
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = std::make_unique<InputRow>(fraLeftSideContainer, RowDescriptions[i]);
    txtAirTemp = rows[0]->text;
    txtRelativeHumidity = rows[1]->text;
    txtConcreteTemp = rows[2]->text;
    txtWindVelocity = rows[3]->text;
    for (int i = 0; i < 4; ++i)
        MakeLine(fraLeftSideContainer, QStringLiteral("Line%1").arg(4 + i),
                 QRect(4, 50 + 48 * i, 185, 3), QFrame::HLine);

    Frame3 = MakeCaptionedFrame(fraLeftSideContainer, "Frame3", QString(), QRect(2, 196, 189, 85));
    MakeLabel(Frame3, "Label6", QString(), QRect(6, 18, 84, 15), Qt::AlignCenter);
    lblEvapNomo = MakeLabel(Frame3, "lblEvapNomo", QString(), QRect(18, 35, 60, 20), Qt::AlignCenter);
    lblEvapNomo->setFrameShape(QFrame::Box);
    WidgetColors::SetBackColor(lblEvapNomo, Colors::RateResultBack);
    MakeLabel(Frame3, "Label7", QString(), QRect(99, 18, 84, 15), Qt::AlignCenter);
    lblEvapEqn = MakeLabel(Frame3, "lblEvapEqn", QString(), QRect(111, 35, 60, 20), Qt::AlignCenter);
    lblEvapEqn->setFrameShape(QFrame::Box);
    MakeLine(Frame3, QStringLiteral("Line1"), QRect(93, 18, 3, 40), QFrame::VLine);
    MakeLine(Frame3, QStringLiteral("Line2"), QRect(6, 58, 177, 3), QFrame::HLine);
    lblAnswer = MakeLabel(Frame3, "lblAnswer", QString(), QRect(4, 62, 181, 18), Qt::AlignCenter);
    MakeLine(Frame3, QStringLiteral("Line3"), QRect(6, 80, 177, 2), QFrame::HLine);
    MakeCaptionBold(Frame3);
    SetBold(lblEvapNomo, 9.75);
    SetBold(lblEvapEqn, 9.75);

    // Scenarios, threshold choice, legend and notes.
    fraRightSideContainer = MakeContainer(canvas, "fraRightSideContainer", QRect(444, -4, 337, 561));
    QWidget* right = fraRightSideContainer;
    fra100 = new ScenarioTable(right, {QStringLiteral("fra100"), ScenarioBlock::May, QStringLiteral("Label9"), true,
                                       {QStringLiteral("Label14"), QStringLiteral("Label15"), QStringLiteral("Label16"),
                                        QStringLiteral("Label17"), QStringLiteral("Label18")},
                                       QStringLiteral("Label13"), 0});
    fra100->move(0, 8);
    fraDefault = new ScenarioTable(right, {QStringLiteral("fraDefault"), ScenarioBlock::InForce,
                                           QStringLiteral("lblUsedThreshold"), true,
                                           {QStringLiteral("Label40"), QStringLiteral("Label39"),
                                            QStringLiteral("Label38"), QStringLiteral("Label37"),
                                            QStringLiteral("Label41")},
                                           QStringLiteral("lblUserRate"), 0});
    fraDefault->move(0, 8 + ScenarioTable::Height);
    lblUsedThreshold = fraDefault->title;
    lblUsedThreshold->setText(QStringLiteral("Variation Scenarios to Get Evaporation Rate of"));
    lblUserRate = fraDefault->rate;
    for (QLabel* rate : lblUserRate)
        rate->setText(QStringLiteral("0.1"));

    int y = 8 + 2 * ScenarioTable::Height + 2;
    fraPrecautionRate = MakeCaptionedFrame(right, "fraPrecautionRate",
                                           QString(), QRect(0, y, 335, 62));
    optDefault = new QRadioButton(fraPrecautionRate);
    optDefault->setObjectName(QStringLiteral("optDefault"));
    optDefault->setGeometry(8, 18, 240, 19);
    optAlternate = new QRadioButton(fraPrecautionRate);
    optAlternate->setObjectName(QStringLiteral("optAlternate"));
    optAlternate->setGeometry(8, 38, 140, 19);
    txtAlternateRate = new QLineEdit(fraPrecautionRate);
    txtAlternateRate->setObjectName(QStringLiteral("txtAlternateRate"));
    txtAlternateRate->setGeometry(150, 38, 52, 19);
    txtAlternateRate->setEnabled(false);
    Label43 = MakeLabel(fraPrecautionRate, "Label43", QString(), QRect(207, 38, 70, 19));
    // The mix the threshold is chosen for, in the room the default rate's caption leaves.
    lblMix = MakeLabel(fraPrecautionRate, "lblMix", QString(), QRect(MixCaptionLeft, 17, MixCaptionWidth, 20));
    cboMix = new CompactComboBox(fraPrecautionRate);
    cboMix->setObjectName(QStringLiteral("cboMix"));
    cboMix->setGeometry(MixCaptionLeft + MixCaptionWidth + 2, 16, MixBoxRight - MixCaptionLeft - MixCaptionWidth - 2, 22);
    for (std::size_t i = 0; i < MixPresets.size(); ++i)
        cboMix->addEntry(QString(), QString());  // named in the language in force by retranslateUi
    MakeCaptionBold(fraPrecautionRate);

    txtUserRate = new QLineEdit(right);
    txtUserRate->setObjectName(QStringLiteral("txtUserRate"));
    txtUserRate->setGeometry(280, y + 36, 50, 19);
    txtUserRate->hide();

    y += 65;
    MakeNote(right, "Label42", QString(), QRect(2, y, 333, 56));
    y += 58;
    MakeNote(right, "Label5", QString(), QRect(2, y, 333, 42));
    y += 44;

    Frame2 = MakeCaptionedFrame(right, "Frame2", QString(), QRect(0, y, 335, 62));
    const std::array<std::tuple<const char*, std::uint32_t, const char*>, 3> legend{{
        {"Label23", Colors::SuccessfulVariation, "Label25"},
        {"Label24", Colors::FixedInput, "Label26"},
        {"Label27", Colors::FailedVariation, "Label28"},
    }};
    for (int i = 0; i < 3; ++i) {
        const auto& [swatchName, color, textName] = legend[i];
        QLabel* swatch = MakeLabel(Frame2, swatchName, QString(), QRect(10, 18 + 14 * i, 22, 12));
        swatch->setFrameShape(QFrame::Box);
        WidgetColors::SetBackColor(swatch, color);
        MakeLabel(Frame2, textName, QString(), QRect(38, 16 + 14 * i, 290, 15));
    }
    MakeCaptionBold(Frame2);
    y += 66;

    cmdRunNomo = MakeButton(right, "cmdRunNomo", QString(), QRect(0, y + 4, 164, 28));
    cmdRunNomo->setEnabled(false);
    MakeNote(right, "Label34", QString(), QRect(170, y, 165, 42));
    Command2 = MakeButton(right, "Command2", QStringLiteral("Command2"), QRect(0, y, 60, 20));
    Command2->hide();
    Command3 = MakeButton(right, "Command3", QStringLiteral("Command3"), QRect(64, y, 60, 20));
    Command3->hide();
    Picture1 = MakeLabel(right, "Picture1", QString(), QRect(128, y, 60, 20));
    Picture1->hide();
    y += 44;
    MakeNote(right, "Label35", QString(), QRect(2, y, 333, 557 - y));

    // The 0.2 table: filled on every run, never shown.
    Frame1 = new ScenarioTable(canvas, {QStringLiteral("Frame1"), ScenarioBlock::Shall, QStringLiteral("Label22"), false,
                                        {QStringLiteral("Label21"), QStringLiteral("Label20"),
                                         QStringLiteral("Label19"), QStringLiteral("Label12"),
                                         QStringLiteral("Label11")},
                                        QStringLiteral("Label13"), 4});
    Frame1->move(444, 8 + 2 * ScenarioTable::Height);
    Frame1->hide();

    for (const ScenarioTable* table : {fra100, Frame1, fraDefault}) {
        const int first = FirstCellIndex(table == fra100 ? ScenarioBlock::May
                                         : table == Frame1 ? ScenarioBlock::Shall
                                                           : ScenarioBlock::InForce);
        for (int r = 0; r < 4; ++r) {
            lblAir1[first + r] = table->columns.air[r];
            lblRH1[first + r] = table->columns.humidity[r];
            lblConc1[first + r] = table->columns.concrete[r];
            lblWind1[first + r] = table->columns.wind[r];
        }
    }

    lblDisplayEqn = MakeLabel(canvas, "lblDisplayEqn", QString(), QRect(4, 564, 770, 17));

    // Menus.
    QMenuBar* bar = window->menuBar();
    mnuFile = bar->addMenu(QString());
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuOutlook = AddAction(mnuFile, "mnuOutlook");
    mnuPourReport = AddAction(mnuFile, "mnuPourReport");
    mnuRecordsLocation = AddAction(mnuFile, "mnuRecordsLocation");
    mnuCopyToServer = AddAction(mnuFile, "mnuCopyToServer");
    mnuImportRecords = AddAction(mnuFile, "mnuImportRecords");
    mnuFile->addSeparator();
    mnuPrintOptions = mnuFile->addMenu(QString());
    mnuPrintOptions->setObjectName(QStringLiteral("mnuPrintOptions"));
    mnuPrint = mnuPrintOptions->addAction(QString());
    mnuPrint->setObjectName(QStringLiteral("mnuPrint"));
    mnuFilePrintTextReport = mnuPrintOptions->addAction(QString());
    mnuFilePrintTextReport->setObjectName(QStringLiteral("mnuFilePrintTextReport"));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnusep1"));
    mnuFileExit = mnuFile->addAction(QString());
    mnuFileExit->setObjectName(QStringLiteral("mnuFileExit"));
    mnuUnits = bar->addMenu(QString());
    mnuUnits->setObjectName(QStringLiteral("mnuUnits"));
    mnuUnitsUS = AddAction(mnuUnits, "mnuUnitsUS");
    mnuUnitsSI = AddAction(mnuUnits, "mnuUnitsSI");
    auto* unitChoice = new QActionGroup(mnuUnits);
    for (QAction* action : {mnuUnitsUS, mnuUnitsSI}) {
        action->setCheckable(true);
        unitChoice->addAction(action);
    }
    mnuLanguage = bar->addMenu(QString());
    mnuLanguage->setObjectName(QStringLiteral("mnuLanguage"));
    auto* languageChoice = new QActionGroup(mnuLanguage);
    for (std::size_t i = 0; i < Language::All.size(); ++i) {
        // Each language is named as its speakers write it, in every language.
        mnuLanguageItems[i] = AddAction(mnuLanguage, Language::All[i].objectName);
        mnuLanguageItems[i]->setText(QString::fromUtf8(Language::All[i].nativeName));
        mnuLanguageItems[i]->setCheckable(true);
        languageChoice->addAction(mnuLanguageItems[i]);
    }
    mnuHelp = bar->addMenu(QString());
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpContents = mnuHelp->addAction(QString());
    mnuHelpContents->setObjectName(QStringLiteral("mnuHelpContents"));
    mnuMeasures = AddAction(mnuHelp, "mnuMeasures");
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnush"));
    mnuHelpAbout = mnuHelp->addAction(QString());
    mnuHelpAbout->setObjectName(QStringLiteral("mnuHelpAbout"));

    // Keyboard paths to the actions that have no menu item of their own, and the usual keys.
    mnuOutlook->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuPrint->setShortcut(QKeySequence::Print);
    mnuHelpContents->setShortcut(QKeySequence::HelpContents);

    // The input boxes come first in the tab order, and the air temperature has the focus.
    // Each reading's scroll bar follows its box (the keyboard skips it while it is hidden).
    const std::array<QWidget*, 15> tabOrder{txtAirTemp,      rows[0]->scroll, txtRelativeHumidity, rows[1]->scroll,
                                            txtConcreteTemp, rows[2]->scroll, txtWindVelocity,     rows[3]->scroll,
                                            optDefault,      optAlternate,    txtAlternateRate,    cboMix,
                                            cmdRunNomo,      cmdSave,         cmdRecords};
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    txtAirTemp->setFocus();
    retranslateUi(window);

    for (QWidget* frame : {static_cast<QWidget*>(canvas), static_cast<QWidget*>(fraLeftSideContainer),
                           static_cast<QWidget*>(fraRightSideContainer), static_cast<QWidget*>(Frame2),
                           static_cast<QWidget*>(Frame3), static_cast<QWidget*>(fraData)})
        WidgetColors::SetBackColor(frame, Colors::ButtonFace);
    // These keep their colour when the window is printed on white, so they paint their own.
    for (QWidget* frame : {static_cast<QWidget*>(fra100), static_cast<QWidget*>(fraDefault),
                           static_cast<QWidget*>(fraPrecautionRate)})
        WidgetColors::SetBackColor(frame, Colors::ButtonFace);
}

void frmMainForm::retranslateUi(QMainWindow* window)
{
    window->setWindowTitle(
        QCoreApplication::translate("frmMain", "Brackmere - Concrete Curing Evaporation Rate Calculator "));
    for (const FixedText& fixed : FixedTexts) {
        const QString text = QCoreApplication::translate("frmMain", fixed.text);
        QObject* element = window->findChild<QObject*>(QLatin1String(fixed.element));
        if (auto* label = qobject_cast<QLabel*>(element))
            label->setText(text);
        else if (auto* button = qobject_cast<QAbstractButton*>(element))
            button->setText(text);
        else if (auto* frame = qobject_cast<QGroupBox*>(element))
            frame->setTitle(text);
        else if (auto* action = qobject_cast<QAction*>(element))
            action->setText(text);
        else if (auto* menu = qobject_cast<QMenu*>(element))
            menu->setTitle(text);
    }
    // After the buttons' texts: a button's new text replaces its key with the text's mnemonic.
    cmdSave->setShortcut(QKeySequence::Save);
    cmdRecords->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    cmdPrint->setToolTip(QCoreApplication::translate("frmMain", "Capture form and send to default printer."));
    cmdRunNomo->setToolTip(QCoreApplication::translate("frmMain", RedrawNote));
    // Names for a screen reader where the caption is a label apart or there is none.
    cboMix->setAccessibleName(QCoreApplication::translate("frmMain", "Mix"));
    lblEvapNomo->setAccessibleName(QCoreApplication::translate("frmMain", "Rate by nomograph"));
    lblEvapEqn->setAccessibleName(QCoreApplication::translate("frmMain", "Rate by ACI equation"));
    lblAnswer->setAccessibleName(QCoreApplication::translate("frmMain", "Precaution message"));
    cmdPrint->setAccessibleName(QCoreApplication::translate("frmMain", "Print form"));
    for (ChartPanel* panel : {picRH, picCT, picWV, picRate})
        panel->setAccessibleName(QCoreApplication::translate("frmMain", "Nomograph"));
    mnuUnitsUS->setText(CoreText(UnitSystems::US.menuText));
    mnuUnitsSI->setText(CoreText(UnitSystems::SI.menuText));
    // A caption of the mix wider than the design's "Mix:" takes its room from the box, which then
    // shows the preset's short name.
    const int mixCaption = std::max(MixCaptionWidth, lblMix->fontMetrics().horizontalAdvance(lblMix->text()));
    lblMix->setGeometry(MixCaptionLeft, lblMix->y(), mixCaption, lblMix->height());
    const int mixBoxLeft = MixCaptionLeft + mixCaption + 2;
    cboMix->setGeometry(mixBoxLeft, cboMix->y(), MixBoxRight - mixBoxLeft, cboMix->height());
    for (std::size_t i = 0; i < MixPresets.size(); ++i) {
        cboMix->setItemText(int(i), CoreText(MixPresets[i].name));
        cboMix->setItemData(int(i), CoreText(MixPresets[i].shortName), CompactComboBox::ShortTextRole);
    }
}

ScenarioTable* frmMainForm::table(ScenarioBlock block) const
{
    switch (block) {
    case ScenarioBlock::May: return fra100;
    case ScenarioBlock::Shall: return Frame1;
    case ScenarioBlock::InForce: break;
    }
    return fraDefault;
}
