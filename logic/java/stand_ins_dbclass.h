// Callees of the database classes, make files and configuration files that
// other parts of the rule program own. Each body asks the run's stand-in
// table under its own name and arity (tests install them), else fails; the
// owners' real functions take their place.
#pragma once

#include "engine/term.h"
#include "logic/core/run.h"
// Written already: member names and stored procedures.
#include "logic/navigation/nav_names.h"
#include "logic/sql/stored_procs.h"

namespace qn::logic {

// get_serialization_type/4 (Type, Length, Decimals, Name): the name of the
// packer's read and write methods of a model type ("Int" for readInt).
bool get_serialization_type(Run& run, const engine::Term& type, const engine::Term& length,
                            const engine::Term& decimals, engine::Term& name);
// applet_page/3 (Model, Class, File): the applet page of a class.
bool applet_page(Run& run, const engine::Term& model, const engine::Term& cls,
                 const engine::Term& file);
// fk_member_name/7 (Model, Table, Related, ReachedAttributes, KeyList,
// RelatedClass, Name): the member holding the related table's row.
bool fk_member_name(Run& run, const engine::Term& model, const engine::Term& table,
                    const engine::Term& related, const engine::Term& reached,
                    const engine::Term& key_list, const engine::Term& related_class,
                    engine::Term& name);
// nav_accessor_name/9 (Model, Table, Related, Member, Attribute, Kind get or
// set, KeyList, Extended, Name): the accessor path of an attribute the table
// reaches through Related.
bool nav_accessor_name(Run& run, const engine::Term& model, const engine::Term& table,
                       const engine::Term& related, const engine::Term& member,
                       const engine::Term& attribute, const engine::Term& kind,
                       const engine::Term& key_list, const engine::Term& extended,
                       engine::Term& name);
// table_sql_name/4 (Mode, Model, Table, Name).
bool table_sql_name(Run& run, const engine::Term& mode, const engine::Term& model,
                    const engine::Term& table, engine::Term& name);
// sql_delete_stmt/7 (Model, Table, d, w, Key, Attributes, Statement): the
// searched DELETE of a table's row.
bool sql_delete_stmt(Run& run, const engine::Term& model, const engine::Term& table,
                     const engine::Term& mode_d, const engine::Term& mode_w,
                     const engine::Term& key, const engine::Term& attributes,
                     engine::Term& statement);

// remote_calls_protocol/1: the remote-call protocol configured.
bool remote_calls_protocol(Run& run, engine::Term& protocol);

}  // namespace qn::logic
