#include "tests/app/SoakUser.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>

#include "tests/support/RecordingTarget.h"
#include "tests/support/MessageRecorder.h"

namespace {

constexpr std::array<const char*, 5> BoxNames{"txtAirTemp", "txtRelativeHumidity", "txtConcreteTemp",
                                              "txtWindVelocity", "txtAlternateRate"};
constexpr std::array<const char*, 4> BarNames{"hsbAirTemp", "hsbRelativeHumidity", "hsbConcreteTemp",
                                              "hsbWindVelocity"};
// The alternate threshold has no valid range; rates a user would choose lie here.
constexpr std::array<InputRange, 5> BoxRanges{InputRanges::AirTemp, InputRanges::RelativeHumidity,
                                              InputRanges::ConcreteTemp, InputRanges::WindVelocity,
                                              InputRange{0.0f, 0.5f}};

// What the window and its dialogs may say during a soak; anything else is a fault.
bool ExpectedMessage(const QString& text)
{
    return text == QLatin1String("Record added.") || text == QLatin1String("Print Sent") ||
           text == QLatin1String("No solution calculated yet!") || text == QLatin1String("Delete all records?") ||
           text.startsWith(QLatin1String("Delete record: "));
}

template <typename T>
T* Child(const QObject& parent, const char* name)
{
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        throw std::runtime_error(std::string("no element ") + name + " in " + parent.objectName().toStdString());
    return found;
}

QPoint Centre(const QWidget* widget)
{
    return widget->rect().center();
}

QRect ThumbRect(QScrollBar* bar)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.activeSubControls = QStyle::SC_None;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    if (bar->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
}

std::string Quoted(const QString& text)
{
    return SoakText::Describe(text);
}

}  // namespace

SoakUser::SoakUser(QWidget& window, MessageRecorder& messages, FakePrintDestinations& printer, SoakRandom& random)
    : window_(window), messages_(messages), printer_(printer), random_(random)
{
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        boxes_[i] = Child<QLineEdit>(window_, BoxNames[i]);
    for (std::size_t i = 0; i < bars_.size(); ++i)
        bars_[i] = Child<QScrollBar>(window_, BarNames[i]);
}

std::string SoakUser::Act()
{
    struct Weighted {
        int weight;
        Action action;
        const char* kind;
    };
    static const Weighted actions[] = {
        {20, &SoakUser::TypeKeys, "type"},           {9, &SoakUser::PasteText, "paste"},
        {5, &SoakUser::ReplaceText, "set text"},     {9, &SoakUser::EditKeys, "edit keys"},
        {10, &SoakUser::EnterValidSet, "valid set"}, {18, &SoakUser::MoveScrollBar, "scroll bar"},
        {7, &SoakUser::ChooseThreshold, "threshold"}, {4, &SoakUser::ClickRedraw, "redraw"},
        {4, &SoakUser::ResizeWindow, "resize"},      {5, &SoakUser::SaveDialog, "save dialog"},
        {4, &SoakUser::RecordsViewer, "viewer"},     {2, &SoakUser::AboutBox, "about"},
        {3, &SoakUser::PrintTextReport, "text report"},
    };
    int total = 0;
    for (const Weighted& a : actions)
        total += a.weight;
    int draw = random_.Below(total);
    std::string done;
    for (const Weighted& a : actions) {
        if (draw < a.weight) {
            done = (this->*a.action)();
            ++tally_[a.kind];
            break;
        }
        draw -= a.weight;
    }
    // Whatever the action left queued (layout, repaints, deferred deletions) happens
    // before the window is looked at, as it would before the user's next move.
    QApplication::processEvents();
    CheckMessages();
    return done;
}

std::string SoakUser::Tally() const
{
    std::string text;
    for (const auto& [kind, count] : tally_)
        text += (text.empty() ? "" : ", ") + kind + " " + std::to_string(count);
    return text;
}

std::vector<std::string> SoakUser::TakeFaults()
{
    std::vector<std::string> faults;
    faults.swap(faults_);
    return faults;
}

QLineEdit* SoakUser::EnabledBox(int& index)
{
    do
        index = random_.Below(static_cast<int>(boxes_.size()));
    while (!boxes_[index]->isEnabled());
    return boxes_[index];
}

std::string SoakUser::BoxName(int index) const
{
    return BoxNames[index];
}

// ---- Typing and editing ----------------------------------------------------------

std::string SoakUser::TypeKeys()
{
    int index = 0;
    QLineEdit* box = EnabledBox(index);
    const QPoint at(random_.Between(1, std::max(1, box->width() - 2)), box->height() / 2);
    QTest::mouseClick(box, Qt::LeftButton, {}, at);
    std::string where = "at x " + std::to_string(at.x());
    switch (random_.Below(4)) {
    case 0:
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        where = "over everything";
        break;
    case 1:
        QTest::keyClick(box, Qt::Key_End);
        where = "at the end";
        break;
    case 2:
        QTest::keyClick(box, Qt::Key_Home);
        where = "at the start";
        break;
    default:
        break;
    }
    const QString text = SoakText::Typed(random_, BoxRanges[index]);
    QTest::keyClicks(box, text);
    return "type " + Quoted(text) + " into " + BoxName(index) + " " + where;
}

std::string SoakUser::PasteText()
{
    int index = 0;
    QLineEdit* box = EnabledBox(index);
    const QString text = SoakText::Pasted(random_, BoxRanges[index]);
    QGuiApplication::clipboard()->setText(text);
    QTest::mouseClick(box, Qt::LeftButton, {}, Centre(box));
    const bool replace = random_.Chance(60);
    if (replace)
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    const bool byKey = random_.Chance(50);
    if (byKey)
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    else
        box->paste();
    return std::string("paste ") + Quoted(text) + (replace ? " over " : " into ") + BoxName(index) +
           (byKey ? " with Ctrl+V" : " from the menu");
}

std::string SoakUser::ReplaceText()
{
    int index = 0;
    QLineEdit* box = EnabledBox(index);
    const QString text = SoakText::Pasted(random_, BoxRanges[index]);
    box->setText(text);
    return "set the text of " + BoxName(index) + " to " + Quoted(text);
}

std::string SoakUser::EditKeys()
{
    int index = 0;
    QLineEdit* box = EnabledBox(index);
    QTest::mouseClick(box, Qt::LeftButton, {}, Centre(box));
    const int count = random_.Between(1, 5);
    switch (random_.Below(6)) {
    case 0:
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        return "select all and delete in " + BoxName(index);
    case 1:
        QTest::keyClick(box, Qt::Key_End);
        for (int i = 0; i < count; ++i)
            QTest::keyClick(box, Qt::Key_Backspace);
        return std::to_string(count) + " backspaces at the end of " + BoxName(index);
    case 2:
        QTest::keyClick(box, Qt::Key_Home);
        for (int i = 0; i < count; ++i)
            QTest::keyClick(box, Qt::Key_Delete);
        return std::to_string(count) + " deletes at the start of " + BoxName(index);
    case 3:
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        return "undo in " + BoxName(index);
    case 4:
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        return "redo in " + BoxName(index);
    default:
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        return "cut everything from " + BoxName(index);
    }
}

// Random typing rarely makes all four inputs valid at once; this gives the
// calculation, the scenarios and saving their share of the run.
std::string SoakUser::EnterValidSet()
{
    std::string entered = "paste a valid set:";
    for (int row = 0; row < 4; ++row) {
        const QString text = SoakText::InRange(random_, BoxRanges[row]);
        QGuiApplication::clipboard()->setText(text);
        QTest::mouseClick(boxes_[row], Qt::LeftButton, {}, Centre(boxes_[row]));
        QTest::keyClick(boxes_[row], Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(boxes_[row], Qt::Key_V, Qt::ControlModifier);
        entered += " " + text.toStdString();
    }
    return entered;
}

// ---- Scroll bars -----------------------------------------------------------------

std::string SoakUser::MoveScrollBar()
{
    std::vector<int> shown;
    for (int row = 0; row < 4; ++row)
        if (!bars_[row]->isHidden())
            shown.push_back(row);
    if (shown.empty())
        return "no scroll bar shown; " + EnterValidSet();
    const int row = random_.Pick(shown);
    QScrollBar* bar = bars_[row];
    const std::string name = BarNames[row];

    switch (random_.Below(5)) {
    case 0: {
        struct Move {
            QAbstractSlider::SliderAction action;
            const char* name;
        };
        static const std::array<Move, 6> moves{{{QAbstractSlider::SliderSingleStepAdd, "right arrow"},
                                                {QAbstractSlider::SliderSingleStepSub, "left arrow"},
                                                {QAbstractSlider::SliderPageStepAdd, "track right of the thumb"},
                                                {QAbstractSlider::SliderPageStepSub, "track left of the thumb"},
                                                {QAbstractSlider::SliderToMinimum, "move to the minimum"},
                                                {QAbstractSlider::SliderToMaximum, "move to the maximum"}}};
        const Move& move = random_.Pick(moves);
        bar->triggerAction(move.action);
        return std::string(move.name) + " on " + name;
    }
    case 1: {
        const QPoint at(random_.Below(bar->width()), bar->height() / 2);
        QTest::mouseClick(bar, Qt::LeftButton, {}, at);
        return "click " + name + " at x " + std::to_string(at.x());
    }
    case 2: {
        // A thumb drag as the slider reports it: down, a run of positions, up.
        std::string path = "drag the thumb of " + name + " through";
        bar->setSliderDown(true);
        const int steps = random_.Between(1, 12);
        for (int i = 0; i < steps && !bar->isHidden(); ++i) {
            const int position =
                std::clamp(bar->sliderPosition() + random_.Between(-8, 8), bar->minimum(), bar->maximum());
            bar->setSliderPosition(position);
            path += " " + std::to_string(position);
        }
        bar->setSliderDown(false);
        return path;
    }
    case 3: {
        const QPoint grip = ThumbRect(bar).center();
        std::string path = "mouse drag on " + name + " from x " + std::to_string(grip.x()) + " through";
        QTest::mousePress(bar, Qt::LeftButton, {}, grip);
        const int steps = random_.Between(1, 8);
        for (int i = 0; i < steps; ++i) {
            const QPoint to(random_.Between(-20, bar->width() + 20), grip.y());
            QTest::mouseMove(bar, to);
            path += " " + std::to_string(to.x());
        }
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(random_.Below(bar->width()), grip.y()));
        return path;
    }
    default: {
        const int delta = 120 * random_.Between(-3, 3);
        const QPointF at = Centre(bar);
        QWheelEvent wheel(at, bar->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &wheel);
        return "wheel " + std::to_string(delta) + " on " + name;
    }
    }
}

// ---- Buttons, threshold and window size ------------------------------------------

std::string SoakUser::ChooseThreshold()
{
    const char* name = random_.Chance(50) ? "optDefault" : "optAlternate";
    Child<QRadioButton>(window_, name)->click();
    return std::string("click ") + name;
}

std::string SoakUser::ClickRedraw()
{
    auto* button = Child<QPushButton>(window_, "cmdRunNomo");
    QTest::mouseClick(button, Qt::LeftButton, {}, Centre(button));
    return button->isEnabled() ? "click Redraw Nomograph Solution" : "click the disabled Redraw Nomograph Solution";
}

std::string SoakUser::ResizeWindow()
{
    if (random_.Chance(5)) {
        window_.showMinimized();
        QApplication::processEvents();
        window_.showNormal();
        return "minimise and restore the window";
    }
    const bool small = random_.Chance(20);
    const QSize size = small ? QSize(random_.Between(50, 700), random_.Between(50, 500))
                             : QSize(random_.Between(700, 2000), random_.Between(500, 1400));
    window_.resize(size);
    return "resize the window to " + std::to_string(size.width()) + "x" + std::to_string(size.height());
}

// ---- Dialogs ---------------------------------------------------------------------

bool SoakUser::RunDialog(QPushButton* button, const std::function<void(QWidget&)>& closeDialog)
{
    return RunDialog([button] { QTest::mouseClick(button, Qt::LeftButton, {}, Centre(button)); }, closeDialog);
}

bool SoakUser::RunDialog(const std::function<void()>& open, const std::function<void(QWidget&)>& closeDialog)
{
    bool opened = false;
    // Lives only as long as this call, so it can never fire into a later action.
    QTimer closer;
    closer.setSingleShot(true);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        opened = true;
        closeDialog(*dialog);
        if (dialog->isVisible()) {
            faults_.push_back(dialog->objectName().toStdString() + " stayed open after it was closed");
            if (auto* modal = qobject_cast<QDialog*>(dialog))
                modal->reject();
        }
    });
    closer.start(0);
    open();
    return opened;
}

std::string SoakUser::SaveDialog()
{
    auto* cmdSave = Child<QPushButton>(window_, "cmdSave");
    if (!cmdSave->isEnabled()) {
        QTest::mouseClick(cmdSave, Qt::LeftButton, {}, Centre(cmdSave));
        return "click the disabled Save Data";
    }
    const int choice = random_.Below(4);
    const QString typedNote = SoakText::Typed(random_, InputRanges::RelativeHumidity);
    const QString pastedNote = SoakText::Pasted(random_, InputRanges::RelativeHumidity);
    const bool opened = RunDialog(cmdSave, [&](QWidget& dialog) {
        switch (choice) {
        case 0:
            QTest::keyClick(&dialog, Qt::Key_Escape);
            break;
        case 1:
            QTest::keyClicks(Child<QLineEdit>(dialog, "txtNote"), typedNote);
            QTest::mouseClick(Child<QPushButton>(dialog, "cmdCancel"), Qt::LeftButton);
            break;
        case 2:
            Child<QLineEdit>(dialog, "txtNote")->setText(pastedNote);
            QTest::mouseClick(Child<QPushButton>(dialog, "cmdAccept"), Qt::LeftButton);
            break;
        default:
            QTest::mouseClick(Child<QPushButton>(dialog, "cmdCancel"), Qt::LeftButton);
            break;
        }
    });
    if (!opened)
        faults_.push_back("Save Data was enabled but opened no dialog");
    static const char* const endings[] = {"escape", "type a note and cancel", "accept with a note", "cancel"};
    return std::string("open Save Data and ") + endings[choice];
}

std::string SoakUser::RecordsViewer()
{
    const int choice = random_.Below(7);
    const int rowDraw = random_.Below(1 << 20);
    const bool yes = random_.Chance(60);
    std::string ending;
    const bool opened = RunDialog(Child<QPushButton>(window_, "cmdRecords"), [&](QWidget& dialog) {
        auto* grid = Child<QTableView>(dialog, "DBGrid1");
        const int rows = grid->model() ? grid->model()->rowCount() : 0;
        auto click = [&dialog](const char* name) {
            QTest::mouseClick(Child<QPushButton>(dialog, name), Qt::LeftButton);
        };
        auto* deleteAll = Child<QPushButton>(dialog, "cmdDeleteAll");
        if (choice == 3 && rows > 0) {
            grid->selectRow(rowDraw % rows);
            ending = "return record " + std::to_string(rowDraw % rows);
            click("cmdReturn");
            return;
        }
        if (choice == 4 && rows > 0) {
            grid->selectRow(rowDraw % rows);
            messages_.answerNext(yes ? Msg::Answer::Yes : Msg::Answer::No);
            ending = "delete record " + std::to_string(rowDraw % rows) + (yes ? " (yes)" : " (no)") + " and exit";
            click("cmdDelete");
        } else if (choice == 5 && deleteAll->isEnabled()) {
            messages_.answerNext(yes ? Msg::Answer::Yes : Msg::Answer::No);
            ending = std::string("delete all") + (yes ? " (yes)" : " (no)") + " and exit";
            click("cmdDeleteAll");
        } else if (choice == 6) {
            ending = "copy and exit";
            auto* copy = Child<QPushButton>(dialog, "cmdCopy");
            if (copy->isEnabled())
                click("cmdCopy");
        } else if (choice == 2) {
            ending = "escape";
            QTest::keyClick(&dialog, Qt::Key_Escape);
            return;
        } else {
            ending = "exit";
        }
        click("cmdExit");
    });
    if (!opened)
        faults_.push_back("View Saved Data Records opened no viewer");
    return "open the records viewer and " + ending;
}

std::string SoakUser::AboutBox()
{
    auto* about = Child<QAction>(window_, "mnuHelpAbout");
    const bool byEscape = random_.Chance(30);
    const bool opened = RunDialog([about] { about->trigger(); }, [byEscape](QWidget& dialog) {
        if (byEscape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            QTest::mouseClick(Child<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
    });
    if (!opened)
        faults_.push_back("Help > About opened no dialog");
    return byEscape ? "open About and press Escape" : "open About and press OK";
}

std::string SoakUser::PrintTextReport()
{
    Child<QAction>(window_, "mnuFilePrintTextReport")->trigger();
    const int jobs = printer_.printed.jobsEnded;
    printer_.printed = PrintRecord{};
    return "print the text report (" + std::to_string(jobs) + " page sent)";
}

void SoakUser::CheckMessages()
{
    for (const Msg::Request& message : messages_.messages())
        if (!ExpectedMessage(message.text))
            faults_.push_back("unexpected message " + Quoted(message.text));
    messages_.clear();
    if (messages_.unusedAnswers() != 0)
        faults_.push_back("a prepared answer was not asked for");
}
