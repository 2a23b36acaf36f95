#pragma once
// What the search and list benchmarks share: the search as the user waits for it, from "Cerca" to
// the list painted, beside two references measured in the same iterations:
// - "byte sort": a 1 MB-block read of the file, the same lines built as bytes straight from the
//   records, and a sort of them in plain byte order, a tight native baseline that knows nothing of
//   the program's order;
// - "current": the 1 MB-block read and a sort of the lines with the program's own comparator on
//   texts (`SortListLines`), the reference the benchmarks used before.
#include "bench/ReadFile.h"
#include "bench/UserWait.h"
#include "common/ArchiveSearch.h"
#include "common/Cp1252.h"
#include "common/LargeBlock.h"
#include "common/ui/LineList.h"
#include "common/ui/SearchWindow.h"

#include <QStringList>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

// The line of every record of the archive at `path` that `listed` takes (every one without it), in
// file order, as the program makes it.
inline QStringList ArchiveListLines(const QString &path, const RecordLayout &layout, const ListLineRecipe &line,
                                    int expected, const std::function<bool(const Record &)> &listed = {})
{
    QStringList all;
    all.reserve(expected);
    ScanArchive(path, layout, [&](const Record &r, int) {
        if (!listed || listed(r))
            all.append(line(r));
    });
    return all;
}

// A list line made the plain way: bytes copied from the stored fields, trimmed, padded or cut to
// the column's width, between the same fixed texts (in Windows-1252) as the program's line.
class NativeListLine {
public:
    NativeListLine(const RecordLayout &layout, std::initializer_list<ListColumn> columns) : recordSize_(layout.recordSize())
    {
        for (const ListColumn &c : columns) {
            const int field = layout.indexOf(QLatin1String(c.field));
            if (field < 0)
                qFatal("no field %s", c.field);
            columns_.push_back({ToCp1252(QString::fromUtf8(c.separator)).toStdString(), layout.offset(field),
                                layout.capacity(field), c.width});
        }
    }
    int recordSize() const { return recordSize_; }
    // The longest line the columns can make.
    size_t maxLength() const
    {
        size_t n = 0;
        for (const Column &c : columns_)
            n += c.separator.size() + size_t(std::max(c.width, c.capacity));
        return n;
    }
    // Writes the line of the stored record at `record` at `out`; returns the end of what it wrote.
    char *write(const char *record, char *out) const
    {
        for (const Column &c : columns_) {
            std::memcpy(out, c.separator.data(), c.separator.size());
            out += c.separator.size();
            const auto *field = reinterpret_cast<const unsigned char *>(record + c.offset);
            const char *text = record + c.offset + 1;
            int length = std::min(int(field[0]), c.capacity);
            while (length > 0 && static_cast<unsigned char>(text[0]) <= 32) {
                ++text;
                --length;
            }
            while (length > 0 && static_cast<unsigned char>(text[length - 1]) <= 32)
                --length;
            const int taken = c.width > 0 ? std::min(length, c.width) : length;
            std::memcpy(out, text, size_t(taken));
            out += taken;
            if (c.width > taken) {
                std::memset(out, ' ', size_t(c.width - taken));
                out += c.width - taken;
            }
        }
        return out;
    }

private:
    struct Column {
        std::string separator;
        int offset;
        int capacity;
        int width;
    };
    std::vector<Column> columns_;
    int recordSize_;
};

// Which records (by 1-based number, index 0 unused) a search lists; empty: every one.
using ListedRecords = std::vector<bool>;

inline ListedRecords ListedBy(const QString &path, const RecordLayout &layout,
                              const std::function<bool(const Record &)> &listed)
{
    ListedRecords numbers(1, false);
    ScanArchive(path, layout, [&](const Record &r, int) { numbers.push_back(listed(r)); });
    return numbers;
}

// The byte-sort reference in seconds: the file read in blocks of whole records up to 1 MB, the
// line of every listed record built as bytes, and the lines sorted in plain byte order.
inline double ByteSortReferenceSeconds(const QString &path, const NativeListLine &line, const ListedRecords &listed)
{
    const auto start = BenchClock::now();
    const int size = line.recordSize();
    const size_t blockBytes = size_t(std::max(1, int(ReferenceBlockBytes) / size)) * size_t(size);
    std::vector<char> block(blockBytes);
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        qFatal("cannot read %s", qPrintable(path));
    struct stat info {};
    ::fstat(fd, &info);
    const size_t records = size_t(info.st_size) / size_t(size);
    // Room for the longest lines, of which only what is written is ever touched, mapped as the
    // program maps its lines.
    const size_t arenaBytes = records * line.maxLength() + 1;
    const std::unique_ptr<char, std::function<void(char *)>> arena(
        static_cast<char *>(MapLargeBlock(arenaBytes)), [arenaBytes](char *p) { UnmapLargeBlock(p, arenaBytes); });
    char *end = arena.get();
    std::vector<std::string_view> lines;
    lines.reserve(records);
    size_t number = 0;
    ssize_t n;
    while ((n = ::read(fd, block.data(), block.size())) > 0) {
        for (ssize_t at = 0; at + size <= n; at += size) {
            ++number;
            if (!listed.empty() && !listed[number])
                continue;
            char *from = end;
            end = line.write(block.data() + at, end);
            lines.emplace_back(from, size_t(end - from));
        }
    }
    ::close(fd);
    // A merge sort: here the faster of the standard library's sorts on these lines.
    std::stable_sort(lines.begin(), lines.end());
    benchmark::DoNotOptimize(lines.data());
    return SecondsSince(start);
}

// The current reference in seconds: a 1 MB-block read of the whole file, then a sort of a copy of
// the very lines the search lists with the program's comparator on texts.
inline double CurrentReferenceSeconds(const QString &path, const QStringList &lines)
{
    QStringList copy = lines;
    copy.detach();
    const auto start = BenchClock::now();
    benchmark::DoNotOptimize(BlockReadFile(path));
    SortListLines(copy);
    benchmark::DoNotOptimize(copy.constData());
    return SecondsSince(start);
}

// The two references of one list.
struct ListReferences {
    std::function<double()> byteSort;
    std::function<double()> current;
};

// The references of a list over the archive at `path` (a function, for an archive named later):
// the records it lists (every one, or those `listed` takes) with their lines as the program makes
// them (`recipe`), read once. The plain lines must be the program's lines byte for byte.
inline ListReferences MakeListReferences(const std::function<QString()> &path, const RecordLayout &layout,
                                         const ListLineRecipe &recipe, const NativeListLine &native, int expected,
                                         const std::function<bool(const Record &)> &listed = {})
{
    auto numbers = std::make_shared<ListedRecords>();
    if (listed)
        *numbers = ListedBy(path(), layout, listed);
    auto lines = std::make_shared<QStringList>(ArchiveListLines(path(), layout, recipe, expected, listed));
    std::string plain;
    ScanArchive(path(), layout, [&](const Record &r, int) {
        if (!listed || listed(r)) {
            plain.resize(native.maxLength());
            plain.resize(size_t(native.write(r.bytes().constData(), plain.data()) - plain.data()));
            if (QByteArray::fromStdString(plain) != ToCp1252(recipe(r)))
                qFatal("the plain line differs from the program's: %s", plain.c_str());
        }
    });
    return {[path, numbers, &native] { return ByteSortReferenceSeconds(path(), native, *numbers); },
            [path, lines] { return CurrentReferenceSeconds(path(), *lines); }};
}

// Runs of a list command beside both references, measured in the same iteration.
struct ListRuns {
    PairedRuns byteSort;
    PairedRuns current;
    // One run of the program between the two references, their order turning with `turn`.
    void measure(int turn, const ListReferences &refs, const std::function<double()> &program)
    {
        double p = 0, b = 0, c = 0;
        switch (turn % 3) {
        case 0:
            b = refs.byteSort();
            p = program();
            c = refs.current();
            break;
        case 1:
            p = program();
            c = refs.current();
            b = refs.byteSort();
            break;
        default:
            c = refs.current();
            b = refs.byteSort();
            p = program();
            break;
        }
        byteSort.add(p, b);
        current.add(p, c);
    }
    void report(benchmark::State &state, const std::string &name) const
    {
        ReportPairs(state, name, byteSort);
        ReportPairs(state, name + "_current", current);
    }
};

// Counters `cold_ratio` and `cold_current_ratio`: the first run of a benchmark over its references.
inline void ReportCold(benchmark::State &state, const ListRuns &runs)
{
    if (runs.byteSort.empty())
        return;
    state.counters["cold_ratio"] = runs.byteSort.program[0] / runs.byteSort.reference[0];
    state.counters["cold_current_ratio"] = runs.current.program[0] / runs.current.reference[0];
}

// The search as the user waits for it, in a fresh window each iteration: the window made, shown
// with its criteria typed and on screen (`make`, not timed), then "Cerca" twice, the first search in
// the fresh window and a later one, each from the handler to the list painted. The counters give
// both against each reference (`first_...`, `later_...`), the benchmark's very first search apart
// (`cold_...`), and the lines.
inline void RunSearchBenchmark(benchmark::State &state, const std::function<std::unique_ptr<SearchWindow>()> &make,
                               const ListReferences &refs)
{
    ListRuns first, later;
    size_t lines = 0;
    int turn = 0;
    for (auto _ : state) {
        std::unique_ptr<SearchWindow> window = make();
        ShowAndSettle(window.get());
        for (ListRuns *runs : {&first, &later})
            runs->measure(turn++, refs, [&] {
                return SecondsToPainted(window->lstRecords->viewport(), [&] { window->btnCercaClick(); });
            });
        lines = size_t(window->lstRecords->count());
        state.SetIterationTime(first.byteSort.program.back());
        window.reset();
        QCoreApplication::processEvents();
    }
    ReportCold(state, first);
    first.report(state, "first");
    later.report(state, "later");
    state.counters["lines"] = double(lines);
}

// The memory the list of a search holds: the window made and shown (`make`), then "Cerca"; the
// resident bytes a line once the list is shown (`bytes_per_line`) and at the peak of the search
// (`peak_bytes_per_line`), over the window as it was before the search.
inline void RunListMemoryBenchmark(benchmark::State &state, const std::function<std::unique_ptr<SearchWindow>()> &make)
{
    double bytesPerLine = 0, peakBytesPerLine = 0, lines = 0;
    for (auto _ : state) {
        std::unique_ptr<SearchWindow> window = make();
        ShowAndSettle(window.get());
        const long before = StatusKb("VmRSS:");
        ResetPeakRss();
        window->btnCercaClick();
        FinishPainting(window->lstRecords->viewport());
        lines = window->lstRecords->count();
        bytesPerLine = double(StatusKb("VmRSS:") - before) * 1024 / lines;
        peakBytesPerLine = double(StatusKb("VmHWM:") - before) * 1024 / lines;
        window.reset();
        QCoreApplication::processEvents();
    }
    state.counters["lines"] = lines;
    state.counters["bytes_per_line"] = bytesPerLine;
    state.counters["peak_bytes_per_line"] = peakBytesPerLine;
}

// A list window opened as the user opens it: the window made and shown, the list filled, sorted
// and painted, in a fresh window each iteration. The benchmark's first opening is reported apart
// (`cold_...`) and with the later ones (`ratio...`).
inline void RunListWindowBenchmark(benchmark::State &state, const std::function<std::unique_ptr<ListWindow>()> &make,
                                   const ListReferences &refs)
{
    ListRuns runs;
    size_t lines = 0;
    int turn = 0;
    for (auto _ : state) {
        runs.measure(turn++, refs, [&] {
            const auto start = BenchClock::now();
            std::unique_ptr<ListWindow> window = make();
            window->show();
            FinishPainting(window->lstRecords->viewport());
            const double seconds = SecondsSince(start);
            lines = size_t(window->lstRecords->count());
            window.reset();
            QCoreApplication::processEvents();
            return seconds;
        });
        state.SetIterationTime(runs.byteSort.program.back());
    }
    ReportCold(state, runs);
    runs.report(state, "open");
    state.counters["lines"] = double(lines);
}
