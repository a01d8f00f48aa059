// The Entrepreneur Self-Test: questions on the traits that go with running a small business
// well, their scoring and the reading of a score. No user interface here; the window in
// main.cpp shows what this file holds.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace selftest {

struct Answer {
  std::string text;
  int points = 0;  // 0 (weakest) to kBestPoints
};

struct Question {
  std::string trait;  // what the question looks at, named in the reading
  std::string text;
  std::vector<Answer> answers;
};

// A range of scores with its reading; a band runs from its minimum to the next band's.
struct Band {
  int minimum = 0;
  std::string title;
  std::string meaning;
};

struct Outcome {
  int score = 0;
  int maximum = 0;
  const Band* band = nullptr;
  std::vector<std::string> work_on;  // traits whose answer scored kWeakPoints or less
};

inline constexpr int kBestPoints = 3;
inline constexpr int kWeakPoints = 1;
inline constexpr int kUnanswered = -1;

const std::vector<Question>& Questions();
const std::vector<Band>& Bands();  // in rising order of minimum, the first at 0
int MaximumScore();

// The band a score falls in; scores below 0 or above the maximum fall in the end bands.
const Band& BandFor(int score);

// chosen[i] is the index of the answer given to question i. Empty unless every question
// has exactly one valid answer, so a half-filled test is never read as a low score.
std::optional<Outcome> Evaluate(const std::vector<int>& chosen);

// What the test cannot tell, shown with every result.
const std::string& Limits();

}  // namespace selftest
