// Building one customised edition, against reading every input file once and writing
// every output file once (the same bytes: the 22 pages and OUTPUT.HTM). The book is made here and
// sized like a real one: 21 templates of 20 to 60 KB, a state file of about 100 KB, 60 @INSERT
// lines.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "base/Files.h"
#include "book/BookBuilder.h"
#include "book/BookFiles.h"
#include "book/LineCodec.h"
#include "book/ReaderPages.h"
#include "book/TemplateProcessor.h"
#include "fuzz/FuzzApp.h"

namespace {

std::string EncodedLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += kvx::EncodeLine(line).value() + "\r\n";
  return text;
}

std::string StateFile() {
  std::vector<std::string> lines = {"<HTML>", "<A NAME=\"LEGAL005\"></A>"};
  std::size_t bytes = 0;
  for (const char* key : kvx::kStateSectionKeys) {
    lines.push_back(kvx::SectionAnchor(key));
    for (int i = 0; i < 30; ++i) {
      lines.push_back("<p>State rule " + std::to_string(i) + " of " + key +
                      ": see <a href=\"#TAXES\">taxes</a> and the agency's forms, filed yearly.");
      bytes += lines.back().size() + 2;
    }
  }
  return EncodedLines(lines);
}

std::string Template(int page, int kilobytes, int inserts) {
  std::vector<std::string> lines;
  std::size_t bytes = 0;
  int n = 0;
  while (bytes < static_cast<std::size_t>(kilobytes) * 1024) {
    std::string line;
    switch (n++ % 40) {
      case 0:
        line = "<!--@@ @IFCODE |117 |12";
        break;
      case 5:
        line = "@@ELSE";
        break;
      case 9:
        line = "@@-->";
        break;
      case 13:
        line = "@IF[505]<p>California companies file with the Secretary of State.";
        break;
      case 17:
        line = "<p>@Company, a @Entity in @State, with @EMP employees.";
        break;
      case 21:
        if (inserts > 0) {
          line = std::string("@INSERT=") + kvx::kStateSectionKeys[(page * 7 + n) % 39];
          --inserts;
          break;
        }
        [[fallthrough]];
      default:
        line = "<p>Plain reading text of the chapter, line " + std::to_string(n) +
               ", long enough to look like a paragraph of the book.";
    }
    bytes += line.size() + 2;
    lines.push_back(line);
  }
  return EncodedLines(lines);
}

struct Book {
  Book() {
    kvx::App& app = fuzz.app;
    app.profile = kvx::fuzz::ProfileOfDataSet(
        {"California", "CA", "Acme Pizza Parlor", "corporation", "Y", "12", "12", "N", "Y",
         "Under $1 million", "N", "Y", "N", "Y", "N", "Retail", "1", "Y"});
    kvx::WriteFile(app.Path("CA.dat"), StateFile());
    inputs.push_back(app.Path("CA.dat"));
    outputs.push_back(app.Path("statchap.htm"));
    const std::vector<std::string> pages = kvx::TemplatePageNames();
    for (std::size_t i = 0; i < pages.size(); ++i) {
      // 60 inserts over 21 pages: three on most pages.
      const int inserts = i < 18 ? 3 : 2;
      kvx::WriteFile(app.Path(pages[i] + ".dat"),
                     Template(static_cast<int>(i), 20 + static_cast<int>(i * 2) % 41, inserts));
      inputs.push_back(app.Path(pages[i] + ".dat"));
      outputs.push_back(app.Path(pages[i] + ".htm"));
    }
    outputs.push_back(app.Path("OUTPUT.HTM"));  // the work file a build leaves behind
  }
  kvx::fuzz::FuzzApp fuzz;
  std::vector<std::string> inputs, outputs;
};

Book& TheBook() {
  static Book book;
  return book;
}

void CreateBookCustomised(benchmark::State& state) {
  Book& book = TheBook();
  for (auto _ : state) benchmark::DoNotOptimize(kvx::CreateBook(book.fuzz.app));
  std::size_t bytes = 0;
  for (const std::string& name : book.inputs) bytes += std::filesystem::file_size(name);
  state.counters["input_bytes"] = static_cast<double>(bytes);
}

// The baseline: after one build, reads every input once and writes every output's bytes
// once, per iteration.
template <class AnyBook>
void ReadAndWriteOnce(benchmark::State& state, AnyBook& book) {
  kvx::CreateBook(book.fuzz.app);
  std::vector<std::string> pages;
  for (const std::string& name : book.outputs) pages.push_back(kvx::ReadFileBytes(name));
  for (auto _ : state) {
    for (const std::string& name : book.inputs) benchmark::DoNotOptimize(kvx::ReadFileBytes(name));
    for (std::size_t i = 0; i < pages.size(); ++i) kvx::WriteFile(book.outputs[i], pages[i]);
  }
}

void ReadInputsWriteOutputsOnce(benchmark::State& state) {
  ReadAndWriteOnce(state, TheBook());
}

BENCHMARK(CreateBookCustomised)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadInputsWriteOutputsOnce)->Unit(benchmark::kMillisecond);

// The shipped book, copied from the program folder the build made, for two companies: a
// one-person Texas LLC consultancy and a 60-employee California C corporation retailer.
struct RealBook {
  explicit RealBook(const kvx::CompanyProfile& profile) {
    kvx::App& app = fuzz.app;
    app.profile = profile;
    const std::filesystem::path from = KVX_BOOK_DIR;
    for (const std::string& page : kvx::TemplatePageNames()) {
      std::filesystem::copy_file(from / (page + ".dat"), app.Path(page + ".dat"),
                                 std::filesystem::copy_options::overwrite_existing);
      inputs.push_back(app.Path(page + ".dat"));
      outputs.push_back(app.Path(page + ".htm"));
    }
    const std::string state = profile.StateCode + ".dat";
    std::filesystem::copy_file(from / state, app.Path(state),
                               std::filesystem::copy_options::overwrite_existing);
    inputs.push_back(app.Path(state));
    outputs.push_back(app.Path("statchap.htm"));
    outputs.push_back(app.Path("OUTPUT.HTM"));
    // The reader's pages are written by every build, so they are part of its output.
    for (const char* page : {kvx::kTopicsPage, kvx::kSearchPage, kvx::kSearchIndex})
      outputs.push_back(app.Path(page));
  }
  kvx::fuzz::FuzzApp fuzz;
  std::vector<std::string> inputs, outputs;
};

kvx::CompanyProfile TexasConsultancy() {
  return kvx::fuzz::ProfileOfDataSet({"Texas", "TX", "Lone Star Advice", "LLC", "N", "0", "0", "Y",
                                      "N", "Under $1 million", "N", "N", "N", "N", "N",
                                      "Consulting", "20", "Y"});
}

kvx::CompanyProfile CaliforniaRetailer() {
  return kvx::fuzz::ProfileOfDataSet({"California", "CA", "Pacific Goods", "corporation", "Y", "60",
                                      "60", "N", "N", "Over $5 million", "N", "Y", "Y", "Y", "N",
                                      "Retail Merchandising", "1", "Y"});
}

RealBook& TheRealBook(int which) {
  static RealBook texas(TexasConsultancy());
  static RealBook california(CaliforniaRetailer());
  return which == 0 ? texas : california;
}

bool HaveRealBook(benchmark::State& state) {
  if (std::filesystem::exists(std::filesystem::path(KVX_BOOK_DIR) / "chap01.dat")) return true;
  state.SkipWithError("the program folder holds no book; build it first");
  return false;
}

void RealBookCreateBook(benchmark::State& state) {
  if (!HaveRealBook(state)) return;
  RealBook& book = TheRealBook(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(kvx::CreateBook(book.fuzz.app));
  std::size_t in = 0, out = 0;
  for (const std::string& name : book.inputs) in += std::filesystem::file_size(name);
  for (const std::string& name : book.outputs) out += std::filesystem::file_size(name);
  state.counters["input_bytes"] = static_cast<double>(in);
  state.counters["output_bytes"] = static_cast<double>(out);
}

void RealBookReadWriteOnce(benchmark::State& state) {
  if (!HaveRealBook(state)) return;
  ReadAndWriteOnce(state, TheRealBook(static_cast<int>(state.range(0))));
}

// The reader's pages alone (topic index page, search page and search index), written
// from the pages of a build.
void RealBookReaderPages(benchmark::State& state) {
  if (!HaveRealBook(state)) return;
  RealBook& book = TheRealBook(static_cast<int>(state.range(0)));
  kvx::App& app = book.fuzz.app;
  if (!kvx::CreateBook(app)) {
    state.SkipWithError("the book did not build");
    return;
  }
  std::vector<std::pair<std::string, std::string>> pages;
  for (const std::string& page : kvx::ReadingOrder())
    if (kvx::Exist(app.Path(page))) pages.emplace_back(page, kvx::ReadFileBytes(app.Path(page)));
  // As a build hands them over: the words of every page it has in memory.
  for (auto _ : state) {
    kvx::EditionText text;
    for (const auto& [page, html] : pages) text.Add(page, html);
    const kvx::EditionFacts facts = kvx::FactsOf(app);
    kvx::WriteReaderPages(facts, kvx::TopicEntries().For(facts), app.session.PathSpec,
                          std::move(text), kvx::FolderWrite::Replace);
  }
  state.counters["index_bytes"] =
      static_cast<double>(std::filesystem::file_size(app.Path(kvx::kSearchIndex)));
}

// Argument 0 is the Texas consultancy, 1 the California retailer.
BENCHMARK(RealBookCreateBook)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(RealBookReadWriteOnce)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(RealBookReaderPages)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
