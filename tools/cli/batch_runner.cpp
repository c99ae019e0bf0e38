#include "batch_runner.h"

#include "batch_search.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace {

// Report lines finished out of order, handed to the writer in order.
class OrderedLines {
public:
    explicit OrderedLines(std::size_t count) : m_lines(count) {}

    void Put(std::size_t index, std::string line) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_lines[index] = std::move(line);
        }
        m_ready.notify_all();
    }

    std::string Take(std::size_t index) {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_ready.wait(lock, [&] { return m_lines[index].has_value(); });
        std::string line = std::move(*m_lines[index]);
        m_lines[index].reset();
        return line;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::vector<std::optional<std::string>> m_lines;
};

} // namespace

void RunBatch(const std::vector<PuzzleLine>& puzzles, bool stopAtFirst, int threads,
              std::ostream& out) {
    OrderedLines lines(puzzles.size());
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        CBatchSearch search;
        for (std::size_t i = next++; i < puzzles.size(); i = next++) {
            const SearchReport report =
                search.Run(puzzles[i].lineNumber, puzzles[i].rows, stopAtFirst);
            lines.Put(i, FormatReport(report));
        }
    };
    std::vector<std::thread> workers;
    const int count = std::max(1, std::min<int>(threads, static_cast<int>(puzzles.size())));
    for (int t = 0; t < count; ++t) {
        workers.emplace_back(work);
    }
    out << ReportHeader() << '\n';
    for (std::size_t i = 0; i < puzzles.size(); ++i) {
        out << lines.Take(i) << '\n' << std::flush;
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
}
