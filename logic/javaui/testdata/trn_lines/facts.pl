/* The sample model's Invoice (t0007.spc): the invoice over INVOICE and its lines
   over INVLINE in a repeating level shown by the subfile Lines; both insert,
   update and delete, the lines go with their invoice; Enter and Cancel. */
spec_i([trn, 7, 'Invoices', 'Invoice', 0, 0]).
level_i(1, [2, [2], [invid], [], 0, 0, [], 0, 0, []]).
level_i(2, [3, [3], [invid, lineno], [], 0, 0, [], 0, 0, []]).
struct_i(1, 0, [invid, invdate, custid], []).
struct_i(2, 1, [invid, lineno, prodid, qty], []).
ta_i(1, [[invid, invdate, custid]]).
ta_i(2, [[invid, lineno, prodid, qty]]).
repeat_i(2, [lineno, prodid, qty]).
sf_break_i(2, 1).
table_i(2, 'INVOICE').
table_i(3, 'INVLINE').
index_i(2, [iinvoice, u, [invid]]).
index_i(3, [iinvline, u, [invid, lineno]]).
tbl_to_delete_i(3, d).
attri_i(invid, ['InvId', int, 8, 0, 'ZZZZZZZ9']).
attri_i(invdate, ['InvDate', date, 8, 0, '99/99/99']).
attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).
attri_i(lineno, ['LineNo', int, 3, 0, 'ZZ9']).
attri_i(prodid, ['ProdId', int, 6, 0, 'ZZZZZ9']).
attri_i(qty, ['Qty', int, 5, 0, 'ZZZZ9']).
a_i(1, 1, t, 2, [], []).
v_i(t, o, 1, [invid, invdate, custid]).
a_i(2, 2, t, 3, [], []).
v_i(t, o, 2, [invid, lineno, prodid, qty]).
upd_i(1, 2, i, [[invid, invdate, custid], [], [], [], []]).
upd_i(1, 2, u, [[invdate, custid], [], [], [invid], []]).
upd_i(1, 2, d, [[], [], [], [invid], []]).
upd_i(2, 3, i, [[invid, lineno, prodid, qty], [], [], [], []]).
upd_i(2, 3, u, [[prodid, qty], [], [], [invid, lineno], []]).
upd_i(2, 3, d, [[], [], [], [invid, lineno], []]).
lit_i(0, 1, window, [rect(0, 0, 479, 299), title(['Invoices'])]).
lit_i(1, 1, t(invid, 2), [pos(1, 1), rect(120, 10, 199, 29)]).
lit_i(2, 1, t(invdate, 2), [pos(2, 1), rect(120, 40, 199, 59)]).
lit_i(3, 1, t(custid, 2), [pos(3, 1), rect(120, 70, 179, 89)]).
lit_i(4, 1, s(1), [pos(4, 1), rect(10, 100, 469, 239), ctlname('Lines'), th(20), rowh(20)]).
lit_i(5, 2, s(t(lineno, 2), 1), [pos(1, 1), width(50)]).
lit_i(6, 2, s(t(prodid, 2), 1), [pos(1, 2), width(80)]).
lit_i(7, 2, s(t(qty, 2), 1), [pos(1, 3), width(60)]).
lit_i(8, 1, button('Enter'), [pos(10, 1), rect(10, 260, 79, 284)]).
lit_i(9, 1, button('Cancel'), [pos(10, 2), rect(90, 260, 159, 284)]).
/* The object loop's logging flag, as a run sets it before every object. */
intt_i.
