// The cell grid with a million rows × 4 columns against a QTableWidget holding the same cell texts,
// both in this process: loading the numbers, scrolling to the last row (painted), and storing every
// cell back as a number. Prints each phase's ratio; OV_GRID_BENCH_ROWS changes the row count.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QTableWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "grid/CGridCtrl.h"
#include "grid/CellNumberText.h"

namespace {

constexpr int kCols = 4;

int BenchRows()
{
    const char* rows = std::getenv("OV_GRID_BENCH_ROWS");
    return rows != nullptr && std::atoi(rows) > 0 ? std::atoi(rows) : 1000000;
}

std::vector<double> SeriesValues(int rows)
{
    std::vector<double> values(static_cast<size_t>(rows) * kCols);
    for (size_t i = 0; i < values.size(); ++i) values[i] = (i % kCols == 0) ? double(i) : 1.0 / double(i + 3);
    return values;
}

struct Phases {
    double load = 0, scroll = 0, store = 0;
};
std::map<std::string, Phases>& Results()
{
    static std::map<std::string, Phases> results;
    return results;
}

double Seconds(const std::chrono::steady_clock::time_point& since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

void ScrollToEnd(QTableView& view)
{
    view.scrollToBottom();
    view.viewport()->repaint();
    QApplication::processEvents();
}

template <typename View, typename Load, typename Store>
void Run(benchmark::State& state, const char* name, Load load, Store store)
{
    const int rows = BenchRows();
    const std::vector<double> values = SeriesValues(rows);
    Phases best{1e30, 1e30, 1e30};
    for (auto _ : state) {
        View view;
        view.resize(640, 480);
        view.show();
        auto t = std::chrono::steady_clock::now();
        load(view, values, rows);
        QApplication::processEvents();
        best.load = std::min(best.load, Seconds(t));
        t = std::chrono::steady_clock::now();
        ScrollToEnd(view);
        best.scroll = std::min(best.scroll, Seconds(t));
        t = std::chrono::steady_clock::now();
        const std::vector<double> stored = store(view, rows);
        best.store = std::min(best.store, Seconds(t));
        if (stored.size() != values.size()) state.SkipWithError("store lost cells");
        benchmark::DoNotOptimize(stored.data());
    }
    Results()[name] = best;
    state.counters["load_s"] = best.load;
    state.counters["scroll_s"] = best.scroll;
    state.counters["store_s"] = best.store;
}

void Grid(benchmark::State& state)
{
    Run<ov::CGridCtrl>(
        state, "grid",
        [](ov::CGridCtrl& grid, const std::vector<double>& values, int rows) {
            grid.LoadNumbers(values.data(), rows, kCols);
        },
        [](ov::CGridCtrl& grid, int) { return grid.CellValues(); });
}

// Peer: one QTableWidgetItem per cell holding the cell's text, read back cell by cell.
void TableWidget(benchmark::State& state)
{
    Run<QTableWidget>(
        state, "QTableWidget",
        [](QTableWidget& table, const std::vector<double>& values, int rows) {
            table.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
            table.setRowCount(rows);
            table.setColumnCount(kCols);
            for (int c = 0; c < kCols; ++c) {
                for (int r = 0; r < rows; ++r) {
                    const double v = values[static_cast<size_t>(c) * rows + r];
                    auto item =
                        std::make_unique<QTableWidgetItem>(QString::fromStdString(ov::FormatCellNumber(v)));
                    table.setItem(r, c, item.release());  // the table owns its items
                }
            }
        },
        [](QTableWidget& table, int rows) {
            std::vector<double> stored(static_cast<size_t>(rows) * kCols);
            for (int c = 0; c < kCols; ++c) {
                for (int r = 0; r < rows; ++r) {
                    const std::string text = table.item(r, c)->text().toStdString();
                    stored[static_cast<size_t>(c) * rows + r] = ov::ParseCellNumber(text);
                }
            }
            return stored;
        });
}

BENCHMARK(Grid)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(TableWidget)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const auto& r = Results();
    if (r.count("grid") != 0 && r.count("QTableWidget") != 0) {
        const Phases& g = r.at("grid");
        const Phases& t = r.at("QTableWidget");
        std::printf("%d rows x %d columns, best times; 'x' = QTableWidget time / grid time\n", BenchRows(),
                    kCols);
        std::printf("  load    grid %8.3f s   QTableWidget %8.3f s   x %7.1f\n", g.load, t.load,
                    t.load / g.load);
        std::printf("  scroll  grid %8.3f s   QTableWidget %8.3f s   x %7.1f\n", g.scroll, t.scroll,
                    t.scroll / g.scroll);
        std::printf("  store   grid %8.3f s   QTableWidget %8.3f s   x %7.1f\n", g.store, t.store,
                    t.store / g.store);
    }
    return 0;
}
