// The condition codes, family by family, at the edges of each test.

#include <gtest/gtest.h>

#include <functional>

#include "book/ConditionCodes.h"
#include "core/StateTable.h"
#include "profile/CompanyProfile.h"

namespace kvx {
namespace {

struct Codes : ::testing::Test {
  Codes() { LoadStateTable(states); }
  int Check(int code) const { return CheckCode(p, states, code); }
  StateTable states;
  CompanyProfile p;
};

// Employee codes: numbers of employees at which each holds and fails, at its edges.
struct EmployeeRow {
  int code;
  std::vector<int> holds, fails;
};

TEST_F(Codes, EmployeeCountsAtTheirEdges) {
  const EmployeeRow rows[] = {
      {0, {0}, {1}},
      {1, {1}, {0, 2}},
      {2, {2}, {1, 3}},
      {3, {3}, {2, 4}},
      {4, {4}, {3, 5}},
      {5, {5, 100}, {4}},
      {6, {0, 1}, {2}},
      {7, {2}, {3}},
      {8, {3}, {4}},
      {9, {4}, {5}},
      {10, {9}, {10}},
      {11, {10}, {11}},
      {12, {10}, {9}},
      {13, {11}, {10}},
      {14, {14}, {15}},
      {15, {15}, {14}},
      {19, {19}, {20}},
      {20, {20}, {19}},
      {23, {15, 24}, {14, 25}},
      {24, {24}, {25}},
      {25, {25}, {24}},
      {30, {30}, {29}},
      {49, {1, 49}, {0, 50}},
      {50, {50}, {49}},
      {75, {75}, {74}},
      {97, {101}, {100}},
      {98, {2, 100}, {1, 101}},
      {99, {2, 99}, {1, 100}},
      {100, {100}, {99}},
      {200, {1}, {0}},
      {201, {2}, {1}},
      {202, {3}, {2}},
      {203, {4}, {3}},
      {204, {5}, {4}},
      {205, {6}, {5}},
      {206, {5}, {6}},
      {207, {7}, {8}},
      {208, {8}, {7}},
      {209, {9}, {8}},
      {221, {21}, {20}},
      {226, {26}, {25}},
      {227, {2, 50}, {1, 51}},
  };
  for (const EmployeeRow& row : rows) {
    for (int e : row.holds) {
      p.Employees = e;
      EXPECT_EQ(1, Check(row.code)) << "code " << row.code << ", " << e << " employees";
    }
    for (int e : row.fails) {
      p.Employees = e;
      EXPECT_EQ(0, Check(row.code)) << "code " << row.code << ", " << e << " employees";
    }
  }
}

// Codes over text answers: the codes that hold for a company; every other code of the
// list must fail for it.
struct ProfileRow {
  const char* what;
  std::function<void(CompanyProfile&)> set;
  std::vector<int> holds;
};

const std::vector<int> kTextCodes = {101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111,
                                     112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122,
                                     123, 125, 126, 127, 128, 160, 161, 162, 163, 195, 143,
                                     144, 191, 192, 193, 194, 300, 301, 900, 901};

TEST_F(Codes, RevenueEntityAndYesNoAnswers) {
  const ProfileRow rows[] = {
      {"nothing answered", [](CompanyProfile&) {}, {104, 119, 120, 144}},
      {"over $10 million",
       [](CompanyProfile& p) { p.Revenues = "Over $10 million"; },
       {101, 102, 107, 119, 120, 144}},
      {"over $5 million",
       [](CompanyProfile& p) { p.Revenues = "Over $5 million"; },
       {102, 104, 107, 108, 119, 120, 144}},
      {"over $1 million",
       [](CompanyProfile& p) { p.Revenues = "Over $1 million"; },
       {103, 104, 107, 119, 120, 144}},
      {"under $1 million",
       [](CompanyProfile& p) { p.Revenues = "Under $1 million"; },
       {103, 104, 106, 119, 120, 144}},
      {"S corporation",
       [](CompanyProfile& p) { p.Entity = "S corporation"; },
       {104, 118, 119, 121, 163, 144}},
      {"widely held corporation",
       [](CompanyProfile& p) {
         p.Entity = "corporation";
         p.CloselyHeld = "N";
       },
       {104, 111, 112, 117, 121, 123, 160, 163, 144}},
      {"closely held corporation",
       [](CompanyProfile& p) {
         p.Entity = "corporation";
         p.CloselyHeld = "Y";
       },
       {104, 110, 117, 121, 123, 163, 144}},
      {"LLC with one owner",
       [](CompanyProfile& p) {
         p.Entity = "LLC";
         p.SoleOwner = "Y";
       },
       {104, 113, 119, 120, 125, 128, 163, 144}},
      {"LLP", [](CompanyProfile& p) { p.Entity = "LLP"; }, {104, 116, 119, 120, 122, 163, 144}},
      {"general partnership",
       [](CompanyProfile& p) { p.Entity = "general partnership"; },
       {104, 109, 116, 119, 120, 144}},
      {"limited partnership",
       [](CompanyProfile& p) { p.Entity = "limited partnership"; },
       {104, 114, 116, 119, 120, 163, 144}},
      {"sole proprietor, foreign investors",
       [](CompanyProfile& p) {
         p.Entity = "sole proprietorship";
         p.ForeignInvestors = "Y";
       },
       {104, 115, 119, 120, 144}},
      {"corporation owned by one, foreign investors",
       [](CompanyProfile& p) {
         p.Entity = "corporation";
         p.SoleOwner = "Y";
         p.ForeignInvestors = "Y";
       },
       {104, 117, 121, 123, 125, 127, 163, 195, 144}},
      {"all yes",
       [](CompanyProfile& p) {
         p.SoleOwner = p.Inventories = p.RetirementPlan = p.WelfarePlans = p.Franchise =
             p.InExistence = "Y";
       },
       {104, 119, 120, 125, 143, 191, 193, 300, 900}},
      {"all no",
       [](CompanyProfile& p) {
         p.SoleOwner = p.Inventories = p.RetirementPlan = p.WelfarePlans = p.Franchise =
             p.InExistence = "N";
       },
       {104, 119, 120, 126, 144, 192, 194, 301, 901}},
  };
  for (const ProfileRow& row : rows) {
    CompanyProfile fresh;
    p = fresh;
    row.set(p);
    for (int code : kTextCodes) {
      const bool expected = std::find(row.holds.begin(), row.holds.end(), code) != row.holds.end();
      EXPECT_EQ(expected ? 1 : 0, Check(code)) << row.what << ", code " << code;
    }
  }
}

TEST_F(Codes, BusinessCategories) {
  // code: the categories for which it holds (of 1 to 25), for a closely-held-unanswered
  // partnership (so the entity parts of 166 to 168 are settled separately below).
  const std::pair<int, std::vector<int>> rows[] = {
      {150, {1}},
      {151, {2}},
      {153, {4}},
      {154, {5}},
      {155, {11}},
      {156, {7}},
      {157, {13}},
      {158, {15}},
      {159, {8, 9}},
      {164, {8}},
      {165, {10}},
      {169, {25}},
      {170, {1, 2, 4, 6, 8, 9, 10, 11, 12, 14, 15, 16, 17, 18, 19, 20, 22, 23, 24}},
      {171, {7, 12, 14, 15, 16, 17, 18, 19, 20, 22, 23}},
      {172, {17}},
      {173, {18}},
      {174, {19}},
      {175, {20}},
      {176, {6}},
      {177, {22}},
      {178, {18, 20}},
      {179, {1, 2, 3}},
      {180, {21}},
      {181, {3}},
      {182, {1, 2}},
      {183, {16}},
      {184, {1, 2, 3, 4, 5, 6, 7, 9, 13, 23, 24, 25}},
      {185, {12}},
      {167, {8}},
      {168, {8}},
      {166, {}},
      {105, {1, 2}},
  };
  p.Entity = "general partnership";
  for (const auto& [code, holds] : rows) {
    for (int k = 1; k <= 25; ++k) {
      p.BizCategory = k;
      const bool expected = std::find(holds.begin(), holds.end(), k) != holds.end();
      EXPECT_EQ(expected ? 1 : 0, Check(code)) << "code " << code << ", category " << k;
    }
  }
}

TEST_F(Codes, CategoryAndCorporationTogether) {
  p.Entity = "corporation";
  p.BizCategory = 8;
  p.CloselyHeld = "N";
  EXPECT_EQ(1, Check(166));
  EXPECT_EQ(0, Check(167));
  EXPECT_EQ(0, Check(168));
  p.CloselyHeld = "Y";
  EXPECT_EQ(0, Check(166));
  // An unanswered closely-held question passes both 161 and 162 in category 18.
  p.CloselyHeld = "";
  p.BizCategory = 18;
  EXPECT_EQ(1, Check(161));
  EXPECT_EQ(1, Check(162));
  EXPECT_EQ(0, Check(160));
  EXPECT_EQ(0, Check(110));
  EXPECT_EQ(0, Check(111));
  p.CloselyHeld = "N";
  EXPECT_EQ(0, Check(160));  // 18 is one of the excluded categories
  p.BizCategory = 17;
  EXPECT_EQ(1, Check(160));
  p.Revenues = "Over $10 million";
  p.BizCategory = 1;
  EXPECT_EQ(0, Check(105));
}

TEST_F(Codes, StateCodesFollowTheStateTable) {
  for (int row = 1; row <= kStateCount; ++row) {
    p.StateCode = RowCode(states.States[row]);
    for (int code = 501; code <= 551; ++code)
      EXPECT_EQ(code - 500 == row ? 1 : 0, Check(code)) << p.StateCode << " code " << code;
  }
  p.StateCode = "tx";  // exact comparison
  EXPECT_EQ(0, Check(544));
  p.StateCode = "TX";
  EXPECT_EQ(1, Check(544));
}

TEST_F(Codes, EveryOtherCodeYieldsZero) {
  p.Employees = 20;
  p.StateCode = "CA";
  p.Entity = "corporation";
  for (int code : {16,  17,  18,  21,  22,   124,        152,
                   186, 187, 188, 189, 190,  302,        500,
                   552, 899, 902, -1,  -500, 2147483647, -2147483647 - 1}) {
    EXPECT_EQ(0, Check(code)) << code;
    EXPECT_FALSE(IsKnownCode(code)) << code;
  }
  for (int code : {0, 25, 101, 128, 195, 185, 501, 551, 900, 901}) EXPECT_TRUE(IsKnownCode(code));
}

}  // namespace
}  // namespace kvx
