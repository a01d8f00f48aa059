#include "navigation/PictureMenus.h"

#include <algorithm>

#include "core/App.h"
#include "core/Programs.h"
#include "navigation/BrowserLauncher.h"
#include "navigation/TopicIndex.h"

namespace kvx {

PictureMenu::PictureMenu(App& app, int form)
    : app_(app), layout_(BuildMenuLayout(form, CurrentStateName(app), CurrentStateCode(app))) {
  Item picture;
  picture.control.kind = Control::Kind::Picture;
  picture.control.text = layout_.picture;
  picture.control.rect = layout_.pictureRect;
  items_.push_back(picture);
  for (const Control& heading : layout_.headings) items_.push_back(Item{heading});
  for (std::size_t i = 0; i < layout_.labels.size(); ++i) {
    const MenuLabel& label = layout_.labels[i];
    Item item;
    item.control.kind = Control::Kind::Label;
    item.control.text = label.text;
    item.control.rect = label.rect;
    item.control.background = label.background;
    item.control.clickable = true;
    item.control.framed = true;
    item.control.centred = true;
    item.label = static_cast<int>(i);
    items_.push_back(item);
  }
  Item close;
  close.control.kind = Control::Kind::Button;
  close.control.text = "CL&OSE";
  close.control.rect = layout_.closeRect;
  close.close = true;
  items_.push_back(close);
  // Shown top to bottom, then left to right.
  std::stable_sort(items_.begin(), items_.end(), [](const Item& a, const Item& b) {
    const Rect &ra = a.control.rect, &rb = b.control.rect;
    return ra.y != rb.y ? ra.y < rb.y : ra.x < rb.x;
  });
  // The keyboard reads the labels column by column, then reaches CLOSE.
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i].label >= 0) focusOrder_.push_back(static_cast<int>(i));
  std::stable_sort(focusOrder_.begin(), focusOrder_.end(), [this](int a, int b) {
    const Item& ia = items_[static_cast<std::size_t>(a)];
    const Item& ib = items_[static_cast<std::size_t>(b)];
    const int ca = layout_.labels[static_cast<std::size_t>(ia.label)].column;
    const int cb = layout_.labels[static_cast<std::size_t>(ib.label)].column;
    return ca != cb ? ca < cb : ia.control.rect.y < ib.control.rect.y;
  });
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i].close) focusOrder_.push_back(static_cast<int>(i));
}

DialogView PictureMenu::Describe() const {
  DialogView view;
  view.name = layout_.name;
  view.title = layout_.title;
  view.width = layout_.width;
  view.height = layout_.height;
  view.background = layout_.background;
  view.minimizeBox = layout_.name != "FORM9";
  for (const Item& item : items_) view.controls.push_back(item.control);
  view.focusOrder = focusOrder_;
  return view;
}

std::string PictureMenu::AddressOf(int control) const {
  if (control < 0 || control >= static_cast<int>(items_.size())) return {};
  const Item& item = items_[static_cast<std::size_t>(control)];
  if (item.label < 0) return {};
  const MenuLabel& label = layout_.labels[static_cast<std::size_t>(item.label)];
  // The entity may change while the program runs: it is read at the click.
  return label.byEntity ? IncomeFranchiseAddress(app_.session.Generic, app_.profile.Entity)
                        : label.address;
}

void PictureMenu::Click(int control) {
  if (control < 0 || control >= static_cast<int>(items_.size())) return;
  if (items_[static_cast<std::size_t>(control)].close) {
    finished_ = true;
    return;
  }
  const std::string address = AddressOf(control);
  if (address.empty()) return;
  app_.nav.ChapterAddress = address;
  OpenBookLocation(app_);
}

void PictureMenu::Key(const std::string& key) {
  // The help viewer starts as the main window's help command starts it, without waiting.
  if (key == "F1") StartHelpViewer(app_);
}

void RunPictureMenu(App& app, int form) {
  if (form < kFirstMenu || form > kLastMenu) return;
  PictureMenu menu(app, form);
  app.ui.RunDialog(menu);
}

}  // namespace kvx
