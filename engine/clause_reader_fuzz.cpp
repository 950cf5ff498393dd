// Fuzz target of the clause reader: any bytes must read without a crash,
// and every clause read must write back (writeq) to a text that reads as
// the same term.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "engine/clause_io.h"
#include "engine/term.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qn::engine;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<SyntaxError> errors;
  std::vector<Term> clauses = read_clauses(text, &errors);
  for (const Term& t : clauses) {
    std::string written = clause_text(t);
    std::vector<SyntaxError> back_errors;
    std::vector<Term> back = read_clauses(written, &back_errors);
    if (back.size() != 1 || !back_errors.empty() || !(back[0] == t)) {
      std::fprintf(stderr, "round trip failed: %s\n", written.c_str());
      std::abort();
    }
    (void)write(t);
  }
  (void)parse_term(text);
  return 0;
}
