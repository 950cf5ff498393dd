/* Reorganisation of the model's database: PRODUCT is new, CUSTOMER gains
   the column CUSTNAME, INVLINE is renamed ORDLINE through its temporary
   table. CUSTOMER and INVLINE are kept on the SQL Server data store 2,
   which adds a column and renames a table in place. */
spec_i([ce, 11, 'Reorganization', 'Reorg', 0, reo]).
tbl_to_delete_i(0, []).
rule_i(1, datastore([2, 'Reports 1', 12])).
rule_i(1, p(0, 0, fv, k1, [table, 1])). rule_i(1, p(0, 0, fv, k1, [datastore, 2])).
rule_i(1, p(0, 0, fv, k3, [table, 3])). rule_i(1, p(0, 0, fv, k3, [datastore, 2])).
new_tables(4, new, ['P004', 'PRODUCT']).
new_tables(1, pk, ['P001', 'TMPCUST', att([[2, nn]])]).
new_tables(3, pk, ['P003', 'TMPLINE', ren]).
ren_i(3, ['ORDLINE']).
