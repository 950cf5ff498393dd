#include "remote/tables.h"

#include <cstring>

namespace qn::remote {
namespace {

using com::kIn;
using com::kInOut;
using com::kOut;
using com::Param;
using com::ParamType;
using com::Signature;
using com::Value;

constexpr ParamType L = ParamType::Long;
constexpr ParamType Y = ParamType::Byte;
constexpr ParamType H = ParamType::Hyper;
constexpr ParamType S = ParamType::Bstr;
constexpr ParamType V = ParamType::Variant;
constexpr ParamType I = ParamType::Interface;

template <std::size_t N>
constexpr Signature sig(const Param (&p)[N]) {
  return Signature{p, static_cast<std::uint8_t>(N)};
}

// ---------------------------------------------------------------- signatures

constexpr Param p_variant_inout[] = {{V, kInOut}};
constexpr Param p_variant_out[] = {{V, kOut}};
constexpr Param p_variant_in[] = {{V, kIn}};
constexpr Param p_block[] = {{S, kIn}, {V, kIn}, {V, kIn}, {V, kOut}};
constexpr Param p_submit_test[] = {{V, kIn}, {Y, kOut}};
constexpr Param p_get_procedure[] = {{S, kIn}, {L, kIn}, {I, kOut, &IID_IQNDComRemoteProcedure}};
constexpr Param p_get_update[] = {{S, kIn}, {L, kIn}, {I, kOut, &IID_IQNDBDComUpdateSupplier}};
constexpr Param p_get_forward[] = {{S, kIn}, {L, kIn}, {I, kOut, &IID_IQNDBDComForwardSupplier}};
constexpr Param p_get_supplier[] = {
    {S, kIn}, {L, kIn}, {Y, kIn}, {I, kOut, &IID_IQNDBDComSupplier}};
constexpr Param p_get_block[] = {{L, kIn}, {Y, kIn}, {I, kOut, &IID_IQNDBDComBlockSupplier}};
constexpr Param p_handle_3texts[] = {{L, kIn}, {S, kIn}, {S, kIn}, {S, kIn}};
constexpr Param p_handle[] = {{L, kIn}};
constexpr Param p_handle_text[] = {{L, kIn}, {S, kIn}};
constexpr Param p_handle_2texts[] = {{L, kIn}, {S, kIn}, {S, kIn}};
constexpr Param p_query_text[] = {{L, kIn}, {S, kIn}, {S, kOut}};
constexpr Param p_query_long[] = {{S, kIn}, {Y, kIn}, {L, kOut}};
constexpr Param p_call_values[] = {{L, kIn}, {Y, kIn}, {S, kIn}, {V, kIn}, {V, kIn}, {V, kOut}};
constexpr Param p_put_server[] = {{S, kIn}, {I, kIn, &IID_IDComApplicationServer, true}};
constexpr Param p_get_server[] = {{S, kIn}, {I, kOut, &IID_IDComApplicationServer}};
constexpr Param p_query_hyper[] = {{L, kIn}, {S, kIn}, {H, kOut}};
constexpr Param p_handle_value[] = {{L, kIn}, {V, kIn}};
constexpr Param p_key_value_out[] = {{L, kIn}, {V, kOut}};

constexpr Signature s_variant_inout = sig(p_variant_inout);
constexpr Signature s_variant_out = sig(p_variant_out);
constexpr Signature s_none{nullptr, 0};
constexpr Signature s_variant_in = sig(p_variant_in);
constexpr Signature s_block = sig(p_block);
constexpr Signature s_submit_test = sig(p_submit_test);
constexpr Signature s_get_procedure = sig(p_get_procedure);
constexpr Signature s_get_update = sig(p_get_update);
constexpr Signature s_get_forward = sig(p_get_forward);
constexpr Signature s_get_supplier = sig(p_get_supplier);
constexpr Signature s_get_block = sig(p_get_block);
constexpr Signature s_handle_3texts = sig(p_handle_3texts);
constexpr Signature s_handle = sig(p_handle);
constexpr Signature s_handle_text = sig(p_handle_text);
constexpr Signature s_handle_2texts = sig(p_handle_2texts);
constexpr Signature s_query_text = sig(p_query_text);
constexpr Signature s_query_long = sig(p_query_long);
constexpr Signature s_call_values = sig(p_call_values);
constexpr Signature s_put_server = sig(p_put_server);
constexpr Signature s_get_server = sig(p_get_server);
constexpr Signature s_query_hyper = sig(p_query_hyper);
constexpr Signature s_handle_value = sig(p_handle_value);
constexpr Signature s_key_value_out = sig(p_key_value_out);

// ---------------------------------------------------------------- stub calls

template <class T>
T* as(IUnknown* server) {
  return static_cast<T*>(server);
}

template <class T>
T** itf(Value& v) {
  return reinterpret_cast<T**>(&v.p);
}

#define STUB(Itf, body) [](IUnknown* s, Value* v) -> HRESULT { return as<Itf>(s)->body; }

const MethodEntry kRemoteProcedure[] = {
    {"Execute", &s_variant_inout, STUB(IQNDComRemoteProcedure, Execute(&v[0].v))},
};

const MethodEntry kForwardSupplier[] = {
    {"Exchange", &s_variant_inout, STUB(IQNDBDComForwardSupplier, Exchange(&v[0].v))},
    {"ReceiveData", &s_variant_out, STUB(IQNDBDComForwardSupplier, ReceiveData(&v[0].v))},
    {"Signal", &s_none,
     [](IUnknown* s, Value*) -> HRESULT { return as<IQNDBDComForwardSupplier>(s)->Signal(); }},
};

const MethodEntry kUpdateSupplier[] = {
    {"Submit", &s_variant_in, STUB(IQNDBDComUpdateSupplier, Submit(v[0].v))},
};

const MethodEntry kBlockSupplier[] = {
    {"SubmitBlock", &s_block,
     STUB(IQNDBDComBlockSupplier, SubmitBlock(v[0].s, v[1].v, v[2].v, &v[3].v))},
};

const MethodEntry kSupplier[] = {
    {"SubmitAndTest", &s_submit_test, STUB(IQNDBDComSupplier, SubmitAndTest(v[0].v, &v[1].b))},
    {"Submit", &s_variant_in, STUB(IQNDBDComSupplier, Submit(v[0].v))},
    {"SubmitB", &s_variant_in, STUB(IQNDBDComSupplier, SubmitB(v[0].v))},
    {"Exchange", &s_variant_inout, STUB(IQNDBDComSupplier, Exchange(&v[0].v))},
    {"ExchangeB", &s_variant_inout, STUB(IQNDBDComSupplier, ExchangeB(&v[0].v))},
    {"ExchangeC", &s_variant_inout, STUB(IQNDBDComSupplier, ExchangeC(&v[0].v))},
    {"ExchangeD", &s_variant_inout, STUB(IQNDBDComSupplier, ExchangeD(&v[0].v))},
};

using Server = IDComApplicationServer;
const MethodEntry kApplicationServer[] = {
    {"GetRemoteProcedure", &s_get_procedure,
     STUB(Server, GetRemoteProcedure(v[0].s, v[1].l, itf<IQNDComRemoteProcedure>(v[2])))},
    {"GetRemoteUpdateSupplier", &s_get_update,
     STUB(Server, GetRemoteUpdateSupplier(v[0].s, v[1].l, itf<IQNDBDComUpdateSupplier>(v[2])))},
    {"GetRemoteForwardSupplier", &s_get_forward,
     STUB(Server, GetRemoteForwardSupplier(v[0].s, v[1].l, itf<IQNDBDComForwardSupplier>(v[2])))},
    {"GetRemoteSupplier", &s_get_supplier,
     STUB(Server, GetRemoteSupplier(v[0].s, v[1].l, v[2].b, itf<IQNDBDComSupplier>(v[3])))},
    {"GetRemoteBlockSupplier", &s_get_block,
     STUB(Server, GetRemoteBlockSupplier(v[0].l, v[1].b, itf<IQNDBDComBlockSupplier>(v[2])))},
    {"SendHandleAndThreeTexts", &s_handle_3texts,
     STUB(Server, SendHandleAndThreeTexts(v[0].l, v[1].s, v[2].s, v[3].s))},
    {"SendHandle", &s_handle, STUB(Server, SendHandle(v[0].l))},
    {"SendHandleAndText", &s_handle_text, STUB(Server, SendHandleAndText(v[0].l, v[1].s))},
    {"SendHandleAndTextB", &s_handle_text, STUB(Server, SendHandleAndTextB(v[0].l, v[1].s))},
    {"SendHandleAndTwoTexts", &s_handle_2texts,
     STUB(Server, SendHandleAndTwoTexts(v[0].l, v[1].s, v[2].s))},
    {"QueryTextByHandle", &s_query_text, STUB(Server, QueryTextByHandle(v[0].l, v[1].s, &v[2].s))},
    {"QueryLongByText", &s_query_long, STUB(Server, QueryLongByText(v[0].s, v[1].b, &v[2].l))},
    {"SendHandleB", &s_handle, STUB(Server, SendHandleB(v[0].l))},
    {"CallWithValues", &s_call_values,
     STUB(Server, CallWithValues(v[0].l, v[1].b, v[2].s, v[3].v, v[4].v, &v[5].v))},
    {"PutServer", &s_put_server, STUB(Server, PutServer(v[0].s, itf<Server>(v[1])))},
    {"GetServer", &s_get_server, STUB(Server, GetServer(v[0].s, itf<Server>(v[1])))},
    {"SendHandleAndTextC", &s_handle_text, STUB(Server, SendHandleAndTextC(v[0].l, v[1].s))},
    {"QueryHyperByHandle", &s_query_hyper,
     STUB(Server, QueryHyperByHandle(v[0].l, v[1].s, &v[2].h))},
    {"SendHandleAndValue", &s_handle_value, STUB(Server, SendHandleAndValue(v[0].l, v[1].v))},
};

const MethodEntry kProperties[] = {
    {"PutValue", &s_handle_value, STUB(IDComProperties, PutValue(v[0].l, v[1].v))},
    {"GetValue", &s_key_value_out, STUB(IDComProperties, GetValue(v[0].l, &v[1].v))},
    {"LookupText", &s_query_text, STUB(IDComProperties, LookupText(v[0].l, v[1].s, &v[2].s))},
};

#undef STUB

template <std::size_t N>
constexpr InterfaceEntry entry(const IID& iid, const char* name, const MethodEntry (&m)[N]) {
  return InterfaceEntry{&iid, name, m, static_cast<std::uint8_t>(N)};
}

}  // namespace

const InterfaceEntry kInterfaces[kInterfaceCount] = {
    entry(IID_IQNDComRemoteProcedure, "IQNDComRemoteProcedure", kRemoteProcedure),
    entry(IID_IQNDBDComForwardSupplier, "IQNDBDComForwardSupplier", kForwardSupplier),
    entry(IID_IQNDBDComUpdateSupplier, "IQNDBDComUpdateSupplier", kUpdateSupplier),
    entry(IID_IQNDBDComBlockSupplier, "IQNDBDComBlockSupplier", kBlockSupplier),
    entry(IID_IQNDBDComSupplier, "IQNDBDComSupplier", kSupplier),
    entry(IID_IDComApplicationServer, "IDComApplicationServer", kApplicationServer),
    entry(IID_IDComProperties, "IDComProperties", kProperties),
};

const IID kCompanionIds[kInterfaceCount] = {
    remote_id(0x5D873B53), remote_id(0x5D873B55), remote_id(0x5D873B57), remote_id(0x5D873B59),
    remote_id(0x5D873B5B), remote_id(0x5D873B5D), remote_id(0x5D873B5F),
};

int find_interface(const IID& iid) {
  int lo = 0, hi = kInterfaceCount - 1;
  while (lo <= hi) {
    const int mid = (lo + hi) / 2;
    const int c = std::memcmp(&iid, kInterfaces[mid].iid, sizeof(IID));
    if (c == 0) return mid;
    if (c < 0) {
      hi = mid - 1;
    } else {
      lo = mid + 1;
    }
  }
  return -1;
}

const com::Signature& signature_of(int interface_index, int slot) {
  return *kInterfaces[interface_index].methods[slot - 3].sig;
}

}  // namespace qn::remote
