% Indexes, foreign keys, comments and synonyms of a reorganisation on an
% Oracle model under the schema SALES; table 3 lives on a DB2 data store.
gen_reo_i.
ddl_option('DTASRC', '7').
ddl_option('CS_SCHEMA', 'SALES').
ddl_option('DCL_REF_INT_DB', 'Y').
ddl_option('COMMENT_ON', 'Y').
ddl_option('create_and_use_synonyms', 'y').
datastore_i([2, db2s, 5]).
rule_i(1, p(0, 0, fv, k3, [table, 3])). rule_i(1, p(0, 0, fv, k3, [datastore, 2])).
attri_i(1, ['CustId', int, 6, 0]).
attri_i(2, ['CustName', char, 30, 0]).
attri_i(3, ['InvId', int, 8, 0]).
attri_i(4, ['InvDate', date, 8, 0]).
attri_i(5, ['LogId', int, 8, 0]).
kb_att(1, 'Customer number').
kb_att(2, 'Customer''s name').
kb_table(1, 'Customer''s master file', [1, 2], [1]).
kb_table(2, 'Invoices', [3, 1, 4], [3]).
kb_table(3, 'Log', [5, 4], [5]).
kb_index(1, 1, 'ICUSTOMER1', 1, [1]).
kb_index(1, 2, 'ICUSTOMER2', 0, [-2]).
kb_index(2, 1, 'IINVOICE1', 1, [3]).
kb_index(2, 2, 'IINVOICE2', 0, [1]).
kb_ref(2, 1, [1]).
ddl_call(comment('The primary key is declared with the table: no index')).
ddl_call(create_index(1, 'CUSTOMER', index('ICUSTOMER1', u, [1]), p)).
ddl_call(comment('Oracle drops the descending mark')).
ddl_call(create_index(1, 'CUSTOMER', index('ICUSTOMER2', d, [-2]), p)).
ddl_call(comment('DB2 keeps it')).
ddl_call(create_index(3, 'DB2LOG', index('IDB2LOG2', d, [-4]), p)).
ddl_call(comment('An index of the old structure dropped')).
ddl_call(drop_index(1, 'ICUSTOMER2', 'CUSTOMER')).
ddl_call(comment('Foreign keys: dropped, then declared')).
ddl_call(foreign_keys(2, 'INVOICE')).
ddl_call(comment('The same table again in the run: only dropped')).
ddl_call(foreign_keys(2, 'INVOICE')).
ddl_call(comment('Comments with an apostrophe')).
ddl_call(comments(t, 1, 'CUSTOMER')).
ddl_call(comments(a, 1, 'CUSTOMER')).
ddl_call(comment('The public synonym')).
ddl_call(synonym(1, 'CUSTOMER')).
kb_tblname(1, 'CUSTOMER').
kb_tblname(2, 'INVOICE').
kb_tblname(3, 'DB2LOG').
