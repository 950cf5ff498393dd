/* Work panel listing a customer's orders: a subfile whose lines are
   searched, coloured and partly protected, reloaded when the customer or
   the first order number changes, and not loaded at start-up. */
spec_i([scr, 21, 'Orders by customer', 'OrdList', 0, 0]).
level_i(1, [0]).
level_i(2, [0]).
struct_i(1, 0, [], []).
sf_break_i(2, 1).
struct_i(2, 1, [ordid, orddate, ordtotal, ordnote], []).
repeat_i(2, [ordid, orddate, ordtotal, ordnote]).
attri_i(ordid, ['OrdId', int, 6, 0, 'ZZZZZ9']).
attri_i(orddate, ['OrdDate', date, 8, 0, '']).
attri_i(ordtotal, ['OrdTotal', int, 10, 2, 'ZZZZZZ9.99']).
attri_i(ordnote, ['OrdNote', char, 20, 0, '']).
attri_i(ordcust, ['OrdCust', int, 6, 0, '']).
attri_i('&CustId', ['&CustId', int, 6, 0, 'ZZZZZ9']).
attri_i('&From', ['&From', int, 6, 0, 'ZZZZZ9']).
attri_i('&Find', ['&Find', char, 20, 0, '']).
lwi_i(2, [c([t(ordcust, 2), t('=', 10), t('&CustId', 23)], [])]).
start_i(2, 0, 0, [[[ordid, 23, '&From', '>=']], many]).
default_i(e('&From', 1, 2, '1')).
rule_i(0, prop('LOAD', 'NO')).
rule_i(1, search([t(ordnote, 2), t('=', 10), t('&Find', 23)])).
rule_i(2, rule([a(26, [['RED+'], t(ordtotal, 2)])], [t(ordtotal, 2), t('>', 10), t('1000', 3)], [], [])).
rule_i(3, rule([a(26, [[[], ['BLU', '+']], t(ordtotal, 2)])], [t(ordtotal, 2), t('<', 10), t('0', 3)], [], [])).
rule_i(4, rule([a(3, [t(orddate, 2)])], [t(ordtotal, 2), t('=', 10), t('0', 3)], [], [])).
lit_i(1, 1, window, [rect(0,0,499,299), title(['Orders'])]).
lit_i(2, 1, t('&CustId', 23), [rect(10,10,79,29)]).
lit_i(3, 1, t('&From', 23), [rect(90,10,159,29)]).
lit_i(4, 1, t('&Find', 23), [rect(170,10,329,29)]).
lit_i(5, 1, s(1), [rect(10,40,489,239), th(20), height(18), ctlname('Orders')]).
lit_i(6, 1, s(t(ordid, 2), 1), [width(60)]).
lit_i(7, 1, s(t(orddate, 2), 1), [width(80)]).
lit_i(8, 1, s(t(ordtotal, 2), 1), [width(100)]).
