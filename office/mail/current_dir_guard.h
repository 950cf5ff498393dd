// The process's current directory, saved when a member that talks to a mail
// server starts and put back when it ends, because the server may change it.
// Members call each other (a login opens a folder): only the outermost call
// saves and restores. The directory is put back however the member ends.
#pragma once

#include <filesystem>

namespace qn::office {

class CurrentDirKeeper {
 public:
  class Scope {
   public:
    explicit Scope(CurrentDirKeeper& keeper);
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    CurrentDirKeeper& keeper_;
  };

  Scope enter() { return Scope(*this); }
  int depth() const { return depth_; }

 private:
  std::filesystem::path saved_;  // any length: no fixed field to overrun
  int depth_ = 0;
};

}  // namespace qn::office
