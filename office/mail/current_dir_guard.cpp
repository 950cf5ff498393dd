#include "office/mail/current_dir_guard.h"

namespace qn::office {

CurrentDirKeeper::Scope::Scope(CurrentDirKeeper& keeper) : keeper_(keeper) {
  if (keeper_.depth_++ == 0) {
    std::error_code ec;
    keeper_.saved_ = std::filesystem::current_path(ec);
    if (ec) keeper_.saved_.clear();
  }
}

CurrentDirKeeper::Scope::~Scope() {
  if (--keeper_.depth_ == 0 && !keeper_.saved_.empty()) {
    std::error_code ec;
    if (std::filesystem::current_path(ec) != keeper_.saved_) {
      std::filesystem::current_path(keeper_.saved_, ec);
    }
  }
}

}  // namespace qn::office
