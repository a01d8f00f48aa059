#include <gtest/gtest.h>

#include "core/Messages.h"
#include "core/StateTable.h"
#include "core/Trap.h"
#include "tests/support/TestApp.h"

namespace kvx {
namespace {

using test::TestApp;

TEST(StateTable, RowsSplitIntoNameAndCode) {
  StateTable t;
  LoadStateTable(t);
  EXPECT_EQ(t.States[9], "District of Columbia DC");
  EXPECT_EQ(RowName(t.States[9]), "District of Columbia");
  EXPECT_EQ(RowCode(t.States[9]), "DC");
  EXPECT_EQ(RowCode(t.States[5]), "CA");
  EXPECT_EQ(RowName(t.States[51]), "Wyoming");
  EXPECT_TRUE(t.States[0].empty());
  EXPECT_TRUE(t.States[52].empty());
  for (int i = 1; i <= kStateCount; ++i) {
    const std::string code = RowCode(t.States[i]);
    ASSERT_EQ(code.size(), 2u) << i;
    EXPECT_TRUE(isupper(code[0]) && isupper(code[1])) << t.States[i];
    EXPECT_EQ(StateRowOfCode(t, code), i) << "codes must be unique: " << code;
  }
  EXPECT_EQ(StateRowOfCode(t, "wy"), 51);
  EXPECT_EQ(StateRowOfCode(t, "XX"), 0);
}

TEST(ErrorNotice, ComposesTheUniformReport) {
  EXPECT_EQ(ErrorNotice(53, "LoadDataSet", "Unable to find file: /p/ACME.KVX"),
            "Error number  53 (File not found) detected in subprogram or function "
            "LoadDataSet.... (Diagnostic:  Unable to find file: /p/ACME.KVX)  Continuing "
            "momentarily....");
  EXPECT_EQ(ErrorNotice(62, "LoadDataSet", ""),
            "Error number  62 (Input past end of file) detected in subprogram or function "
            "LoadDataSet....  Continuing momentarily....");
  const struct {
    int number;
    const char* meaning;
  } table[] = {{5, "(Illegal function call)"}, {7, "(Out of memory)"},
               {9, "(Out of range)"},          {52, "(Bad file name or number)"},
               {55, "(File already open)"},    {61, "(Disk full)"},
               {70, "(Permission denied)"},    {72, "(Disk media error)"},
               {6, "(Unspecified error)#"},    {999, "(Unspecified error)#"}};
  for (const auto& row : table)
    EXPECT_NE(ErrorNotice(row.number, "X", "").find(NumberText(row.number) + " " + row.meaning),
              std::string::npos)
        << row.number;
  EXPECT_EQ(NumberText(-3), "-3");
}

TEST(QuickMessage, WritesTheHandOffFileAndShowsIt) {
  TestApp t;
  t.SetProgramFolder();
  QuickMessage(t.app, "");
  EXPECT_FALSE(t.Has("TMP_QM.DAT"));
  EXPECT_EQ(t.Output(), "");

  QuickMessage(t.app, "One\r\n\r\nTwo");
  EXPECT_EQ(t.Get("TMP_QM.DAT"), "One@@@@@@Two\r\n");
  EXPECT_EQ(t.Output(), "== QUICK\ntext:\n  One\n  \n  Two\n\n");
}

class FailingQuickMessages : public test::TestSystem {
 public:
  using TestSystem::TestSystem;
  bool RunQuickMessage(const std::string&, const std::string&) override { return false; }
};

TEST(QuickMessage, FallsBackToAMessageBoxWhenTheHandOffFails) {
  TestApp t("OK\n");
  // A folder that does not exist: TMP_QM.DAT cannot be written.
  t.app.session.PathSpec = t.dir() + "missing/";
  QuickMessage(t.app, "Read me");
  EXPECT_NE(t.Output().find("== MESSAGE\ntitle: Corvanta\nicon: information"), std::string::npos);
  EXPECT_NE(t.Output().find("text: Read me"), std::string::npos);
}

TEST(Trap, ReportsTheErrorAndReturns) {
  TestApp t;
  t.SetProgramFolder();
  bool after = false;
  const bool done = Trap(t.app, "SomeProcedure", [&] {
    Raise(kErrInputPastEnd, "");
    after = true;
  });
  EXPECT_FALSE(done);
  EXPECT_FALSE(after);
  EXPECT_NE(t.Output().find("Error number  62 (Input past end of file) detected in subprogram or "
                            "function SomeProcedure...."),
            std::string::npos);
  EXPECT_TRUE(Trap(t.app, "Fine", [] {}));
}

TEST(Trap, MapsStandardFailures) {
  TestApp t;
  t.SetProgramFolder();
  Trap(t.app, "P", [] { throw std::bad_alloc(); });
  EXPECT_NE(t.Output().find(" 7 (Out of memory)"), std::string::npos);
  Trap(t.app, "P", [] { (void)std::string("abc").at(10); });
  EXPECT_NE(t.Output().find(" 9 (Out of range)"), std::string::npos);
}

}  // namespace
}  // namespace kvx
