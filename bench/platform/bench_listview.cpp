// A list view of 10,000 to 100,000 rows driven through its messages, the way the dialog uses it:
// inserting rows of six cells, reading every cell back, and deleting the selected rows walking
// upwards. Each benchmark reports its time per row, its fitted complexity over the row counts (it
// must stay O(N)), and `x_floor`: its time divided by the same work done on a
// std::vector<std::vector<std::wstring>> in the same run. Times are the thread's CPU time, so that
// waiting for a core another build holds counts for neither side.
#include <MeasureTotalDlgIds.h>

#include <windows.h>
#include <commctrl.h>

#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

namespace {

using enum brio::ui::measure::MeasureListColumn;
using Table = std::vector<std::vector<std::wstring>>;

std::wstring CellText(int row, int column) {
    switch (column) {
    case kColumnNumber:
        return std::to_wstring(row + 1);
    case kColumnScale:
        return L"1/100";
    case kColumnElement:
        return L"線分";
    case kColumnSign:
        return row % 7 ? L" " : L"-";
    case kColumnValue:
        return std::to_wstring(row * 13 % 100000) + L".50";
    default:
        return std::to_wstring(row * 13 % 100000) + L".500000";
    }
}

HWND Parent() {
    static HWND parent = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.lpszClassName = L"BenchListParent";
        RegisterClassW(&wc);
        return CreateWindowExW(0, L"BenchListParent", L"", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, nullptr,
                               nullptr, nullptr, nullptr);
    }();
    return parent;
}

HWND CreateList() {
    HWND list =
        CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS, 0, 0,
                        285, 132, Parent(), reinterpret_cast<HMENU>(IDC_LIST_LENGTH), nullptr, nullptr);
    for (int column = 0; column < kColumnCount; ++column) {
        LVCOLUMNW info{};
        info.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        info.fmt = column == kColumnNumber ? LVCFMT_LEFT : LVCFMT_RIGHT;
        info.cx = column == kColumnRawValue ? 0 : 60;
        std::wstring title = L"c" + std::to_wstring(column);
        info.pszText = title.data();
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
    }
    return list;
}

void InsertRows(HWND list, int rows) {
    for (int row = 0; row < rows; ++row) {
        std::wstring text = CellText(row, kColumnNumber);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = text.data();
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        for (int column = kColumnScale; column < kColumnCount; ++column) {
            text = CellText(row, column);
            item.iSubItem = column;
            item.pszText = text.data();
            SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        }
    }
}

Table FloorTable(int rows) {
    Table table;
    for (int row = 0; row < rows; ++row) {
        std::vector<std::wstring> cells;
        cells.push_back(CellText(row, kColumnNumber));
        for (int column = kColumnScale; column < kColumnCount; ++column) {
            cells.push_back(CellText(row, column));
        }
        table.push_back(std::move(cells));
    }
    return table;
}

double Now() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double Seconds(double start) {
    return Now() - start;
}

void Report(benchmark::State& state, double listSeconds, double floorSeconds) {
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
    state.counters["x_floor"] = floorSeconds > 0 ? listSeconds / floorSeconds : 0;
}

void BM_ListInsertRows(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    double listSeconds = 0;
    double floorSeconds = 0;
    for (auto _ : state) {
        HWND list = CreateList();
        double start = Now();
        InsertRows(list, rows);
        const double elapsed = Seconds(start);
        state.SetIterationTime(elapsed);
        listSeconds += elapsed;
        start = Now();
        Table table = FloorTable(rows);
        benchmark::DoNotOptimize(table.data());
        floorSeconds += Seconds(start);
        DestroyWindow(list);
    }
    Report(state, listSeconds, floorSeconds);
}

void BM_ListReadEveryCell(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    HWND list = CreateList();
    InsertRows(list, rows);
    const Table table = FloorTable(rows);
    wchar_t buffer[256];
    double listSeconds = 0;
    double floorSeconds = 0;
    for (auto _ : state) {
        double start = Now();
        const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < count; ++row) {
            for (int column = 0; column < kColumnCount; ++column) {
                LVITEMW item{};
                item.iSubItem = column;
                item.pszText = buffer;
                item.cchTextMax = 256;
                benchmark::DoNotOptimize(SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                                                      reinterpret_cast<LPARAM>(&item)));
            }
        }
        const double elapsed = Seconds(start);
        state.SetIterationTime(elapsed);
        listSeconds += elapsed;
        start = Now();
        for (const auto& cells : table) {
            for (const std::wstring& cell : cells) {
                const size_t length = std::min<size_t>(cell.size(), 255);
                std::wmemcpy(buffer, cell.data(), length);
                buffer[length] = L'\0';
                benchmark::DoNotOptimize(buffer);
            }
        }
        floorSeconds += Seconds(start);
    }
    DestroyWindow(list);
    Report(state, listSeconds, floorSeconds);
}

// Every other row selected, then the selected rows deleted from the last one upwards, asking each
// row's state as the dialog does; the floor removes the same rows with one erase-remove pass.
void BM_ListDeleteSelectedRows(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    double listSeconds = 0;
    double floorSeconds = 0;
    for (auto _ : state) {
        HWND list = CreateList();
        InsertRows(list, rows);
        for (int row = 1; row < rows; row += 2) {
            LVITEMW select{};
            select.state = LVIS_SELECTED;
            select.stateMask = LVIS_SELECTED;
            SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&select));
        }
        double start = Now();
        for (int row = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)) - 1; row >= 0; --row) {
            LVITEMW item{};
            item.mask = LVIF_STATE;
            item.iItem = row;
            item.stateMask = LVIS_SELECTED;
            SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
            if (item.state == LVIS_SELECTED) {
                SendMessageW(list, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
            }
        }
        const double elapsed = Seconds(start);
        state.SetIterationTime(elapsed);
        listSeconds += elapsed;
        Table table = FloorTable(rows);
        start = Now();
        size_t index = 0;
        std::erase_if(table, [&index](const std::vector<std::wstring>&) { return index++ % 2 == 1; });
        benchmark::DoNotOptimize(table.data());
        floorSeconds += Seconds(start);
        DestroyWindow(list);
    }
    Report(state, listSeconds, floorSeconds);
}

BENCHMARK(BM_ListInsertRows)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->UseManualTime()
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListReadEveryCell)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->UseManualTime()
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListDeleteSelectedRows)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->UseManualTime()
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
