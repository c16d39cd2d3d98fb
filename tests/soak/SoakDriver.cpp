// A seeded, reproducible soak of the program's windows on a real X display:
// random bursts of clicks inside the windows' outlines, drags of their
// backgrounds with any button, typing (Latin-1, Unicode Bengali, emoji),
// pastes up to 1 MB, list keys, Tab, Escape, the desktop's close, minimise
// and restore, opening and closing every window and pressing the keyboard
// window's keys. After every burst an oracle checks what a user would see.
// Usage: soak_driver EVENTS SEED
#include "core/SelectionLookup.h"
#include "layouts/WindowLayouts.h"
#include "platform/Application.h"
#include "platform/GlyphText.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/ListBox.h"
#include "platform/Shell.h"
#include "platform/TextBox.h"
#include "windows/Form1.h"
#include "windows/Form10.h"
#include "windows/Form2.h"
#include "windows/Form7.h"
#include "windows/Form9.h"
#include "windows/Forms.h"
#include "windows/ProgramFonts.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

// Addresses are recorded, not opened: a soak starts no browser.
class RecordingShell final : public platform::Shell {
public:
    void Open(std::string_view) override { ++opened; }
    long opened = 0;
};

// The engine's raw output is fixed by the standard, so one seed gives the
// same events everywhere (distributions are not).
class Random {
public:
    explicit Random(std::uint64_t seed) : engine_(seed) {}
    int below(int n) { return n <= 1 ? 0 : static_cast<int>(engine_() % static_cast<std::uint64_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T>
    T& pick(std::vector<T>& from) { return from[static_cast<std::size_t>(below(static_cast<int>(from.size())))]; }

private:
    std::mt19937_64 engine_;
};

double ResidentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * 4096.0 / (1024.0 * 1024.0);
}

// Ends the run if the event loop stops answering altogether.
class Watchdog {
public:
    explicit Watchdog(int seconds) : thread_([this, seconds] { Run(seconds); }) {}
    ~Watchdog() {
        stop_ = true;
        thread_.join();
    }
    void Beat(long event) {
        event_ = event;
        beat_ = std::chrono::steady_clock::now().time_since_epoch().count();
    }

private:
    void Run(int seconds) {
        Beat(0);
        while (!stop_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            const auto since = std::chrono::steady_clock::now().time_since_epoch().count() - beat_.load();
            if (since > std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::seconds(seconds)).count()) {
                std::fprintf(stderr, "soak: HANG: no answer for %d s at event %ld\n", seconds, event_.load());
                std::_Exit(3);
            }
        }
    }
    std::atomic<bool> stop_{false};
    std::atomic<long> event_{0};
    std::atomic<std::chrono::steady_clock::rep> beat_{0};
    std::thread thread_;
};

class Soak {
public:
    Soak(long events, std::uint64_t seed) : events_(events), random_(seed) {}

    int Run() {
        Start();
        const long burst = 10;
        Watchdog watchdog(30);
        QElapsedTimer clock;
        clock.start();
        for (long done = 0; done < events_;) {
            for (long i = 0; i < burst && done < events_; ++i, ++done) {
                watchdog.Beat(done);
                QElapsedTimer answer;
                answer.start();
                steps_ = 1;
                Event();
                const qint64 ms = answer.elapsed() / steps_;  // the time one input took to be answered
                Settle();  // a restart after the exit window's "Yes" is not an answer
                Track();
                if (ms > answerLimitMs_)
                    Violation("no answer within " + std::to_string(answerLimitMs_) + " ms (" + std::to_string(ms) +
                              " ms after a " + lastKind_ + ")");
                event_ = done + 1;
            }
            Check();
            const double rss = ResidentMegabytes();
            if (rss1_ == 0 && event_ >= std::max(1L, events_ / 100)) rss1_ = rss;
            if (rss50_ == 0 && event_ >= events_ / 2) rss50_ = rss;
            rss100_ = rss;
        }
        if (rss50_ > 0 && rss100_ > rss50_ * 1.10 + 16) Violation("resident memory keeps growing");
        std::printf("soak: events %ld, seed %" PRIu64 ", minutes %.1f, program ends %d, oracle violations %d, hangs %d,"
                    " resident MB at 1%% %.1f, 50%% %.1f, 100%% %.1f\n",
                    events_, seed_, static_cast<double>(clock.elapsed()) / 60000.0, ends_, violations_, hangs_,
                    rss1_, rss50_, rss100_);
        std::printf("soak: clicks %ld, drags %ld, typing %ld, pastes %ld, list keys %ld, Tab/Escape %ld, desktop closes %ld,"
                    " minimise/restore %ld, open/close %ld, keyboard keys %ld; most windows open at once %d,"
                    " magnifier openings %ld\n",
                    kinds_[0], kinds_[1], kinds_[2], kinds_[3], kinds_[4], kinds_[5], kinds_[6], kinds_[7], kinds_[8],
                    kinds_[9], windowsSeen_, magnifierOpenings_);
        return violations_ == 0 ? 0 : 1;
    }

    std::uint64_t seed_ = 0;

private:
    // As the program starts: the splash, which hands over to the main window.
    void Start() {
        forms_ = std::make_unique<windows::Forms>(shell_, [this] { ++ends_; });
        forms_->form7().Show();
        if (!QTest::qWaitFor([this] { return forms_->form1.isLoaded() && forms_->form1().isVisible(); }, 20000)) {
            std::fprintf(stderr, "soak: the main window did not appear after the splash\n");
            std::exit(2);
        }
        searchLast_ = true;
        magnifier_ = nullptr;
    }

    void Settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (forms_->hasEnded() || !forms_->form1.isLoaded()) {
            // The exit window's "Yes": the program would end; start it again.
            forms_.reset();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            Start();
        }
    }

    void Violation(const std::string& what) {
        ++violations_;
        if (what.rfind("no answer", 0) == 0) ++hangs_;
        if (violations_ <= 20) std::fprintf(stderr, "soak: event %ld: %s\n", event_, what.c_str());
    }

    std::vector<platform::Form*> OpenWindows() {
        std::vector<platform::Form*> open;
        for (const layouts::WindowRow& row : layouts::kWindowRows)
            if (platform::Form* form = forms_->ifLoaded(row); form && form->isVisible()) open.push_back(form);
        return open;
    }

    windows::Form1& Main() { return forms_->form1(); }

    // A point inside the window's outline, or nothing after a few tries.
    std::optional<QPoint> InsideOutline(platform::Form& window, bool backgroundOnly) {
        const QRegion outline = window.mask().isEmpty() ? QRegion(window.rect()) : window.mask();
        const QRect box = outline.boundingRect() & window.rect();
        for (int tries = 0; tries < 20 && !box.isEmpty(); ++tries) {
            const QPoint p(box.left() + random_.below(box.width()), box.top() + random_.below(box.height()));
            if (!outline.contains(p)) continue;
            if (backgroundOnly && window.childAt(p)) continue;
            return p;
        }
        return std::nullopt;
    }

    Qt::MouseButton AnyButton() {
        const int b = random_.below(10);
        return b < 7 ? Qt::LeftButton : b < 9 ? Qt::RightButton : Qt::MiddleButton;
    }

    void Click(QWidget& target, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        if (auto* exitWindow = forms_->form9.ifLoaded(); exitWindow && target.parentWidget() == exitWindow &&
                                                         target.objectName() == QLatin1String("Image1") &&
                                                         random_.chance(90)) {
            return;  // "Yes" ends the program: now and then only, to keep the run going
        }
        if (auto* main = forms_->form1.ifLoaded(); main && &target == &main->image("Image2") && button == Qt::LeftButton)
            ++magnifierOpenings_;
        QTest::mouseClick(&target, button, Qt::NoModifier, at);
    }

    QString RandomText(int length) {
        static const char16_t bengali[] = u"অআইঈউঊঋএঐওঔকখগঘঙচছজঝঞটঠডঢণতথদধনপফবভমযরলশষসহড়ঢ়য়ৎংঃঁািীুূৃেৈোৌ্";
        QString text;
        const int kind = random_.below(4);
        for (int i = 0; i < length; ++i) {
            switch (random_.chance(80) ? kind : random_.below(4)) {
            case 0:  // Latin-1
                text += QChar(static_cast<char16_t>(random_.chance(70) ? 0x20 + random_.below(0x5F) : 0xA0 + random_.below(0x60)));
                break;
            case 1:  // glyph codes of the word table
                text += QChar(platform::GlyphChar(static_cast<unsigned char>(0x20 + random_.below(0xE0))));
                break;
            case 2:  // Unicode Bengali
                text += QChar(bengali[random_.below(static_cast<int>(std::size(bengali)) - 1)]);
                break;
            default:  // emoji, a surrogate pair
                text += QString::fromUcs4(std::u32string(1, static_cast<char32_t>(0x1F600 + random_.below(80))).c_str(), 1);
                break;
            }
        }
        return text;
    }

    void Type() {
        QLineEdit* edit = Main().Text1.lineEdit();
        if (!edit) return;
        if (random_.chance(20)) {
            QTest::keyClick(edit, Qt::Key_Backspace);
            return;
        }
        const QString text = RandomText(1 + random_.below(6));
        for (const QChar ch : text) {
            if (ch.isSurrogate()) continue;
            if (ch.unicode() >= 0x20 && ch.unicode() < 0x7F) {
                QTest::keyClicks(edit, QString(ch));
            } else {
                QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
                QTest::sendKeyEvent(QTest::Release, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
            }
        }
        if (random_.chance(20)) {  // an emoji as one key
            const QString emoji = QString::fromUcs4(std::u32string(1, static_cast<char32_t>(0x1F600 + random_.below(80))).c_str(), 1);
            QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_unknown, emoji, Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, edit, Qt::Key_unknown, emoji, Qt::NoModifier);
        }
    }

    void Paste() {
        QLineEdit* edit = Main().Text1.lineEdit();
        if (!edit) return;
        // Mostly short, now and then up to 1 MB.
        const int length = random_.chance(90) ? 1 + random_.below(40) : 1 + random_.below(1 << (10 + random_.below(10)));
        QString text = RandomText(std::min(length, 1 << 19));  // 2 bytes a character: up to 1 MB
        QGuiApplication::clipboard()->setText(text);
        if (random_.chance(30)) QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    }

    void Event() {
        auto open = OpenWindows();
        if (open.empty()) return;
        const int kind = random_.below(100);
        static const char* const names[] = {"click", "drag", "typing", "paste", "list key", "Tab/Escape", "desktop close", "minimise/restore", "open/close", "keyboard key"};
        lastKind_ = names[kind < 25 ? 0 : kind < 35 ? 1 : kind < 50 ? 2 : kind < 55 ? 3 : kind < 65 ? 4 : kind < 69 ? 5 : kind < 72 ? 6 : kind < 75 ? 7 : kind < 87 ? 8 : 9];
        ++kinds_[kind < 25 ? 0 : kind < 35 ? 1 : kind < 50 ? 2 : kind < 55 ? 3 : kind < 65 ? 4 : kind < 69 ? 5 : kind < 72 ? 6 : kind < 75 ? 7 : kind < 87 ? 8 : 9];
        windowsSeen_ = std::max(windowsSeen_, static_cast<int>(open.size()));
        if (kind < 25) {  // a click inside a window's outline
            platform::Form& window = *random_.pick(open);
            if (auto p = InsideOutline(window, false)) {
                QWidget* target = window.childAt(*p);
                if (!target) target = &window;
                // Into the control that takes it (a list's viewport, a text box's editor).
                Click(*target, target->mapFrom(&window, *p), random_.chance(85) ? Qt::LeftButton : AnyButton());
            }
        } else if (kind < 35) {  // a drag of a background
            platform::Form& window = *random_.pick(open);
            if (auto p = InsideOutline(window, true)) {
                const Qt::MouseButton button = AnyButton();
                const QPoint start = window.mapToGlobal(*p);
                const QPoint by(random_.below(121) - 60, random_.below(121) - 60);
                QTest::mousePress(&window, button, Qt::NoModifier, *p);
                QTest::mouseMove(&window, window.mapFromGlobal(start + by / 2));
                QTest::mouseMove(&window, window.mapFromGlobal(start + by));
                QTest::mouseRelease(&window, button, Qt::NoModifier, window.mapFromGlobal(start + by));
            }
        } else if (kind < 50) {
            Type();
        } else if (kind < 55) {
            Paste();
        } else if (kind < 65) {  // keys in the list
            static const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
            QTest::keyClick(&Main().List1, keys[random_.below(6)]);
        } else if (kind < 69) {  // Tab or Escape in a window
            platform::Form& window = *random_.pick(open);
            QWidget* focus = window.focusWidget() ? window.focusWidget() : &window;
            QTest::keyClick(focus, random_.chance(60) ? Qt::Key_Tab : Qt::Key_Escape);
        } else if (kind < 72) {  // the desktop's close (Alt+F4)
            random_.pick(open)->close();
        } else if (kind < 75) {  // minimise and restore
            platform::Form& window = *random_.pick(open);
            window.showMinimized();
            QCoreApplication::processEvents();
            window.showNormal();
        } else if (kind < 87) {  // open a window from the main window, or close one by its picture
            windows::Form1& main = Main();
            static const char* const openers[] = {"Label6", "Label7", "Label8", "Label9", "Image2", "Label2"};
            const char* opener = openers[random_.below(6)];
            QWidget& target = opener[0] == 'L' ? static_cast<QWidget&>(main.label(opener)) : main.image(opener);
            if (random_.chance(60)) {
                lastKind_ += std::string(" of ") + opener;
                Click(target, target.rect().center());
            } else {
                platform::Form& window = *random_.pick(open);
                for (const char* name : {"Image1", "Image3", "Image52"}) {
                    const auto& controls = window.layout().controls;
                    if (&window != &main && std::any_of(controls.begin(), controls.end(), [name](const auto& c) { return c.name == name; })) {
                        platform::Image& close = window.image(name);
                        lastKind_ += std::string(" of ") + window.layout().name.data() + "." + name;
                        Click(close, close.rect().center());
                        break;
                    }
                }
            }
        } else {  // the keyboard window's keys, now and then all of them
            windows::Form2* keyboard = forms_->form2.ifLoaded();
            if (!keyboard) {
                Click(Main().label("Label6"), Main().label("Label6").rect().center());
                return;
            }
            std::vector<std::string_view> keys;
            for (const auto& c : keyboard->layout().controls)
                if (!c.glyphCode.empty()) keys.push_back(c.name);
            if (keys.empty()) return;
            if (random_.chance(10)) {
                lastKind_ += " (all)";
                steps_ = static_cast<int>(keys.size());
                for (auto name : keys) {
                    if (!forms_->form2.ifLoaded()) break;
                    Click(keyboard->image(name), keyboard->image(name).rect().center());
                }
            } else {
                auto name = random_.pick(keys);
                Click(keyboard->image(name), keyboard->image(name).rect().center());
            }
        }
    }

    // What changed last: the search box, or the list.
    void Track() {
        windows::Form1* main = forms_->form1.ifLoaded();
        if (!main) return;
        const QString text = main->Text1.Text();
        const int row = main->List1.ListIndex();
        if (main != lastMain_) {
            searchLast_ = true;  // a new main window: an empty box, no row
        } else if (text != lastText_) {
            searchLast_ = true;
        } else if (row != lastRow_) {
            searchLast_ = false;
        }
        // The magnifier copies the displays when the main window opens it.
        windows::Form10* magnifier = forms_->form10.ifLoaded();
        if (magnifier && (magnifier != magnifier_ || magnifierCopies_ != magnifierOpenings_)) {
            magnifierMeaning_ = lastMeaning_;
            magnifierOrigin_ = lastOrigin_;
        }
        magnifier_ = magnifier;
        magnifierCopies_ = magnifierOpenings_;
        lastMain_ = main;
        lastText_ = text;
        lastRow_ = row;
        lastMeaning_ = main->Text2.Text();
        lastOrigin_ = main->Label10.Caption();
    }

    void Check() {
        // Each window at most once.
        std::map<std::string, int> count;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<platform::Form*>(w); form && !form->isUnloaded()) ++count[form->metaObject()->className()];
        for (const auto& [name, n] : count)
            if (n > 1) Violation(name + " exists " + std::to_string(n) + " times");

        windows::Form1* main = forms_->form1.ifLoaded();
        if (!main) return;
        const int row = main->List1.ListIndex();
        if (searchLast_) {
            const int answer = main->List1.FindString(main->Text1.Text());
            if (row != answer)
                Violation("selected row " + std::to_string(row) + ", the list search says " + std::to_string(answer) +
                          " for \"" + main->Text1.Text().left(40).toStdString() + "\" (last input: " + lastKind_ + ")");
        }
        const core::Displays shown = core::SelectionLookup(static_cast<std::int16_t>(row));
        if (main->Text2.Text() != platform::glyphText(shown.meaning)) Violation("the meaning is not row " + std::to_string(row) + "'s");
        if (main->Label10.Caption() != platform::glyphText(shown.origin)) Violation("the origin is not row " + std::to_string(row) + "'s");

        if (windows::Form10* magnifier = forms_->form10.ifLoaded();
            magnifier && magnifier == magnifier_ &&
            (magnifier->Text1.Text() != magnifierMeaning_ || magnifier->Text2.Text() != magnifierOrigin_))
            Violation("the magnifier holds \"" + magnifier->Text1.Text().toStdString() + "\" / \"" +
                      magnifier->Text2.Text().toStdString() + "\", it copied \"" + magnifierMeaning_.toStdString() +
                      "\" / \"" + magnifierOrigin_.toStdString() + "\"");
    }

public:
    long magnifierOpenings_ = 0;  // clicks on the main window's magnifier picture

private:
    long events_;
    long event_ = 0;
    Random random_;
    RecordingShell shell_;
    std::unique_ptr<windows::Forms> forms_;
    int ends_ = 0, violations_ = 0, hangs_ = 0;
    // A second for a user; a sanitizer build runs several times slower, so
    // CI gives it more (SOAK_ANSWER_MS).
    const qint64 answerLimitMs_ = qEnvironmentVariableIsSet("SOAK_ANSWER_MS")
                                      ? qEnvironmentVariableIntValue("SOAK_ANSWER_MS") : 1000;
    long kinds_[10] = {};
    std::string lastKind_;
    int steps_ = 1;
    int windowsSeen_ = 0;
    double rss1_ = 0, rss50_ = 0, rss100_ = 0;

    bool searchLast_ = true;
    windows::Form1* lastMain_ = nullptr;
    QString lastText_, lastMeaning_, lastOrigin_;
    int lastRow_ = -1;
    windows::Form10* magnifier_ = nullptr;
    long magnifierCopies_ = 0;
    QString magnifierMeaning_, magnifierOrigin_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s EVENTS SEED\n", argv[0]);
        return 2;
    }
    const long events = std::strtol(argv[1], nullptr, 10);
    const std::uint64_t seed = std::strtoull(argv[2], nullptr, 10);
    platform::Application app(argc, argv);
    app.setErrorReporter([](const std::string& message) {
        std::fprintf(stderr, "soak: untrapped error: %s\n", message.c_str());
        std::_Exit(4);
    });
    windows::RegisterProgramFonts();
    std::printf("soak: seed %" PRIu64 ", %ld events (the same seed replays the same events)\n", seed, events);
    std::fflush(stdout);
    Soak soak(events, seed);
    soak.seed_ = seed;
    return soak.Run();
}
