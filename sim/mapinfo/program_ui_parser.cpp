// Parsing the statements that make a program's menus and buttons: Create Menu, Alter Menu (Add),
// Alter Menu Item, Alter Menu Bar, Create ButtonPad and Alter Button.
#include "sim/mapinfo/program_parser.h"

namespace ornil::sim::mb {

std::optional<bool> ProgramParser::Switch(std::string_view on, std::string_view off) {
  if (AcceptWord(on)) return true;
  if (AcceptWord(off)) return false;
  return std::nullopt;
}

MenuItemSyntax ProgramParser::MenuItem() {
  MenuItemSyntax item;
  item.text = Expression();
  while (true) {
    if (AcceptWord("id")) {
      item.id = Expression();
    } else if (AcceptWord("helpmsg")) {
      item.help = Expression();
    } else if (AcceptWord("calling")) {
      if (Peek().IsWord("ole") || Peek().IsWord("dde")) Fail("only procedures can be called");
      item.handler = ExpectName();
    } else if (AcceptWord("as")) {
      item.submenu = Expression();
    } else {
      return item;
    }
  }
}

std::vector<MenuItemSyntax> ProgramParser::MenuItems() {
  std::vector<MenuItemSyntax> items;
  do {
    items.push_back(MenuItem());
  } while (AcceptSymbol(","));
  return items;
}

Operation ProgramParser::CreateStatement() {
  Next();
  if (AcceptWord("menu")) {
    CreateMenu m;
    m.name = Expression();
    if (AcceptWord("id")) Expression();
    ExpectWord("as");
    m.items = MenuItems();
    return m;
  }
  if (AcceptWord("buttonpad")) {
    CreateButtonPad pad;
    pad.title = Expression();
    ExpectWord("as");
    ButtonPadClauses(pad);
    if (pad.buttons.empty()) Fail("a ButtonPad needs a button");
    return pad;
  }
  Fail("expected Menu or ButtonPad after Create");
}

Operation ProgramParser::AlterStatement() {
  Next();
  if (AtWords({"menu", "item"})) {
    Next();
    Next();
    AlterMenuItem a;
    if (AcceptWord("id")) {
      a.id = Expression();
    } else {
      a.handler = ExpectName();
    }
    bool any = false;
    while (true) {
      if (auto enable = Switch("enable", "disable")) {
        a.enable = enable;
      } else if (auto check = Switch("check", "uncheck")) {
        a.check = check;
      } else if (AcceptWord("text")) {
        a.text = Expression();
      } else {
        break;
      }
      any = true;
    }
    if (!any) Fail("expected Enable, Disable, Check, Uncheck or Text");
    return a;
  }
  if (AtWords({"menu", "bar"})) {
    Next();
    Next();
    AlterMenuBar a;
    if (auto add = Switch("add", "remove")) {
      a.add = *add;
    } else {
      Fail("expected Add or Remove");
    }
    do {
      a.menus.push_back(Expression());
    } while (AcceptSymbol(","));
    return a;
  }
  if (AcceptWord("menu")) {
    AlterMenuAdd a;
    a.menu = Expression();
    ExpectWord("add");
    a.items = MenuItems();
    return a;
  }
  if (AcceptWord("button")) {
    AlterButton a;
    if (AcceptWord("id")) {
      a.id = Expression();
    } else {
      a.handler = ExpectName();
    }
    while (true) {
      if (auto enable = Switch("enable", "disable")) {
        a.enable = enable;
      } else if (auto check = Switch("check", "uncheck")) {
        a.check = check;
      } else {
        break;
      }
    }
    if (!a.enable && !a.check) Fail("expected Enable, Disable, Check or Uncheck");
    return a;
  }
  Fail("expected Menu, Menu Item, Menu Bar or Button after Alter");
}

bool ProgramParser::IsButtonStart() const {
  return Peek().IsWord("pushbutton") || Peek().IsWord("togglebutton") ||
         Peek().IsWord("toolbutton") || Peek().IsWord("separator");
}

ButtonSyntax ProgramParser::Button() {
  ButtonSyntax b;
  if (AcceptWord("separator")) {
    b.kind = ButtonSyntax::Kind::Separator;
    return b;
  }
  const Token& kind = Next();
  b.kind = kind.IsWord("toolbutton")     ? ButtonSyntax::Kind::Tool
           : kind.IsWord("togglebutton") ? ButtonSyntax::Kind::Toggle
                                         : ButtonSyntax::Kind::Push;
  while (true) {
    if (AcceptWord("calling")) {
      if (Peek().IsWord("ole") || Peek().IsWord("dde")) Fail("only procedures can be called");
      b.handler = ExpectName();
    } else if (AcceptWord("id")) {
      b.id = Expression();
    } else if (AcceptWord("icon") || AcceptWord("cursor")) {
      Expression();
      if (AcceptWord("file")) Expression();
    } else if (AcceptWord("drawmode")) {
      b.drawMode = Expression();
    } else if (AcceptWord("helpmsg")) {
      b.help = Expression();
    } else if (AcceptWord("modifierkeys")) {
      if (!Switch("on", "off")) Fail("expected On or Off");
    } else if (auto enable = Switch("enable", "disable")) {
      b.disabled = !*enable;
    } else if (Switch("check", "uncheck")) {
    } else {
      break;
    }
  }
  if (b.handler.empty()) Fail("a button needs Calling");
  return b;
}

void ProgramParser::ButtonPadClauses(CreateButtonPad& pad) {
  while (true) {
    if (IsButtonStart()) {
      pad.buttons.push_back(Button());
    } else if (AcceptWord("title") || AcceptWord("width")) {
      Expression();
    } else if (AcceptWord("position") || AcceptWord("toolbarposition")) {
      ExpectSymbol("(");
      Expression();
      ExpectSymbol(",");
      Expression();
      ExpectSymbol(")");
      if (AcceptWord("units")) Expression();
    } else if (auto show = Switch("show", "hide")) {
      pad.show = *show;
    } else if (AcceptWord("fixed") || AcceptWord("float") || AcceptWord("top") ||
               AcceptWord("left") || AcceptWord("right") || AcceptWord("bottom")) {
    } else {
      return;
    }
  }
}

}  // namespace ornil::sim::mb
