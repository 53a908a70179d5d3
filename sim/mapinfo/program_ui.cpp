// The menus and buttons of a program.
#include "sim/mapinfo/program_ui.h"

#include <algorithm>

#include "sim/mapinfo/host_error.h"
#include "sim/mapinfo/value.h"

namespace ornil::sim::mb {

MenuItemState ProgramUi::Item(std::string written, int id, std::string handler, std::string submenu,
                              std::string help) {
  MenuItemState item;
  item.id = id;
  item.handler = std::move(handler);
  item.submenu = std::move(submenu);
  item.help = std::move(help);
  if (written.starts_with("(")) {
    item.enabled = false;
    written.erase(0, 1);
  }
  item.separator = written == "-";
  item.text = std::move(written);
  return item;
}

MenuState* ProgramUi::Find(const std::string& name) {
  auto it = std::find_if(menus_.begin(), menus_.end(),
                         [&](const MenuState& m) { return EqualNoCase(m.name, name); });
  return it == menus_.end() ? nullptr : &*it;
}

const MenuState* ProgramUi::Find(const std::string& name) const {
  return const_cast<ProgramUi*>(this)->Find(name);
}

void ProgramUi::CreateMenu(const std::string& name, std::vector<MenuItemState> items) {
  if (MenuState* existing = Find(name)) {
    existing->items = std::move(items);
    return;
  }
  menus_.push_back({name, std::move(items)});
}

void ProgramUi::AddToMenu(const std::string& menu, std::vector<MenuItemState> items) {
  MenuState* m = Find(menu);
  if (m == nullptr) throw HostError("There is no menu " + menu);
  for (auto& item : items)
    m->items.push_back(std::move(item));
}

void ProgramUi::AlterItems(const std::string& handler, int id, std::optional<bool> enable,
                           std::optional<bool> check, const std::optional<std::string>& text) {
  bool found = false;
  for (auto& menu : menus_) {
    for (auto& item : menu.items) {
      const bool match =
          handler.empty() ? item.id == id && id != 0 : EqualNoCase(item.handler, handler);
      if (!match) continue;
      found = true;
      if (enable) item.enabled = *enable;
      if (check) item.checked = *check;
      if (text) item.text = *text;
    }
  }
  if (!found) {
    throw HostError("There is no menu item " +
                    (handler.empty() ? "with ID " + std::to_string(id) : "calling " + handler));
  }
}

void ProgramUi::AlterMenuBar(const std::string& menu, bool add) {
  auto on = std::find_if(menuBar_.begin(), menuBar_.end(),
                         [&](const std::string& m) { return EqualNoCase(m, menu); });
  if (add) {
    if (Find(menu) == nullptr) throw HostError("There is no menu " + menu);
    if (on == menuBar_.end()) menuBar_.push_back(menu);
    return;
  }
  if (on != menuBar_.end()) menuBar_.erase(on);
}

void ProgramUi::CreateButtonPad(ButtonPadState pad) {
  auto it = std::find_if(pads_.begin(), pads_.end(),
                         [&](const ButtonPadState& p) { return EqualNoCase(p.title, pad.title); });
  if (it != pads_.end()) {
    *it = std::move(pad);
    return;
  }
  pads_.push_back(std::move(pad));
}

void ProgramUi::AlterButtons(const std::string& handler, int id, std::optional<bool> enable,
                             std::optional<bool> check) {
  bool found = false;
  for (auto& pad : pads_) {
    for (auto& b : pad.buttons) {
      const bool match = handler.empty() ? b.id == id && id != 0 : EqualNoCase(b.handler, handler);
      if (!match) continue;
      found = true;
      if (enable) b.enabled = *enable;
      if (check) b.checked = *check;
    }
  }
  if (!found) {
    throw HostError("There is no button " +
                    (handler.empty() ? "with ID " + std::to_string(id) : "calling " + handler));
  }
}

void ProgramUi::Clear() {
  menus_.clear();
  menuBar_.clear();
  pads_.clear();
}

const MenuItemState* ProgramUi::FindItem(const std::string& menu, const std::string& text) const {
  const MenuState* m = Find(menu);
  if (m == nullptr) return nullptr;
  for (const auto& item : m->items) {
    if (!item.separator && EqualNoCase(item.text, text)) return &item;
  }
  return nullptr;
}

bool ProgramUi::Reachable(const std::string& menu) const {
  // Menus may hold each other; a chain longer than the menus there are has looped.
  const auto reachable = [&](const auto& self, const std::string& name, std::size_t depth) {
    if (depth > menus_.size()) return false;
    for (const auto& top : menuBar_) {
      if (EqualNoCase(top, name)) return true;
    }
    for (const auto& m : menus_) {
      for (const auto& item : m.items) {
        if (EqualNoCase(item.submenu, name) && self(self, m.name, depth + 1)) return true;
      }
    }
    return false;
  };
  return reachable(reachable, menu, 0);
}

const ButtonState* ProgramUi::FindButton(const std::string& handler) const {
  for (const auto& pad : pads_) {
    for (const auto& b : pad.buttons) {
      if (EqualNoCase(b.handler, handler)) return &b;
    }
  }
  return nullptr;
}

}  // namespace ornil::sim::mb
