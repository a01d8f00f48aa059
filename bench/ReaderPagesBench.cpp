// The reader's pages a build writes after the book: the topic index page, the search page
// and the search index, from the shipped book built once for a California retailer.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "base/Files.h"
#include "book/BookBuilder.h"
#include "book/ReaderPages.h"
#include "fuzz/FuzzApp.h"

namespace {

struct BuiltBook {
  BuiltBook() {
    kvx::App& app = fuzz.app;
    app.profile = kvx::fuzz::ProfileOfDataSet(
        {"California", "CA", "Pacific Goods", "corporation", "Y", "60", "60", "N", "N",
         "Over $5 million", "N", "Y", "Y", "Y", "N", "Retail Merchandising", "1", "Y"});
    const std::filesystem::path from = KVX_BOOK_DIR;
    std::vector<std::string> names = {"CA.dat", "appendB.htm"};
    for (const std::string& page : kvx::TemplatePageNames()) names.push_back(page + ".dat");
    for (const std::string& name : names)
      std::filesystem::copy_file(from / name, app.Path(name),
                                 std::filesystem::copy_options::overwrite_existing);
    built = kvx::CreateBook(app);
  }
  kvx::fuzz::FuzzApp fuzz;
  bool built = false;
};

void WriteReaderPagesOfTheRealBook(benchmark::State& state) {
  if (!std::filesystem::exists(std::filesystem::path(KVX_BOOK_DIR) / "chap01.dat")) {
    state.SkipWithError("the program folder holds no book; build it first");
    return;
  }
  static BuiltBook book;
  if (!book.built) {
    state.SkipWithError("the book did not build");
    return;
  }
  for (auto _ : state) kvx::WriteReaderPages(book.fuzz.app, book.fuzz.app.session.PathSpec);
  state.counters["index_bytes"] =
      static_cast<double>(std::filesystem::file_size(book.fuzz.app.Path(kvx::kSearchIndex)));
}

BENCHMARK(WriteReaderPagesOfTheRealBook)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
