// The parameter file of the knowledge base (PEFILES): a small text file that
// names the database, relative to the parameter file's own folder.
//
//   # comment lines start with '#'
//   DATABASE=knowledge.db
//
// Keys are matched ignoring case; blanks around key and value are dropped;
// CRLF line ends are accepted.
#pragma once

#include <string>

namespace qn::isam {

struct ParamFile {
  std::string database_path;  // the named database, joined to the parameter file's folder
};

enum class ParamStatus { kOk, kUnreadable, kNoDatabase };

ParamStatus read_param_file(const std::string& path, ParamFile& out);

// The text of a parameter file that names the database file name.
std::string param_file_text(const std::string& database_name);

}  // namespace qn::isam
