/* Prompts: an image beside &ProdId opens Products for it; each line's customer opens CustPick
   for that line's number; the page itself hands the clicked line's invoice back to its opener;
   a prompt naming no object. */
spec_i([web, 23, 'Pick an invoice', 'InvPick', 0, 0]).
level_i(1, [0]).
level_i(2, [2, [2], [invid], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [], []).
struct_i(2, 1, [invid, custid], []).
repeat_i(2, [invid, custid]).
sf_break_i(2, 1).
attri_i(invid, ['InvId', int, 8, 0, 'ZZZZZZZ9']).
attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).
attri_i('&ProdId', ['&ProdId', int, 6, 0, 'ZZZZZ9']).
attri_i('&InvId', ['&InvId', int, 8, 0, 'ZZZZZZZ9']).
table_i(2, 'INVOICE').
rule_i(0, parm(['&InvId'], [])).
rule_i(1, prompt([[6], web, imgProd, 0, [t(o(web, 'Products'), 28), t('&ProdId', 23)]])).
rule_i(2, prompt([[1], web, t(custid, 2), 0, [t(o(web, 'CustPick'), 28), t(custid, 2)]])).
rule_i(1, prompt([[9], web, t('&ProdId', 23), 0, [t(9, 99)]])).
b_group_i(1, 0, lit, 0, 0, 0).
b_line_i(1, 1, 0, cmd, 0, [t(event, 146), t('Enter', 3)]).
b_line_i(2, 1, 0, cmd, 0, [t(a, 107), t('&InvId', 23), t('=', 10), t(invid, 2)]).
b_line_i(3, 1, 0, cmd, 0, [t(return, 118)]).
b_line_i(4, 1, 0, cmd, 0, [t(endevent, 147)]).
lit_i(1, 1, t('&ProdId', 23), [ctrltype(edit, 0)]).
lit_i(2, 1, bitmap('prompt.gif'), [ctlname(imgProd)]).
lit_i(3, 1, s(1), []).
lit_i(4, 1, s(t(invid, 2), 1), [title(['Invoice'])]).
lit_i(5, 1, s(t(custid, 2), 1), [title(['Customer'])]).
html_i(1, text('<p>Product ')).
html_i(2, ctl(1)).
html_i(3, ctl(2)).
html_i(4, text('</p>')).
html_i(5, sfl(3)).
