#pragma once
// The five picture menus of topics (Tax Matters, Legal Matters, Employees, Accounting,
// Other Matters): a picture across the top and clickable topic labels below; a click
// opens the book at the topic and leaves the menu open.

#include <cstdint>
#include <string>
#include <vector>

#include "ui/Dialog.h"

namespace kvx {

struct App;

inline constexpr int kFirstMenu = 9;
inline constexpr int kLastMenu = 13;

struct MenuLabel {
  std::string text;
  Rect rect;
  std::uint32_t background = 0xFFFFFF;
  std::string address;    // the Chapter address a click opens
  bool byEntity = false;  // the address is decided at the click (income/franchise tax)
  int column = 0;         // the keyboard reads the labels column by column, from 0
};

struct MenuLayout {
  std::string name;     // "FORM9" ... "FORM13"
  std::string subject;  // the face of the main window's button ("Tax Matters")
  std::string title;
  int width = 0, height = 0;
  std::uint32_t background = 0xF0F0F0;
  std::string picture;  // bitmap resource
  Rect pictureRect;
  Rect closeRect;
  std::vector<Control> headings;  // plain labels that do not react
  std::vector<MenuLabel> labels;
};

// "State", the state's own name when it is shorter than 6 characters, "D.C." for DC.
std::string StateLabel(const std::string& stateName, const std::string& stateCode);

// The Tax Matters menu's income/franchise address for the edition and entity.
std::string IncomeFranchiseAddress(const std::string& generic, const std::string& entity);

// The layout of menu form (9 to 13) for a state.
MenuLayout BuildMenuLayout(int form, const std::string& stateName, const std::string& stateCode);

// A picture menu as a dialog, built from the current state on construction.
class PictureMenu : public Dialog {
 public:
  PictureMenu(App& app, int form);
  DialogView Describe() const override;
  void Click(int control) override;
  void Key(const std::string& key) override;
  void Close() override { finished_ = true; }
  bool Finished() const override { return finished_; }
  // The address a click on control would open now; empty when it opens nothing.
  std::string AddressOf(int control) const;
  const MenuLayout& Layout() const { return layout_; }

 private:
  struct Item {
    Control control;
    int label = -1;  // index into layout_.labels, -1 for other controls
    bool close = false;
  };
  App& app_;
  MenuLayout layout_;
  std::vector<Item> items_;  // in the order shown
  std::vector<int> focusOrder_;
  bool finished_ = false;
};

// Shows menu form (9 to 13) until the user closes it.
void RunPictureMenu(App& app, int form);

}  // namespace kvx
