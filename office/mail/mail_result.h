// The outcome of a mail operation: a mail error code and the value its
// message names (a recipient, a file name, a user name...).
#pragma once

#include <ostream>
#include <string>

namespace qn::office {

struct MailResult {
  int code = 0;
  std::string value;
  bool operator==(const MailResult&) const = default;
};

// "code (value)", as logs and test failures show a result.
inline std::ostream& operator<<(std::ostream& out, const MailResult& r) {
  return out << r.code << " (" << r.value << ")";
}

}  // namespace qn::office
