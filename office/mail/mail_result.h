// The outcome of a mail operation: a mail error code and the value its
// message names (a recipient, a file name, a user name...).
#pragma once

#include <string>

namespace qn::office {

struct MailResult {
  int code = 0;
  std::string value;
  bool operator==(const MailResult&) const = default;
};

}  // namespace qn::office
