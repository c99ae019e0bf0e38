// Times PROVE in the player window itself: the real CSuDoKuDlg on the Windows backend, with a
// real window and its real message queue, clicked as the user clicks it. Beside each figure it
// prints the engine's time for the same position, measured in the same run, and checks that
// both took the same path (the same drains and trace digest). It also times how long a key
// pressed during a search waits to be handled, and the start of Kestrova.exe up to its first
// painted board.
//
// window_bench [--quick]      from the folder of Kestrova.exe, under Wine or on Windows
// window_bench --nothing      ends at once: the bench times it as the platform's own start
#include "library_crc.h"
#include "sources/library.h"
#include "tools/cli/batch_search.h"
#include "ui/sudoku_dlg.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsBetween(Clock::time_point begin, Clock::time_point end) {
    return std::chrono::duration<double, std::milli>(end - begin).count();
}

// The ten puzzle numbers whose PROVE enters the most cells, 149,121 down to 87,561, among all
// 293,024 (kestrova-cli prove over every number); timed again, they are also the slowest.
constexpr int kSlowestNumbers[] = {199330, 99264,  273881, 172569, 31887,
                                   90741,  163997, 130486, 97734,  62725};
// A puzzle without a solution whose PROVE enters 823,608 cells.
const char* const kLongPuzzle =
    "053000080700000503000000000000000001001000000670034000000000000000100604000000035";
constexpr int kRandomCount = 200;
constexpr std::uint32_t kRandomSeed = 20261209;
// Each puzzle is searched this often in the window and by the engine, in turn; the fastest
// run of each counts.
constexpr int kRepeats = 3;
constexpr int kStartupRepeats = 5;

// The goals the window is held to.
constexpr double kP50RatioGoal = 1.5;
constexpr double kLongPuzzleGoalMs = 1000;
constexpr double kPerPuzzleFactorGoal = 2;
constexpr double kPerPuzzleSlackGoalMs = 5;
constexpr double kKeyWaitGoalMs = 20;
constexpr double kStartupGoalMs = 1000;

// The PROVE button, in client pixels.
constexpr int kProveX = 370;
constexpr int kProveY = 537;
// A command of the bench's own, posted to the window once its modal loop runs.
constexpr WORD kRunCommand = 0x7F00;

struct Puzzle {
    std::string kind;
    int number = -1; // a library puzzle number, or -1 for the rows
    std::string rows;
};

struct Run {
    double windowMs = 1e300;
    double engineMs = 1e300;
    int paints = 0;
    double paintMs = 0;
    long long windowDrains = 0;
    Crc32 windowDigest = 0;
    int windowSolutions = 0;
    Crc32 windowBoard = 0;
    SearchReport engine;

    bool SamePath() const {
        return windowDrains == engine.drains && windowDigest == engine.traceDigest &&
               windowSolutions == engine.solutions && windowBoard == engine.board.IdentityCrc();
    }
};

// PROVE shows a caution box before it searches; the bench answers it at once.
HWND g_mainWindow = nullptr;
HHOOK g_cautionHook = nullptr;

LRESULT CALLBACK AnswerCaution(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && window != g_mainWindow) {
        PostMessage(window, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(g_cautionHook, code, wParam, lParam);
}

// Posts a key to the window at random moments and measures how long each waits before the
// window handles it while a search runs.
class KeyPoster {
public:
    explicit KeyPoster(HWND window) : m_window(window), m_thread([this] { Post(); }) {}
    KeyPoster(const KeyPoster&) = delete;
    KeyPoster& operator=(const KeyPoster&) = delete;
    ~KeyPoster() {
        m_stop = true;
        m_thread.join();
    }

    // A key handled while no search runs was waiting for something else; it does not count.
    void Handled(bool searching) {
        const long long posted = m_postedAt.exchange(0);
        if (posted != 0 && searching) {
            m_longestWaitMs = std::max(m_longestWaitMs, (Now() - posted) / 1000.0);
            ++m_counted;
        }
    }
    double LongestWaitMs() const { return m_longestWaitMs; }
    int Counted() const { return m_counted; }

private:
    static long long Now() {
        return std::chrono::duration_cast<std::chrono::microseconds>(
                   Clock::now().time_since_epoch())
            .count();
    }

    void Post() {
        std::mt19937 random(kRandomSeed);
        while (!m_stop) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1 + random() % 15));
            long long none = 0;
            if (m_postedAt.compare_exchange_strong(none, Now())) {
                PostMessage(m_window, WM_KEYDOWN, '0', 1);
            }
        }
    }

    HWND m_window;
    std::atomic<bool> m_stop{false};
    std::atomic<long long> m_postedAt{0};
    double m_longestWaitMs = 0;
    int m_counted = 0;
    std::thread m_thread;
};

// The player window with the bench's own additions: it runs the bench from inside its modal
// loop, answers every save offer with nothing, counts its paints, and counts the drains and
// folds the position at each into a trace digest, as kestrova-cli does.
class BenchWindow : public CSuDoKuDlg {
public:
    explicit BenchWindow(const std::vector<Puzzle>& puzzles) : m_puzzles(puzzles) {}

    std::vector<Run> m_runs;
    double m_longestKeyWaitMs = 0;
    int m_keysCounted = 0;

    void SavePuzzleFile() override {}

protected:
    BOOL OnInitDialog() override {
        CSuDoKuDlg::OnInitDialog();
        PostMessage(m_hWnd, WM_COMMAND, kRunCommand, 0);
        return TRUE;
    }

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) != kRunCommand) {
            return CSuDoKuDlg::OnCommand(wParam, lParam);
        }
        g_mainWindow = m_hWnd;
        g_cautionHook = SetWindowsHookEx(WH_CBT, AnswerCaution, nullptr, GetCurrentThreadId());
        for (const Puzzle& puzzle : m_puzzles) {
            m_runs.push_back(TimePuzzle(puzzle));
        }
        MeasureKeyWaits();
        UnhookWindowsHookEx(g_cautionHook);
        EndDialog(IDOK);
        return TRUE;
    }

    bool DrainMessages() override {
        if (m_drains++ == 0) {
            m_searchBegan = Clock::now();
        }
        FoldIntoDigest(m_digest, m_board.IdentityCrc());
        return CSuDoKuDlg::DrainMessages();
    }

    void OnPaint() override {
        const Clock::time_point begin = Clock::now();
        CSuDoKuDlg::OnPaint();
        m_paintMs += MillisecondsBetween(begin, Clock::now());
        ++m_paints;
    }

    void OnKeyDown(UINT key, UINT repeatCount, UINT flags) override {
        if (m_keyPoster) {
            m_keyPoster->Handled(m_searching);
        }
        CSuDoKuDlg::OnKeyDown(key, repeatCount, flags);
    }

private:
    // As the window sets up a library puzzle, or loads a file that holds these rows.
    void SetUp(const Puzzle& puzzle) {
        if (puzzle.number >= 0) {
            m_puzzleNumber = puzzle.number;
            ShowLibraryPuzzle();
            return;
        }
        ClearPuzzle();
        PlaceRows(m_board, reinterpret_cast<const unsigned char*>(puzzle.rows.data()));
        m_start = m_board;
        InvalidateAndUpdate();
    }

    // From the search's first cell to the end of the click that started it, the result painted.
    double ProveInWindow() {
        m_drains = 0;
        m_digest = 0xFFFFFFFFu;
        m_paints = 0;
        m_paintMs = 0;
        SendMessage(m_hWnd, WM_LBUTTONDOWN, 0, MAKELPARAM(kProveX, kProveY));
        return MillisecondsBetween(m_searchBegan, Clock::now());
    }

    Run TimePuzzle(const Puzzle& puzzle) {
        Run run;
        CBatchSearch engine;
        for (int repeat = 0; repeat < kRepeats; ++repeat) {
            SetUp(puzzle);
            run.engine = engine.Run(0, m_board, false);
            run.engineMs = std::min(run.engineMs, run.engine.milliseconds);
            SetUp(puzzle);
            const double windowMs = ProveInWindow();
            if (windowMs < run.windowMs) {
                run.windowMs = windowMs;
                run.paints = m_paints;
                run.paintMs = m_paintMs;
            }
            run.windowDrains = m_drains;
            run.windowDigest = m_digest;
            run.windowSolutions = m_solutions.GetSize();
            run.windowBoard = m_board.IdentityCrc();
        }
        return run;
    }

    void MeasureKeyWaits() {
        SetUp(Puzzle{"", -1, kLongPuzzle});
        KeyPoster poster(m_hWnd);
        m_keyPoster = &poster;
        ProveInWindow();
        m_keyPoster = nullptr;
        m_longestKeyWaitMs = poster.LongestWaitMs();
        m_keysCounted = poster.Counted();
    }

    const std::vector<Puzzle>& m_puzzles;
    long long m_drains = 0;
    Crc32 m_digest = 0xFFFFFFFFu;
    Clock::time_point m_searchBegan;
    int m_paints = 0;
    double m_paintMs = 0;
    KeyPoster* m_keyPoster = nullptr;
};

std::vector<Puzzle> BenchPuzzles(bool quick) {
    std::vector<Puzzle> puzzles;
    puzzles.push_back({"no solution", -1, kLongPuzzle});
    for (int number : kSlowestNumbers) {
        puzzles.push_back({"slowest", number, ""});
    }
    std::mt19937 random(kRandomSeed);
    const int randomCount = quick ? kRandomCount / 10 : kRandomCount;
    for (int i = 0; i < randomCount; ++i) {
        puzzles.push_back({"random", static_cast<int>(random() % kPuzzleNumberCount), ""});
    }
    return puzzles;
}

// --- Start-up ---------------------------------------------------------------------------------

struct ProgramWindow {
    DWORD process;
    HWND window;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM lParam) {
    auto* wanted = reinterpret_cast<ProgramWindow*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == wanted->process && IsWindowVisible(window)) {
        wanted->window = window;
        return FALSE;
    }
    return TRUE;
}

bool StartProcess(const wchar_t* program, const wchar_t* arguments, PROCESS_INFORMATION& process) {
    std::wstring commandLine = std::wstring(L"\"") + program + L"\" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    return CreateProcessW(program, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process) != 0;
}

void EndProcess(PROCESS_INFORMATION& process) {
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

// The platform's share of every start: a process that ends at once, up to its end.
double TimeNothingStart() {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    PROCESS_INFORMATION process = {};
    const Clock::time_point begin = Clock::now();
    if (!StartProcess(self, L"--nothing", process)) {
        return -1;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    const double ms = MillisecondsBetween(begin, Clock::now());
    EndProcess(process);
    return ms;
}

// Starts Kestrova.exe and waits until its window is shown with nothing left to paint; then
// closes it. Returns the milliseconds from the start of the process, or -1.
double TimeKestrovaStart() {
    PROCESS_INFORMATION process = {};
    const Clock::time_point begin = Clock::now();
    if (!StartProcess(L"Kestrova.exe", L"", process)) {
        return -1;
    }
    ProgramWindow program{process.dwProcessId, nullptr};
    double ms = -1;
    while (MillisecondsBetween(begin, Clock::now()) < 20000) {
        if (!program.window) {
            EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&program));
        }
        if (program.window && !GetUpdateRect(program.window, nullptr, FALSE)) {
            ms = MillisecondsBetween(begin, Clock::now());
            break;
        }
        Sleep(1);
    }
    if (program.window) {
        PostMessage(program.window, WM_CLOSE, 0, 0);
    }
    EndProcess(process);
    return ms;
}

// --- Report -----------------------------------------------------------------------------------

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(fraction * (values.size() - 1) + 0.5)];
}

const char* Verdict(bool met) {
    return met ? "met" : "NOT met";
}

void PrintRun(const Puzzle& puzzle, const Run& run) {
    std::printf("%-12s %7d %10.3f %10.3f %6.2f %7d %9.3f %9lld  %08X  %s\n", puzzle.kind.c_str(),
                puzzle.number, run.windowMs, run.engineMs, run.windowMs / run.engineMs, run.paints,
                run.paintMs, run.windowDrains, run.windowDigest,
                run.SamePath() ? "same" : "DIFFERENT");
}

void PrintRuns(const std::vector<Puzzle>& puzzles, const std::vector<Run>& runs) {
    std::printf("PROVE in the window and by the engine, fastest of %d runs each (ms)\n", kRepeats);
    std::printf("%-12s %7s %10s %10s %6s %7s %9s %9s  %-8s  %s\n", "puzzle", "number", "window",
                "engine", "ratio", "paints", "painting", "drains", "digest", "path");
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (puzzles[i].kind != "random") {
            PrintRun(puzzles[i], runs[i]);
        }
    }
}

void PrintPercentiles(const char* what, const std::vector<double>& values) {
    std::printf("  %-14s %10.3f %10.3f %10.3f\n", what, Percentile(values, 0.5),
                Percentile(values, 0.9), Percentile(values, 1));
}

// Prints the figures of the library puzzles and the goals; returns whether every search took
// the engine's path.
bool PrintSummary(const std::vector<Puzzle>& puzzles, const std::vector<Run>& runs) {
    std::vector<double> window;
    std::vector<double> engine;
    std::vector<double> painting;
    bool everyPuzzleMet = true;
    bool everyPathSame = true;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const Run& run = runs[i];
        everyPathSame = everyPathSame && run.SamePath();
        everyPuzzleMet = everyPuzzleMet && run.windowMs <= kPerPuzzleFactorGoal * run.engineMs +
                                                               kPerPuzzleSlackGoalMs;
        if (puzzles[i].number >= 0) {
            window.push_back(run.windowMs);
            engine.push_back(run.engineMs);
            painting.push_back(run.paintMs);
        }
    }
    const double windowP50 = Percentile(window, 0.5);
    const double engineP50 = Percentile(engine, 0.5);
    std::printf("\n%zu library puzzles (ms)     p50        p90        max\n", window.size());
    PrintPercentiles("window", window);
    PrintPercentiles("engine", engine);
    PrintPercentiles("window painting", painting);
    std::printf("  %-14s %10.2f %10.2f %10.2f\n", "window/engine", windowP50 / engineP50,
                Percentile(window, 0.9) / Percentile(engine, 0.9),
                Percentile(window, 1) / Percentile(engine, 1));
    std::printf("\ngoal window p50 <= %.1f x engine p50: %s\n", kP50RatioGoal,
                Verdict(windowP50 <= kP50RatioGoal * engineP50));
    std::printf("goal no puzzle over %.0f x engine + %.0f ms: %s\n", kPerPuzzleFactorGoal,
                kPerPuzzleSlackGoalMs, Verdict(everyPuzzleMet));
    std::printf("goal the puzzle without a solution under %.0f ms in the window: %s\n",
                kLongPuzzleGoalMs, Verdict(runs[0].windowMs < kLongPuzzleGoalMs));
    std::printf("every search in the window took the engine's path: %s\n",
                everyPathSame ? "yes" : "NO");
    return everyPathSame;
}

void PrintKeyWaits(const BenchWindow& window) {
    std::printf("goal a key pressed during a search handled within %.0f ms: %s (%d keys, longest "
                "wait %.1f ms)\n",
                kKeyWaitGoalMs, Verdict(window.m_longestKeyWaitMs <= kKeyWaitGoalMs),
                window.m_keysCounted, window.m_longestKeyWaitMs);
}

void PrintStartup() {
    std::vector<double> kestrova;
    std::vector<double> nothing;
    for (int i = 0; i < kStartupRepeats; ++i) {
        kestrova.push_back(TimeKestrovaStart());
        nothing.push_back(TimeNothingStart());
    }
    if (*std::min_element(kestrova.begin(), kestrova.end()) < 0) {
        std::printf("start of Kestrova.exe: no painted window seen\n");
        return;
    }
    const double median = Percentile(kestrova, 0.5);
    std::printf("\nstart of Kestrova.exe to its first painted board: min %.0f ms, median %.0f ms "
                "(a process that does nothing: median %.0f ms)\n",
                Percentile(kestrova, 0), median, Percentile(nothing, 0.5));
    std::printf("goal start under %.0f ms: %s\n", kStartupGoalMs, Verdict(median < kStartupGoalMs));
}

} // namespace

int main(int argc, char** argv) {
    const std::string option = argc > 1 ? argv[1] : "";
    if (option == "--nothing") {
        return 0;
    }
    const bool quick = option == "--quick";
    auto library = std::make_unique<unsigned char[]>(kLibraryLength);
    if (ReadLibraryFile("Kestrova.exe", library.get(), kLibraryLength, kLibraryCrc) !=
        LibraryStatus::Good) {
        std::fprintf(stderr, "window_bench: run it from the folder of Kestrova.exe\n");
        return 2;
    }
    const std::vector<Puzzle> puzzles = BenchPuzzles(quick);
    BenchWindow window(puzzles);
    window.DoModal();

    PrintRuns(puzzles, window.m_runs);
    const bool samePaths = PrintSummary(puzzles, window.m_runs);
    PrintKeyWaits(window);
    PrintStartup();
    return samePaths ? 0 : 1;
}
