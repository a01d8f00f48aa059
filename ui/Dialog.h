#pragma once
// A dialog of the program: a plain object that holds its state, describes what it shows
// and reacts to events. The Qt front end renders the description at its sizes and the
// automation front end prints it; both forward the user's actions here.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kvx {

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;  // dialog units
};

struct Control {
  enum class Kind {
    Label,    // text, possibly of several lines; clickable labels report clicks
    Picture,  // a bitmap resource, by name
    Button,
    Option,    // an option (radio) button
    Field,     // an editable text field
    List,      // a list box
    DropDown,  // a drop-down list that cannot be edited; automation writes it as a list
    Box,       // a read-only text box of several lines
    Menu,      // one item of the main window's menu bar
    Group,     // a frame with a caption; the controls inside it follow
  };
  Kind kind = Kind::Label;
  std::string text;  // caption, label text, field text, picture resource, menu caption
  Rect rect;
  bool enabled = true;
  bool visible = true;  // hidden controls keep their place in the list but are not shown
  bool isDefault = false;
  bool cancels = false;  // the button Escape presses (a dialog's Cancel)
  bool checked = false;
  bool clickable = false;   // labels and pictures that report clicks
  bool framed = false;      // labels drawn with a thin frame
  bool literal = false;     // labels whose "&" is shown as it is, never an access key
  bool digitsOnly = false;  // fields that take digits only
  bool multiLine = false;   // fields of several lines
  // Has the keyboard focus when the window opens; a field also whenever the dialog
  // changes its text, with the text selected so that typing replaces it.
  bool focus = false;
  std::vector<std::string> rows;  // list rows, exactly as the dialog holds them
  // What a window shows for each row when it differs from the row itself (for example
  // rows that carry a code after their name); empty means the rows as they are.
  std::vector<std::string> shownRows;
  int selected = -1;  // selected row, from 0; -1 for none
  int menuId = 0;
  std::string menu;      // the menu an item belongs to ("&File"); a caption "-" is a separator
  std::string shortcut;  // a menu item's key ("Ctrl+N"), shown beside its caption
  std::uint32_t foreground = 0x000000;  // RGB
  // None: labels and groups show the window's own background, boxes are white.
  std::optional<std::uint32_t> background;
  int fontPoints = 0;  // 0: the dialog font
  bool bold = false;
  bool centred = false;  // label text centred in its frame
};

struct DialogView {
  std::string name;  // the name automation scripts know it by
  std::string title;
  int width = 0, height = 0;  // dialog units; windows are never resized
  std::uint32_t background = 0xF0F0F0;
  std::string icon = "PROGRAM";  // the window's icon resource
  bool minimizeBox = false;
  std::vector<Control> controls;  // in the order shown: top to bottom, left to right
  // The controls the keyboard visits, by index, in reading order (Tab and the arrow keys);
  // empty: in the order of controls. Controls that take the focus but are not listed
  // follow in their own order.
  std::vector<int> focusOrder;
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
  // "F1" (help) and "Enter" (when no button is the default, which Enter presses).
  virtual void Key(const std::string& /*key*/) {}
  virtual void Close() = 0;
  virtual bool Finished() const = 0;
};

}  // namespace kvx
