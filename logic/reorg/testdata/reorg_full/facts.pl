% A reorganisation of a DB2 model with referential integrity declared in
% the database: CUSTOMER rebuilt through its temporary table, INVOICE new
% (it refers to CUSTOMER), ORDLINE renamed to ORDERLINE, PRODUCT renamed to
% ITEM under the schema SALES of its own data store (the old table kept),
% LOG rebuilt through a temporary table without key (a temporary unique
% index), NOTE on a SQL Server 7 data store with a new and a removed column,
% a new index and one dropped.
spec_i([ce, 21, 'Reorganization', 'Reorg', 0, reo]).
ddl_option('DTASRC', '5').
ddl_option('DCL_REF_INT_DB', 'Y').
datastore_i([2, db2s, 5]).
datastore_i([3, mss7, 12]).
rule_i(1, p(0, 5, fv, k4, ['SCHEMA', 'SALES'])).
ddl_pref(3, 'SQLSERVER_VERSION', '7').
rule_i(1, p(0, 0, fv, k4, [table, 4])). rule_i(1, p(0, 0, fv, k4, [datastore, 2])).
rule_i(1, p(0, 0, fv, k6, [table, 6])). rule_i(1, p(0, 0, fv, k6, [datastore, 3])).
attri_i(1, ['CustId', int, 6, 0]).
attri_i(2, ['CustName', char, 30, 0]).
attri_i(3, ['InvId', int, 8, 0]).
attri_i(4, ['InvDate', date, 8, 0]).
attri_i(5, ['LineNo', int, 4, 0]).
attri_i(6, ['Qty', int, 6, 0]).
attri_i(7, ['ProdId', int, 6, 0]).
attri_i(8, ['ProdName', char, 20, 0]).
attri_i(9, ['LogId', int, 8, 0]).
attri_i(10, ['LogText', vchar, 200, 0]).
attri_i(11, ['NoteId', int, 6, 0]).
attri_i(12, ['NoteFax', char, 15, 0]).
attri_i(13, ['NoteMail', vchar, 60, 0]).
kb_table(1, 'Customers', [1, 2], [1]).
kb_table(2, 'Invoices', [3, 1, 4], [3]).
kb_table(3, 'Order lines', [3, 5, 7, 6], [3, 5]).
kb_table(4, 'Products', [7, 8], [7]).
kb_table(5, 'Log', [9, 10], [9]).
kb_table(6, 'Notes', [11, 13], [11]).
kb_tblname(1, 'CUSTOMER').
kb_tblname(2, 'INVOICE').
kb_tblname(3, 'ORDLINE').
kb_tblname(4, 'PRODUCT').
kb_tblname(5, 'LOG').
kb_tblname(6, 'NOTE').
kb_index(1, 1, 'ICUSTOMER1', 1, [1]).
kb_index(1, 2, 'ICUSTOMER2', 0, [2]).
kb_index(2, 1, 'IINVOICE1', 1, [3]).
kb_index(2, 2, 'IINVOICE2', 0, [1]).
kb_index(3, 1, 'IORDLINE1', 1, [3, 5]).
kb_index(3, 2, 'IORDLINE2', 0, [7]).
kb_index(4, 1, 'IPRODUCT1', 1, [7]).
kb_index(5, 1, 'ILOG1', 1, [9]).
kb_index(6, 1, 'INOTE1', 1, [11]).
kb_index(6, 2, 'INOTE2', 0, [13]).
kb_ref(2, 1, [1]).
kb_ref(3, 4, [7]).
new_tables(1, pk, ['P001', 'TMPCUST']).
new_tables(2, new, ['P002', 'INVOICE']).
new_tables(3, pk, ['P003', 'TMPLINE', ren]).
new_tables(4, same, ['P004', 'TMPPROD', ren]).
new_tables(5, nopk, ['P005', 'TMPLOG']).
new_tables(6, pk, ['P006', 'TMPNOTE', att([[13, nn], [12, del]]), ic('INOTE2'), id('INOTE3')]).
ren_i(3, ['ORDERLINE']).
ren_i(4, ['ITEM']).
