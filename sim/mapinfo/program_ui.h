// The menus and buttons a program has made, as the host shows them: what a user can choose or
// click and whether it is enabled. A menu item written "(Text" starts disabled, "(-" is a
// separator.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sim/mapinfo/program.h"

namespace ornil::sim::mb {

struct MenuItemState {
  std::string text;
  int id = 0;
  std::string handler;
  std::string submenu;
  std::string help;
  bool enabled = true;
  bool checked = false;
  bool separator = false;
};

struct MenuState {
  std::string name;
  std::vector<MenuItemState> items;
};

struct ButtonState {
  ButtonSyntax::Kind kind = ButtonSyntax::Kind::Push;
  std::string handler;
  int id = 0;
  int drawMode = 0;
  std::string help;
  bool enabled = true;
  bool checked = false;
};

struct ButtonPadState {
  std::string title;
  std::vector<ButtonState> buttons;
  bool shown = true;
};

class ProgramUi {
 public:
  // An item as written: the leading "(" disables it, "(-" makes a separator.
  static MenuItemState Item(std::string written, int id, std::string handler, std::string submenu,
                            std::string help);

  void CreateMenu(const std::string& name, std::vector<MenuItemState> items);
  // Throws HostError when there is no such menu.
  void AddToMenu(const std::string& menu, std::vector<MenuItemState> items);
  // Every item that calls the handler, or the item with the id; throws when there is none.
  void AlterItems(const std::string& handler, int id, std::optional<bool> enable,
                  std::optional<bool> check, const std::optional<std::string>& text);
  void AlterMenuBar(const std::string& menu, bool add);
  void CreateButtonPad(ButtonPadState pad);
  // Every button that calls the handler, or the button with the id; throws when there is none.
  void AlterButtons(const std::string& handler, int id, std::optional<bool> enable,
                    std::optional<bool> check);
  void Clear();

  const std::vector<MenuState>& Menus() const { return menus_; }
  const std::vector<std::string>& MenuBar() const { return menuBar_; }
  const std::vector<ButtonPadState>& ButtonPads() const { return pads_; }
  // The item of that text in the menu (letter case ignored); null for none.
  const MenuItemState* FindItem(const std::string& menu, const std::string& text) const;
  // The menu is on the menu bar, or a submenu of one that is.
  bool Reachable(const std::string& menu) const;
  // The button that calls the handler; null for none.
  const ButtonState* FindButton(const std::string& handler) const;

 private:
  MenuState* Find(const std::string& name);
  const MenuState* Find(const std::string& name) const;

  std::vector<MenuState> menus_;
  std::vector<std::string> menuBar_;
  std::vector<ButtonPadState> pads_;
};

}  // namespace ornil::sim::mb
