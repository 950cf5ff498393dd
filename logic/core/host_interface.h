// The host-interface predicates: the one crossing between the rules and the
// host. Each predicate checks its arguments, converts them into host values
// (integers, texts cut to the host's buffers, term-value trees in the ten
// term slots), calls one host routine and converts its result back, or
// fails. Outputs are unified: an unbound argument takes the result, a bound
// one must equal it (texts compare by their characters).
//
// The predicates are listed in one table, name/arity -> function; a rule
// calls them through the typed forms below or by name (call_host).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// --- the crossing --------------------------------------------------------

inline constexpr size_t kTextBufferSize = 10240;  // text arguments
inline constexpr size_t kShortTextSize = 256;     // progress, list-row and profile texts

// term_to_slot/2: releases the slot's tree and builds the tree of term
// (variable 0, integer 1, real 2, atom or string 4, compound 5). False for
// a slot outside 0-9.
bool term_to_slot(const engine::Term& term, int slot);
// term_slot_to_term/2: rebuilds a term from the slot's tree and unifies it
// with term. Unbound places leave term as it is; texts come back as atoms
// ("[]" is the empty list). Fails for a slot outside 0-9, a kind-3 node or a
// bound term that does not match.
bool term_slot_to_term(engine::Term& term, int slot);

// Argument conversions.
// Text in: an atom or a string, cut to fit a buffer of buffer_size bytes.
bool text_in(const engine::Term& arg, std::string& out, size_t buffer_size = kTextBufferSize);
// Integer in: a 32-bit integer.
bool int_in(const engine::Term& arg, int32_t& out);
// Text out: an unbound argument becomes a new string; a bound one must be a
// text with the same characters.
bool text_out(engine::Term& arg, std::string_view text);
// Integer out.
bool int_out(engine::Term& arg, int64_t value);

// --- the table -----------------------------------------------------------

// A predicate's arguments in order; outputs are unified in place.
using HostPredicate = bool (*)(Run& run, std::span<engine::Term> args);

struct HostPredicateEntry {
  std::string_view name;
  uint32_t arity;
  HostPredicate fn;
};

std::span<const HostPredicateEntry> host_predicates();
const HostPredicateEntry* find_host_predicate(std::string_view name, uint32_t arity);
// Calls name/args.size(): the run's stand-in of that name when it has one,
// else the table's; false when the predicate fails or does not exist.
bool call_host(Run& run, std::string_view name, std::span<engine::Term> args);

// The dialog senders the progress predicates call. The defaults post to the
// progress dialog; a test installs recording stand-ins.
struct DialogSenders {
  std::function<void(int)> set_progress_total;              // setfilelen/1
  std::function<void()> progress_step;                      // step_progress/0
  std::function<void(int)> set_step_range;                  // set_progress_len/1
  std::function<void(std::string_view)> set_progress_text;  // show_progress_text/1
  std::function<void(std::string_view type, std::string_view name, std::string_view description)>
      add_progress_object;  // post_status_msg/3
  // An error box of the generator's own (the run then reports errors).
  std::function<void(std::string_view)> show_error;
};
DialogSenders& dialog_senders();
void reset_dialog_senders();

// --- typed forms -----------------------------------------------------------

// program_dir/1: the program directory with a trailing separator.
bool program_dir(Run& run, engine::Term& dir);
// i_defoutfile/1: the next output path.
bool i_defoutfile(Run& run, const engine::Term& name);
// i_start_rpt/3: opens the output file; fails when it cannot be opened.
bool i_start_rpt(Run& run, const engine::Term& a, const engine::Term& b, const engine::Term& c);
// i_end_rpt/0: closes the output file; fails when a write error happened.
bool i_end_rpt(Run& run);
// i_printfglnocol/1: writes a list of lines; fails when the writer fails.
bool i_printfglnocol(Run& run, const engine::Term& lines);
// i_ptemplatenocol/4: expands a template into the output.
bool i_ptemplatenocol(Run& run, const engine::Term& file, const engine::Term& before,
                      const engine::Term& after, const engine::Term& args);
// i_model_info/2: the directory path of the model's record (model 0: the
// cached model).
bool i_model_info(Run& run, const engine::Term& model, engine::Term& dir);
// i_get_model/3: the model walk: the current model after it, 1 when the
// companion model one block higher does not exist (else 0), and the block
// size as the model-number offset.
bool i_get_model(Run& run, engine::Term& model, engine::Term& status, engine::Term& offset);
// i_get_dirgen/5: creates and names the generation directories u, s, n.
bool i_get_dirgen(Run& run, const engine::Term& model, const engine::Term& generator,
                  engine::Term& u, engine::Term& s, engine::Term& n);
// i_config/2: the value of a key of the free key list; fails when absent.
bool i_config(Run& run, const engine::Term& key, engine::Term& value);
// i_itoa/4: an integer as text in a base, left-padded with '0' to a width.
bool i_itoa(Run& run, const engine::Term& value, const engine::Term& base,
            const engine::Term& width, engine::Term& text);

// Progress predicates (they succeed when their arguments are right).
bool setfilelen(Run& run, const engine::Term& n);
bool step_progress(Run& run);
bool set_progress_len(Run& run, const engine::Term& n);
bool show_progress_text(Run& run, const engine::Term& text);
// post_status_msg/3: a list row from (_, _, [_, 2, Description, Kind, Name | _]);
// anything else posts nothing. Always succeeds.
bool post_status_msg(Run& run, const engine::Term& a, const engine::Term& b,
                     const engine::Term& info);

// ini_read_entry/5: a profile string (at most 254 characters).
bool ini_read_entry(Run& run, const engine::Term& file, const engine::Term& section,
                    const engine::Term& key, const engine::Term& def, engine::Term& value);
// i_upper/2: exactly one side bound; the other gets its lower or upper form.
bool i_upper(Run& run, engine::Term& lower, engine::Term& upper);
// str_compare/3: -1, 0 or 1 as the byte-wise comparison of two texts.
bool str_compare(Run& run, const engine::Term& a, const engine::Term& b, engine::Term& result);

}  // namespace qn::logic
