// The entry points of libQnOffice.so, the only names it exports besides the
// Java natives (see exports.map).
#include "office/module.h"
#include "platform/com/server_entry_points.h"

QN_SERVER_ENTRY_POINTS(qn::office)
