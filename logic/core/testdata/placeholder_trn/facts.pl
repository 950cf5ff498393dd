/* Transaction with its lines in a repeating level and an Enter button. */
spec_i([trn, 7, 'Invoices', 'Invoice', 0, 0]).
level_i(1, [invoice]).
level_i(2, [invline]).
struct_i(1, 0, [invid, invdate, custid], []).
struct_i(2, 1, [invid, lineno, prodid, qty], []).
repeat_i(2, [lineno, prodid, qty]).
attri_i(invid, ['InvId', int, 8, 0, 'ZZZZZZZ9']).
attri_i(invdate, ['InvDate', date, 8, 0, '99/99/99']).
attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).
attri_i(lineno, ['LineNo', int, 3, 0, 'ZZ9']).
attri_i(prodid, ['ProdId', int, 6, 0, 'ZZZZZ9']).
attri_i(qty, ['Qty', int, 5, 0, 'ZZZZ9']).
lit_i(1, 1, t(invid, 2), [pos(1, 1)]).
lit_i(2, 1, s(1), [pos(3, 1)]).
lit_i(3, 1, button('Enter'), [pos(10, 1)]).
lit_i(4, 1, button('Cancel'), [pos(10, 12)]).
