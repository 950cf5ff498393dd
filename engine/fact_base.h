// The fact base: an ordered clause list per name/arity, with the assert,
// retract and query operations the rules use. Queries hand out snapshots,
// so a loop may assert and retract while it walks. Clauses are indexed on
// their first argument (its value when atomic, its name and arity when
// compound), so a query whose first argument is bound reads only the
// clauses that can match. One run uses a fact base from one thread.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/term.h"

namespace qn::engine {

struct PredKey {
  Atom name;
  uint32_t arity = 0;
  friend bool operator==(const PredKey&, const PredKey&) = default;
};

class FactBase {
 public:
  FactBase();
  ~FactBase();
  FactBase(const FactBase&) = delete;
  FactBase& operator=(const FactBase&) = delete;

  // Called on every access; the engine uses it for its interrupt check.
  void set_access_hook(std::function<void()> hook);

  void asserta(const Term& clause);
  void assertz(const Term& clause);
  // assert/2: position 0 is first; a position past the end appends.
  void assert_at(const Term& clause, size_t position);
  // assert/1 is assertz.
  void assert_(const Term& clause) { assertz(clause); }

  // retract/1: removes the first clause that unifies with pattern; gives
  // the clause removed.
  std::optional<Term> retract(const Term& pattern);
  // Removes every clause that unifies with pattern; gives how many.
  size_t retract_all(const Term& pattern);
  // abolish/1: drops every clause of name/arity.
  void abolish(std::string_view name, uint32_t arity);
  void abolish(PredKey key);
  void clear();

  // Clauses of name/arity in order (a snapshot).
  std::vector<Term> clauses(std::string_view name, uint32_t arity) const;
  std::vector<Term> clauses(PredKey key) const;
  size_t count(std::string_view name, uint32_t arity) const;
  // How many clauses of name/arity satisfy fn.
  size_t count_if(std::string_view name, uint32_t arity,
                  const std::function<bool(const Term&)>& fn) const;
  // Clauses that unify with pattern, in order (findall/3 over a fact).
  std::vector<Term> findall(const Term& pattern) const;
  // The first clause that unifies with pattern, binding its variables.
  std::optional<Term> first(const Term& pattern) const;
  bool exists(const Term& pattern) const { return first(pattern).has_value(); }
  // Walks a snapshot of the clauses that unify with pattern; the callback
  // answers false to stop.
  void for_each(const Term& pattern, const std::function<bool(const Term&)>& fn) const;

  // The predicates that have (or had) clauses, in the order first seen.
  std::vector<PredKey> predicates() const;

  // A number that changes whenever the clauses of name/arity change (assert,
  // retract, abolish, clear); 0 for a predicate that has never had clauses.
  // A rule that keeps an index of a predicate rebuilds it when this moves.
  uint64_t stamp(std::string_view name, uint32_t arity) const;

 private:
  struct Impl;
  Impl* impl_;
};

}  // namespace qn::engine
