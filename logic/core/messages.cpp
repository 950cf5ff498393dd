#include "logic/core/messages.h"

#include <cstdint>

#include "engine/clause_io.h"
#include "logic/core/gen_targets.h"
#include "logic/core/host_calls.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/java/java_naming.h"
#include "logic/java/variables.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Atom;
using engine::Term;

namespace {

struct MessageEntry {
  const char* key;
  bool is_list;
  std::vector<const char*> texts;
};

// Keys in the order of the table; a key with two entries has two rows.
const std::vector<MessageEntry>& message_table() {
  static const std::vector<MessageEntry> table = {
      {"anew", false, {"(New)"}},
      {"anotinst", false, {"is not instantiated"}},
      {"aold", false, {"Attributes that no longer exist in table:"}},
      {"as", false, {"Table Structure:"}},
      {"attinnewtbl", false, {"New table will have the following attributes:"}},
      {"badaupd", true, {"Attribute", "is part of the index. Cannot be updated."}},
      {"badcall", true, {"Not enough parameters calling"}},
      {"badcaller", true, {"Too many parameters calling"}},
      {"badcol", true, {"Maximum number of columns (", ") has been exceeded"}},
      {"baddyn",
       true,
       {"Dynamic combobox", "is invalid. Could not find a table containing", "and"}},
      {"baddynd", true, {"Dynamic combobox", "is invalid.", "could not be long var char"}},
      {"baddynqstruc",
       true,
       {"No relationship found among attributes. Attributes: ", " are incompatible with: "}},
      {"baddyntype", true, {"Dynamic combobox", "is invalid. Must have same type as"}},
      {"badidxupd", true, {"Cannot update table", "when using a temporary index"}},
      {"badlvl", true, {"Group without attributes starting at line"}},
      {"badmap", true, {"Attributes", "defined in table", "but not defined in File View"}},
      {"badordsf", false, {"Order in SubFile without attributes"}},
      {"badpar", true, {"Parameter", "calling", "has wrong type"}},
      {"badrow", true, {"Maximum number of lines (", ") has been exceeded"}},
      {"badrptstruc",
       true,
       {"No relationship found among attributes in group starting at line ",
        "Attributes:", "               ", "are incompatible with: "}},
      {"badsub", false, {"cannot be inferred"}},
      {"badsubf", false, {"Multiple lines cannot start before column "}},
      {"badtok", false, {""}},
      {"badtokw", true, {"Overlaying fields at line", "column", "between", "and"}},
      {"badupd", false, {"Invalid Assigment in NEW group starting at line "}},
      {"badwin", false, {"Window must be inside"}},
      {"badx", true, {"External file", "not defined."}},
      {"badxfile", false, {"Invalid file or index name found in group starting at line "}},
      {"badxidx", true, {"External index not defined for attributes", "in File View"}},
      {"bof", false, {"   First record"}},
      {"btype",
       true,
       {"Type mismatch in", "assigment", "in", "parameter", "condition", "in formula"}},
      {"colsyntax", true, {"Invalid color definition", ", rule ignored", ", Xbase syntax assumed"}},
      {"cond", false, {"Constraints: "}},
      {"convpgm", false, {"Conversion programs"}},
      {"createutil", false, {"Data Base Creation Utility"}},
      {"defreport", true, {" Defining ", "..."}},
      {"defvar", true, {"", "not defined, N(10.2) assumed"}},
      {"defvar1", true, {"", "not defined, same as", "assumed"}},
      {"defvar2", true, {"", "not defined,", "assumed"}},
      {"del", false, {"Delete from"}},
      {"drpt", false, {"Distributed Report"}},
      {"dupatt", true, {"Attribute", "is present more than once on the screen"}},
      {"eof", false, {"   Not end of table"}},
      {"exists",
       true,
       {"Navigation to evaluate", "  Where:", "  Given:", "  Returning:", "  Index:"}},
      {"existsinvalid", true, {"Formula", "invalid"}},
      {"failorder", false, {"Group cannot be ordered by "}},
      {"foreachofmaybe", true, {"Warning - For each value of", "there may be several values of"}},
      {"fortable", false, {"on table "}},
      {"gemain", false, {"Quenora - Program Generator"}},
      {"genreq", false, {"(*) Generation is required"}},
      {"gentrn", false, {"Programs"}},
      {"qndb", false, {"ZIZA++"}},
      {"impact", false, {"Impact Analysis Report"}},
      {"ins", false, {"Insert into"}},
      {"iscs",
       true,
       {"is a Server table and preference 'Reorganize C/S tables' is No, no reorganization "
        "assumed."}},
      {"isnew", false, {"is new"}},
      {"isx", true, {"is associated to File View", ", no reorganization assumed."}},
      {"joincs", true, {"Join is performed in the server"}},
      {"loop", false, {"Loop while: "}},
      {"mbr", false, {"Menu Bar"}},
      {"mnu", false, {"Menu"}},
      {"mnutit",
       false,
       {"Cod Type Program name                   Menu Text                      Exec"}},
      {"mod", false, {"Module"}},
      {"needconv", false, {"needs conversion"}},
      {"netrn",
       false,
       {"The program may be called by another program and the Commit on Exit property is set to "
        "YES"}},
      {"newidx", false, {"Table indices"}},
      {"newidx", true, {"A temporary index will be created for", "on table"}},
      {"nocalcfor", true, {"Formula (", ") cannot be evaluated in this program"}},
      {"nodyn", true, {"Dynamic combobox", "is invalid. Not supported on this platform"}},
      {"nogenreq", false, {"(=) No generation required"}},
      {"nogenspc", false, {"(=) No generation in Design"}},
      {"nomodel",
       true,
       {"Model ",
        " is about to be reorganized/created. Select Execute option in main menu to complete "
        "task."}},
      {"noreorgpgm", false, {"No reorganization programs needed"}},
      {"nospc", false, {"The object was never specified"}},
      {"nospcreq", false, {"(=) No specification required"}},
      {"notdotcmd", true, {"Line ", " not recognized as a command"}},
      {"notvalid", false, {"Invalid "}},
      {"noverfornav", false, {"Navigation to evaluate the following formulas:"}},
      {"null", false, {"Null"}},
      {"oldidx", false, {"Indices that no longer exist"}},
      {"oldt", false, {"Base table is"}},
      {"outdev",
       true,
       {"Output device: NONE", "Output device: SCREEN or PRINTER", "Output device: SCREEN",
        "Output device: PRINTER"}},
      {"pars", true, {"Parameters : NONE", "Parameters :"}},
      {"pgmstruc", false, {"Program structure"}},
      {"pn", false, {"Procedure name: "}},
      {"problems", false, {"Problems:"}},
      {"proc", false, {"Procedure"}},
      {"processing", false, {"Processing ... "}},
      {"prodcart", false, {"Warning: No direct relation with parent group"}},
      {"reindex", false, {"Reindex required"}},
      {"rentbl", true, {"Rename", "to"}},
      {"reorgutil", false, {"Reorganization Utility"}},
      {"row1col1", false, {"Literal or attribute cannot start at Line 1 Column 1"}},
      {"rpt", false, {"Report"}},
      {"rptlvl",
       true,
       {"BREAK", "Order :", "END BREAK", "FOR EACH", "Index :", "END FOR", "NEW", "Key   :",
        "END NEW", "XFOR EACH", "XFOR FIRST", "XEND FOR", "XNEW", "XENDNEW", "FOR FIRST"}},
      {"scr", false, {"Work Panel"}},
      {"severalrec",
       true,
       {"Warning - For each value of", "there could be several records of", "in table",
        ". Data may be lost."}},
      {"specfailed", false, {"(x) The program will not be generated ***********************"}},
      {"start", false, {"Start from: "}},
      {"subass", true, {"Inferred subtype", "cannot be assigned"}},
      {"syntaxerr", true, {"Invalid syntax", " starting at "}},
      {"tblstruc", false, {"Table structure "}},
      {"tbltocrea", false, {"Tables to be created"}},
      {"trn", false, {"Transaction"}},
      {"trnlisting", false, {"Navigation Structure and Warning/Error messages"}},
      {"trunstr", true, {"Literal", "truncated to", "at line", "column"}},
      {"twoidx", true, {"Table", "with two different orders"}},
      {"twot", true, {"Error - Secondary attribute", "in more than one table"}},
      {"upd", false, {"Update on"}},
      {"update", false, {"update"}},
      {"usesub", true, {"Use", "instead of"}},
      {"verlit", false, {"Program generated by Quenora Olvar Beta1"}},
      {"viewname", false, {"Transaction name "}},
      {"warerr", true, {"Warning:", "Error:"}},
      {"web", false, {"Web Panel"}},
      {"where", false, {"Navigation filters: "}},
      {"yesno", true, {"Yes", "No"}},
  };
  return table;
}

Term entry_term(const MessageEntry& e) {
  if (!e.is_list) return Term::string(e.texts.front());
  std::vector<Term> items;
  for (const char* t : e.texts) items.push_back(Term::string(t));
  return Term::list(items);
}

}  // namespace

std::string to_string_literal(const Term& t) {
  const std::string text = t.is_int() ? std::to_string(t.as_int()) : text_of(t);
  // A model string constant between double quotes is already a literal:
  // what it holds is escaped as any other text.
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
    return java_quoted(std::string_view(text).substr(1, text.size() - 2));
  return java_quoted(text);
}

void set_idiom(Run& run) {
  auto& facts = run.facts();
  if (facts.count("idiom", 1) > 0) return;
  auto lang = facts.first(Term::compound(
      "p_i", {Term::atom("model"), Term::list({Term::atom("lang"), Term::fresh_var()})}));
  facts.abolish("idiom", 1);
  const char* idiom = "eng";
  if (lang) {
    const Term l = lang->arg(2).list_items()[1];
    const std::string up = platform::upper_1252(text_of(l));
    if (up == "SPA")
      idiom = "spa";
    else if (up == "POR")
      idiom = "por";
    else if (up == "ITA")
      idiom = "ita";
  }
  facts.assertz(Term::compound("idiom", {Term::atom(idiom)}));
}

Atom current_idiom(const Run& run) {
  auto idiom = run.facts().first(Term::compound("idiom", {Term::fresh_var()}));
  if (idiom && idiom->arg(1).is_atom()) return idiom->arg(1).as_atom();
  return Atom("eng");
}

std::vector<Term> message_text(std::string_view key) {
  std::vector<Term> out;
  for (const auto& e : message_table()) {
    if (key == e.key) out.push_back(entry_term(e));
  }
  return out;
}

std::optional<std::string> message_text_first(std::string_view key) {
  for (const auto& e : message_table()) {
    if (key == e.key) {
      if (e.is_list) return std::nullopt;
      return std::string(e.texts.front());
    }
  }
  return std::nullopt;
}

Term get_message(std::string_view key) {
  auto entries = message_text(key);
  if (!entries.empty()) return entries.front();
  return Term::string("No message available for " + std::string(key));
}

std::string format_message(std::string_view format, const std::vector<Term>& args) {
  std::string out;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size() && format[i + 1] >= '1' && format[i + 1] <= '9') {
      size_t n = static_cast<size_t>(format[i + 1] - '1');
      if (n < args.size()) out += text_of(args[n]);
      ++i;
    } else {
      out += format[i];
    }
  }
  return out;
}

std::optional<std::string> msg_text(Run& run, const Term& key) { return msg_text(run, key, {}); }

std::optional<std::string> msg_text(Run& run, const Term& key, const std::vector<Term>& args) {
  const Atom lang = current_idiom(run);
  const auto& facts = run.facts();
  // 1. The time of generation.
  if (key == "time") {
    auto t = host_clock(run);
    return std::to_string(t.hour) + ":" + std::to_string(t.minute) + ":" +
           std::to_string(t.second) + "." + std::to_string(t.hundredth);
  }
  // 2. Today's date in the language's format.
  if (key == "date") {
    auto t = host_clock(run);
    auto month = facts.first(
        Term::compound("str_month", {Term::atom(lang), Term::integer(t.month), Term::fresh_var()}));
    if (month) {
      auto text = msg_text(run, Term::atom("strdate"),
                           {Term::integer(t.day), month->arg(3), Term::integer(t.year)});
      if (text) return text;
    }
  }
  // 3. The date format filled with its arguments.
  if (key == "strdate") {
    auto format = facts.first(
        Term::compound("lit", {Term::atom(lang), Term::atom("strdate"), Term::fresh_var()}));
    if (format) return format_message(text_of(format->arg(3)), args);
  }
  // 4. A message looked up at run time.
  if (args.empty()) {
    return "localUtil.getMessages().getMessage(" + java_quoted(text_of(key)) + ")";
  }
  // 6. Arguments are passed in an Object array written before the call.
  if (declare_var(run, Term::atom("arguments"),
                  Term::list({Term::compound("obj", {Term::atom("Object[]")}), Term::integer(1),
                              Term::integer(0), Term::integer(0)}),
                  "s", Term::nil())) {
    Out out(run);
    out.pieces({"arguments = new Object[", static_cast<int64_t>(args.size()), "];"});
    for (size_t i = 0; i < args.size(); ++i) {
      out.pieces({"arguments[", static_cast<int64_t>(i), "] =", to_string_literal(args[i]), ";"});
    }
    if (out.ok()) {
      return "localUtil.getMessages().getMessage(" + to_string_literal(key) + ", arguments)";
    }
  }
  // 7. A numbered message.
  if (key.is_int() && key.as_int() != 0) return "F" + std::to_string(key.as_int());
  // 8. No text at all.
  return "WARNING - Message text for '" + text_of(key) + "' lang. '" + lang.name() + "' not found";
}

}  // namespace qn::logic
