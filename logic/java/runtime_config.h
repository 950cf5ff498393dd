// What the generated application reads at run time, written at the end of
// every pass: the configuration files client.cfg, reorg.cfg and server.cfg,
// the configuration class QNcfg and the developer menu (a placeholder class
// and its page). Keys come from the model's generator options and from the
// preferences of each data store the object uses.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "logic/core/run.h"

namespace qn::logic {

// gen_devmenu_and_cfg/1: developermenu.java and .htm, QNcfg.java,
// reorg.cfg, client.cfg, server.cfg, in this order. A file that cannot be
// written is reported by the writer and the others are still written.
bool gen_devmenu_and_cfg(Run& run, int64_t model);

// cfg_name_space/1: NAME_SPACE (default "default") without PACKAGE; with
// PACKAGE, NAME_SPACE or else the PACKAGE value.
std::string cfg_name_space(Run& run);

// The entry writers: emit_cfg_entry/2 (KEY=value or the default),
// emit_cfg_flag/2 (KEY=0 for NO, 1 for YES, else the default's digit),
// the upper-case entry and the data-store entry.
bool emit_cfg_entry(Run& run, std::string_view key, std::string_view def);
bool emit_cfg_flag(Run& run, std::string_view key, std::string_view def);
bool cfg_upper_entry(Run& run, std::string_view key, std::string_view def);
bool cfg_dstore_entry(Run& run, int64_t store, std::string_view key, std::string_view def);

// The blocks of the files: cfg_general_lines/1, cfg_login_lines/1 (kind
// client, reorg or server), cfg_client_server_sections/0,
// cfg_datastore_section/1.
bool cfg_general_lines(Run& run, int64_t model);
bool cfg_login_lines(Run& run, std::string_view kind);
bool cfg_client_server_sections(Run& run);
bool cfg_datastore_section(Run& run, int64_t store);

}  // namespace qn::logic
