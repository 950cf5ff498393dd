% Storage areas and storage clauses. The model is Oracle; the other
% database systems are data stores of their own: 2 DB2, 3 SQL Server 7,
% 4 SQL Server 6, 5 Informix (an ol server by default).
ddl_option('DTASRC', '7').
ddl_option('DFT_TMP_TBLSPACE', 'TMPTS').
ddl_option('INFX_LOCK', 'ROW').
datastore_i([2, db2s, 5]).
datastore_i([3, mss7, 12]).
datastore_i([4, mss6, 12]).
datastore_i([5, ifx, 11]).
ddl_pref(3, 'SQLSERVER_VERSION', '7').
ddl_pref(4, 'SQLSERVER_VERSION', '6').
rule_i(1, p(0, 0, fv, k3, [table, 3])). rule_i(1, p(0, 0, fv, k3, [datastore, 2])).
rule_i(1, p(0, 0, fv, k4, [table, 4])). rule_i(1, p(0, 0, fv, k4, [datastore, 3])).
rule_i(1, p(0, 0, fv, k5, [table, 5])). rule_i(1, p(0, 0, fv, k5, [datastore, 4])).
rule_i(1, p(0, 0, fv, k6, [table, 6])). rule_i(1, p(0, 0, fv, k6, [datastore, 5])).
attri_i(1, ['Id', int, 4, 0]).
attri_i(2, ['Name', char, 20, 0]).
kb_table(1, 'Orders', [1, 2], [1]).
kb_table(2, 'No areas', [1, 2], [1]).
kb_table(3, 'On DB2', [1, 2], [1]).
kb_table(4, 'On SQL Server 7', [1, 2], [1]).
kb_table(5, 'On SQL Server 6', [1, 2], [1]).
kb_table(6, 'On Informix', [1, 2], [1]).
kb_tblprop(1, 'TBLSTOAREA', 'DATA').
kb_tblprop(1, 'TBLINISIZE', '64').
kb_tblprop(1, 'TBLFEXTENT', '32').
kb_tblprop(1, 'TBLMINEXTENT', '1').
kb_idxprop('IORDERS1', 'IDXSTOAREA', 'IDX').
kb_idxprop('IORDERS2', 'IDXSTOAREA', 'IDX2').
kb_idxprop('IORDERS2', 'IDXINISIZE', '16').
kb_tblprop(3, 'TBLSTOAREA', 'DTS').
kb_tblprop(3, 'TBLIDXSTOAREA', 'ITS').
kb_tblprop(3, 'TBLTXTSTOAREA', 'LTS').
kb_tblprop(4, 'TBLSTOAREA', 'FG1').
kb_tblprop(4, 'TBLIDXSTOAREA', 'FGIDX').
kb_tblprop(4, 'TBLTXTSTOAREA', 'FGTEXT').
kb_tblprop(5, 'TBLSTOAREA', 'FG1').
kb_tblprop(5, 'TBLTXTSTOAREA', 'FGTEXT').
kb_tblprop(6, 'TBLSTOAREA', 'DBS1').
kb_tblprop(6, 'TBLINISIZE', '16').
kb_tblprop(6, 'TBLFEXTENT', '8').
ddl_call(comment('Oracle: table space, STORAGE, the primary index in its own area')).
ddl_call(create_table(1, 'ORDERS', 'IORDERS1', pk, [1], p)).
ddl_call(comment('Oracle: an index with its area and storage')).
ddl_call(create_index(1, 'ORDERS', index('IORDERS2', d, [2]), p)).
ddl_call(comment('Oracle: a temporary table takes the table''s own area, no key')).
ddl_call(create_table(1, 'ORDERS_A', 'IORDERS1', pk, [1], a)).
ddl_call(comment('Oracle: no area, no storage')).
ddl_call(create_table(2, 'NOAREAS', 'INOAREAS1', pk, [1], p)).
ddl_call(comment('DB2: table and index areas, LONG IN')).
ddl_call(create_table(3, 'DB2TBL', 'IDB2TBL1', pk, [1], p)).
ddl_call(comment('DB2: a temporary table in the temporary area')).
ddl_call(create_table(3, 'DB2TBL_A', 'IDB2TBL1', pk, [1], a)).
ddl_call(comment('SQL Server 7: ON, TEXTIMAGE_ON, the primary index ON its area')).
ddl_call(create_table(4, 'MSS7', 'IMSS71', pk, [1], p)).
ddl_call(comment('SQL Server 6: no table-space clause')).
ddl_call(create_table(5, 'MSS6', 'IMSS61', pk, [1], p)).
ddl_call(comment('Informix: IN, EXTENT SIZE, NEXT SIZE, LOCK MODE')).
ddl_call(create_table(6, 'IFXTBL', 'IIFXTBL1', pk, [1], p)).
