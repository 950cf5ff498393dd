// Terms of the rule program: integers, reals, interned atoms, strings,
// compounds and variables. A Term is a small value (16 bytes) that shares
// immutable heap nodes, so copying one is cheap and facts can be handed out
// by value.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qn::engine {

// An interned name. Two atoms are equal when their names are equal; the
// comparison is one integer comparison.
class Atom {
 public:
  Atom() = default;  // the atom '[]'
  explicit Atom(std::string_view name);
  static Atom from_id(uint32_t id) {
    Atom a;
    a.id_ = id;
    return a;
  }

  const std::string& name() const;
  uint32_t id() const { return id_; }

  friend bool operator==(Atom a, Atom b) { return a.id_ == b.id_; }
  bool operator==(std::string_view name) const { return this->name() == name; }

 private:
  uint32_t id_ = 0;  // id 0 is '[]'
};

struct TermNode;  // shared immutable payload of strings and compounds

class Term {
 public:
  enum class Kind : uint8_t { Var, Int, Real, Atom, String, Compound };

  Term() : kind_(Kind::Atom) { u_.atom = 0; }  // the atom '[]'
  Term(const Term& o) : kind_(o.kind_), u_(o.u_) { retain(); }
  Term(Term&& o) noexcept : kind_(o.kind_), u_(o.u_) {
    o.kind_ = Kind::Atom;
    o.u_.atom = 0;
  }
  Term& operator=(const Term& o) {
    if (this != &o) {
      Term tmp(o);
      swap(tmp);
    }
    return *this;
  }
  Term& operator=(Term&& o) noexcept {
    if (this != &o) {
      Term tmp(std::move(o));
      swap(tmp);
    }
    return *this;
  }
  ~Term() {
    if (has_node()) release();
  }
  void swap(Term& o) noexcept {
    std::swap(kind_, o.kind_);
    std::swap(u_, o.u_);
  }

  static Term integer(int64_t v);
  static Term real(double v);
  static Term atom(Atom a);
  static Term atom(std::string_view name) { return atom(Atom(name)); }
  static Term string(std::string_view text);
  // A variable. Ids are unique within one clause or pattern; the reader
  // numbers a clause's variables from 1, and `fresh_var` gives ids that
  // never clash with them.
  static Term var(uint32_t id);
  static Term fresh_var();
  static Term compound(Atom functor, std::vector<Term> args);
  // Builds a compound taking the arguments out of [args, args + n).
  static Term compound_from(Atom functor, Term* args, size_t n);
  static Term compound(std::string_view functor, std::vector<Term> args) {
    return compound(Atom(functor), std::move(args));
  }
  static Term nil() { return Term(); }
  // Drops many terms at once, leaving each '[]'. Their nodes are freed
  // breadth-first with the memory of the next ones fetched ahead, which is
  // much quicker than dropping scattered terms one after another.
  static void release_all(std::span<Term> terms);
  static Term cons(Term head, Term tail);
  static Term list(std::span<const Term> items, Term tail = Term());
  static Term list(std::initializer_list<Term> items) {
    return list(std::span<const Term>(items.begin(), items.size()));
  }

  Kind kind() const { return kind_; }
  bool is_var() const { return kind_ == Kind::Var; }
  bool is_int() const { return kind_ == Kind::Int; }
  bool is_real() const { return kind_ == Kind::Real; }
  bool is_number() const { return is_int() || is_real(); }
  bool is_atom() const { return kind_ == Kind::Atom; }
  bool is_string() const { return kind_ == Kind::String; }
  bool is_compound() const { return kind_ == Kind::Compound; }
  bool is_nil() const { return kind_ == Kind::Atom && u_.atom == 0; }
  bool is_cons() const;  // '.'(H, T)
  // True when the term is or holds a variable (constant time).
  bool has_vars() const;
  // A proper list: '[]' or cons cells ending in '[]'.
  bool is_list() const;

  int64_t as_int() const { return u_.i; }
  double as_real() const { return u_.d; }
  // Integers and reals as a double.
  double as_number() const { return is_int() ? static_cast<double>(u_.i) : u_.d; }
  Atom as_atom() const { return Atom::from_id(u_.atom); }
  uint32_t var_id() const { return u_.var; }
  // The characters of an atom or string; "" for other kinds.
  const std::string& text() const;

  // Compound access. `arg` is 1-based as in the rule language. An atom has
  // arity 0 and is its own functor.
  Atom functor() const;
  size_t arity() const;
  const Term& arg(size_t n) const;
  std::span<const Term> args() const;

  // Elements of a list (stops at the first tail that is not a cons cell).
  std::vector<Term> list_items() const;
  const Term& head() const { return arg(1); }
  const Term& tail() const { return arg(2); }

  // Structural identity (==/2): same kinds, values and arguments.
  friend bool operator==(const Term& a, const Term& b);
  // True for an atom with this name.
  bool operator==(std::string_view atom_name) const { return is_atom() && text() == atom_name; }
  bool operator==(const char* atom_name) const { return *this == std::string_view(atom_name); }
  bool operator==(Atom a) const { return is_atom() && u_.atom == a.id(); }

  // Hash consistent with operator==.
  size_t hash() const;

 private:
  bool has_node() const { return kind_ == Kind::String || kind_ == Kind::Compound; }
  void retain() const;
  void release();

  Kind kind_;
  union {
    int64_t i;
    double d;
    uint32_t atom;
    uint32_t var;
    TermNode* node;  // strings and compounds: shared, immutable, counted
  } u_{};

  friend struct TermNode;
  friend struct TermAccess;
};

// The standard order of terms: Var < Number < Atom < String < Compound;
// numbers by value (an integer before an equal real), atoms and strings by
// their bytes, compounds by arity, then name, then arguments left to right.
// Answers <0, 0 or >0.
int compare(const Term& a, const Term& b);

// sort/2: ascending standard order, duplicates removed.
std::vector<Term> sort_terms(std::vector<Term> items);
// keysort/2: stable sort of K-V pairs ('-'(K, V)) on K; duplicates kept.
// Items that are not pairs make it fail (returns false, leaves out alone).
bool keysort_terms(const std::vector<Term>& items, std::vector<Term>& out);

// Variable bindings of one unification. Terms with variables are matched
// against facts (which may themselves hold variables: those are renamed
// apart by the caller's use of fresh ids, see Term::fresh_var).
class Bindings {
 public:
  // The term bound to a variable, following chains; the term itself when
  // it is not a bound variable. The reference stays valid until the next
  // bind or undo.
  const Term& deref(const Term& t) const;
  void bind(uint32_t var_id, Term value);
  // Copy of t with every bound variable replaced by its value.
  Term resolve(const Term& t) const;
  size_t mark() const { return size_; }
  void undo(size_t mark);
  void clear() { undo(0); }

 private:
  struct Binding {
    uint32_t var = 0;
    Term value;
  };
  static constexpr size_t kInline = 8;  // most patterns bind a few variables

  const Binding& at(size_t i) const { return i < kInline ? inline_[i] : more_[i - kInline]; }

  Binding inline_[kInline];
  std::vector<Binding> more_;
  size_t size_ = 0;
};

// Unifies a and b, extending `b`indings; on failure the bindings are left
// as they were.
bool unify(const Term& a, const Term& b, Bindings& bindings);
// Whether `pattern` unifies with `t` (no bindings kept).
bool matches(const Term& pattern, const Term& t);

}  // namespace qn::engine

template <>
struct std::hash<qn::engine::Term> {
  size_t operator()(const qn::engine::Term& t) const { return t.hash(); }
};
