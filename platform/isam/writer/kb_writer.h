// Writing and printing knowledge bases in the description format.
//
// A description holds one record a line: the family's short name, then
// field=value pairs in any order. Fields not named are 0 (numbers) or blank
// (texts). Values with blanks are quoted ("a b"; a quote inside is doubled).
// Blank lines and lines starting with '#' are skipped. Character fields take
// one character that is not a digit, or its code as a number.
//
//   att model=1 number=12 class=12 name=CUSTID type=4 kind=1 length=6 title="Customer id"
#pragma once

#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/isam/kb_layout.h"

namespace qn::isam {

struct KbRecord {
  const FamilyDef* family = nullptr;
  std::vector<uint8_t> image;
  int line = 0;  // line of the description, 0 when not from one
};

// Parses a description; on failure the line number and the reason.
bool parse_description(std::string_view text, std::vector<KbRecord>& out, int& error_line,
                       std::string& reason);
// One record from a family name and its field values.
bool make_record(std::string_view family,
                 const std::vector<std::pair<std::string, std::string>>& fields, KbRecord& out,
                 std::string& reason);

// Writes PEFILES and the database into dir (which must exist). Nothing is
// left as a knowledge base when it fails; a knowledge base already there is
// replaced only on success.
bool write_knowledge_base(const std::string& dir, const std::vector<KbRecord>& records,
                          std::string& error);

// The description of the knowledge base whose PEFILES is in dir: families in
// layout order, records in the order they were written, fields at their
// defaults left out.
bool dump_knowledge_base(const std::string& dir, std::string& out, std::string& error);

// Fixture for tests and benchmarks: collects records, then writes them.
class KbBuilder {
 public:
  // Adds a record; throws std::invalid_argument with the reason when bad.
  KbBuilder& add(std::string_view family,
                 std::initializer_list<std::pair<std::string, std::string>> fields);
  KbBuilder& add(std::string_view family,
                 const std::vector<std::pair<std::string, std::string>>& fields);
  // Adds the records of description text; throws std::invalid_argument.
  KbBuilder& add_description(std::string_view text);
  // Writes the knowledge base into dir; throws std::runtime_error.
  void write(const std::string& dir) const;
  const std::vector<KbRecord>& records() const { return records_; }

 private:
  std::vector<KbRecord> records_;
};

// kbtool: "build DESCRIPTION DIR" or "dump DIR". The exit code.
int run_kbtool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace qn::isam
