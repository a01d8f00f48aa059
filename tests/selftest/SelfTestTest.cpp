#include "selftest/SelfTest.h"

#include <gtest/gtest.h>

#include <set>

namespace selftest {
namespace {

// Index of the answer worth the most (best) or the least (worst) points.
int Extreme(const Question& question, bool best) {
  int found = 0;
  for (size_t k = 0; k < question.answers.size(); ++k) {
    const int points = question.answers[k].points;
    const int current = question.answers[static_cast<size_t>(found)].points;
    if (best ? points > current : points < current) found = static_cast<int>(k);
  }
  return found;
}

std::vector<int> AllAnswers(bool best) {
  std::vector<int> chosen;
  for (const Question& question : Questions()) chosen.push_back(Extreme(question, best));
  return chosen;
}

// Answers that add up to exactly `target` points: each question takes the richest answer
// that still fits what is left.
std::vector<int> AnswersScoring(int target) {
  std::vector<int> chosen;
  int left = target;
  for (const Question& question : Questions()) {
    int pick = Extreme(question, false);
    for (size_t k = 0; k < question.answers.size(); ++k) {
      const int points = question.answers[k].points;
      if (points <= left && points > question.answers[static_cast<size_t>(pick)].points)
        pick = static_cast<int>(k);
    }
    left -= question.answers[static_cast<size_t>(pick)].points;
    chosen.push_back(pick);
  }
  return chosen;
}

TEST(SelfTest, QuestionsCanBeAnsweredFromTheKeyboardAndScoredFully) {
  const std::vector<Question>& questions = Questions();
  ASSERT_GE(questions.size(), 15u);
  std::set<std::string> traits;
  for (const Question& question : questions) {
    SCOPED_TRACE(question.trait);
    EXPECT_FALSE(question.text.empty());
    EXPECT_TRUE(traits.insert(question.trait).second) << "each trait is asked about once";
    // The window offers the keys 1 to 4, and every question must span the whole scale
    // or the bands would be out of reach.
    ASSERT_GE(question.answers.size(), 3u);
    ASSERT_LE(question.answers.size(), 4u);
    EXPECT_EQ(question.answers[static_cast<size_t>(Extreme(question, true))].points, kBestPoints);
    EXPECT_EQ(question.answers[static_cast<size_t>(Extreme(question, false))].points, 0);
    for (const Answer& answer : question.answers) {
      EXPECT_FALSE(answer.text.empty());
      EXPECT_GE(answer.points, 0);
      EXPECT_LE(answer.points, kBestPoints);
    }
  }
  EXPECT_EQ(MaximumScore(), static_cast<int>(questions.size()) * kBestPoints);
}

TEST(SelfTest, AllBestAnswersReachTheTopBandWithNothingToWorkOn) {
  const std::optional<Outcome> outcome = Evaluate(AllAnswers(true));
  ASSERT_TRUE(outcome);
  EXPECT_EQ(outcome->score, MaximumScore());
  EXPECT_EQ(outcome->maximum, MaximumScore());
  EXPECT_EQ(outcome->band, &Bands().back());
  EXPECT_TRUE(outcome->work_on.empty());
}

TEST(SelfTest, AllWorstAnswersScoreNothingAndNameEveryTrait) {
  const std::optional<Outcome> outcome = Evaluate(AllAnswers(false));
  ASSERT_TRUE(outcome);
  EXPECT_EQ(outcome->score, 0);
  EXPECT_EQ(outcome->band, &Bands().front());
  ASSERT_EQ(outcome->work_on.size(), Questions().size());
  EXPECT_EQ(outcome->work_on.front(), Questions().front().trait);
  EXPECT_EQ(outcome->work_on.back(), Questions().back().trait);
}

TEST(SelfTest, BandsRiseFromZeroAndEveryOneCanBeReached) {
  const std::vector<Band>& bands = Bands();
  ASSERT_GE(bands.size(), 2u);
  EXPECT_EQ(bands.front().minimum, 0);
  for (size_t b = 1; b < bands.size(); ++b) {
    EXPECT_GT(bands[b].minimum, bands[b - 1].minimum);
    EXPECT_FALSE(bands[b].title.empty());
    EXPECT_FALSE(bands[b].meaning.empty());
  }
  EXPECT_LE(bands.back().minimum, MaximumScore());
  // Out-of-range scores still get a reading rather than none.
  EXPECT_EQ(&BandFor(-1), &bands.front());
  EXPECT_EQ(&BandFor(MaximumScore() + 1), &bands.back());
}

TEST(SelfTest, ScoresOnEitherSideOfEachBoundaryFallInTheirOwnBands) {
  const std::vector<Band>& bands = Bands();
  for (size_t b = 1; b < bands.size(); ++b) {
    const int edge = bands[b].minimum;
    SCOPED_TRACE(edge);
    const std::optional<Outcome> at = Evaluate(AnswersScoring(edge));
    const std::optional<Outcome> below = Evaluate(AnswersScoring(edge - 1));
    ASSERT_TRUE(at && below);
    EXPECT_EQ(at->score, edge);
    EXPECT_EQ(below->score, edge - 1);
    EXPECT_EQ(at->band, &bands[b]);
    EXPECT_EQ(below->band, &bands[b - 1]);
  }
}

TEST(SelfTest, OnlyWeakAnswersAreListedToWorkOn) {
  std::vector<int> chosen = AllAnswers(true);
  // Find a question with answers worth both kWeakPoints and kWeakPoints + 1.
  for (size_t i = 0; i < Questions().size(); ++i) {
    const Question& question = Questions()[i];
    int weak = -1, fair = -1;
    for (size_t k = 0; k < question.answers.size(); ++k) {
      if (question.answers[k].points == kWeakPoints) weak = static_cast<int>(k);
      if (question.answers[k].points == kWeakPoints + 1) fair = static_cast<int>(k);
    }
    if (weak < 0 || fair < 0) continue;
    chosen[i] = fair;
    EXPECT_TRUE(Evaluate(chosen)->work_on.empty());
    chosen[i] = weak;
    EXPECT_EQ(Evaluate(chosen)->work_on, std::vector<std::string>{question.trait});
    return;
  }
  FAIL() << "no question has both a weak and a fair answer";
}

TEST(SelfTest, IncompleteOrOutOfRangeAnswersAreNotScored) {
  const std::vector<int> best = AllAnswers(true);
  EXPECT_FALSE(Evaluate({}));
  std::vector<int> shorter(best.begin(), best.end() - 1);
  EXPECT_FALSE(Evaluate(shorter));
  std::vector<int> longer = best;
  longer.push_back(0);
  EXPECT_FALSE(Evaluate(longer));
  std::vector<int> gap = best;
  gap[3] = kUnanswered;
  EXPECT_FALSE(Evaluate(gap));
  std::vector<int> past = best;
  past.back() = static_cast<int>(Questions().back().answers.size());
  EXPECT_FALSE(Evaluate(past));
}

}  // namespace
}  // namespace selftest
