#include "selftest/SelfTest.h"

#include <algorithm>

namespace selftest {

namespace {

// The best answer is not always first, so the test cannot be passed by pattern; a middle
// course scores best where going too far is as risky as not going far enough.
std::vector<Question> MakeQuestions() {
  return {
      {"Self-motivation",
       "When nobody tells you what to do next, how do you spend your working day?",
       {{"I set my own goals and get on with them.", 3},
        {"I get going once someone else gets things started.", 1},
        {"I find it hard to get much done without a boss or a deadline.", 0},
        {"I do well when I have a partner who keeps me on track.", 2}}},
      {"Persistence",
       "A plan you worked on for weeks fails. What do you usually do?",
       {{"Drop it and look for something that comes more easily.", 0},
        {"Work out why it failed, change it and try again.", 3},
        {"Try again the same way, harder.", 1},
        {"Put it aside for a while and come back to it later.", 2}}},
      {"Attitude to risk",
       "Which comes closest to how you take chances with money?",
       {{"I avoid any risk I can; I want to know what I will have.", 1},
        {"I take big chances; the bigger the risk, the bigger the reward.", 0},
        {"I take risks I have weighed, with a limit on what I can lose.", 3},
        {"I take some risks, but I seldom work out what is at stake.", 1}}},
      {"Living with uncertainty",
       "Your income could swing from month to month for the first year or two. How would "
       "you cope?",
       {{"I could live with it; I have planned for lean months.", 3},
        {"It would worry me, but I could manage for a while.", 2},
        {"I need a steady paycheck to get by.", 0}}},
      {"Energy and hours",
       "Starting a business often takes 50 to 60 hours a week for a long time. Are you "
       "willing?",
       {{"Yes, and I have worked hours like that before.", 3},
        {"Yes, for a few months, but not for long.", 1},
        {"I would rather keep to a normal working week.", 0},
        {"Yes, though I have not done it before.", 2}}},
      {"Health and stamina",
       "How would you describe your health and stamina?",
       {{"Good: I seldom miss work and keep going under pressure.", 3},
        {"Fair: I run out of steam in long, busy stretches.", 1},
        {"Average: I get tired, but I recover quickly.", 2},
        {"Poor: my health often limits what I can take on.", 0}}},
      {"Making decisions",
       "You must decide something important and not all the facts are in. What do you do?",
       {{"Put it off until I am certain.", 0},
        {"Gather what I can in the time I have, then decide.", 3},
        {"Decide at once on instinct.", 1},
        {"Ask someone else to decide for me.", 0}}},
      {"Planning and organisation",
       "How do you handle a large job with many parts?",
       {{"I make a plan, set the steps in order and keep track of them.", 3},
        {"I keep it in my head and deal with things as they come.", 1},
        {"I plan the main points and fill in details as I go.", 2},
        {"I tend to start on the parts I like and leave the rest.", 0}}},
      {"Money and records",
       "How comfortable are you with budgets, bookkeeping and reading financial statements?",
       {{"I avoid them; numbers are not for me.", 0},
        {"I manage my own budget but have never kept business books.", 1},
        {"I can do the basics and know when to call an accountant.", 2},
        {"I have kept books or read financial statements for a business.", 3}}},
      {"Knowing the trade",
       "How much have you worked in the kind of business you want to run?",
       {{"Several years, and I know its customers and suppliers.", 3},
        {"A year or two, or in a closely related field.", 2},
        {"Only as a customer or a hobby.", 1},
        {"None yet.", 0}}},
      {"Managing people",
       "Have you ever supervised other people at work?",
       {{"Yes, I have hired, trained or managed employees.", 3},
        {"I have led projects or volunteers, but not employees.", 2},
        {"No, but I plan to work alone at first.", 1},
        {"No, and I would rather not.", 0}}},
      {"Getting on with people",
       "How do you deal with difficult customers or colleagues?",
       {{"I lose patience and it shows.", 0},
        {"I listen, stay calm and look for a fair way out.", 3},
        {"I give them what they want to avoid trouble.", 1},
        {"I try to stay calm, though I do not always manage it.", 2}}},
      {"Leadership",
       "When a group needs to get something done, what part do you usually play?",
       {{"I get people organised and they usually follow.", 3},
        {"I take charge only when nobody else does.", 2},
        {"I prefer to do my part and let others lead.", 1},
        {"I stay out of it.", 0}}},
      {"Taking responsibility",
       "Something goes wrong on a job you were in charge of. What is your first reaction?",
       {{"Find out who caused it.", 0},
        {"Own the result, fix it and see that it does not happen again.", 3},
        {"Fix it quietly and move on.", 2},
        {"Explain that it was outside my control.", 0}}},
      {"Willingness to learn",
       "How do you fill gaps in what you know?",
       {{"I ask experts, take courses and read until I understand.", 3},
        {"I learn by trial and error.", 1},
        {"I look things up when a problem forces me to.", 2},
        {"I prefer to stick with what I already know.", 0}}},
      {"Support at home",
       "How do the people closest to you feel about your starting a business?",
       {{"They are behind me and know what it will ask of us.", 3},
        {"They are doubtful, but willing to give it a try.", 2},
        {"We have not talked about it yet.", 1},
        {"They are against it.", 0}}},
      {"Money to live on",
       "If the business paid you nothing at first, how long could you cover your living "
       "costs?",
       {{"Less than three months.", 0},
        {"Three to six months.", 1},
        {"Six to twelve months.", 2},
        {"More than a year, or another household income covers them.", 3}}},
      {"Handling pressure",
       "How do you usually work when several urgent problems land at once?",
       {{"I sort out what matters most and deal with it first.", 3},
        {"I get through it, but it wears me down.", 2},
        {"I freeze or try to do everything at once.", 0},
        {"I try to hand the problems to someone else.", 1}}},
      {"Reasons for starting",
       "What is the main reason you want your own business?",
       {{"To build something of my own and be my own boss.", 3},
        {"To use a skill or idea I know people will pay for.", 3},
        {"To get away from a job or boss I dislike.", 1},
        {"Because I expect it to make me rich quickly.", 0}}},
      {"Selling and networking",
       "How do you feel about promoting your business and asking people to buy?",
       {{"I enjoy it and I am good at meeting people.", 3},
        {"I can do it, though it does not come naturally.", 2},
        {"I would rather someone else did all the selling.", 1},
        {"I find it very uncomfortable and would avoid it.", 0}}},
  };
}

// Bands at about 40, 65 and 85 percent of the highest score.
std::vector<Band> MakeBands() {
  return {
      {0, "Think it through before you start",
       "Many of your answers point to parts of running a business that do not suit you yet "
       "or that you have not had a chance to learn. That is worth knowing before you put "
       "money and years into a business. Look at the traits listed below: some can be "
       "learned, some can be covered by a partner or an adviser, and some may tell you that "
       "working for yourself is not the right step just now."},
      {24, "Some strengths, some real gaps",
       "You have several of the qualities that help an owner, and some clear gaps. Before "
       "you start, plan how you will deal with the traits listed below: training, "
       "experience in the trade, a partner with the strengths you lack, or advisers such as "
       "an accountant and a mentor from a small business development center."},
      {39, "A good foundation",
       "Your answers show most of the traits that help owners of small businesses: drive, "
       "planning and a sensible view of risk. Work on the traits listed below, if any, and "
       "test your idea with a written business plan before you commit."},
      {51, "A strong fit for running a business",
       "Your answers match the traits found again and again in owners who run small "
       "businesses well. That is a good start, not a guarantee: success now depends on the "
       "idea, the market, your capital and your plan. Write the plan and check its numbers "
       "with an accountant."},
  };
}

}  // namespace

const std::vector<Question>& Questions() {
  static const std::vector<Question> questions = MakeQuestions();
  return questions;
}

const std::vector<Band>& Bands() {
  static const std::vector<Band> bands = MakeBands();
  return bands;
}

int MaximumScore() {
  int total = 0;
  for (const Question& question : Questions()) {
    int best = 0;
    for (const Answer& answer : question.answers) best = std::max(best, answer.points);
    total += best;
  }
  return total;
}

const Band& BandFor(int score) {
  const std::vector<Band>& bands = Bands();
  const Band* found = &bands.front();
  for (const Band& band : bands) {
    if (score >= band.minimum) found = &band;
  }
  return *found;
}

std::optional<Outcome> Evaluate(const std::vector<int>& chosen) {
  const std::vector<Question>& questions = Questions();
  if (chosen.size() != questions.size()) return std::nullopt;
  Outcome outcome;
  outcome.maximum = MaximumScore();
  for (size_t i = 0; i < questions.size(); ++i) {
    const std::vector<Answer>& answers = questions[i].answers;
    if (chosen[i] < 0 || static_cast<size_t>(chosen[i]) >= answers.size()) return std::nullopt;
    const int points = answers[static_cast<size_t>(chosen[i])].points;
    outcome.score += points;
    if (points <= kWeakPoints) outcome.work_on.push_back(questions[i].trait);
  }
  outcome.band = &BandFor(outcome.score);
  return outcome;
}

const std::string& Limits() {
  static const std::string text =
      "What the score does not mean: this is a guide to think with, not a prediction. No "
      "questionnaire can tell whether a particular business will succeed; the idea, the "
      "market, timing, capital and plain luck matter at least as much as the owner. The "
      "answers are your own view of yourself, so the result is only as accurate as they "
      "are. A low score is not a reason never to start, and a high score is no promise "
      "of success. Talk the result over with someone who knows you and your trade.";
  return text;
}

}  // namespace selftest
