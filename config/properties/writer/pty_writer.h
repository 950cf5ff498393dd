// Property-definition archives from a text description, and back: the tool
// behind `ptytool` and the test fixtures. Never linked into the generator.
//
// One line per item; '#' starts a comment line. Indentation (spaces) nests:
//   directory version=N                        the directory's version word
//   object NAME [number=N] [description=T] [parent=P]
//   list key=value ...                         the first list, unindented, is the root
//   elem key=value ...                         inside the nearest list above, indented deeper
//   depend KIND VALUE EXPR [version=N]         a dependency of the item above
//   choice VALUE [caption=T] [description=T]   a choice of the element above
// Fields of lists and elements: kind, name, caption, description,
// ids (names joined by ',', a leading '!' for a complement set, "!" alone
// for all objects, the default), idsversion, flags, base (version of the
// base part), version (of the list or element part); lists: type, second
// (GUIDs in brace form); elements: default, min, max, param, textparam,
// custom, valuetype, aliases (joined by ',').
// Values are TYPE:TEXT with TYPE one of empty null i1 ui1 i2 ui2 i4 ui4 int
// uint i8 ui8 r4 r8 cy date bstr bool error unknown dispatch. Texts holding
// blanks or any of , ( ) " # are written in double quotes (\" and \\ inside).
// Expressions are prefix terms: and(A,B) or(A,B) not(A) eq/ne/gt/ge/lt/le(NAME,VALUE)
// obj(NAME) group(NAME) never(NAME) true op(N).
#pragma once

#include <cstdint>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qn::config::ptywriter {

struct BuildError {
  int line = 0;
  std::string reason;
};

// The archive of a description; false with the first bad line and why.
bool build(std::string_view description, std::vector<uint8_t>& archive, BuildError& error);
// The description of an archive, in the form build reads. A damaged archive
// raises CArchiveException.
std::string dump(std::span<const uint8_t> archive);

// ptytool build DESCRIPTION FILE | dump FILE | encipher TEXT; 0 on success.
int run_ptytool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace qn::config::ptywriter
