// The figures of the performance targets, on the files that bench/run
// generates: each user action, and the baseline it is measured against.
//
//   velkarin_bench DIR [benchmark options]
// DIR holds bench-16.data, bench-64.data and bench-256.data.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "cli/viewer.h"
#include "data/codepage.h"
#include "data/equip_record.h"
#include "data/file.h"
#include "data/find_bytes.h"
#include "data/lists.h"

namespace {

using velkarin::cli::Viewer;
namespace data = velkarin::data;
namespace ui = velkarin::ui;

// The file read with one read() loop into a buffer of its size.
std::unique_ptr<char[]> ReadWithReadLoop(const std::string& path, std::size_t& size) {
  int fd = ::open(path.c_str(), O_RDONLY);
  struct stat st {};
  ::fstat(fd, &st);
  size = static_cast<std::size_t>(st.st_size);
  auto buffer = std::make_unique_for_overwrite<char[]>(size);
  std::size_t got = 0;
  while (got < size) {
    ssize_t n = ::read(fd, buffer.get() + got, size - got);
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  return buffer;
}

void OpenOrSkip(benchmark::State& state, Viewer& viewer, const std::string& path) {
  std::string error;
  if (viewer.Open(path, error) != velkarin::cli::kOk) state.SkipWithError(error.c_str());
}

void ReadLoop(benchmark::State& state, const std::string& path) {
  for (auto _ : state) {
    std::size_t size = 0;
    auto buffer = ReadWithReadLoop(path, size);
    benchmark::DoNotOptimize(buffer.get());
  }
}

// What the CLI does to open: read, locate the list, fill the rows, and the
// row change of row 0 that the fill raises.
void OpenAndList(benchmark::State& state, const std::string& path) {
  for (auto _ : state) {
    Viewer viewer;
    OpenOrSkip(state, viewer, path);
    benchmark::DoNotOptimize(viewer.State().equipIds.data());
  }
}

// One search for a pattern the file lacks: a whole pass over the buffer.
void MemmemPass(benchmark::State& state, const std::string& path) {
  auto loaded = data::ReadWholeFile(path);
  const std::string missing = data::ToWideBytes(GBK("无此标记之名"));
  for (auto _ : state) benchmark::DoNotOptimize(data::FindFirst(loaded->Bytes(), missing));
}

// Rows spread over the whole list, each different from the one before.
int NextRow(int k, int rows) { return static_cast<int>((std::int64_t{k} * 7919 + 1) % rows); }

void RowChange(benchmark::State& state, const std::string& path) {
  Viewer viewer;
  OpenOrSkip(state, viewer, path);
  const int rows = viewer.Window().RowCount();
  int k = 0;
  for (auto _ : state) viewer.Window().UserSelectRow(NextRow(++k, rows));
}

void RefineChange(benchmark::State& state, const std::string& path) {
  Viewer viewer;
  OpenOrSkip(state, viewer, path);
  viewer.Window().UserSelectRow(NextRow(1, viewer.Window().RowCount()));
  int k = 0;
  for (auto _ : state) viewer.Window().SetEditText(ui::EditBox::Refine, ++k % 2 ? "12" : "3");
}

// The file with a name that only its last item bears.
const std::string& UniqueLastName() { return GBK("独一无二之刃"); }
data::ElementData WithUniqueLastName(const std::string& path) {
  auto loaded = data::ReadWholeFile(path);
  std::string bytes(loaded->Bytes());
  data::EquipListLocation list = data::LocateEquipList(*loaded);
  std::int64_t rows = data::ListableRecordCount(*loaded, list);
  std::int64_t name = list.pos + data::kListHeaderBytes + (rows - 1) * list.recordSize + 12;
  std::string field = data::ToWideBytes(UniqueLastName());
  field.resize(data::kNameFieldBytes, '\0');
  bytes.replace(static_cast<std::size_t>(name), field.size(), field);
  return data::ElementData::FromBytes(bytes);
}

void SearchLast(benchmark::State& state, const std::string& path) {
  Viewer viewer;
  auto bytes = std::make_shared<std::string>(WithUniqueLastName(path).Bytes());
  viewer.Window().UseFileReader([bytes](const std::string&) { return data::ElementData::FromBytes(*bytes); });
  OpenOrSkip(state, viewer, path);
  viewer.Window().SetEditText(ui::EditBox::Search, UniqueLastName());
  for (auto _ : state) viewer.App().OnSearch();  // from the last hit round to it again
  if (viewer.Window().ListCurrentRow() != viewer.Window().RowCount() - 1) state.SkipWithError("missed");
}

// One pass over the names: each searched for the text.
void NamesPass(benchmark::State& state, const std::string& path) {
  Viewer viewer;
  OpenOrSkip(state, viewer, path);
  const std::string& text = UniqueLastName();
  for (auto _ : state) {
    std::size_t hits = 0;
    for (const std::string& name : viewer.State().equipNames) hits += name.find(text) != std::string::npos;
    benchmark::DoNotOptimize(hits);
  }
}

void Register(const char* name, void (*fn)(benchmark::State&, const std::string&), const std::string& path,
              bool manyIterations) {
  auto* b = benchmark::RegisterBenchmark(name, fn, path)->Unit(benchmark::kMicrosecond)->Repetitions(5);
  b->ReportAggregatesOnly(true);
  if (!manyIterations) b->Iterations(3);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (argc != 2) {
    std::cerr << "usage: velkarin_bench DIR [benchmark options]\n";
    return 64;
  }
  const std::string dir = argv[1];
  const std::string big = dir + "/bench-256.data";
  Register("read_loop/256", ReadLoop, big, false);
  Register("open_and_list/256", OpenAndList, big, false);
  Register("memmem_pass/256", MemmemPass, big, false);
  for (const char* size : {"16", "64", "256"}) {
    const std::string path = dir + "/bench-" + size + ".data";
    Register(("row_change/" + std::string(size)).c_str(), RowChange, path, true);
  }
  Register("refine_change/256", RefineChange, big, true);
  Register("search_last/256", SearchLast, big, true);
  Register("names_pass/256", NamesPass, big, true);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
