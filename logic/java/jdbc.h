// The JDBC driver class and connection URL of each data store, written into
// the run-time configuration files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "logic/core/run.h"

namespace qn::logic {

// jdbc_driver_of/2: JDBC_CUSTOM_DRIVER when the store's JDBC_DRIVER is
// CUSTOM, else its JDBC_DRIVER; empty when it has none.
std::string jdbc_driver_of(Run& run, int64_t store);
// jdbc_url_of/2, first that applies: the store's DB_URL when its
// JDBC_CUSTOM_URL is -1, or when the program option JDBC_CUSTOM_URL has no
// value and DB_URL has one; the URL of its JDBC_DRIVER (jdbc_driver_url/3);
// empty.
std::string jdbc_url_of(Run& run, int64_t store);
// jdbc_driver_url/3: the URL of a known driver class, built from the
// store's CS_SERVER, DBMS_PORT, CS_DBNAME and IFX_SERVER_INST; empty for a
// driver not in the table. Driver classes compare exactly.
std::string jdbc_driver_url(Run& run, int64_t store, std::string_view driver);

}  // namespace qn::logic
