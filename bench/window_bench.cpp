// Times PROVE in the player window itself: the real CSuDoKuDlg on the Windows backend, with a
// real window and its real message queue, clicked as the user clicks it. Beside each figure it
// prints the engine's time for the same position, measured in the same run, and checks that
// both took the same path (the same drains and trace digest). It also times how long a key
// pressed during a search waits to be handled, and the start of Kestrova.exe up to its first
// painted board.
//
// window_bench [--quick]      from the folder of Kestrova.exe, under Wine or on Windows
// window_bench --nothing      ends at once: the bench times it as the platform's own start
#include "bench_support.h"
#include "engine/rows.h"
#include "library_crc.h"
#include "sources/library.h"
#include "tools/cli/batch_search.h"
#include "ui/layout.h"
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

using bench::Clock;
using bench::MillisecondsBetween;
using bench::Percentile;
using bench::Spread;
using bench::Verdict;

// The ten puzzle numbers whose PROVE enters the most cells, 149,121 down to 87,561, among all
// 293,024 (kestrova-cli prove over every number); timed again, they are also the slowest.
constexpr int kSlowestNumbers[] = {199330, 99264,  273881, 172569, 31887,
                                   90741,  163997, 130486, 97734,  62725};
// A puzzle without a solution whose PROVE enters 823,608 cells.
const char* const kLongPuzzle =
    "053000080700000503000000000000000001001000000670034000000000000000100604000000035";
constexpr int kRandomCount = 200;
constexpr std::uint32_t kRandomSeed = 20261209;
// After a warm-up over the first puzzles, every puzzle is searched once in each run, by the
// engine and in the window in turn.
constexpr int kRuns = 3;
constexpr std::size_t kWarmUpPuzzles = 5;
constexpr int kStartupRuns = 5;

// The goals set for the window once a PROVE in it was found to take 300 to 1,500 times the
// engine's time: the window is to add little to the engine's time on a typical puzzle, nothing
// that grows with the search on a long one, and must answer a key within a frame or two.
constexpr double kP50RatioGoal = 1.5;
constexpr double kLongPuzzleGoalMs = 1000;
constexpr double kPerPuzzleFactorGoal = 2;
constexpr double kPerPuzzleSlackGoalMs = 5;
constexpr double kKeyWaitGoalMs = 20;
// Measured from the start of the process, once Wine's prefix exists.
constexpr double kStartupGoalMs = 1000;

// A command of the bench's own, posted to the window once its modal loop runs.
constexpr WORD kRunCommand = 0x7F00;

struct Puzzle {
    std::string kind;
    int number = -1; // a library puzzle number, or -1 for the rows
    std::string rows;
};

// One PROVE of a puzzle in the window and by the engine. The window's time runs from the
// search's first cell to the result on the screen (the search's last repaint), or to the end of
// the click, which repaints the same picture once more.
struct Sample {
    double shownMs = 0;
    double windowMs = 0;
    double engineMs = 0;
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

// samples[run][puzzle]
using Samples = std::vector<std::vector<Sample>>;

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

    Samples m_samples;
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
        for (std::size_t i = 0; i < std::min(kWarmUpPuzzles, m_puzzles.size()); ++i) {
            TimePuzzle(m_puzzles[i]);
        }
        for (int run = 0; run < kRuns; ++run) {
            m_samples.emplace_back();
            for (const Puzzle& puzzle : m_puzzles) {
                m_samples.back().push_back(TimePuzzle(puzzle));
            }
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
        CrcUpdateValue(m_digest, m_board.IdentityCrc());
        return CSuDoKuDlg::DrainMessages();
    }

    void OnPaint() override {
        const Clock::time_point begin = Clock::now();
        CSuDoKuDlg::OnPaint();
        const Clock::time_point end = Clock::now();
        m_paintMs += MillisecondsBetween(begin, end);
        ++m_paints;
        if (m_searching) {
            m_lastSearchPaint = end;
        }
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

    // Clicks PROVE; sets the window's times of the sample.
    void ProveInWindow(Sample& sample) {
        m_drains = 0;
        m_digest = kCrcStart;
        m_paints = 0;
        m_paintMs = 0;
        const CPoint prove = ScaleToDpi(FindTextButton("PROVE")->clickedIn, GetDpi()).Middle();
        SendMessage(m_hWnd, WM_LBUTTONDOWN, 0, MAKELPARAM(prove.x, prove.y));
        sample.windowMs = MillisecondsBetween(m_searchBegan, Clock::now());
        sample.shownMs = MillisecondsBetween(m_searchBegan, m_lastSearchPaint);
    }

    Sample TimePuzzle(const Puzzle& puzzle) {
        Sample sample;
        SetUp(puzzle);
        sample.engine = CBatchSearch().Run(0, m_board, false);
        sample.engineMs = sample.engine.milliseconds;
        SetUp(puzzle);
        ProveInWindow(sample);
        sample.paints = m_paints;
        sample.paintMs = m_paintMs;
        sample.windowDrains = m_drains;
        sample.windowDigest = m_digest;
        sample.windowSolutions = m_solutions.GetSize();
        sample.windowBoard = m_board.IdentityCrc();
        return sample;
    }

    void MeasureKeyWaits() {
        SetUp(Puzzle{"", -1, kLongPuzzle});
        KeyPoster poster(m_hWnd);
        m_keyPoster = &poster;
        Sample ignored;
        ProveInWindow(ignored);
        m_keyPoster = nullptr;
        m_longestKeyWaitMs = poster.LongestWaitMs();
        m_keysCounted = poster.Counted();
    }

    const std::vector<Puzzle>& m_puzzles;
    long long m_drains = 0;
    Crc32 m_digest = kCrcStart;
    Clock::time_point m_searchBegan;
    Clock::time_point m_lastSearchPaint;
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

// A figure of one PROVE, per puzzle, in every run.
using SampleFigure = double (*)(const Sample&);
double ShownMs(const Sample& sample) {
    return sample.shownMs;
}
double WindowMs(const Sample& sample) {
    return sample.windowMs;
}
double EngineMs(const Sample& sample) {
    return sample.engineMs;
}
double PaintMs(const Sample& sample) {
    return sample.paintMs;
}

// The least value of a figure of puzzle i over the runs.
double LeastOver(const Samples& samples, std::size_t i, SampleFigure figure) {
    double least = figure(samples[0][i]);
    for (const std::vector<Sample>& run : samples) {
        least = std::min(least, figure(run[i]));
    }
    return least;
}

// A percentile of a figure over the library puzzles of one run.
double PercentileOfRun(const std::vector<Puzzle>& puzzles, const std::vector<Sample>& run,
                       SampleFigure figure, double fraction) {
    std::vector<double> values;
    for (std::size_t i = 0; i < puzzles.size(); ++i) {
        if (puzzles[i].number >= 0) {
            values.push_back(figure(run[i]));
        }
    }
    return Percentile(values, fraction);
}

// That percentile in each run, spread over the runs.
Spread PercentileOver(const std::vector<Puzzle>& puzzles, const Samples& samples,
                      SampleFigure figure, double fraction) {
    std::vector<double> perRun;
    for (const std::vector<Sample>& run : samples) {
        perRun.push_back(PercentileOfRun(puzzles, run, figure, fraction));
    }
    return bench::SpreadOf(perRun);
}

void PrintPuzzles(const std::vector<Puzzle>& puzzles, const Samples& samples) {
    std::printf("\nPROVE in the window and by the engine, least of %d runs (ms)\n", kRuns);
    std::printf("%-12s %7s %9s %9s %9s %6s %7s %9s %9s  %s\n", "puzzle", "number", "shown", "click",
                "engine", "ratio", "paints", "painting", "drains", "digest");
    for (std::size_t i = 0; i < puzzles.size(); ++i) {
        if (puzzles[i].kind == "random") {
            continue;
        }
        const double window = LeastOver(samples, i, WindowMs);
        const double engine = LeastOver(samples, i, EngineMs);
        const Sample& sample = samples[0][i];
        std::printf("%-12s %7d %9.3f %9.3f %9.3f %6.2f %7d %9.3f %9lld  %08X\n",
                    puzzles[i].kind.c_str(), puzzles[i].number, LeastOver(samples, i, ShownMs),
                    window, engine, window / engine, sample.paints, LeastOver(samples, i, PaintMs),
                    sample.windowDrains, sample.windowDigest);
    }
}

void PrintSpread(const char* what, Spread p50, Spread p90, Spread max) {
    std::printf("  %-15s %8.3f / %8.3f %8.3f / %8.3f %8.3f / %8.3f\n", what, p50.min, p50.median,
                p90.min, p90.median, max.min, max.median);
}

void PrintFigure(const char* what, const std::vector<Puzzle>& puzzles, const Samples& samples,
                 SampleFigure figure) {
    PrintSpread(what, PercentileOver(puzzles, samples, figure, 0.5),
                PercentileOver(puzzles, samples, figure, 0.9),
                PercentileOver(puzzles, samples, figure, 1));
}

// A window's figure over the engine's, in each run, spread over the runs.
Spread RatioOver(const std::vector<Puzzle>& puzzles, const Samples& samples, SampleFigure window,
                 double fraction) {
    std::vector<double> ratios;
    for (const std::vector<Sample>& run : samples) {
        ratios.push_back(PercentileOfRun(puzzles, run, window, fraction) /
                         PercentileOfRun(puzzles, run, EngineMs, fraction));
    }
    return bench::SpreadOf(ratios);
}

void PrintRatios(const char* what, const std::vector<Puzzle>& puzzles, const Samples& samples,
                 SampleFigure window) {
    PrintSpread(what, RatioOver(puzzles, samples, window, 0.5),
                RatioOver(puzzles, samples, window, 0.9), RatioOver(puzzles, samples, window, 1));
}

bool EveryPathSame(const Samples& samples) {
    for (const std::vector<Sample>& run : samples) {
        for (const Sample& sample : run) {
            if (!sample.SamePath()) {
                return false;
            }
        }
    }
    return true;
}

bool EveryPuzzleWithinItsGoal(const Samples& samples) {
    for (std::size_t i = 0; i < samples[0].size(); ++i) {
        if (LeastOver(samples, i, WindowMs) >
            kPerPuzzleFactorGoal * LeastOver(samples, i, EngineMs) + kPerPuzzleSlackGoalMs) {
            return false;
        }
    }
    return true;
}

// Prints the figures of the library puzzles and the goals; returns whether every search in the
// window took the engine's path.
bool PrintSummary(const std::vector<Puzzle>& puzzles, const Samples& samples) {
    std::size_t libraryPuzzles = 0;
    for (const Puzzle& puzzle : puzzles) {
        libraryPuzzles += puzzle.number >= 0;
    }
    std::printf("\n%zu library puzzles, %d runs (least / median, ms)\n", libraryPuzzles, kRuns);
    std::printf("  %-15s %19s %19s %19s\n", "", "p50", "p90", "max");
    PrintFigure("window: shown", puzzles, samples, ShownMs);
    PrintFigure("window: click", puzzles, samples, WindowMs);
    PrintFigure("engine", puzzles, samples, EngineMs);
    PrintFigure("painting", puzzles, samples, PaintMs);
    PrintRatios("shown/engine", puzzles, samples, ShownMs);
    PrintRatios("click/engine", puzzles, samples, WindowMs);

    const bool samePaths = EveryPathSame(samples);
    std::printf("\ngoal window p50 <= %.1f x engine p50, the result shown: %s; to the end of the "
                "click: %s\n",
                kP50RatioGoal,
                Verdict(RatioOver(puzzles, samples, ShownMs, 0.5).median <= kP50RatioGoal),
                Verdict(RatioOver(puzzles, samples, WindowMs, 0.5).median <= kP50RatioGoal));
    std::printf("goal no puzzle over %.0f x engine + %.0f ms: %s\n", kPerPuzzleFactorGoal,
                kPerPuzzleSlackGoalMs, Verdict(EveryPuzzleWithinItsGoal(samples)));
    std::printf("goal the puzzle without a solution under %.0f ms in the window: %s\n",
                kLongPuzzleGoalMs, Verdict(LeastOver(samples, 0, WindowMs) < kLongPuzzleGoalMs));
    std::printf("every search in the window took the engine's path: %s\n",
                samePaths ? "yes" : "NO");
    return samePaths;
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
    for (int i = 0; i < kStartupRuns; ++i) {
        kestrova.push_back(TimeKestrovaStart());
        nothing.push_back(TimeNothingStart());
    }
    if (*std::min_element(kestrova.begin(), kestrova.end()) < 0) {
        std::printf("start of Kestrova.exe: no painted window seen\n");
        return;
    }
    const Spread start = bench::SpreadOf(kestrova);
    std::printf("\nstart of Kestrova.exe to its first painted board, %d runs: %.0f / %.0f ms "
                "(a process that does nothing: %.0f / %.0f ms)\n",
                kStartupRuns, start.min, start.median, bench::SpreadOf(nothing).min,
                bench::SpreadOf(nothing).median);
    std::printf("goal start under %.0f ms: %s\n", kStartupGoalMs,
                Verdict(start.median < kStartupGoalMs));
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
    bench::PrintBuild("window_bench");
    const std::vector<Puzzle> puzzles = BenchPuzzles(quick);
    BenchWindow window(puzzles);
    window.DoModal();

    PrintPuzzles(puzzles, window.m_samples);
    const bool samePaths = PrintSummary(puzzles, window.m_samples);
    PrintKeyWaits(window);
    PrintStartup();
    return samePaths ? 0 : 1;
}
