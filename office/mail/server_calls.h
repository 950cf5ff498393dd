// Calls of the mail back-ends into their automation server, over the
// late-bound call helper. A call that fails, or answers with a value of the
// wrong type, raises ServerFailure; each member of a back-end catches it at
// the step whose error code it reports, so no failure leaves the member.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/late_call.h"

namespace qn::office {

struct ServerFailure {
  com::HRESULT code;
};

using Object = com::Ref<com::IDispatch>;

// A value a member answered, owned and cleared with the holder.
class Answer {
 public:
  Answer() { com::VariantInit(&v_); }
  ~Answer() { com::VariantClear(&v_); }
  Answer(const Answer&) = delete;
  Answer& operator=(const Answer&) = delete;

  com::VARIANT* slot() { return &v_; }
  // A null object, or no value at all: what collections answer when they
  // have nothing more to give.
  bool is_nothing() const;
  // The value as an object (ServerFailure for any other value, a null object
  // included), a text, a number, an automation date or a truth value.
  Object object();
  std::string text() const;
  long number() const;
  double date() const;
  bool truth() const;
  // The value itself, handed to the caller (who clears it).
  com::VARIANT take();

 private:
  com::VARIANT v_;
};

// One call of member id of object with the invoke kind; result receives the
// answer when given. ServerFailure when the call fails.
void invoke(com::IDispatch* object, com::DISPID id, com::WORD kind, std::vector<com::VARIANT> args,
            Answer* result = nullptr);

// The shapes the back-ends use.
Object get_object(com::IDispatch* object, com::DISPID id, std::vector<com::VARIANT> args = {});
Object call_object(com::IDispatch* object, com::DISPID id, std::vector<com::VARIANT> args = {});
std::string get_text(com::IDispatch* object, com::DISPID id);
long get_number(com::IDispatch* object, com::DISPID id);
void put(com::IDispatch* object, com::DISPID id, com::VARIANT value);
void call(com::IDispatch* object, com::DISPID id, std::vector<com::VARIANT> args = {});

// Whether an object's dispatch interface knows a member name.
bool knows_name(com::IDispatch* object, std::string_view name);

// A new object of the automation server registered under prog_id; empty
// when it cannot be made.
Object create_server(std::string_view prog_id);

// Test seam: what makes the servers instead of the registry file (an empty
// one restores it); returns the former one. The fuzz target, which holds
// the scripted servers in its own program, uses it.
using ServerMaker = std::function<Object(std::string_view prog_id)>;
ServerMaker set_server_maker(ServerMaker maker);

}  // namespace qn::office
