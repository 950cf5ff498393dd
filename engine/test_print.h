// Test helper: GoogleTest prints terms in clause syntax.
#pragma once

#include <ostream>

#include "engine/clause_io.h"
#include "engine/term.h"

namespace qn::engine {

inline void PrintTo(const Term& t, std::ostream* os) { *os << writeq(t); }

}  // namespace qn::engine
