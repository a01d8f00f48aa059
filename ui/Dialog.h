#pragma once
// A dialog of the program: a plain object that holds its state, describes what it shows
// and reacts to events. The Qt front end renders the description at its sizes and the
// automation front end prints it; both forward the user's actions here.

#include <cstdint>
#include <string>
#include <vector>

namespace kvx {

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;  // dialog units
};

struct Control {
  enum class Kind { Label, Picture, Button, Option, Field, List, Menu, Group };
  Kind kind = Kind::Label;
  std::string text;  // caption, label text, field text, picture resource, menu caption
  Rect rect;
  bool enabled = true;
  bool isDefault = false;
  bool checked = false;
  bool clickable = false;         // labels and pictures that report clicks
  std::vector<std::string> rows;  // list rows
  int selected = -1;              // selected row, from 0; -1 for none
  int menuId = 0;
  std::uint32_t foreground = 0x000000;  // RGB
  std::uint32_t background = 0xFFFFFF;
  int fontPoints = 0;  // 0: the dialog font
  bool bold = false;
};

struct DialogView {
  std::string name;  // the name automation scripts know it by
  std::string title;
  int width = 0, height = 0;  // dialog units
  std::uint32_t background = 0xF0F0F0;
  std::vector<Control> controls;  // in the order shown: top to bottom, left to right
};

class Dialog {
 public:
  virtual ~Dialog() = default;
  virtual DialogView Describe() const = 0;
  // Events name a control by its index in Describe().controls.
  virtual void Click(int /*control*/) {}
  virtual void Select(int /*control*/, int /*row*/) {}
  virtual void DoubleClick(int control, int row) { Select(control, row); }
  virtual void Type(int /*control*/, const std::string& /*text*/) {}
  virtual void Menu(int /*id*/) {}
  virtual void Key(const std::string& /*key*/) {}
  virtual void Close() = 0;
  virtual bool Finished() const = 0;
};

}  // namespace kvx
