// Building one customised edition, against reading every input file once and writing
// every output file once (the same bytes: the 22 pages and OUTPUT.HTM). The book is made here and
// sized like a real one: 21 templates of 20 to 60 KB, a state file of about 100 KB, 60 @INSERT
// lines.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "book/BookBuilder.h"
#include "book/LineCodec.h"
#include "book/TemplateProcessor.h"
#include "fuzz/FuzzApp.h"
#include "shell/Files.h"

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
    app.profile = {"California",
                   "CA",
                   "Acme Pizza Parlor",
                   "corporation",
                   "Y",
                   "12",
                   12,
                   "N",
                   "Y",
                   "Under $1 million",
                   "N",
                   "Y",
                   "N",
                   "Y",
                   "N",
                   "Retail",
                   1,
                   "Y"};
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

void ReadInputsWriteOutputsOnce(benchmark::State& state) {
  Book& book = TheBook();
  kvx::CreateBook(book.fuzz.app);
  std::vector<std::string> pages;
  for (const std::string& name : book.outputs) pages.push_back(kvx::ReadFileBytes(name));
  for (auto _ : state) {
    for (const std::string& name : book.inputs) benchmark::DoNotOptimize(kvx::ReadFileBytes(name));
    for (std::size_t i = 0; i < pages.size(); ++i) kvx::WriteFile(book.outputs[i], pages[i]);
  }
}

BENCHMARK(CreateBookCustomised)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadInputsWriteOutputsOnce)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
