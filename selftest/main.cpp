// selftest: the Entrepreneur Self-Test that the main window starts and waits for. One
// question a page, then the score and its reading. Nothing is written anywhere.
//
//   selftest [--grab FILE [--page N]]
//
// --grab saves a picture of the window (page N: 0 the introduction, 1 to the number of
// questions a question, one more the result, earlier questions answered) and exits; it is
// how the window's look is checked without a person at the screen.

#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "selftest/SelfTest.h"

namespace {

const char* const kNavy = "#1F3A68";

QString Html(const std::string& text) {
  return QString::fromStdString(text).toHtmlEscaped();
}

class SelfTestWindow : public QDialog {
 public:
  SelfTestWindow() : chosen_(selftest::Questions().size(), selftest::kUnanswered) {
    setWindowTitle("Entrepreneur Self-Test");
    QIcon icon;
    for (int size : {16, 32, 48, 256}) icon.addFile(QString(":/icons/PROGRAM_%1.png").arg(size));
    setWindowIcon(icon);
    resize(640, 460);

    auto* layout = new QVBoxLayout(this);
    title_ = new QLabel;
    title_->setStyleSheet(QString("font-size: 15pt; font-weight: bold; color: %1;").arg(kNavy));
    layout->addWidget(title_);
    progress_ = new QProgressBar;
    progress_->setRange(0, static_cast<int>(chosen_.size()));
    progress_->setTextVisible(false);
    progress_->setMaximumHeight(8);
    layout->addWidget(progress_);

    pages_ = new QStackedWidget;
    pages_->addWidget(MakeIntroduction());
    for (size_t i = 0; i < chosen_.size(); ++i) pages_->addWidget(MakeQuestionPage(i));
    result_ = new QTextBrowser;
    result_->setOpenLinks(false);
    pages_->addWidget(result_);
    layout->addWidget(pages_, 1);

    auto* buttons = new QHBoxLayout;
    restart_ = AddButton(buttons, "&Start Over", [this] { Restart(); });
    buttons->addStretch(1);
    back_ = AddButton(buttons, "&Back", [this] { Show(pages_->currentIndex() - 1); });
    next_ = AddButton(buttons, "&Next", [this] { Show(pages_->currentIndex() + 1); });
    close_ = AddButton(buttons, "&Close", [this] { reject(); });
    next_->setDefault(true);
    layout->addLayout(buttons);

    // Keys 1 to 9 choose an answer on a question page, so the test runs from the keyboard
    // alone: a digit, then Enter.
    for (int key = 1; key <= 9; ++key) {
      auto* shortcut = new QShortcut(QKeySequence(Qt::Key_0 + key), this);
      connect(shortcut, &QShortcut::activated, this, [this, key] { Choose(key - 1); });
    }
    Show(0);
  }

  // Answers the questions before `page` in a fixed varied pattern, then shows it.
  void ShowFilled(int page) {
    const auto& questions = selftest::Questions();
    for (size_t i = 0; i < chosen_.size() && static_cast<int>(i) < page - 1; ++i) {
      chosen_[i] = static_cast<int>((i * 3 + 1) % questions[i].answers.size());
      groups_[i]->button(chosen_[i])->setChecked(true);
    }
    Show(page);
  }

 private:
  template <typename Action>
  QPushButton* AddButton(QHBoxLayout* row, const QString& text, Action action) {
    auto* button = new QPushButton(text);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, action);
    row->addWidget(button);
    return button;
  }

  QWidget* MakeIntroduction() {
    auto* text = new QLabel(
        QString("<p>These %1 questions look at the traits that tend to go with running a "
                "small business well: drive and persistence, a sensible view of risk, "
                "planning, handling money and people, and the support you will have.</p>"
                "<p>For each question, choose the answer closest to what you really do, not "
                "what you think you ought to do. It takes about five minutes. Your answers "
                "are not saved anywhere; they are gone when you close this window.</p>"
                "<p>Keyboard: the keys 1 to 4 choose an answer, Enter goes on, Alt+B goes "
                "back, Esc closes.</p>")
            .arg(chosen_.size()));
    text->setWordWrap(true);
    auto* page = new QWidget;  // margins as on the question pages
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(text);
    layout->addStretch(1);
    return page;
  }

  QWidget* MakeQuestionPage(size_t index) {
    const selftest::Question& question = selftest::Questions()[index];
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* text = new QLabel(QString::fromStdString(question.text));
    text->setWordWrap(true);
    text->setStyleSheet("font-size: 12pt; font-weight: bold;");
    layout->addWidget(text);
    layout->addSpacing(8);
    auto* group = new QButtonGroup(page);
    for (size_t k = 0; k < question.answers.size(); ++k) {
      // "&1" makes Alt+1 work too; the label shows the number the plain key uses.
      auto* option = new QRadioButton(
          QString("&%1   %2").arg(k + 1).arg(QString::fromStdString(question.answers[k].text)));
      group->addButton(option, static_cast<int>(k));
      layout->addWidget(option);
    }
    connect(group, &QButtonGroup::idClicked, this, [this, index](int id) {
      chosen_[index] = id;
      UpdateButtons();
    });
    groups_.push_back(group);
    layout->addStretch(1);
    return page;
  }

  int QuestionCount() const { return static_cast<int>(chosen_.size()); }

  void Choose(int answer) {
    const int page = pages_->currentIndex();
    if (page < 1 || page > QuestionCount()) return;
    QAbstractButton* option = groups_[static_cast<size_t>(page - 1)]->button(answer);
    if (option == nullptr) return;
    option->setChecked(true);
    option->setFocus();
    chosen_[static_cast<size_t>(page - 1)] = answer;
    UpdateButtons();
  }

  void Restart() {
    for (size_t i = 0; i < chosen_.size(); ++i) {
      chosen_[i] = selftest::kUnanswered;
      // An exclusive group will not uncheck its last button, so let go of it for a moment.
      groups_[i]->setExclusive(false);
      if (groups_[i]->checkedButton() != nullptr) groups_[i]->checkedButton()->setChecked(false);
      groups_[i]->setExclusive(true);
    }
    Show(1);
  }

  void Show(int page) {
    page = std::clamp(page, 0, QuestionCount() + 1);
    if (page == QuestionCount() + 1) ShowResult();
    pages_->setCurrentIndex(page);
    if (page == 0) {
      title_->setText("Entrepreneur Self-Test");
    } else if (page <= QuestionCount()) {
      const auto& question = selftest::Questions()[static_cast<size_t>(page - 1)];
      title_->setText(QString("Question %1 of %2: %3")
                          .arg(page)
                          .arg(QuestionCount())
                          .arg(QString::fromStdString(question.trait)));
      QButtonGroup* group = groups_[static_cast<size_t>(page - 1)];
      QAbstractButton* focus =
          group->checkedButton() != nullptr ? group->checkedButton() : group->buttons().front();
      focus->setFocus();
    } else {
      title_->setText("Your result");
      result_->setFocus();
    }
    UpdateButtons();
  }

  void UpdateButtons() {
    const int page = pages_->currentIndex();
    const bool on_result = page == QuestionCount() + 1;
    int answered = 0;
    for (int choice : chosen_) answered += choice != selftest::kUnanswered ? 1 : 0;
    progress_->setValue(answered);
    back_->setEnabled(page > 0);
    next_->setVisible(!on_result);
    next_->setText(page == 0 ? "&Begin" : page == QuestionCount() ? "See the &Result" : "&Next");
    next_->setEnabled(page == 0 ||
                      (page <= QuestionCount() &&
                       chosen_[static_cast<size_t>(page - 1)] != selftest::kUnanswered));
    next_->setDefault(!on_result);
    close_->setDefault(on_result);
    restart_->setVisible(on_result);
  }

  void ShowResult() {
    const std::optional<selftest::Outcome> outcome = selftest::Evaluate(chosen_);
    if (!outcome) {
      // Next needs an answer on every page, so this is a safeguard: never score a gap.
      result_->setHtml("<p>Please answer every question to see your result.</p>");
      return;
    }
    QString html = QString("<h2 style='color:%1'>%2 of %3 points: %4</h2><p>%5</p>")
                       .arg(kNavy)
                       .arg(outcome->score)
                       .arg(outcome->maximum)
                       .arg(Html(outcome->band->title), Html(outcome->band->meaning));
    // What the score cannot tell comes before the list, where it is read, not scrolled past.
    html += "<p><i>" + Html(selftest::Limits()) + "</i></p>";
    if (!outcome->work_on.empty()) {
      html += "<p><b>Traits to work on or to cover with help:</b></p><ul>";
      for (const std::string& trait : outcome->work_on) html += "<li>" + Html(trait) + "</li>";
      html += "</ul>";
    }
    result_->setHtml(html);
  }

  std::vector<int> chosen_;
  std::vector<QButtonGroup*> groups_;
  QLabel* title_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  QTextBrowser* result_ = nullptr;
  QPushButton* restart_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* next_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const QStringList arguments = application.arguments();
  SelfTestWindow window;
  const qsizetype grab = arguments.indexOf("--grab");
  if (grab > 0 && grab + 1 < arguments.size()) {
    const qsizetype page = arguments.indexOf("--page");
    window.ShowFilled(page > 0 && page + 1 < arguments.size() ? arguments[page + 1].toInt() : 0);
    window.show();
    const QString file = arguments[grab + 1];
    QTimer::singleShot(200, &window,
                       [&window, file] { QApplication::exit(window.grab().save(file) ? 0 : 1); });
    return application.exec();
  }
  window.exec();
  return 0;
}
