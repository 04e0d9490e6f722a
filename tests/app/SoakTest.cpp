// Random user actions on the real main window: the whole window is checked against the
// calculation core after every action, the live heap is compared between the end of a
// warm-up and the end of the run, and every record reported saved must be in the file.

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

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <functional>
#include <utility>

#include "tests/app/MainWindowFixture.h"
#include "tests/app/WindowConsistency.h"
#include "tests/support/RecordingTarget.h"
#include "tests/support/RecordsFiles.h"

// Part of the sanitizer runtime's interface: null in a build without the sanitizers.
extern "C" [[gnu::weak]] std::size_t __sanitizer_get_current_allocated_bytes();

namespace {

// splitmix64: the same seed gives the same run with every standard library.
class SoakRandom {
public:
    explicit SoakRandom(std::uint64_t seed) : state_(seed) {}
    int Below(int bound)
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
        return items[Below(static_cast<int>(std::size(items)))];
    }

private:
    std::uint64_t state_;
};

// At and around the limits of every range, and number forms the reading accepts or stops at.
const char* const EdgeTexts[] = {"-0", "-0.01", "1e-07", "0.5", "24.99", "25.01", "25.0000001", "39.99", "39.9999999",
                                 "40.5", "80.6", "99.9999", "100.4", "100.5", "100.000001", "100.0001", "&H19",
                                 "&O144", "&HFFFF", "&H", "4D1", "1e39", "1e400", " 5 0 ", "7\t5", ".", "-", "12abc"};
const QString TypedKeys[] = {QStringLiteral("0123456789012345678901234567890123456789..--++eEdD&HhOo   "),
                             QStringLiteral("abcxyzXYZ,;:!?()[]/\\*#%$'\"_=~|°µ"), QStringLiteral("\b\t\r\x1B")};
// Only a paste brings these: control characters, non-Latin and invisible characters,
// and (picked one unit at a time from the emoji) lone surrogates.
constexpr char16_t PasteOnly[] = u"\0\x01\n\f\x1F\x7F\x85°é５٥中\U0001F600\u200B\u00A0\uFEFF";
const QString PastedKeys = QString::fromUtf16(PasteOnly, std::size(PasteOnly) - 1);

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
        text += random.Pick(kind < 13 ? TypedKeys[0] : kind < 17 ? TypedKeys[1] : pasted ? PastedKeys : TypedKeys[2]);
    }
    return text;
}

// A text for a box of the given range: typed key by key, or pasted, which may be anything,
// up to 10,000 characters.
QString SoakText(SoakRandom& random, InputRange range, bool pasted)
{
    const int length = random.Chance(30) ? random.Between(1000, 10000) : random.Between(100, 1000);
    switch (random.Below(pasted ? 9 : 6) / 2) {
    case 0: return InRange(random, range);
    case 1: return QString::fromLatin1(random.Pick(EdgeTexts));
    case 2: return Keys(random, pasted ? random.Between(1, 40) : random.Between(1, 6), pasted);
    case 3: return QString(length, u'0') + InRange(random, range) + QString(length, u' ');
    default: return InRange(random, range) + Keys(random, length / 10, true);
    }
}

constexpr std::array<const char*, 5> BoxNames{"txtAirTemp", "txtRelativeHumidity", "txtConcreteTemp",
                                              "txtWindVelocity", "txtAlternateRate"};
constexpr std::array<const char*, 4> BarNames{"hsbAirTemp", "hsbRelativeHumidity", "hsbConcreteTemp",
                                              "hsbWindVelocity"};
// The alternate threshold has no valid range; rates a user would choose lie here.
constexpr std::array<InputRange, 5> BoxRanges{InputRanges::AirTemp, InputRanges::RelativeHumidity,
                                              InputRanges::ConcreteTemp, InputRanges::WindVelocity,
                                              InputRange{0.0f, 0.5f}};

void Click(const QObject& parent, const char* name)
{
    QTest::mouseClick(Element<QAbstractButton>(parent, name), Qt::LeftButton);
}

void Press(QWidget* widget, QKeyCombination key)
{
    QTest::keyClick(widget, key.key(), key.keyboardModifiers());
}

QPoint ThumbCentre(QScrollBar* bar)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.state |= QStyle::State_Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar).center();
}

// Types, edits and pastes in every box, clicks and drags the scroll bars, clicks the
// threshold options and Redraw, resizes the window, goes through the save dialog, the
// records viewer and the About box, and prints the text report to a fake printer.
// Each action runs to its end, dialogs included, and says what it did.
class SoakUser {
public:
    SoakUser(QWidget& window, MessageRecorder& messages, std::uint64_t seed)
        : window_(window), messages_(messages), random_(seed)
    {
    }

    std::string Act()
    {
        static const std::pair<int, std::string (SoakUser::*)()> actions[] = {
            {43, &SoakUser::EnterText},   {10, &SoakUser::EnterValidSet}, {18, &SoakUser::MoveScrollBar},
            {11, &SoakUser::ClickButton}, {4, &SoakUser::ResizeWindow},   {5, &SoakUser::SaveDialog},
            {4, &SoakUser::RecordsViewer}, {2, &SoakUser::AboutBox},      {3, &SoakUser::PrintTextReport},
        };
        int draw = random_.Below(100);  // the weights add up to 100
        auto chosen = std::begin(actions);
        while (draw >= chosen->first)
            draw -= (chosen++)->first;
        const std::string done = (this->*chosen->second)();
        // Layout, repaints and deferred deletions happen before the window is looked at.
        QApplication::processEvents();
        for (const Msg::Request& message : messages_.messages()) {
            recordsAdded += message.text == "Record added." ? 1 : 0;
            if (message.text != "Record added." && message.text != "Print Sent"
                && message.text != "No solution calculated yet!")
                faults_.push_back("unexpected message " + DescribeText(message.text));
        }
        messages_.clear();
        return done;
    }

    // A dialog that did not open or close, or an unexpected message. Cleared by reading.
    std::vector<std::string> TakeFaults() { return std::exchange(faults_, {}); }
    int recordsAdded = 0;

private:
    QLineEdit* Box(int index) const { return Element<QLineEdit>(window_, BoxNames[index]); }
    QScrollBar* Bar(int row) const { return Element<QScrollBar>(window_, BarNames[row]); }

    // Clicks into a box and presses up to five editing keys, then types a text, pastes
    // one, or sets one as the program itself does.
    std::string EnterText()
    {
        static const QKeyCombination editKeys[] = {Qt::CTRL | Qt::Key_A, Qt::Key_End,       Qt::Key_Home,
                                                   Qt::Key_Left,         Qt::Key_Delete,    Qt::Key_Backspace,
                                                   Qt::CTRL | Qt::Key_X, Qt::CTRL | Qt::Key_Z};
        int index = 0;
        do
            index = random_.Below(5);
        while (!Box(index)->isEnabled());
        QLineEdit* box = Box(index);
        const QPoint at(random_.Between(1, std::max(1, box->width() - 2)), box->height() / 2);
        QTest::mouseClick(box, Qt::LeftButton, {}, at);
        std::string done = std::string(BoxNames[index]) + ": click at x " + std::to_string(at.x());
        for (int keys = random_.Below(6); keys > 0; --keys) {
            const QKeyCombination key = random_.Pick(editKeys);
            Press(box, key);
            done += ", " + QKeySequence(key).toString().toStdString();
        }
        const int how = random_.Below(7);  // 0 no text, 1-3 type, 4-5 Ctrl+V, 6 set the text
        if (how == 0)
            return done;
        const QString text = SoakText(random_, BoxRanges[index], how > 3);
        if (how <= 3) {
            QTest::keyClicks(box, text);
        } else if (how == 6) {
            box->setText(text);
        } else {
            QGuiApplication::clipboard()->setText(text);
            Press(box, Qt::CTRL | Qt::Key_V);
        }
        return done + (how <= 3 ? ", type " : how == 6 ? ", set " : ", Ctrl+V ") + DescribeText(text);
    }

    // Random typing rarely makes all four inputs valid at once; this gives the
    // calculation, the scenarios and saving their share of the run.
    std::string EnterValidSet()
    {
        std::string entered = "paste a valid set:";
        for (int row = 0; row < 4; ++row) {
            const QString text = InRange(random_, BoxRanges[row]);
            QGuiApplication::clipboard()->setText(text);
            QTest::mouseClick(Box(row), Qt::LeftButton);
            Press(Box(row), Qt::CTRL | Qt::Key_A);
            Press(Box(row), Qt::CTRL | Qt::Key_V);
            entered += " " + text.toStdString();
        }
        return entered;
    }

    // A click on an arrow or the track, or a drag of the thumb, past the ends too.
    std::string MoveScrollBar()
    {
        std::vector<int> shown;
        for (int row = 0; row < 4; ++row)
            if (!Bar(row)->isHidden())
                shown.push_back(row);
        if (shown.empty())
            return "no scroll bar shown; " + EnterValidSet();
        const int row = random_.Pick(shown);
        QScrollBar* bar = Bar(row);
        std::string done = std::string(BarNames[row]) + ": ";
        if (random_.Chance(50)) {
            const QPoint at(random_.Below(bar->width()), bar->height() / 2);
            QTest::mouseClick(bar, Qt::LeftButton, {}, at);
            // The keyboard reaches a bar by Tab; a click leaves the focus where the user types.
            EXPECT_NE(window_.focusWidget(), bar) << "a click gave " << BarNames[row] << " the focus";
            return done + "click at x " + std::to_string(at.x());
        }
        const QPoint grip = ThumbCentre(bar);
        done += "drag from x " + std::to_string(grip.x()) + " through";
        QTest::mousePress(bar, Qt::LeftButton, {}, grip);
        for (int steps = random_.Between(1, 8); steps > 0; --steps) {
            const QPoint to(random_.Between(-20, bar->width() + 20), grip.y());
            QTest::mouseMove(bar, to);
            done += " " + std::to_string(to.x());
        }
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(random_.Below(bar->width()), grip.y()));
        EXPECT_NE(window_.focusWidget(), bar) << "a drag gave " << BarNames[row] << " the focus";
        return done;
    }

    std::string ClickButton()
    {
        static const char* const names[] = {"optDefault", "optAlternate", "cmdRunNomo"};
        const char* name = random_.Pick(names);
        Click(window_, name);
        return std::string("click ") + name;
    }

    std::string ResizeWindow()
    {
        const QSize size = random_.Chance(20) ? QSize(random_.Between(50, 700), random_.Between(50, 500))
                                              : QSize(random_.Between(700, 2000), random_.Between(500, 1400));
        window_.resize(size);
        return "resize the window to " + std::to_string(size.width()) + "x" + std::to_string(size.height());
    }

    // Runs `open`, which should show a modal dialog, and `close` inside that dialog.
    std::string RunDialog(const std::string& done, const std::function<void()>& open,
                          const std::function<void(QWidget&)>& close)
    {
        bool opened = false;
        QTimer closer;  // lives only as long as this call, so never fires into a later action
        closer.setSingleShot(true);
        QObject::connect(&closer, &QTimer::timeout, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            opened = true;
            try {  // an exception would end in Qt's event loop
                close(*dialog);
            } catch (const std::exception& error) {
                faults_.push_back(done + ": " + error.what());
            }
            if (dialog->isVisible()) {
                faults_.push_back(dialog->objectName().toStdString() + " stayed open after it was closed");
                qobject_cast<QDialog*>(dialog)->reject();
            }
        });
        closer.start(0);
        open();
        if (!opened)
            faults_.push_back(done + ": no dialog opened");
        return done;
    }

    // Cancel after typing a note, or OK with a note that may be anything.
    std::string SaveDialog()
    {
        if (!Element<QAbstractButton>(window_, "cmdSave")->isEnabled()) {
            Click(window_, "cmdSave");
            return "click the disabled Save Data";
        }
        const bool accept = random_.Chance(50);
        const QString note = SoakText(random_, InputRanges::RelativeHumidity, accept);
        return RunDialog(
            "save with the note " + DescribeText(note) + (accept ? ", accepted" : ", cancelled"),
            [this] { Click(window_, "cmdSave"); },
            [&](QWidget& dialog) {
                auto* txtNote = Element<QLineEdit>(dialog, "txtNote");
                accept ? txtNote->setText(note) : QTest::keyClicks(txtNote, note);
                Click(dialog, accept ? "cmdAccept" : "cmdCancel");
            });
    }

    // Selects a row, then returns it, presses Escape, or exits.
    std::string RecordsViewer()
    {
        static const char* const endings[] = {"return it", "press Escape", "exit"};
        const int choice = random_.Below(3);
        const int draw = random_.Below(1 << 20);
        return RunDialog(
            "open the records viewer, select row draw " + std::to_string(draw) + " and " + endings[choice],
            [this] { Click(window_, "cmdRecords"); },
            [&](QWidget& dialog) {
                auto* grid = Element<QTableView>(dialog, "DBGrid1");
                const int rows = grid->model()->rowCount();
                if (rows > 0)
                    grid->selectRow(draw % rows);
                if (choice == 0 && rows > 0)
                    Click(dialog, "cmdReturn");
                else if (choice == 1)
                    QTest::keyClick(&dialog, Qt::Key_Escape);
                else
                    Click(dialog, "cmdExit");
            });
    }

    std::string AboutBox()
    {
        return RunDialog(
            "open About and press OK", [this] { Element<QAction>(window_, "mnuHelpAbout")->trigger(); },
            [](QWidget& dialog) { Click(dialog, "cmdOK"); });
    }

    std::string PrintTextReport()
    {
        Element<QAction>(window_, "mnuFilePrintTextReport")->trigger();
        const int jobs = std::exchange(printer_.printed, PrintRecord{}).jobsEnded;
        return "print the text report (" + std::to_string(jobs) + " page sent)";
    }

    QWidget& window_;
    MessageRecorder& messages_;
    SoakRandom random_;
    FakePrintDestinations printer_;
    std::vector<std::string> faults_;
};

// Memory allocated and not yet freed, in MB. Read at one window size, since the backing
// store and chart images alone differ by megabytes between a small and a large window, and
// with Qt's pixmap cache emptied, since it keeps up to 10 MB of style pixmaps on purpose.
double LiveHeapMB(QWidget& window)
{
    const QSize size = window.size();
    window.resize(800, 600);
    QApplication::processEvents();
    QPixmapCache::clear();
    const struct mallinfo2 info = mallinfo2();
    const double bytes = __sanitizer_get_current_allocated_bytes
                             ? static_cast<double>(__sanitizer_get_current_allocated_bytes())
                             : static_cast<double>(info.uordblks + info.hblkhd);
    window.resize(size);
    QApplication::processEvents();
    return bytes / (1024.0 * 1024.0);
}

std::uint64_t SettingFromEnvironment(const char* name, std::uint64_t fallback)
{
    bool ok = false;
    const qulonglong value = qgetenv(name).toULongLong(&ok);
    return ok ? value : fallback;
}

// BRACKMERE_SOAK_SEED and BRACKMERE_SOAK_ACTIONS choose another run; a failure names
// the seed and the action count that reproduce it.
constexpr std::uint64_t DefaultSeed = 20240611;
constexpr int DefaultActions = 8000;
// Room for caches that fill up (glyphs, the records file's pages), far below what a
// leak in an action that runs hundreds of times would add.
constexpr double LiveHeapGrowthLimitMB = 4.0;

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
    const int warmUp = std::min(1000, actions / 10);
    double heapAfterWarmUp = LiveHeapMB(*window);
    for (int action = 1; action <= actions; ++action) {
        recent.push_back(user.Act());
        if (recent.size() > 25)
            recent.pop_front();
        std::vector<std::string> faults = user.TakeFaults();
        for (std::string& fault : CheckWindowConsistency(*window))
            faults.push_back(std::move(fault));
        if (!faults.empty()) {
            std::string report = "inconsistent window after action " + std::to_string(action)
                                 + " (reproduce with BRACKMERE_SOAK_SEED=" + std::to_string(seed)
                                 + " BRACKMERE_SOAK_ACTIONS=" + std::to_string(action) + ")\nlast actions:\n";
            for (const std::string& done : recent)
                report += "  " + done + "\n";
            report += "faults:\n";
            for (const std::string& fault : faults)
                report += "  " + fault + "\n";
            FAIL() << report;
        }
        validStates += InputsValid(*window) ? 1 : 0;
        if (action == warmUp)
            heapAfterWarmUp = LiveHeapMB(*window);
    }

    const double heapAtEnd = LiveHeapMB(*window);
    std::printf("soak: %d actions, seed %llu, %d valid states, %d records saved; live heap after warm-up %.1f MB, "
                "at the end %.1f MB\n",
                actions, static_cast<unsigned long long>(seed), validStates, user.recordsAdded, heapAfterWarmUp,
                heapAtEnd);
    // The calculated side of the judge must get its share, not only blank results.
    EXPECT_GT(validStates, actions / 5);
    EXPECT_EQ(LookReadOnly(RecordsPath::ForThisProgram()).rows.size(), user.recordsAdded) << "saved records lost";
    if (actions >= DefaultActions) {
        EXPECT_LT(heapAtEnd - heapAfterWarmUp, LiveHeapGrowthLimitMB) << "memory still held grew";
    }
}

}  // namespace
