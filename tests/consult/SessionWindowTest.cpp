// The consulting command, the topic choice (FORM6), the session window (FORM5) in each
// of its modes, screen help and the printed transcript.

#include <gtest/gtest.h>

#include <sstream>

#include "consult/SessionWindow.h"
#include "consult/TopicChoice.h"
#include "consult/Transcript.h"
#include "tests/consult/ConsultFixture.h"

namespace kvx::test {
namespace {

const std::string kForm5 =
    "== DIALOG FORM5\ntitle: Zuvaz Evaduvor Avezizevuz - Consulting Session\n"
    "label: Subject: Title 1\nbox:\n  Question one?\n  \n";

std::string Window(const std::string& mode, int maxChoice, const std::string& answers,
                   std::string* answer = nullptr) {
  Consulting c(answers);
  c.s().AnswerMode = mode;
  c.s().MaxChoice = maxChoice;
  c.s().ScreenText = "Question one?\r\n";
  c.t.Run([](App& app) { ShowSessionWindow(app); });
  if (answer) *answer = c.s().Answer;
  return c.t.Output();
}

TEST(SessionWindow, EachModeShowsItsControls) {
  std::string answer;
  EXPECT_EQ(kForm5 +
                "button: &YES\nbutton: &NO\nbutton: &CLOSE\nbutton: &HELP\n\n"
                "== CLOSED FORM5\n\n",
            Window("YN", 0, "click NO\n", &answer));
  EXPECT_EQ("No", answer);
  EXPECT_EQ(kForm5 +
                "label: Enter number (1 to 3) here -->\nfield: 1\nbutton: &ENTER [default]\n"
                "button: &YES [disabled]\nbutton: &NO [disabled]\nbutton: &CLOSE\n"
                "button: &HELP\n\n== CLOSED FORM5\n\n",
            Window("NUM", 3, "click ENTER\n", &answer));
  EXPECT_EQ("1", answer);
  EXPECT_EQ(kForm5 +
                "button: &YES [disabled]\nbutton: &PRINT\nbutton: &CLOSE\nbutton: &HELP\n\n"
                "== CLOSED FORM5\n\n",
            Window("DONE", 0, "click CLOSE\n", &answer));
  EXPECT_EQ("QUIT", answer);
  // What a mode disables or hides cannot be used.
  EXPECT_NE(std::string::npos, Window("NUM", 3, "click YES\n").find("== BAD click YES"));
  EXPECT_NE(std::string::npos, Window("YN", 0, "type 2\n").find("== BAD type 2"));
  EXPECT_NE(std::string::npos, Window("DONE", 0, "click YES\n").find("== BAD click YES"));
}

TEST(SessionWindow, NumberFieldTakesDigitsAndThePromptNamesTheLargest) {
  std::string answer;
  const std::string out = Window("NUM", 12, "type 1a1\nclick ENTER\n", &answer);
  EXPECT_NE(std::string::npos, out.find("label: Enter number (1 to 12) here -->\nfield: 11\n"));
  EXPECT_EQ("11", answer);
  EXPECT_NE(std::string::npos,
            Window("NUM", 2, "click ENTER\n").find("label: Enter number (1 to 2) here -->\n"));
  // More digits than any number holds is out of range, not a crash or a wrapped value.
  const std::string huge =
      Window("NUM", 3, "type 99999999999999999999\nclick ENTER\nclose\n", &answer);
  EXPECT_NE(std::string::npos, huge.find("Number entered is out of range (1 to 3)"));
  EXPECT_EQ("QUIT", answer);
  Window("YN", 0, "click YES\n", &answer);
  EXPECT_EQ("Yes", answer);
}

TEST(ScreenHelp, FindsTheBlockOfTheScreensQuestion) {
  const std::vector<std::string> help = {"",       "@H\\01", "  one  ", "",       "@H\\12",
                                         "twelve", "@H\\03", "@END",    "@H\\04", "four"};
  EXPECT_EQ("one\r\r", HelpText(help, 1));
  EXPECT_EQ("twelve\r", HelpText(help, 12));
  EXPECT_EQ("", HelpText(help, 3));  // a marker with nothing under it
  EXPECT_EQ("", HelpText(help, 4));  // past the end of the section
  std::vector<std::string> far(600, "text");
  far[498] = "@H\\05";
  far[499] = "seen";
  far[550] = "@H\\06";
  EXPECT_EQ("seen\r", HelpText(far, 5));  // lines up to 499 are searched, and no further
  EXPECT_EQ("", HelpText(far, 6));
}

ConsultState Numbered(int count, bool firstEmpty) {
  ConsultState s;
  s.ConsultCompany = "Acme Widgets";
  s.TranscriptLines.assign(1, " " + std::to_string(count));
  for (int i = 1; i <= count; ++i)
    s.TranscriptLines.push_back(i == 1 && firstEmpty ? "" : "L" + std::to_string(i));
  return s;
}

TEST(PrintTranscript, PagesOfFortySevenLinesUnderTheHeading) {
  const PrintJob job = TranscriptPrintJob(Numbered(100, true));
  EXPECT_EQ("Corvanta Print Job", job.name);
  EXPECT_TRUE(job.firstLineIsHeading);
  ASSERT_EQ(3u, job.pages.size());
  const std::string margin(25, ' ');
  EXPECT_EQ("CONSULTING SESSION FOR: Acme Widgets", job.pages[0][0]);
  EXPECT_EQ(1u + 47u, job.pages[0].size());
  EXPECT_EQ(margin, job.pages[0][1]);
  EXPECT_EQ(margin + "L47", job.pages[0].back());
  EXPECT_EQ((std::vector<std::string>{"", "", "", margin + "L48"}),
            std::vector<std::string>(job.pages[1].begin(), job.pages[1].begin() + 4));
  EXPECT_EQ(3u + 47u, job.pages[1].size());
  EXPECT_EQ(margin + "L94", job.pages[1].back());
  EXPECT_EQ(3u + 6u, job.pages[2].size());
  EXPECT_EQ(margin + "L95", job.pages[2][3]);
  // A first line that is not empty gets an empty line before it.
  const PrintJob full = TranscriptPrintJob(Numbered(47, false));
  ASSERT_EQ(1u, full.pages.size());
  EXPECT_EQ("", full.pages[0][1]);
  EXPECT_EQ(margin + "L1", full.pages[0][2]);
  EXPECT_EQ(2u, TranscriptPrintJob(Numbered(48, true)).pages.size());
}

TEST(PrintTranscript, AsksFirstAndNeedsAPrinter) {
  Consulting yes("click PRINT\nYes\nclick PRINT\nNo\nclick CLOSE\n");
  yes.s() = Numbered(2, true);
  yes.s().AnswerMode = "DONE";
  yes.t.Run([](App& app) { ShowSessionWindow(app); });
  const std::string out = yes.t.Output();
  EXPECT_NE(std::string::npos,
            out.find("== MESSAGE\ntitle: Corvanta\nicon: question\nbuttons: Yes No Cancel\n"
                     "default: No\ntext: Are you ready to print the contents of the consulting "
                     "session now?\n\n"));
  const std::string indent(2 + 25, ' ');
  EXPECT_NE(std::string::npos, out.find("== PRINT\njob: Corvanta Print Job\npage 1\n"
                                        "  CONSULTING SESSION FOR: Acme Widgets\n" +
                                        indent + "\n" + indent + "L2\n\n"));
  EXPECT_EQ(1, Count(out, "== PRINT"));
  EXPECT_EQ(3, Count(out, "== DIALOG FORM5"));  // the window stays after printing

  std::istringstream in("OK\nNo\n");
  std::ostringstream shown;
  Script script(in, shown);
  AutomationUi ui(script);
  AutomationSystem noPrinter(script, true);
  App app(ui, noPrinter);
  PrintTranscript(app);
  EXPECT_EQ(0u, shown.str().find("== MESSAGE\ntitle: Corvanta\nicon: stop\nbuttons: OK\n"
                                 "default: OK\ntext: Default printer not found (or is turned "
                                 "off)\n\n== MESSAGE\n"));
  EXPECT_EQ(0, Count(shown.str(), "== PRINT"));
}

TEST(PrintTranscript, WithoutAPrinterTheSamePagesMayGoToAPdfFile) {
  const std::string pages = "page 1\n  CONSULTING SESSION FOR: Acme & Sons\n" +
                            std::string(2 + 25, ' ') + "\n" + std::string(2 + 25, ' ') + "L2\n";
  for (const char* answer : {"Yes", "No"}) {
    Consulting c(std::string("click PRINT\nOK\n") + answer + "\nclick CLOSE\n", 1, "Acme & Sons");
    c.s() = Numbered(2, true);
    c.s().ConsultCompany = "Acme & Sons";
    c.s().AnswerMode = "DONE";
    c.t.system.SetPrinterMissing(true);
    c.t.system.now = LocalTime{2026, 11, 4, 17, 8, 9};
    c.t.Run([](App& app) { ShowSessionWindow(app); });
    const std::string out = c.t.Output();
    const std::string path = c.t.dir() + "docs/KVXDOCS/TRANSCRIPT-20261104-170809.pdf";
    EXPECT_EQ(path, TranscriptPdfPath(c.t.app));
    const std::string offer =
        "== MESSAGE\ntitle: Corvanta\nicon: stop\nbuttons: OK\ndefault: OK\n"
        "text: Default printer not found (or is turned off)\n\n"
        "== MESSAGE\ntitle: Corvanta\nicon: question\nbuttons: Yes No\ndefault: Yes\n"
        "text:\n  Save the transcript as a PDF file instead?\n  \n  " +
        path + "\n\n";
    EXPECT_NE(std::string::npos, out.find(offer)) << out;
    const std::string saved = "== PRINT\njob: Corvanta Print Job\nfile: " + path + "\n" + pages +
                              "\n== QUICK\ntext: Transcript saved as " + path + "\n\n";
    EXPECT_EQ(answer == std::string("Yes") ? 1 : 0, Count(out, saved)) << out;
    EXPECT_EQ(answer == std::string("Yes") ? 1 : 0, Count(out, "== PRINT")) << answer;
    EXPECT_EQ(0, Count(out, "Are you ready to print"));
    EXPECT_EQ(2, Count(out, "== DIALOG FORM5")) << "the window stays";
  }
}

const char* const kForm6 =
    "== DIALOG FORM6\ntitle: Select Consulting Topic for Acme Widgets\n"
    "label: Select a tax consulting topic and click on the 'OK' button to begin the interview "
    "session:\ngroup: Topics\n"
    "option: Can I deduct office-in-home expenses incurred in my business?\n"
    "option: Can my company elect to become an S corporation?\n"
    "option: Can my business elect a fiscal year for income tax purposes?\n"
    "option: Can I incorporate my business in a tax-free transaction?\n"
    "option: Is my firm a 'Personal Service Corporation' for income tax purposes?\n"
    "option: Are my business losses subject to the passive loss restrictions?\n"
    "option: Is my firm potentially subject to the personal holding company tax?\n"
    "option: Calculate federal corporation income tax\n"
    "button: &OK [default]\nbutton: &CANCEL\n\n";

TEST(TopicChoice, OptionsOkAndCancel) {
  Consulting c("click OK\nclick Can my company elect to become an S corporation?\nclick ok\n");
  c.t.Run([](App& app) {
    TopicChoice choice(app);
    app.ui.RunDialog(choice);
  });
  const std::string out = c.t.Output();
  EXPECT_EQ(0u, out.find(kForm6));
  EXPECT_NE(std::string::npos,
            out.find("== QUICK\ntext: You need to click on an consulting topic to select it, "
                     "then click on this 'OK' button to begin the interview.\n\n"));
  EXPECT_NE(std::string::npos,
            out.find("option: Can my company elect to become an S corporation? [checked]\n"));
  EXPECT_EQ(2, c.s().ConsultTopic);

  Consulting cancel("click Calculate federal corporation income tax\nclick CANCEL\n");
  cancel.t.Run([](App& app) {
    TopicChoice choice(app);
    app.ui.RunDialog(choice);
  });
  EXPECT_EQ(0, cancel.s().ConsultTopic);
}

TEST(ConsultingCommand, AsksTheCompanyAndLoopsOverTopics) {
  // A name of 40 characters is cut to 30; the close box keeps the option last clicked.
  Consulting c(
      "=  Acme Widgets International Holdings Co  \n"
      "click Can I deduct office-in-home expenses incurred in my business?\nclose\n"
      "click Calculate federal corporation income tax\nclick OK\n=100000\nOK\n"
      "click CANCEL\n");
  c.t.app.profile.Company = "Acme Pizza Parlor";
  EXPECT_EQ(0, c.t.Run([](App& app) { ConsultingCommand(app); }));
  const std::string out = c.t.Output();
  EXPECT_EQ(0u, out.find("== HIDE MainWindow\n\n== INPUT\ntitle: Name of Business\n"
                         "default: Acme Pizza Parlor\nprompt: Enter the name of the company which "
                         "will be the subject of this consulting session (change below, if not "
                         "Acme Pizza Parlor.)\n\n"));
  EXPECT_EQ("Acme Widgets International Hol", c.s().ConsultCompany);
  EXPECT_EQ("Can Acme Widgets International Hol Claim Home Office Deductions?",
            c.s().SessionTitle[1]);
  EXPECT_EQ("Is Acme Widgets International Hol a Personal Holding Company?", c.s().SessionTitle[7]);
  // Topic 1 ran (its script is missing here), then the calculator, then Cancel.
  EXPECT_NE(std::string::npos, out.find("(Diagnostic:  Unable to find file: "));
  // The calculator's result, under the schedule of the edition's tax year.
  const std::string year = std::to_string(EditionYear());
  EXPECT_NE(std::string::npos,
            out.find(EditionYear() <= 2017 ? "on taxable income of $100,000 is:\n  \n  $22,250\n"
                                           : "on taxable income of $100,000 for tax year " + year +
                                                 " is:\n  \n  $21,000\n"))
      << out;
  EXPECT_EQ(3, Count(out, "== CLOSED FORM6"));
  EXPECT_EQ(out.size() - 20, out.rfind("== SHOW MainWindow\n\n"));
}

TEST(ConsultingCommand, APromptShowsTheCompanysAmpersandAsTyped) {
  Consulting c("cancel\n");
  c.t.app.profile.Company = "Cedar & Pine Coffee";
  c.t.Run([](App& app) { ConsultingCommand(app); });
  EXPECT_NE(std::string::npos,
            c.t.Output().find("default: Cedar & Pine Coffee\nprompt: Enter the name of the company "
                              "which will be the subject of this consulting session (change "
                              "below, if not Cedar && Pine Coffee.)\n"));
}

TEST(ConsultingCommand, GenericEditionAndNoName) {
  Consulting generic("=\n");
  generic.t.app.session.Generic = "Y";
  generic.t.app.profile.Company = "Acme Pizza Parlor";
  generic.t.Run([](App& app) { ConsultingCommand(app); });
  EXPECT_NE(std::string::npos,
            generic.t.Output().find("default: \nprompt: Enter the name of the company which "
                                    "will be the subject of this consulting session.\n\n"));
  EXPECT_NE(std::string::npos,
            generic.t.Output().find("== QUICK\ntext: No company name entered. Canceling interview "
                                    "session.\n\n== SHOW MainWindow\n\n"));
  Consulting cancelled("cancel\n");
  cancelled.t.Run([](App& app) { ConsultingCommand(app); });
  EXPECT_NE(std::string::npos, cancelled.t.Output().find("No company name entered."));
  EXPECT_EQ(0, Count(cancelled.t.Output(), "FORM6"));
}

TEST(ConsultingCommand, NamesAreCutBetweenCharacters) {
  std::string accents;
  for (int i = 0; i < 40; ++i) accents += "\xC3\xA9";
  EXPECT_EQ(accents.substr(0, 60), FirstCharacters(accents, 30));
  EXPECT_EQ("abc", FirstCharacters("abc", 30));
}

}  // namespace
}  // namespace kvx::test
