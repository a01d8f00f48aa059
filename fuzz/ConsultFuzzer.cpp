// A consultation script and the user's answers from arbitrary bytes: the first byte picks
// the topic, the bytes up to the first zero byte are the script file, the rest answer
// every box and window. Reading, playing, helping, printing and checking a script must
// never crash or hang, whatever the script and whatever the user does. The tax
// calculator's reading of an amount gets the same bytes.

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "consult/ScriptCheck.h"
#include "consult/ScriptInterpreter.h"
#include "consult/ScriptReader.h"
#include "consult/TaxCalculator.h"
#include "fuzz/FuzzApp.h"

namespace {

class AnsweringUi : public kvx::Ui {
 public:
  AnsweringUi(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {
    reportError = [](int, const std::string&, const std::string&) {};
  }
  kvx::Button ShowMessage(const kvx::MessageBox& box) override {
    const unsigned pick = Next();
    for (kvx::Button b : {kvx::kYes, kvx::kNo, kvx::kCancel, kvx::kOk})
      if ((box.buttons & b) && (pick & b)) return b;
    return box.defaultButton;
  }
  std::optional<std::string> Input(const std::string&, const std::string&,
                                   const std::string&) override {
    return std::nullopt;
  }
  void RunDialog(kvx::Dialog& dialog) override {
    while (!dialog.Finished()) {
      if (at_ >= size_) {
        dialog.Close();
        continue;
      }
      const kvx::DialogView view = dialog.Describe();
      const unsigned action = Next(), which = Next();
      const int count = static_cast<int>(view.controls.size());
      Deliver(view.name, [&] {
        switch (action % 6) {
          case 0:
          case 1: {
            const int i = count ? static_cast<int>(which % static_cast<unsigned>(count)) : 0;
            if (count && view.controls[static_cast<std::size_t>(i)].visible &&
                view.controls[static_cast<std::size_t>(i)].enabled)
              dialog.Click(i);
            break;
          }
          case 2:
            for (int i = 0; i < count; ++i)
              if (view.controls[static_cast<std::size_t>(i)].kind == kvx::Control::Kind::Field)
                dialog.Type(i, std::to_string(which % 12) + (which > 200 ? "9999999999" : ""));
            break;
          case 3:
            dialog.Key("F1");
            break;
          case 4:
            dialog.Key("Enter");
            break;
          default:
            dialog.Close();
        }
      });
    }
  }
  void HideMainWindow(const std::string&) override {}
  void ShowMainWindow(const std::string&) override {}

 private:
  unsigned Next() { return at_ < size_ ? data_[at_++] : 0; }
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

class PrintingSystem : public kvx::fuzz::QuietSystem {
 public:
  bool HasDefaultPrinter() override { return true; }
  bool Print(const kvx::PrintJob& job) override { return !job.pages.empty(); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int topic = 1 + data[0] % 7;
  const std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::size_t zero = rest.find('\0');
  const std::string script = rest.substr(0, zero);
  const std::size_t answers = zero == std::string::npos ? size : zero + 2;

  static kvx::fuzz::FuzzApp folder;  // a program folder for this process
  AnsweringUi ui(data + answers, size > answers ? size - answers : 0);
  PrintingSystem system;
  kvx::App app(ui, system);
  app.session.PathSpec = folder.app.session.PathSpec;
  const std::string file = app.Path(kvx::ScriptFileName(topic));
  std::ofstream(file, std::ios::binary | std::ios::trunc) << script;

  app.consult.ConsultTopic = topic;
  app.consult.ConsultCompany = "Fuzz |CONAME| Co";
  kvx::Consult(app);
  kvx::CheckScript(file, topic);

  if (const auto income = kvx::TaxableIncome(script)) {
    for (const kvx::TaxSchedule& schedule : kvx::CorporateTaxTable()) {
      kvx::ScheduleTax(schedule, *income);
      kvx::PersonalServiceTax(schedule, *income);
    }
    kvx::WithCommas(*income);
  }
  return 0;
}
