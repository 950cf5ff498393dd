// Test support of the translator's tests: a run over a few facts with its
// output captured, and token lists written as {text, kind} pairs.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/core/run.h"
#include "logic/program/expressions.h"
#include "logic/program/java_expr.h"

namespace qn::logic::testing {

using engine::Term;

struct Tk {
  std::string text;
  int64_t kind;
};

inline Term tok(const Tk& t) {
  return Term::compound("t", {Term::atom(t.text), Term::integer(t.kind)});
}
inline Term toks(const std::vector<Tk>& list) {
  std::vector<Term> items;
  for (const Tk& t : list) items.push_back(tok(t));
  return Term::list(items);
}
inline Term term(const char* text) { return *engine::parse_term(text); }

struct ExprRun {
  explicit ExprRun(const std::string& facts = "") : run(eng) {
    if (!facts.empty()) {
      EXPECT_TRUE(eng.consult_text(facts, false)) << facts;
    }
    run.capture_output();
  }
  std::vector<std::string> lines() { return run.capture()->all_lines(); }
  std::string facts_of(const char* name, uint32_t arity) {
    std::string out;
    for (const Term& f : eng.facts().clauses(name, arity)) out += engine::writeq(f) + " ";
    return out;
  }
  engine::Engine eng;
  Run run;
};

// The pieces written as a line writes them: one blank between pieces.
inline std::string spaced(const std::vector<std::string>& pieces) {
  std::string s;
  for (const std::string& p : pieces) s += (s.empty() ? "" : " ") + p;
  return s;
}

// An expression translated, as "pieces : type", or "FAIL".
inline std::string translated(ExprRun& r, const std::vector<Tk>& t) {
  auto x = exp_to_java(r.run, toks(t), {});
  return x ? spaced(x->pieces) + " : " + type_text(x->type) : "FAIL";
}

}  // namespace qn::logic::testing
