// A long run of random user actions on the real main window, with the whole window
// checked against the calculation core after every action and the process's memory
// compared between the end of a warm-up and the end of the run.

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QKeySequence>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <utility>

#include "tests/app/MainWindowFixture.h"
#include "tests/app/WindowConsistency.h"
#include "tests/support/RecordingTarget.h"

#if defined(__SANITIZE_ADDRESS__)
#define BRACKMERE_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BRACKMERE_ASAN 1
#endif
#endif

#if defined(BRACKMERE_ASAN)
// Part of the sanitizer runtime's public interface; GCC ships no header for it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace {

// ---- Random source and texts --------------------------------------------------------

// splitmix64: the same seed gives the same run on every machine and standard
// library, which std:: distributions do not promise.
class SoakRandom {
public:
    explicit SoakRandom(std::uint64_t seed) : state_(seed) {}

    int Below(int bound)  // 0 .. bound - 1
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return bound <= 0 ? 0 : static_cast<int>((z ^ (z >> 31)) % static_cast<std::uint64_t>(bound));
    }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    bool Chance(int percent) { return Below(100) < percent; }

    template <typename Container>
    auto Pick(const Container& items)
    {
        return items[static_cast<std::size_t>(Below(static_cast<int>(std::size(items))))];
    }

private:
    std::uint64_t state_;
};

// Texts at and around the limits of every range, and number forms the reading accepts or stops at.
const char* const EdgeTexts[] = {
    "0", "-0", "-1", "-0.01", "1e-07", "-1e-07", "0.05", "0.49", "0.5", "0.51", "24.5", "24.99", "25", "25.01",
    "25.0000001", "25.4", "39.5", "39.99", "39.9999999", "40", "40.49", "50.5", "51.5", "80.4", "80.5", "80.6",
    "99.5", "99.9999", "100", "100.4", "100.5", "101", "100.0000001", "100.000001", "100.0001", "&H19", "&h28",
    "&O31", "&o144", "&HFFFF", "&H", "&O", "1e1", "1E2", "4D1", "2.5e1", "1e39", "1e-39", "1e400", "-1e400",
    " 5 0 ", "7\t5", "8\r0", ".5", "5.", ".", "-", "+", "e", "E5", "12abc", "abc", "   "};

// Keys that keep a number going, stop it or are ignored by the reading; other keys
// a keyboard types (QTest types Latin-1, and not all of it); backspace, tab, return
// and escape.
const QString NumberKeys = QStringLiteral("0123456789012345678901234567890123456789..--++eEdD&HhOo   ");
const QString OtherKeys = QStringLiteral("abcxyzXYZ,;:!?()[]/\\*#%$'\"_=~|°µ");
const QString ControlKeys = QStringLiteral("\b\t\r\x1B");
// What only a paste brings: control characters, non-Latin and invisible characters.
const std::array<QChar, 9> ControlCharacters{QChar(0x00), QChar(0x01), QChar(0x0A), QChar(0x0C), QChar(0x1F),
                                             QChar(0x7F), QChar(0x85), QChar(0x09), QChar(0x0D)};
const std::array<QString, 9> WideTexts{QStringLiteral("°F"), QStringLiteral("é"), QStringLiteral("５０"),
                                       QStringLiteral("٥٠"), QStringLiteral("中文"), QStringLiteral("😀"),
                                       QStringLiteral("\u200B"), QStringLiteral("\u00A0"), QStringLiteral("\uFEFF")};

// A number inside the range with up to four decimals.
QString InRange(SoakRandom& random, InputRange range)
{
    const double span = static_cast<double>(range.up - range.low);
    return QString::number(range.low + span * random.Below(100001) / 100000.0, 'f', random.Below(5));
}

QString Keys(SoakRandom& random, int count, bool pasted)
{
    QString text;
    for (int i = 0; i < count; ++i) {
        const int kind = random.Below(20);
        if (kind < 13)
            text += random.Pick(NumberKeys);
        else if (kind < 17)
            text += random.Pick(OtherKeys);
        else if (!pasted)
            text += random.Pick(ControlKeys);
        else if (kind < 19)
            text += random.Pick(ControlCharacters);
        else
            text += random.Pick(WideTexts);
    }
    return text;
}

// 100 to 10,000 characters, some of which still read as a valid number.
QString Long(SoakRandom& random, InputRange range)
{
    const int length = random.Chance(30) ? random.Between(1000, 10000) : random.Between(100, 1000);
    const QString number = InRange(random, range);
    switch (random.Below(6)) {
    case 0:
        return QString(length, u'9');  // far too large for any range
    case 1:
        return number + QString(length, u' ');  // trailing blanks, which the reading ignores
    case 2:
        return QString(length, u'0') + number;
    case 3:
        return number + QLatin1Char('.') + QString(length, u'3');
    case 4:
        return QStringLiteral("0.") + QString(length, u'0') + QLatin1Char('1');
    default:
        return number + Keys(random, length / 10, true);
    }
}

// A text for a box of the given range, as typed key by key or, when pasted,
// anything at all: control characters, lone surrogates, very long texts.
QString SoakText(SoakRandom& random, InputRange range, bool pasted)
{
    switch (random.Below(pasted ? 9 : 6)) {
    case 0:
    case 1:
        return InRange(random, range);
    case 2:
    case 3:
        return QString::fromLatin1(random.Pick(EdgeTexts));
    case 4:
    case 5:
        return Keys(random, pasted ? random.Between(1, 40) : random.Between(1, 6), pasted);
    case 6:
    case 7:
        return Long(random, range);
    default: {
        QString text = InRange(random, range);
        text.insert(random.Below(static_cast<int>(text.size()) + 1), QChar(random.Chance(50) ? 0xD800 : 0xDC00));
        return text;
    }
    }
}

// ---- The user -----------------------------------------------------------------------

constexpr std::array<const char*, 5> BoxNames{"txtAirTemp", "txtRelativeHumidity", "txtConcreteTemp",
                                              "txtWindVelocity", "txtAlternateRate"};
constexpr std::array<const char*, 4> BarNames{"hsbAirTemp", "hsbRelativeHumidity", "hsbConcreteTemp",
                                              "hsbWindVelocity"};
// The alternate threshold has no valid range; rates a user would choose lie here.
constexpr std::array<InputRange, 5> BoxRanges{InputRanges::AirTemp, InputRanges::RelativeHumidity,
                                              InputRanges::ConcreteTemp, InputRanges::WindVelocity,
                                              InputRange{0.0f, 0.5f}};

template <typename T = QPushButton>
T* Child(const QObject& parent, const char* name)
{
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        throw std::runtime_error(std::string("no element ") + name + " in " + parent.objectName().toStdString());
    return found;
}

void Click(const QObject& parent, const char* name)
{
    QTest::mouseClick(Child(parent, name), Qt::LeftButton);
}

void Press(QWidget* widget, QKeyCombination key)
{
    QTest::keyClick(widget, key.key(), key.keyboardModifiers());
}

QRect ThumbRect(QScrollBar* bar)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    if (bar->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
}

// A random user at the main window: types, edits and pastes in every box, clicks
// and drags the scroll bars, clicks the threshold options and Redraw, resizes the
// window, opens the save dialog, the records viewer and the About box and closes
// them again (answering their questions), and prints the text report to a fake
// printer. Each action runs to its end, dialogs included, before Act returns.
class SoakUser {
public:
    SoakUser(QWidget& window, MessageRecorder& messages, std::uint64_t seed)
        : window_(window), messages_(messages), random_(seed)
    {
        for (std::size_t i = 0; i < boxes_.size(); ++i)
            boxes_[i] = Child<QLineEdit>(window_, BoxNames[i]);
        for (std::size_t i = 0; i < bars_.size(); ++i)
            bars_[i] = Child<QScrollBar>(window_, BarNames[i]);
    }

    // Performs one action and says what it did, so that a failure can be retraced.
    std::string Act()
    {
        struct Weighted {
            int weight;
            std::string (SoakUser::*action)();
        };
        static const Weighted actions[] = {
            {43, &SoakUser::EnterText},   {10, &SoakUser::EnterValidSet}, {18, &SoakUser::MoveScrollBar},
            {11, &SoakUser::ClickButton}, {4, &SoakUser::ResizeWindow},   {5, &SoakUser::SaveDialog},
            {4, &SoakUser::RecordsViewer}, {2, &SoakUser::AboutBox},      {3, &SoakUser::PrintTextReport},
        };
        int draw = random_.Below(100);  // the weights add up to 100
        const Weighted* chosen = actions;
        while (draw >= chosen->weight)
            draw -= (chosen++)->weight;
        const std::string done = (this->*chosen->action)();
        // Whatever the action left queued (layout, repaints, deferred deletions)
        // happens before the window is looked at, as before the user's next move.
        QApplication::processEvents();
        for (const Msg::Request& message : messages_.messages())
            if (!ExpectedMessage(message.text))
                faults_.push_back("unexpected message " + DescribeText(message.text));
        messages_.clear();
        if (messages_.unusedAnswers() != 0)
            faults_.push_back("a prepared answer was not asked for");
        return done;
    }

    // Faults the user ran into: a dialog that did not open or close, a message nobody
    // expected, a prepared answer no question used. Cleared by reading.
    std::vector<std::string> TakeFaults() { return std::exchange(faults_, {}); }

private:
    static bool ExpectedMessage(const QString& text)
    {
        return text == QLatin1String("Record added.") || text == QLatin1String("Print Sent") ||
               text == QLatin1String("No solution calculated yet!") || text == QLatin1String("Delete all records?") ||
               text.startsWith(QLatin1String("Delete record: "));
    }

    int EnabledBox()
    {
        int index = 0;
        do
            index = random_.Below(static_cast<int>(boxes_.size()));
        while (!boxes_[index]->isEnabled());
        return index;
    }

    // Clicks into a box and presses up to five editing keys; then mostly types a text,
    // pastes one with Ctrl+V or from the menu, or sets one as the program itself does.
    std::string EnterText()
    {
        static const QKeyCombination editKeys[] = {
            Qt::CTRL | Qt::Key_A, Qt::Key_End,           Qt::Key_Home,          Qt::Key_Left,
            Qt::Key_Delete,       Qt::Key_Backspace,     Qt::Key_Backspace,     Qt::CTRL | Qt::Key_X,
            Qt::CTRL | Qt::Key_Z, Qt::CTRL | Qt::SHIFT | Qt::Key_Z};
        const int index = EnabledBox();
        QLineEdit* box = boxes_[index];
        const QPoint at(random_.Between(1, std::max(1, box->width() - 2)), box->height() / 2);
        QTest::mouseClick(box, Qt::LeftButton, {}, at);
        std::string done = std::string(BoxNames[index]) + ": click at x " + std::to_string(at.x());
        for (int keys = random_.Below(6); keys > 0; --keys) {
            const QKeyCombination key = random_.Pick(editKeys);
            Press(box, key);
            done += ", " + QKeySequence(key).toString().toStdString();
        }

        const int how = random_.Below(8);  // 0 no text, 1-3 type, 4-5 Ctrl+V, 6 the menu, 7 set the text
        if (how == 0)
            return done;
        const QString text = SoakText(random_, BoxRanges[index], how > 3);
        if (how <= 3) {
            QTest::keyClicks(box, text);
            return done + ", type " + DescribeText(text);
        }
        if (how == 7) {
            box->setText(text);
            return done + ", set the text to " + DescribeText(text);
        }
        QGuiApplication::clipboard()->setText(text);
        if (how == 6)
            box->paste();
        else
            Press(box, Qt::CTRL | Qt::Key_V);
        return done + (how == 6 ? ", paste from the menu " : ", Ctrl+V ") + DescribeText(text);
    }

    // Random typing rarely makes all four inputs valid at once; this gives the
    // calculation, the scenarios and saving their share of the run.
    std::string EnterValidSet()
    {
        std::string entered = "paste a valid set:";
        for (int row = 0; row < 4; ++row) {
            const QString text = InRange(random_, BoxRanges[row]);
            QGuiApplication::clipboard()->setText(text);
            QTest::mouseClick(boxes_[row], Qt::LeftButton);
            Press(boxes_[row], Qt::CTRL | Qt::Key_A);
            Press(boxes_[row], Qt::CTRL | Qt::Key_V);
            entered += " " + text.toStdString();
        }
        return entered;
    }

    // A click on the arrows or the track, a thumb drag (past the ends too), or the wheel.
    std::string MoveScrollBar()
    {
        std::vector<int> shown;
        for (int row = 0; row < 4; ++row)
            if (!bars_[row]->isHidden())
                shown.push_back(row);
        if (shown.empty())
            return "no scroll bar shown; " + EnterValidSet();
        const int row = random_.Pick(shown);
        QScrollBar* bar = bars_[row];
        std::string done = std::string(BarNames[row]) + ": ";
        switch (random_.Below(3)) {
        case 0: {
            const QPoint at(random_.Below(bar->width()), bar->height() / 2);
            QTest::mouseClick(bar, Qt::LeftButton, {}, at);
            return done + "click at x " + std::to_string(at.x());
        }
        case 1: {
            const QPoint grip = ThumbRect(bar).center();
            done += "mouse drag from x " + std::to_string(grip.x()) + " through";
            QTest::mousePress(bar, Qt::LeftButton, {}, grip);
            for (int steps = random_.Between(1, 8); steps > 0; --steps) {
                const QPoint to(random_.Between(-20, bar->width() + 20), grip.y());
                QTest::mouseMove(bar, to);
                done += " " + std::to_string(to.x());
            }
            QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(random_.Below(bar->width()), grip.y()));
            return done;
        }
        default: {
            const int delta = 120 * random_.Between(-3, 3);
            const QPointF at = bar->rect().center();
            QWheelEvent wheel(at, bar->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(bar, &wheel);
            return done + "wheel " + std::to_string(delta);
        }
        }
    }

    // The threshold options and Redraw Nomograph Solution, enabled or not.
    std::string ClickButton()
    {
        static const char* const names[] = {"optDefault", "optAlternate", "cmdRunNomo"};
        const char* name = random_.Pick(names);
        auto* button = Child<QAbstractButton>(window_, name);
        const bool enabled = button->isEnabled();
        QTest::mouseClick(button, Qt::LeftButton);
        return std::string("click ") + (enabled ? "" : "the disabled ") + name;
    }

    std::string ResizeWindow()
    {
        if (random_.Chance(5)) {
            window_.showMinimized();
            QApplication::processEvents();
            window_.showNormal();
            return "minimise and restore the window";
        }
        const QSize size = random_.Chance(20) ? QSize(random_.Between(50, 700), random_.Between(50, 500))
                                              : QSize(random_.Between(700, 2000), random_.Between(500, 1400));
        window_.resize(size);
        return "resize the window to " + std::to_string(size.width()) + "x" + std::to_string(size.height());
    }

    // Runs `open`, which should show a modal dialog, and `close` inside that dialog.
    void RunDialog(const char* what, const std::function<void()>& open, const std::function<void(QWidget&)>& close)
    {
        bool opened = false;
        QTimer closer;  // lives only as long as this call, so never fires into a later action
        closer.setSingleShot(true);
        QObject::connect(&closer, &QTimer::timeout, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            opened = true;
            close(*dialog);
            if (dialog->isVisible()) {
                faults_.push_back(dialog->objectName().toStdString() + " stayed open after it was closed");
                if (auto* modal = qobject_cast<QDialog*>(dialog))
                    modal->reject();
            }
        });
        closer.start(0);
        open();
        if (!opened)
            faults_.push_back(std::string(what) + " opened no dialog");
    }

    // Escape, Cancel after typing a note, or OK with a note that may be anything.
    std::string SaveDialog()
    {
        if (!Child(window_, "cmdSave")->isEnabled()) {
            Click(window_, "cmdSave");
            return "click the disabled Save Data";
        }
        const int choice = random_.Below(3);
        const QString note = SoakText(random_, InputRanges::RelativeHumidity, choice == 2);
        RunDialog("Save Data", [this] { Click(window_, "cmdSave"); }, [&](QWidget& dialog) {
            if (choice == 0) {
                QTest::keyClick(&dialog, Qt::Key_Escape);
                return;
            }
            auto* txtNote = Child<QLineEdit>(dialog, "txtNote");
            if (choice == 1)
                QTest::keyClicks(txtNote, note);
            else
                txtNote->setText(note);
            Click(dialog, choice == 1 ? "cmdCancel" : "cmdAccept");
        });
        static const char* const endings[] = {"press Escape", "type a note and cancel", "accept with the note"};
        return std::string("open Save Data and ") + endings[choice] + (choice ? " " + DescribeText(note) : "");
    }

    std::string RecordsViewer()
    {
        const int choice = random_.Below(7);
        const int rowDraw = random_.Below(1 << 20);
        const bool yes = random_.Chance(60);
        const std::string answered = yes ? " (yes)" : " (no)";
        std::string ending = "exit";
        RunDialog("View Saved Data Records", [this] { Click(window_, "cmdRecords"); }, [&](QWidget& dialog) {
            auto* grid = Child<QTableView>(dialog, "DBGrid1");
            const int rows = grid->model() ? grid->model()->rowCount() : 0;
            if (rows > 0)
                grid->selectRow(rowDraw % rows);
            if (choice == 1) {
                ending = "press Escape";
                QTest::keyClick(&dialog, Qt::Key_Escape);
                return;
            }
            if (choice == 2 && rows > 0) {
                ending = "return record " + std::to_string(rowDraw % rows);
                Click(dialog, "cmdReturn");
                return;
            }
            if (choice == 3 && rows > 0) {
                ending = "delete record " + std::to_string(rowDraw % rows) + answered + " and exit";
                messages_.answerNext(yes ? Msg::Answer::Yes : Msg::Answer::No);
                Click(dialog, "cmdDelete");
            } else if (choice == 4 && Child(dialog, "cmdDeleteAll")->isEnabled()) {
                ending = "delete all" + answered + " and exit";
                messages_.answerNext(yes ? Msg::Answer::Yes : Msg::Answer::No);
                Click(dialog, "cmdDeleteAll");
            } else if (choice == 5 && Child(dialog, "cmdCopy")->isEnabled()) {
                ending = "copy and exit";
                Click(dialog, "cmdCopy");
            }
            Click(dialog, "cmdExit");
        });
        return "open the records viewer, select a row and " + ending;
    }

    std::string AboutBox()
    {
        const bool byEscape = random_.Chance(30);
        RunDialog("Help > About", [this] { Child<QAction>(window_, "mnuHelpAbout")->trigger(); },
                  [byEscape](QWidget& dialog) {
                      if (byEscape)
                          QTest::keyClick(&dialog, Qt::Key_Escape);
                      else
                          Click(dialog, "cmdOK");
                  });
        return byEscape ? "open About and press Escape" : "open About and press OK";
    }

    std::string PrintTextReport()
    {
        Child<QAction>(window_, "mnuFilePrintTextReport")->trigger();
        const int jobs = std::exchange(printer_.printed, PrintRecord{}).jobsEnded;
        return "print the text report (" + std::to_string(jobs) + " page sent)";
    }

    QWidget& window_;
    MessageRecorder& messages_;
    SoakRandom random_;
    FakePrintDestinations printer_;
    std::array<QLineEdit*, 5> boxes_{};  // the four inputs, then txtAlternateRate
    std::array<QScrollBar*, 4> bars_{};
    std::vector<std::string> faults_;
};

// ---- Memory -------------------------------------------------------------------------

struct MemoryReading {
    double residentMB = 0.0;
    double liveHeapMB = 0.0;  // allocated and not yet freed, without what the allocator keeps for reuse
};

double Megabytes(std::uint64_t bytes)
{
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

// Readings are taken at one window size, since the backing store and chart images
// alone differ by megabytes between a small and a large window; the window gets
// its size back afterwards, so the run goes on as it would have. Qt's pixmap cache
// keeps style pixmaps up to its limit (10 MB) on purpose; it is emptied first so
// that a cache filling up does not pass for growth.
MemoryReading ReadMemory(QWidget& window)
{
    const QSize size = window.size();
    window.resize(800, 600);
    QApplication::processEvents();
    QPixmapCache::clear();

    std::ifstream statm("/proc/self/statm");
    std::uint64_t totalPages = 0;
    std::uint64_t residentPages = 0;
    statm >> totalPages >> residentPages;
#if defined(BRACKMERE_ASAN)
    const std::uint64_t liveHeap = __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    const std::uint64_t liveHeap = info.uordblks + info.hblkhd;
#endif
    window.resize(size);
    QApplication::processEvents();
    return {Megabytes(residentPages * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE))), Megabytes(liveHeap)};
}

// ---- The run ------------------------------------------------------------------------

// BRACKMERE_SOAK_SEED and BRACKMERE_SOAK_ACTIONS choose another run; a failure
// names the seed and the action count that reproduce it.
constexpr std::uint64_t DefaultSeed = 20240611;
constexpr int DefaultActions = 20000;
constexpr std::size_t RecentActionsShown = 25;

// Generous for caches that fill up (glyphs, the records file's pages), far below
// what a leak in an action that runs thousands of times would add. The resident
// size says nothing under AddressSanitizer, whose allocator keeps freed blocks in
// quarantine and their pages resident; there the live heap alone decides.
constexpr double ResidentGrowthLimitMB = 30.0;
constexpr double LiveHeapGrowthLimitMB = 4.0;
#if defined(BRACKMERE_ASAN)
constexpr bool ResidentSizeTells = false;
#else
constexpr bool ResidentSizeTells = true;
#endif

std::uint64_t SettingFromEnvironment(const char* name, std::uint64_t fallback)
{
    bool ok = false;
    const qulonglong value = qgetenv(name).toULongLong(&ok);
    return ok ? value : fallback;
}

using SoakTest = MainWindowFixture;

TEST_F(SoakTest, RandomUserActionsKeepTheWindowConsistentWithoutGrowingMemory)
{
    const std::uint64_t seed = SettingFromEnvironment("BRACKMERE_SOAK_SEED", DefaultSeed);
    const int actions = static_cast<int>(SettingFromEnvironment("BRACKMERE_SOAK_ACTIONS", DefaultActions));
    window->show();
    QApplication::processEvents();
    SoakUser user(*window, messages, seed);
    ASSERT_EQ(CheckWindowConsistency(*window), std::vector<std::string>{}) << "inconsistent at start-up";

    std::deque<std::string> recent;
    int validStates = 0;
    const int warmUp = std::min(2000, actions / 10);
    MemoryReading start = ReadMemory(*window);
    for (int action = 0; action < actions; ++action) {
        recent.push_back(user.Act());
        if (recent.size() > RecentActionsShown)
            recent.pop_front();
        std::vector<std::string> faults = user.TakeFaults();
        for (std::string& fault : CheckWindowConsistency(*window))
            faults.push_back(std::move(fault));
        if (!faults.empty()) {
            std::string report = "inconsistent window after action " + std::to_string(action + 1) +
                                 " (reproduce with BRACKMERE_SOAK_SEED=" + std::to_string(seed) +
                                 " BRACKMERE_SOAK_ACTIONS=" + std::to_string(action + 1) + ")\nlast actions:\n";
            for (const std::string& done : recent)
                report += "  " + done + "\n";
            report += "faults:\n";
            for (const std::string& fault : faults)
                report += "  " + fault + "\n";
            FAIL() << report;
        }
        validStates += InputsValid(*window) ? 1 : 0;
        if (action + 1 == warmUp)
            start = ReadMemory(*window);
    }

    const MemoryReading end = ReadMemory(*window);
    std::printf("soak: %d actions, seed %llu, %d valid states; after warm-up RSS %.1f -> %.1f MB, "
                "live heap %.1f -> %.1f MB\n",
                actions, static_cast<unsigned long long>(seed), validStates, start.residentMB, end.residentMB,
                start.liveHeapMB, end.liveHeapMB);
    // The calculated side of the judge must get its share, not only blank results.
    EXPECT_GT(validStates, actions / 5);
    if (actions >= DefaultActions) {
        EXPECT_LT(end.liveHeapMB - start.liveHeapMB, LiveHeapGrowthLimitMB) << "memory still held grew";
        if (ResidentSizeTells) {
            EXPECT_LT(end.residentMB - start.residentMB, ResidentGrowthLimitMB) << "resident size grew";
        }
    }
}

}  // namespace
