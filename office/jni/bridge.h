// The bridge between the Java classes com.quenora.qnoffice.QnWord, QnExcel
// and QnMail and the module's objects. Each native converts its arguments,
// calls one member of the process-wide object of its class and converts
// the outputs back; the member's code is the native's result.
//
// COM is initialised by the first native that manages to, on its thread,
// and uninitialised once when the module goes. Each class's object is made
// by the first native of that class through the creator table below (tests
// put recording fakes there) and kept until that class's cleanup.
//
// Java threads share the objects, but the classes are not thread-safe: each
// class has one lock, held from ensuring its object to the end of the
// output conversion.
#pragma once

#include "office/interfaces.h"

namespace qn::office {

struct BridgeCreators {
  com::HRESULT (*word)(IQnWord** out);
  com::HRESULT (*excel)(IQnExcel** out);
  com::HRESULT (*mail)(IQnMail** out);
};

// The module's own classes, made in-process without the registry.
BridgeCreators default_bridge_creators();
// Replaces the creators used for objects made from now on; returns the
// former ones.
BridgeCreators set_bridge_creators(BridgeCreators creators);

}  // namespace qn::office
