// The open documents (workbooks, Word documents) of one object and the
// 16-bit handles a program names them by.
//
// The document list holds the open documents in opening order, with a
// visible flag each. The handle table has one entry per handle ever issued:
// the document's index in the list, or -1 once it is closed. Handles are
// issued 0, 1, 2, ... and never twice until the table is reset; the entries
// of the valid handles are exactly 0 ... open count - 1 and grow with the
// handle number.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/com/dispatch.h"
#include "platform/com/late_call.h"

namespace qn::office {

class HandleTable {
 public:
  // No document, no handle; the lists keep room for four documents.
  void reset();

  // Appends a document (the reference is taken over) with its visible flag
  // 0 and issues its handle; -1, keeping nothing, when every 16-bit handle
  // has been issued.
  int add(com::Ref<com::IDispatch> document);

  // 0 <= h < table size and the entry is not -1.
  bool valid(long h) const;
  // The document of a valid handle (not counted).
  com::IDispatch* document(int h) const;
  bool visible(int h) const;
  void set_visible(int h, bool on);

  // Releases the document of a valid handle, removes it from the lists and
  // renumbers the entries of later handles.
  void remove(int h);
  // Releases every open document; every handle becomes invalid.
  void release_all();

  int open_count() const { return static_cast<int>(documents_.size()); }
  // Whether any open document's visible flag is set.
  bool any_visible() const;
  // The valid handles in table order.
  std::vector<int> open_handles() const;
  // Handles issued since the last reset.
  int issued() const { return static_cast<int>(entries_.size()); }

  static constexpr int kMaxHandles = 32768;

 private:
  std::vector<com::Ref<com::IDispatch>> documents_;
  std::vector<std::uint8_t> visible_;
  std::vector<std::int32_t> entries_;
};

}  // namespace qn::office
