#include "logic/toolbox/web_menus.h"

#include <cstdio>
#include <unordered_map>
#include <vector>

#include "logic/core/emit.h"
#include "logic/core/host_calls.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/java/variables.h"
#include "logic/toolbox/ui_seams.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

bool is_int_value(const Term& t, int64_t v) { return t.is_int() && t.as_int() == v; }

// One menu_i/6 entry of Kind m, as the tree reads it.
struct TreeItem {
  std::string item, parent, id, caption;
  bool separator = false;
};

bool has_option(const Term& options, std::string_view name) {
  if (!options.is_cons()) return false;
  for (const Term& o : options.list_items()) {
    if (o.is_atom() && o.text() == name) return true;
  }
  return false;
}

std::string without_ampersands(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c != '&') out += c;
  }
  return out;
}

// The text of the page held in a string constant of the model language.
Term text_token(std::string_view text) { return fact("t", {str("'" + std::string(text) + "'"), num(kTokConstant)}); }

// One piece of the page and nothing more.
void page_text(Run& run, std::string_view text) { gen_html_text(run, Term::list({text_token(text)})); }

// '<script language="JavaScript" src="' + convertURL('<file>') + '"></script>',
// then a line break.
void include_script(Run& run, std::string_view file) {
  gen_html_text(run, Term::list({text_token("<script language=\"JavaScript\" src=\""),
                                 fact("t", {atom("+"), num(kTokAddOp)}),
                                 fact("t", {atom("convertURL("), num(kTokFunction)}),
                                 text_token(file), fact("t", {atom(")"), num(kTokClose)}),
                                 fact("t", {atom("+"), num(kTokAddOp)}),
                                 text_token("\"></script>")}));
  gen_skip_lines(run, 1);
}

}  // namespace

std::optional<std::string> menubar_name(const Run& run) {
  for (const Term& r : run.facts().clauses("rule_i", 2)) {
    const Term& p = r.arg(2);
    if (!is_int_value(r.arg(1), 0) || !p.is_compound() || p.functor() != "prop" || p.arity() != 2)
      continue;
    if (!platform::iequals_1252(text_of(p.arg(1)), "MENUBAR")) continue;
    const std::string m = text_of(p.arg(2));
    if (m.empty() || platform::iequals_1252(m, "*None")) return std::nullopt;
    return platform::lower_1252(m);
  }
  return std::nullopt;
}

std::optional<std::string> menu_var_name(const Run& run) {
  auto m = menubar_name(run);
  if (!m) return std::nullopt;
  return "menu" + *m;
}

bool declare_menu_var(Run& run) {
  if (auto name = menu_var_name(run)) {
    declare_var(run, str(*name), Term::list({atom("char"), num(256), num(0), num(0)}), "s",
                Term::list({fact("t", {atom("''"), num(kTokConstant)})}));
  }
  return true;
}

bool write_menubar_file(Run& run, int64_t model, std::string_view menubar) {
  const std::string file = std::string(menubar) + ".js";
  if (!open_rpt_file(run, num(model), str(file))) {
    show_error_box(run, "Menu bar " + std::string(menubar) + ": " + file + " cannot be written");
    return true;
  }
  write_menu_xml_var(run, std::string(menubar) + "XML");
  if (!close_rpt_file(run))
    show_error_box(run, "Menu bar " + std::string(menubar) + ": " + file + " cannot be written");
  return true;
}

bool write_menu_xml_var(Run& run, std::string_view name) {
  // The entries of Kind m, and the items under each item by index, flat in
  // fact order, so the tree costs one pass however wide it is.
  std::vector<TreeItem> items;
  const TreeItem* top = nullptr;
  // An item number met before names no second item (the class leaves such
  // an entry out too). Number -> the item's index, or npos for an entry of
  // another kind.
  const auto facts = run.facts().clauses("menu_i", 6);
  constexpr size_t npos = static_cast<size_t>(-1);
  std::unordered_map<std::string, size_t> numbers(2 * facts.size());
  items.reserve(facts.size());
  for (const Term& m : facts) {
    auto [at, fresh] = numbers.try_emplace(text_of(m.arg(1)), npos);
    if (!fresh) continue;
    if (!(m.arg(3).is_atom() && m.arg(3).text() == "m")) continue;
    at->second = items.size();
    items.push_back({text_of(m.arg(1)), text_of(m.arg(2)), text_of(m.arg(4)), text_of(m.arg(5)),
                     has_option(m.arg(6), "separator")});
  }
  const size_t n = items.size();
  std::vector<size_t> parent(n, npos), first(n + 1, 0), children;
  for (size_t i = 0; i < n; ++i) {
    if (!top && items[i].parent == "0") top = &items[i];
    if (auto p = numbers.find(items[i].parent); p != numbers.end() && p->second != npos) {
      parent[i] = p->second;
      ++first[p->second + 1];
    }
  }
  for (size_t i = 0; i < n; ++i) first[i + 1] += first[i];
  children.resize(first[n]);
  {
    std::vector<size_t> fill(first.begin(), first.end() - 1);
    for (size_t i = 0; i < n; ++i) {
      if (parent[i] != npos) children[fill[parent[i]]++] = i;
    }
  }
  Out out(run);
  out.pieces({"var ", std::string(name), "="});
  auto quoted = [](const std::string& xml) { return js_string_text(xml); };
  if (top) {
    // Depth first from the top entry's items; an item is written once, so
    // an entry listed twice or a parent cycle cannot loop.
    std::vector<bool> seen(items.size(), false);
    struct Frame {
      size_t next, end;  // positions in children
    };
    auto kids = [&](const TreeItem& item) {
      const size_t i = static_cast<size_t>(&item - items.data());
      return Frame{first[i], first[i + 1]};
    };
    std::vector<Frame> stack{kids(*top)};
    while (!stack.empty() && out.ok()) {
      Frame& f = stack.back();
      if (f.next == f.end) {
        stack.pop_back();
        if (!stack.empty()) out.close("' </pad> '+");
        continue;
      }
      const size_t i = children[f.next++];
      if (seen[i]) continue;
      seen[i] = true;
      const TreeItem& it = items[i];
      out.open("' <pad> '+");
      if (it.separator) {
        out.pieces({"'", quoted("<id>QnSep_" + xml_text(it.item) + "_" + xml_text(it.parent) + "</id>"),
                    "'+"});
        out.pieces({"'", "<caption><HR>&nbsp</caption>", "'+"});
        out.close("' </pad> '+");
        continue;
      }
      out.pieces({"'", quoted("<id>" + xml_text(it.id) + "</id>"), "'+"});
      out.pieces({"'", quoted("<caption>" + xml_text(without_ampersands(it.caption)) + "</caption>"),
                  "'+"});
      stack.push_back(kids(it));
    }
  }
  out.pieces({"''"});
  return out.ok();
}

std::string js_string_text(std::string_view text) {
  std::string out;
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (ch == '\\' || ch == '\'') {
      out += '\\';
      out += ch;
    } else if (c < 0x20 || c > 0x7E) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(platform::utf16_of_1252(c)));
      out += buf;
    } else {
      out += ch;
    }
  }
  return out;
}

std::string xml_text(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else
      out += c;
  }
  return out;
}

bool gen_menu_script_includes(Run& run) {
  if (!menubar_name(run)) return true;
  for (const char* file : {"tree.js", "mb.js"}) include_script(run, file);
  return true;
}

bool gen_web_menu_script(Run& run) {
  const auto m = menubar_name(run);
  if (!m) return true;
  include_script(run, *m + ".js");
  page_text(run, "<script>");
  page_text(run, "var " + *m + "= new Tree(\"" + *m + "\", \"\");");
  page_text(run, *m + ".LoadXML(" + *m + "XML);");
  page_text(run, "</script>");
  gen_skip_lines(run, 1);
  return true;
}

bool gen_menubar_build(Run& run) {
  const auto m = menubar_name(run);
  if (!m) return true;
  page_text(run, "<script> tBuildMenuPad(" + *m + ", \"H\", 0,0 ); </script>");
  gen_skip_lines(run, 1);
  return true;
}

}  // namespace qn::logic
