// The entry points of libqndcomj.so, the only names it exports (see
// exports.map).
#include "platform/com/server_entry_points.h"
#include "remote/module.h"

QN_SERVER_ENTRY_POINTS(qn::remote)
