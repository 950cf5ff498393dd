// The only file of the rule program that includes host headers.
#include "logic/core/host_interface.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "config/config_qn.h"
#include "config/properties/prop_manager.h"
#include "config/settings.h"
#include "host/dialog.h"
#include "host/directories.h"
#include "host/source_writer.h"
#include "host/term_value.h"
#include "kb/attribute_queries.h"
#include "kb/file_copy.h"
#include "kb/kb_records.h"
#include "kb/list_terms.h"
#include "kb/model_queries.h"
#include "kb/program_file_rebuild.h"
#include "kb/saved_property.h"
#include "kb/table_relations.h"
#include "kb/text_utils.h"
#include "logic/core/messages.h"
#include "logic/core/utilities.h"
#include "platform/cp1252.h"
#include "platform/profile.h"

namespace qn::logic {

using engine::Term;
using host::TermValue;

namespace {

// --- terms into slot trees -------------------------------------------------

void build_tree(const Term& t, TermValue& out);

// Set when a tree being built met an integer beyond a slot's 32 bits.
thread_local bool t_int_too_wide = false;

bool fits_slot(int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; }

// Fills out in place (keeping its storage) with the tree of t.
void build_node(const Term& t, TermValue& out) {
  switch (t.kind()) {
    case Term::Kind::Var:
      out.kind = host::kTermUnbound;
      out.text.clear();
      out.args.clear();
      break;
    case Term::Kind::Int:
      out.kind = host::kTermInt;
      if (!fits_slot(t.as_int())) t_int_too_wide = true;
      out.int_value = static_cast<int32_t>(t.as_int());
      out.text.clear();
      out.args.clear();
      break;
    case Term::Kind::Real:
      out.kind = host::kTermReal;
      out.real_value = t.as_real();
      out.text.clear();
      out.args.clear();
      break;
    case Term::Kind::Atom:
    case Term::Kind::String:
      out.kind = host::kTermAtom;
      out.text.assign(t.text());
      out.args.clear();
      break;
    case Term::Kind::Compound: {
      out.kind = host::kTermCompound;
      out.text.assign(t.functor().name());
      const auto args = t.args();
      out.args.resize(args.size());
      for (size_t i = 0; i < args.size(); ++i) build_tree(args[i], out.args[i]);
      break;
    }
  }
}

// Walks list tails in a loop so that long lists do not nest calls.
void build_tree(const Term& t, TermValue& out) {
  const Term* cur = &t;
  TermValue* dst = &out;
  while (cur->is_compound() && cur->is_cons()) {
    const auto cell = cur->args();
    if (dst->kind != host::kTermCompound || dst->text != ".") {
      dst->kind = host::kTermCompound;
      dst->text.assign(".");
    }
    dst->args.resize(2);
    build_tree(cell[0], dst->args[0]);
    dst = &dst->args[1];
    cur = &cell[1];
  }
  build_node(*cur, *dst);
}

// --- slot trees back into terms --------------------------------------------

bool rebuild(const TermValue& v, Term& out);

bool rebuild_node(const TermValue& v, Term& out) {
  switch (v.kind) {
    case host::kTermUnbound:
    case host::kTermRebindable:
      out = Term::fresh_var();
      return true;
    case host::kTermInt:
      out = Term::integer(v.int_value);
      return true;
    case host::kTermReal:
      out = Term::real(v.real_value);
      return true;
    case host::kTermAtom:
      out = v.text == "[]" ? Term::nil() : Term::atom(v.text);
      return true;
    case host::kTermCompound: {
      std::vector<Term> args(v.args.size());
      for (size_t i = 0; i < v.args.size(); ++i) {
        if (!rebuild(v.args[i], args[i])) return false;
      }
      out = Term::compound(v.text, std::move(args));
      return true;
    }
    default:  // kind 3 and anything unknown
      return false;
  }
}

bool rebuild(const TermValue& v, Term& out) {
  if (!v.is_cons()) return rebuild_node(v, out);
  std::vector<Term> items;
  const TermValue* cur = &v;
  for (; cur->is_cons(); cur = &cur->args[1]) {
    items.emplace_back();
    if (!rebuild(cur->args[0], items.back())) return false;
  }
  Term tail;
  if (!rebuild_node(*cur, tail)) return false;
  out = Term::list(items, std::move(tail));
  return true;
}

// Unifies t with the term of tree v.
bool unify_tree(const Term& t, const TermValue& v, engine::Bindings& b) {
  if (v.unbound()) return true;
  const Term& d = b.deref(t);
  if (d.is_var()) {
    Term value;
    if (!rebuild(v, value)) return false;
    b.bind(d.var_id(), std::move(value));
    return true;
  }
  switch (v.kind) {
    case host::kTermInt:
      return d.is_int() && d.as_int() == v.int_value;
    case host::kTermReal:
      return d.is_real() && d.as_real() == v.real_value;
    case host::kTermAtom:
      return (d.is_atom() || d.is_string()) && d.text() == v.text;
    case host::kTermCompound: {
      if (!d.is_compound() || d.arity() != v.args.size() || d.functor().name() != v.text) {
        return false;
      }
      for (size_t i = 0; i < v.args.size(); ++i) {
        if (!unify_tree(d.arg(i + 1), v.args[i], b)) return false;
      }
      return true;
    }
    default:
      return false;
  }
}

bool valid_slot(int slot) { return slot >= 0 && slot < host::kTermSlotCount; }

// The trace hook's text for a failing predicate.
bool failed(Run& run, std::string_view name) {
  trace_msg(run, {name, "failed"});
  return false;
}

std::string cut(std::string text, size_t buffer_size) {
  if (text.size() >= buffer_size) text.resize(buffer_size - 1);
  return text;
}

// --- the run's output ------------------------------------------------------------

// The writer's lines, handed to the run's output one by one.
class OutputSink final : public host::LineSink {
 public:
  explicit OutputSink(Output& out) : out_(out) {}
  bool write_line(std::string_view text) override { return out_.put(text); }

 private:
  Output& out_;
};

// The production output: the host's source writer.
class WriterOutput final : public Output {
 public:
  void set_path(std::string_view name) override { host::set_output_path(name); }
  int& running_margin() override { return margin_; }
  std::string locate_template(std::string_view file) const override {
    return host::source_writer().locate_template(file);
  }

 protected:
  bool open_file() override { return host::open_output_file(0, {}, {}); }
  bool close_file() override { return host::close_output_file(); }
  bool write_text(std::string_view finished) override {
    return host::source_writer().write_line(finished);
  }

 private:
  int margin_ = 0;
};

static_assert(kMaxOutputPath == host::SourceWriter::kMaxPath);

// --- predicates --------------------------------------------------------------

bool p_program_dir(Run& run, std::span<Term> a) {
  if (!text_out(a[0], host::get_program_dir())) return failed(run, "program_dir");
  return true;
}

bool p_i_defoutfile(Run& run, std::span<Term> a) {
  std::string name;
  if (!text_in(a[0], name)) return failed(run, "i_defoutfile");
  run.output().set_path(name);
  return true;
}

// The three arguments are checked and not used.
bool p_i_start_rpt(Run& run, std::span<Term> a) {
  int32_t n = 0;
  std::string b, c;
  if (!int_in(a[0], n) || !text_in(a[1], b) || !text_in(a[2], c)) {
    return failed(run, "i_start_rpt");
  }
  return run.output().open() || failed(run, "i_start_rpt");
}

bool p_i_end_rpt(Run& run, std::span<Term>) {
  return run.output().close() || failed(run, "i_end_rpt");
}

bool p_i_printfglnocol(Run& run, std::span<Term> a) {
  if (!term_to_slot(a[0], 0)) return failed(run, "i_printfglnocol");
  host::term_slots_open();
  Output& out = run.output();
  OutputSink sink(out);
  const bool ok = host::format_output_lines(host::term_slot(0), out.running_margin(), sink);
  host::term_slots_close();
  return ok || failed(run, "i_printfglnocol");
}

// A template that cannot be expanded (missing file, missing final newline,
// missing argument) fails the predicate rather than passing for success: the
// page writers test it to report the error and write nothing further.
bool p_i_ptemplatenocol(Run& run, std::span<Term> a) {
  bool fits = true;
  for (int i = 0; i < 4; ++i) fits = term_to_slot(a[static_cast<size_t>(i)], i) && fits;
  if (!fits) return failed(run, "i_ptemplatenocol");
  host::term_slots_open();
  std::string file;
  bool ok = host::term_get_text(host::term_slot(0), file);
  if (ok) {
    Output& out = run.output();
    const std::string path = file.size() < 260 ? out.locate_template(file) : std::string();
    OutputSink sink(out);
    ok = !path.empty() && host::expand_template_file(path, host::term_slot(1), host::term_slot(2),
                                                     host::term_slot(3), out.running_margin(),
                                                     sink);
  }
  host::term_slots_close();
  return ok || failed(run, "i_ptemplatenocol");
}

bool p_i_get_dirgen(Run& run, std::span<Term> a) {
  int32_t model = 0, generator = 0;
  if (!int_in(a[0], model) || !int_in(a[1], generator)) return failed(run, "i_get_dirgen");
  bool fits = true;
  for (int i = 0; i < 5; ++i) fits = term_to_slot(a[static_cast<size_t>(i)], i) && fits;
  if (!fits) return failed(run, "i_get_dirgen");
  host::term_slots_open();
  const host::GenerationDirs dirs =
      host::get_generation_dirs(model, generator, config::get_ide_version_switch());
  // The host unifies u, s and n in this order; the first failure stops.
  const bool unified = host::term_unify_string(dirs.u, host::term_slot(2)) &&
                       host::term_unify_string(dirs.s, host::term_slot(3)) &&
                       host::term_unify_string(dirs.n, host::term_slot(4));
  host::term_slots_close();
  // A given directory that differs from the host's fails the call.
  if (!unified || !term_slot_to_term(a[2], 2) || !term_slot_to_term(a[3], 3) ||
      !term_slot_to_term(a[4], 4)) {
    return failed(run, "i_get_dirgen");
  }
  return true;
}

bool p_i_model_info(Run& run, std::span<Term> a) {
  int32_t model = 0;
  if (!int_in(a[0], model) || !text_out(a[1], kb::mdl_info_path(model))) {
    return failed(run, "i_model_info");
  }
  return true;
}

bool p_i_get_model(Run& run, std::span<Term> a) {
  int model = 0, offset = 0;
  const int status = kb::next_model_entry(model, offset);
  if (!int_out(a[0], model) || !int_out(a[1], status) || !int_out(a[2], offset)) {
    return failed(run, "i_get_model");
  }
  return true;
}

bool p_i_itoa(Run& run, std::span<Term> a) {
  int32_t value = 0, base = 0, width = 0;
  if (!int_in(a[0], value) || !int_in(a[1], base) || !int_in(a[2], width) ||
      !text_out(a[3], config::IntToBaseText(value, base, width))) {
    return failed(run, "i_itoa");
  }
  return true;
}

bool p_i_config(Run& run, std::span<Term> a) {
  std::string key;
  if (!text_in(a[0], key)) return failed(run, "i_config");
  std::optional<std::string> value = config::GetConfigValue(key);
  if (!value || !text_out(a[1], *value)) return failed(run, "i_config");
  return true;
}

bool p_setfilelen(Run& run, std::span<Term> a) {
  int32_t n = 0;
  if (!int_in(a[0], n)) return failed(run, "setfilelen");
  dialog_senders().set_progress_total(n);
  return true;
}

bool p_step_progress(Run&, std::span<Term>) {
  dialog_senders().progress_step();
  return true;
}

bool p_set_progress_len(Run& run, std::span<Term> a) {
  int32_t n = 0;
  if (!int_in(a[0], n)) return failed(run, "set_progress_len");
  dialog_senders().set_step_range(n);
  return true;
}

bool p_show_progress_text(Run& run, std::span<Term> a) {
  std::string text;
  if (!text_in(a[0], text, kShortTextSize)) return failed(run, "show_progress_text");
  dialog_senders().set_progress_text(text);
  return true;
}

bool p_post_status_msg(Run&, std::span<Term> a) {
  const std::vector<Term> info = a[2].list_items();
  if (info.size() < 5 || !info[1].is_int() || info[1].as_int() != 2) return true;
  std::string description, name;
  if (!text_in(info[2], description, kShortTextSize) || !text_in(info[4], name, kShortTextSize) ||
      !(info[3].is_atom() || info[3].is_string())) {
    return true;
  }
  const std::optional<std::string> type = message_text_first(info[3].text());
  if (!type) return true;
  dialog_senders().add_progress_object(cut(*type, kShortTextSize), name, description);
  return true;
}

bool p_ini_read_entry(Run& run, std::span<Term> a) {
  std::string file, section, key, def;
  if (!text_in(a[0], file, kShortTextSize) || !text_in(a[1], section, kShortTextSize) ||
      !text_in(a[2], key, kShortTextSize) || !text_in(a[3], def, kShortTextSize) ||
      !text_out(a[4], platform::profile_string(file, section, key, def, kShortTextSize - 2))) {
    return failed(run, "ini_read_entry");
  }
  return true;
}

bool p_i_upper(Run& run, std::span<Term> a) {
  Term& lower = a[0];
  Term& upper = a[1];
  std::string text;
  if (!lower.is_var() && upper.is_var() && text_in(lower, text)) {
    return text_out(upper, platform::upper_1252(text)) || failed(run, "i_upper");
  }
  if (lower.is_var() && !upper.is_var() && text_in(upper, text)) {
    return text_out(lower, platform::lower_1252(text)) || failed(run, "i_upper");
  }
  return failed(run, "i_upper");
}

bool p_str_compare(Run& run, std::span<Term> a) {
  std::string x, y;
  if (!text_in(a[0], x, kShortTextSize) || !text_in(a[1], y, kShortTextSize)) {
    return failed(run, "str_compare");
  }
  const int c = std::strcmp(x.c_str(), y.c_str());
  return int_out(a[2], c < 0 ? -1 : (c > 0 ? 1 : 0)) || failed(run, "str_compare");
}

// --- knowledge-base queries and text utilities ----------------------------------

// Runs a host routine over term slots: the arguments at places go into slots
// 0, 1, ... in order, the routine reads and fills the trees, and on a result
// other than 0 the trees come back into the arguments.
template <class Routine>
bool through_slots(std::span<Term> a, std::initializer_list<size_t> places, Routine routine) {
  int slot = 0;
  for (size_t p : places) term_to_slot(a[p], slot++);
  host::term_slots_open();
  const int result = routine();
  host::term_slots_close();
  if (result == 0) return false;
  slot = 0;
  for (size_t p : places) {
    if (!term_slot_to_term(a[p], slot++)) return false;
  }
  return true;
}

bool ints_in(std::span<Term> a, std::initializer_list<int32_t*> out) {
  size_t i = 0;
  for (int32_t* v : out) {
    if (!int_in(a[i++], *v)) return false;
  }
  return true;
}

bool p_i_nextobj(Run& run, std::span<Term> a) {
  int32_t model = 0, type = 0, number = 0;
  if (!ints_in(a, {&model, &type, &number})) return failed(run, "i_nextobj");
  const int next = kb::next_object_number(model, type, number);
  if (next == 0 || !int_out(a[3], next)) return failed(run, "i_nextobj");
  return true;
}

bool p_i_attri_pic(Run& run, std::span<Term> a) {
  int32_t model = 0, att = 0;
  if (!ints_in(a, {&model, &att}) ||
      !through_slots(a, {2}, [&] { return kb::get_attri_pic(model, att, host::term_slot(0)); })) {
    return failed(run, "i_attri_pic");
  }
  return true;
}

// i_attri_name/4 and i_attri_type/5 fail without a trace text.
bool p_i_attri_name(Run&, std::span<Term> a) {
  int32_t model = 0, att = 0;
  int kind = 0;
  return ints_in(a, {&model, &att}) &&
         through_slots(a, {2},
                       [&] { return kb::get_attri_name(model, att, host::term_slot(0), kind); }) &&
         int_out(a[3], kind);
}

bool p_i_attri_type(Run&, std::span<Term> a) {
  int32_t model = 0, att = 0;
  int type = 0, length = 0, decimals = 0;
  return ints_in(a, {&model, &att}) && kb::get_attri_type(model, att, type, length, decimals) &&
         int_out(a[2], type) && int_out(a[3], length) && int_out(a[4], decimals);
}

bool p_i_attri_info(Run& run, std::span<Term> a) {
  int32_t model = 0, att = 0;
  if (!ints_in(a, {&model, &att}) || !through_slots(a, {2, 3, 4, 5, 6, 7, 8, 9}, [&] {
        host::TermValue* const terms[8] = {
            &host::term_slot(0), &host::term_slot(1), &host::term_slot(2), &host::term_slot(3),
            &host::term_slot(4), &host::term_slot(5), &host::term_slot(6), &host::term_slot(7)};
        return kb::get_attri_info(model, att, terms);
      })) {
    return failed(run, "i_attri_info");
  }
  return true;
}

bool p_i_vaux(Run& run, std::span<Term> a) {
  int32_t with_v = 0, number = 0, letter = 0;
  if (!int_in(a[0], with_v) || !int_in(a[2], number) || !int_in(a[3], letter) ||
      !through_slots(a, {1, 4}, [&] {
        return kb::make_aux_name(with_v, host::term_slot(0), number, letter, host::term_slot(1));
      })) {
    return failed(run, "i_vaux");
  }
  return true;
}

bool p_i_itos(Run& run, std::span<Term> a) {
  int32_t value = 0, width = 0;
  if (!int_in(a[0], value) || !int_in(a[1], width) ||
      !text_out(a[2], kb::int_to_fixed_digits(value, width, kTextBufferSize))) {
    return failed(run, "i_itos");
  }
  return true;
}

// The outputs of i_replace/4, i_replicate/3 and i_dupchar/4 must be unbound.
bool p_i_replace(Run& run, std::span<Term> a) {
  std::string text, from, to;
  if (!text_in(a[0], text) || !text_in(a[1], from) || !text_in(a[2], to) || !a[3].is_var()) {
    return failed(run, "i_replace");
  }
  kb::translate_chars(text, from, to);
  return text_out(a[3], text);
}

bool p_i_replicate(Run& run, std::span<Term> a) {
  int32_t c = 0, n = 0;
  if (!int_in(a[0], c) || !int_in(a[1], n) || !a[2].is_var()) return failed(run, "i_replicate");
  return text_out(
      a[2], kb::replicate_char(static_cast<char>(c), std::min<int32_t>(n, kTextBufferSize - 1)));
}

bool p_i_dupchar(Run& run, std::span<Term> a) {
  std::string text, set;
  int32_t keep = 0;
  if (!text_in(a[0], text) || !text_in(a[1], set) || !int_in(a[2], keep) || !a[3].is_var()) {
    return failed(run, "i_dupchar");
  }
  std::string out;
  kb::double_chars(text, set, keep != 0, out, kTextBufferSize);
  return text_out(a[3], out);
}

bool p_i_dir_subor(Run& run, std::span<Term> a) {
  int32_t model = 0, table = 0;
  if (!ints_in(a, {&model, &table}) || !through_slots(a, {2}, [&] {
        static kb::RelationTable entries;
        kb::pointed_tables(model, table, entries);
        return kb::relations_to_list(entries, host::term_slot(0));
      })) {
    return failed(run, "i_dir_subor");
  }
  return true;
}

bool p_i_dir_super(Run& run, std::span<Term> a) {
  int32_t model = 0, table = 0;
  if (!ints_in(a, {&model, &table}) || !through_slots(a, {2}, [&] {
        static kb::RelationTable entries;
        kb::pointing_tables(model, table, entries);
        return kb::relations_to_list(entries, host::term_slot(0));
      })) {
    return failed(run, "i_dir_super");
  }
  return true;
}

bool p_i_need_reorg(Run& run, std::span<Term> a) {
  int32_t model = 0, table = 0;
  if (!ints_in(a, {&model, &table}) || !kb::table_needs_reorg(model, table))
    return failed(run, "i_need_reorg");
  return true;
}

bool p_i_index(Run& run, std::span<Term> a) {
  int32_t model = 0, table = 0, index = 0;
  if (!ints_in(a, {&model, &table, &index}) || !through_slots(a, {3, 4, 5}, [&] {
        kb::AttSet set;
        return kb::getIdx(model, table, index, host::term_slot(0), host::term_slot(1), set) &&
               kb::ints_to_list(set, host::term_slot(2));
      })) {
    return failed(run, "i_index");
  }
  return true;
}

bool p_i_all_atrisr(Run& run, std::span<Term> a) {
  int32_t model = 0, table = 0;
  if (!ints_in(a, {&model, &table}) || !through_slots(a, {2}, [&] {
        static kb::AttList list;
        static kb::ClassList kinds;
        list.count = kinds.count = 0;
        kb::get_table_atts(model, table, list, &kinds, false);
        return kb::ints_to_list(list, host::term_slot(0));
      })) {
    return failed(run, "i_all_atrisr");
  }
  return true;
}

bool p_i_index_exists(Run& run, std::span<Term> a) {
  int32_t model = 0, table = 0, index = 0;
  if (!ints_in(a, {&model, &table, &index})) return failed(run, "i_index_exists");
  const int next = kb::next_index_number(model, table, index);
  if (next == 0 || !int_out(a[3], next)) return failed(run, "i_index_exists");
  return true;
}

bool p_i_obt_prim_key(Run& run, std::span<Term> a) {
  int32_t model = 0, table = 0;
  if (!ints_in(a, {&model, &table}) || !through_slots(a, {2}, [&] {
        kb::AttSet set;
        kb::primary_key_atts(model, table, set);
        return kb::ints_to_list(set, host::term_slot(0));
      })) {
    return failed(run, "i_obt_prim_key");
  }
  return true;
}

// Arguments 4 to 6 are the name, the group's name and the description; the
// seventh is accepted and left as it is.
bool p_i_obj_info(Run& run, std::span<Term> a) {
  int32_t model = 0, type = 0, number = 0;
  if (!ints_in(a, {&model, &type, &number}) || !through_slots(a, {3, 4, 5}, [&] {
        return kb::get_object_info(model, type, number, host::term_slot(0), host::term_slot(1),
                                   host::term_slot(2));
      })) {
    return failed(run, "i_obj_info");
  }
  return true;
}

bool p_i_tblname(Run& run, std::span<Term> a) {
  int32_t model = 0, table = 0;
  if (!ints_in(a, {&model, &table}) || !through_slots(a, {2}, [&] {
        std::string name;
        return kb::get_table_name(model, table, name) &&
               host::term_unify_atom(name, host::term_slot(0));
      })) {
    return failed(run, "i_tblname");
  }
  return true;
}

bool p_i_called_pgms(Run& run, std::span<Term> a) {
  int32_t model = 0, type = 0, number = 0;
  if (!ints_in(a, {&model, &type, &number}) || !through_slots(a, {3}, [&] {
        return kb::collect_called_programs(model, type, number, host::term_slot(0));
      })) {
    return failed(run, "i_called_pgms");
  }
  return true;
}

bool p_i_closuret(Run& run, std::span<Term> a) {
  int32_t model = 0, mode = 0, start = 0;
  if (!int_in(a[0], model) || !int_in(a[2], mode) || !int_in(a[3], start) ||
      !through_slots(a, {1, 4, 5}, [&] {
        return kb::table_closure(model, host::term_slot(0), mode, start, host::term_slot(1),
                                 host::term_slot(2));
      })) {
    return failed(run, "i_closuret");
  }
  return true;
}

// i_dstorepref/4: (Name, Store, Model, Value) the data-store preference.
bool p_i_dstorepref(Run& run, std::span<Term> a) {
  std::string name, value;
  int32_t store = 0, model = 0;
  if (!text_in(a[0], name) || !int_in(a[1], store) || !int_in(a[2], model) ||
      !config::DataStorePref(name, store, model, value) || !text_out(a[3], value)) {
    return failed(run, "i_dstorepref");
  }
  return true;
}

// i_tblproperty/4: (Model, Table, Name, Value) a saved table property.
bool p_i_tblproperty(Run& run, std::span<Term> a) {
  int32_t model = 0, table = 0;
  std::string name, value;
  if (!int_in(a[0], model) || !int_in(a[1], table) || !text_in(a[2], name) ||
      !kb::TableProperty(model, table, name, value) || !text_out(a[3], value)) {
    return failed(run, "i_tblproperty");
  }
  return true;
}

// i_idxproperty/4: (Model, IndexName, Name, Value) a saved index property.
bool p_i_idxproperty(Run& run, std::span<Term> a) {
  int32_t model = 0;
  std::string index, name, value;
  if (!int_in(a[0], model) || !text_in(a[1], index) || !text_in(a[2], name) ||
      !kb::IndexProperty(model, index, name, value) || !text_out(a[3], value)) {
    return failed(run, "i_idxproperty");
  }
  return true;
}

// The attribute list must be a proper list of integers ([] allowed); the
// name comes in upper case, cut to the object name length of tables.
bool p_i_index_needed(Run& run, std::span<Term> a) {
  int32_t model = 0, table = 0;
  int index = 0;
  if (!ints_in(a, {&model, &table}) ||
      !through_slots(a, {2, 4},
                     [&] {
                       static kb::AttList list;
                       list.count = 0;
                       std::string name;
                       if (!kb::list_to_ints(host::term_slot(0), list) ||
                           !kb::find_matching_index(model, table, list, index, &name)) {
                         return 0;
                       }
                       const int len = kb::object_name_length(kb::resolve_model(model), 7);
                       if (len >= 1 && len < static_cast<int>(name.size()))
                         name.resize(static_cast<size_t>(len));
                       return host::term_unify_atom(name, host::term_slot(1)) ? 1 : 0;
                     }) ||
      !int_out(a[3], index)) {
    return failed(run, "i_index_needed");
  }
  return true;
}

bool p_i_append_file(Run& run, std::span<Term> a) {
  if (!through_slots(a, {0, 1},
                     [] { return kb::concat_files(host::term_slot(0), host::term_slot(1)); })) {
    return failed(run, "i_append_file");
  }
  return true;
}

bool p_i_stqnprgs(Run& run, std::span<Term> a) {
  int32_t model = 0, type = 0, generator = 0;
  if (!ints_in(a, {&model, &type, &generator}) || !kb::prg_file_start(model, type, generator)) {
    return failed(run, "i_stqnprgs");
  }
  return true;
}

// The two integers are checked and not used.
bool p_i_clqnprgs(Run& run, std::span<Term> a) {
  int32_t x = 0, y = 0;
  if (!ints_in(a, {&x, &y}) || !kb::prg_file_close()) return failed(run, "i_clqnprgs");
  return true;
}

// (Model, Type, Mode, Number, Name, Description, [Flag1, Flag2, Text1, Text2])
bool p_i_nxqnprgs(Run& run, std::span<Term> a) {
  int32_t model = 0, type = 0, mode = 0;
  if (!ints_in(a, {&model, &type, &mode}) || !through_slots(a, {3, 4, 5, 6}, [&] {
        return kb::prg_file_next(model, type, mode, host::term_slot(0), host::term_slot(1),
                                 host::term_slot(2), host::term_slot(3));
      })) {
    return failed(run, "i_nxqnprgs");
  }
  return true;
}

// (Model, Type, Number, Name, Description, [Flag1, Flag2, Text1, Text2])
bool p_i_wqnprgs(Run& run, std::span<Term> a) {
  int32_t model = 0, type = 0, number = 0;
  if (!ints_in(a, {&model, &type, &number}) || !through_slots(a, {3, 4, 5}, [&] {
        return kb::prg_file_write(model, type, number, host::term_slot(0), host::term_slot(1),
                                  host::term_slot(2));
      })) {
    return failed(run, "i_wqnprgs");
  }
  return true;
}

// One entry per predicate. Predicates of the knowledge base, the
// configuration and the property model join this table in the same way.
constexpr HostPredicateEntry kHostPredicates[] = {
    {"program_dir", 1, p_program_dir},
    {"i_defoutfile", 1, p_i_defoutfile},
    {"i_start_rpt", 3, p_i_start_rpt},
    {"i_end_rpt", 0, p_i_end_rpt},
    {"i_printfglnocol", 1, p_i_printfglnocol},
    {"i_ptemplatenocol", 4, p_i_ptemplatenocol},
    {"i_model_info", 2, p_i_model_info},
    {"i_get_model", 3, p_i_get_model},
    {"i_get_dirgen", 5, p_i_get_dirgen},
    {"i_config", 2, p_i_config},
    {"i_itoa", 4, p_i_itoa},
    {"setfilelen", 1, p_setfilelen},
    {"step_progress", 0, p_step_progress},
    {"set_progress_len", 1, p_set_progress_len},
    {"show_progress_text", 1, p_show_progress_text},
    {"post_status_msg", 3, p_post_status_msg},
    {"ini_read_entry", 5, p_ini_read_entry},
    {"i_upper", 2, p_i_upper},
    {"str_compare", 3, p_str_compare},
    {"i_dstorepref", 4, p_i_dstorepref},
    {"i_tblproperty", 4, p_i_tblproperty},
    {"i_idxproperty", 4, p_i_idxproperty},
    {"i_nextobj", 4, p_i_nextobj},
    {"i_attri_pic", 3, p_i_attri_pic},
    {"i_attri_name", 4, p_i_attri_name},
    {"i_attri_type", 5, p_i_attri_type},
    {"i_attri_info", 10, p_i_attri_info},
    {"i_vaux", 5, p_i_vaux},
    {"i_itos", 3, p_i_itos},
    {"i_replace", 4, p_i_replace},
    {"i_replicate", 3, p_i_replicate},
    {"i_dupchar", 4, p_i_dupchar},
    {"i_dir_subor", 3, p_i_dir_subor},
    {"i_dir_super", 3, p_i_dir_super},
    {"i_need_reorg", 2, p_i_need_reorg},
    {"i_index", 6, p_i_index},
    {"i_all_atrisr", 3, p_i_all_atrisr},
    {"i_index_exists", 4, p_i_index_exists},
    {"i_obt_prim_key", 3, p_i_obt_prim_key},
    {"i_obj_info", 7, p_i_obj_info},
    {"i_tblname", 3, p_i_tblname},
    {"i_called_pgms", 4, p_i_called_pgms},
    {"i_closuret", 6, p_i_closuret},
    {"i_index_needed", 5, p_i_index_needed},
    {"i_append_file", 2, p_i_append_file},
    {"i_stqnprgs", 3, p_i_stqnprgs},
    {"i_clqnprgs", 2, p_i_clqnprgs},
    {"i_nxqnprgs", 7, p_i_nxqnprgs},
    {"i_wqnprgs", 6, p_i_wqnprgs},
};

DialogSenders default_dialog_senders() {
  DialogSenders s;
  s.set_progress_total = [](int n) { host::set_progress_total(n); };
  s.progress_step = [] { host::progress_step(); };
  s.set_step_range = [](int n) { host::set_step_range(n); };
  s.set_progress_text = [](std::string_view t) { host::set_progress_text(t); };
  s.add_progress_object = [](std::string_view type, std::string_view name,
                             std::string_view description) {
    host::add_progress_object(type, name, description);
  };
  s.show_error = [](std::string_view t) { host::ShowGenerationError(t); };
  return s;
}

// Calls a table predicate with its arguments in place.
template <size_t N>
bool call_entry(Run& run, HostPredicate fn, std::array<Term, N>& args) {
  return fn(run, std::span<Term>(args.data(), N));
}

}  // namespace

// --- the crossing --------------------------------------------------------------

bool term_to_slot(const Term& term, int slot) {
  if (!valid_slot(slot)) return false;
  t_int_too_wide = false;
  build_tree(term, host::term_slot(slot));
  // An integer the slot cannot hold fails the call instead of being cut.
  return !t_int_too_wide;
}

bool term_slot_to_term(Term& term, int slot) {
  if (!valid_slot(slot)) return false;
  engine::Bindings b;
  if (!unify_tree(term, host::term_slot(slot), b)) return false;
  term = b.resolve(term);
  return true;
}

bool text_in(const Term& arg, std::string& out, size_t buffer_size) {
  if (!arg.is_atom() && !arg.is_string()) return false;
  const std::string& text = arg.text();
  out.assign(text, 0, buffer_size > 0 ? std::min(text.size(), buffer_size - 1) : 0);
  return true;
}

bool int_in(const Term& arg, int32_t& out) {
  if (!arg.is_int() || !fits_slot(arg.as_int())) return false;
  out = static_cast<int32_t>(arg.as_int());
  return true;
}

bool text_out(Term& arg, std::string_view text) {
  if (arg.is_var()) {
    arg = Term::string(text);
    return true;
  }
  return (arg.is_atom() || arg.is_string()) && arg.text() == text;
}

bool int_out(Term& arg, int64_t value) {
  if (arg.is_var()) {
    arg = Term::integer(value);
    return true;
  }
  return arg.is_int() && arg.as_int() == value;
}

std::span<const HostPredicateEntry> host_predicates() { return kHostPredicates; }

const HostPredicateEntry* find_host_predicate(std::string_view name, uint32_t arity) {
  for (const HostPredicateEntry& e : kHostPredicates) {
    if (e.arity == arity && e.name == name) return &e;
  }
  return nullptr;
}

bool call_host(Run& run, std::string_view name, std::span<Term> args) {
  if (const Run::HostStandIn* s = run.host_stand_in(name, static_cast<uint32_t>(args.size()))) {
    return (*s)(run, args);
  }
  const HostPredicateEntry* e = find_host_predicate(name, static_cast<uint32_t>(args.size()));
  return e != nullptr && e->fn(run, args);
}

DialogSenders& dialog_senders() {
  static DialogSenders senders = default_dialog_senders();
  return senders;
}

void reset_dialog_senders() { dialog_senders() = default_dialog_senders(); }

Output& writer_output() {
  static WriterOutput out;
  return out;
}

std::string EmitCapture::locate_template(std::string_view file) const {
  return host::source_writer().locate_template(file);
}

// --- typed forms -----------------------------------------------------------------

bool program_dir(Run& run, Term& dir) {
  std::array<Term, 1> a{dir};
  if (!call_entry(run, p_program_dir, a)) return false;
  dir = a[0];
  return true;
}

bool i_defoutfile(Run& run, const Term& name) {
  std::array<Term, 1> a{name};
  return call_entry(run, p_i_defoutfile, a);
}

bool i_start_rpt(Run& run, const Term& x, const Term& y, const Term& z) {
  std::array<Term, 3> a{x, y, z};
  return call_entry(run, p_i_start_rpt, a);
}

bool i_end_rpt(Run& run) {
  std::array<Term, 0> a{};
  return call_entry(run, p_i_end_rpt, a);
}

bool i_printfglnocol(Run& run, const Term& lines) {
  std::array<Term, 1> a{lines};
  return call_entry(run, p_i_printfglnocol, a);
}

bool i_ptemplatenocol(Run& run, const Term& file, const Term& before, const Term& after,
                      const Term& args) {
  std::array<Term, 4> a{file, before, after, args};
  return call_entry(run, p_i_ptemplatenocol, a);
}

bool i_get_dirgen(Run& run, const Term& model, const Term& generator, Term& u, Term& s, Term& n) {
  std::array<Term, 5> a{model, generator, u, s, n};
  if (!call_entry(run, p_i_get_dirgen, a)) return false;
  u = a[2];
  s = a[3];
  n = a[4];
  return true;
}

bool i_model_info(Run& run, const Term& model, Term& dir) {
  std::array<Term, 2> a{model, dir};
  if (!call_entry(run, p_i_model_info, a)) return false;
  dir = a[1];
  return true;
}

bool i_get_model(Run& run, Term& model, Term& status, Term& offset) {
  std::array<Term, 3> a{model, status, offset};
  if (!call_entry(run, p_i_get_model, a)) return false;
  model = a[0];
  status = a[1];
  offset = a[2];
  return true;
}

bool i_config(Run& run, const Term& key, Term& value) {
  std::array<Term, 2> a{key, value};
  if (!call_entry(run, p_i_config, a)) return false;
  value = a[1];
  return true;
}

bool i_itoa(Run& run, const Term& value, const Term& base, const Term& width, Term& text) {
  std::array<Term, 4> a{value, base, width, text};
  if (!call_entry(run, p_i_itoa, a)) return false;
  text = a[3];
  return true;
}

bool setfilelen(Run& run, const Term& n) {
  std::array<Term, 1> a{n};
  return call_entry(run, p_setfilelen, a);
}

bool step_progress(Run& run) {
  std::array<Term, 0> a{};
  return call_entry(run, p_step_progress, a);
}

bool set_progress_len(Run& run, const Term& n) {
  std::array<Term, 1> a{n};
  return call_entry(run, p_set_progress_len, a);
}

bool show_progress_text(Run& run, const Term& text) {
  std::array<Term, 1> a{text};
  return call_entry(run, p_show_progress_text, a);
}

bool post_status_msg(Run& run, const Term& x, const Term& y, const Term& info) {
  std::array<Term, 3> a{x, y, info};
  return call_entry(run, p_post_status_msg, a);
}

bool ini_read_entry(Run& run, const Term& file, const Term& section, const Term& key,
                    const Term& def, Term& value) {
  std::array<Term, 5> a{file, section, key, def, value};
  if (!call_entry(run, p_ini_read_entry, a)) return false;
  value = a[4];
  return true;
}

bool i_upper(Run& run, Term& lower, Term& upper) {
  std::array<Term, 2> a{lower, upper};
  if (!call_entry(run, p_i_upper, a)) return false;
  lower = a[0];
  upper = a[1];
  return true;
}

bool str_compare(Run& run, const Term& x, const Term& y, Term& result) {
  std::array<Term, 3> a{x, y, result};
  if (!call_entry(run, p_str_compare, a)) return false;
  result = a[2];
  return true;
}

}  // namespace qn::logic
