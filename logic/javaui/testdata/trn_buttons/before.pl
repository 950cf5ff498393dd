/* The transaction Customer before its buttons are prepared (a hand-written
   frame holds the fragments until the transaction class is written):
   - the key custid has a control and no no-accept rule; no Mode variable,
     so the get button goes beside custid;
   - custtype has two prompts of a string object (the first is dropped) and
     custcity one of a string object and one of an object call (the string
     one is dropped); a prompt-button rule names custtype, custcity and
     custname (no prompt: no button);
   - custname has two conditional no-accept rules (joined), custcity an
     unconditional and a conditional one (the conditional one goes);
   - checkboxes: custactive (char, no default), custvip (int, no default),
     custmail (char, with a default);
   - the Enter button is a bitmap, UPD_BUTTON names save.gif; no First,
     Previous, Next, Last or Select button;
   - command lines 1-3 and 5-8 (4 alone is free: too short for an event),
     literal 5 free. */
spec_i([trn, 6, 'Customers', 'Customer', 0, 0]).
pgm_id([6, trn, 'Customer']).
level_i(1, [customer, [customer], [custid]]).
struct_i(1, 0, [custid, custname, custtype, custcity, custactive, custvip, custmail], []).
attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']).
attri_i(custname, ['CustName', char, 30, 0, '']).
attri_i(custtype, ['CustType', char, 2, 0, '']).
attri_i(custcity, ['CustCity', char, 20, 0, '']).
attri_i(custactive, ['CustActive', char, 1, 0, '']).
attri_i(custvip, ['CustVip', int, 1, 0, '9']).
attri_i(custmail, ['CustMail', char, 1, 0, '']).
attri_i('&Locked', ['&Locked', int, 1, 0, '9']).
rule_i(0, prop('UPD_BUTTON', 'save.gif')).
lit_i(1, 1, window, [rect(0, 0, 399, 299), title(['Customer'])]).
lit_i(2, 1, t(custid, 2), [rect(100, 10, 159, 29)]).
lit_i(3, 1, t(custname, 2), [rect(100, 40, 299, 59)]).
lit_i(4, 1, t(custtype, 2), [rect(100, 70, 129, 89)]).
lit_i(6, 1, t(custcity, 2), [rect(100, 100, 249, 119)]).
lit_i(7, 1, t(custactive, 2), [rect(100, 130, 119, 149), ctrltype(checkbox, 0)]).
lit_i(8, 1, t(custvip, 2), [rect(100, 160, 119, 179), ctrltype(checkbox, 0)]).
lit_i(9, 1, t(custmail, 2), [rect(100, 190, 119, 209), ctrltype(checkbox, 0)]).
lit_i(10, 1, button('Enter'), [rect(10, 250, 79, 269), bitmap('ok.gif')]).
lit_i(11, 1, button('Delete'), [rect(90, 250, 159, 269)]).
lit_i(12, 1, t('Customer', 3), [rect(10, 10, 89, 29)]).
ctrl_info_i(7, checkbox, ['Y', 'N', 'Active']).
ctrl_info_i(8, checkbox, [[1, 0, 'VIP']]).
ctrl_info_i(9, checkbox, ['Y', 'N', 'Mail']).
default_i(e(custmail, 1, 2, '\'Y\'')).
rule_i(1, prompt([1, 0, t(custtype, 2), 0, [t('\'OldTypes\'', 3), t(custtype, 2)]])).
rule_i(1, prompt([2, 0, t(custtype, 2), 0, [t('\'TypePick\'', 3), t(custtype, 2), t(',', 7), t(custname, 2)]])).
rule_i(1, prompt([3, 0, t(custcity, 2), 0, [t('\'OldCities\'', 3), t(custcity, 2)]])).
rule_i(1, prompt([4, 0, t(custcity, 2), 0, [t('CityPick', 28), t(custcity, 2)]])).
rule_i(1, rule([a(31, [18, 2, 'prompt.bmp'])], [], [], [custtype, custcity, custname])).
rule_i(1, rule([a(3, [t(custname, 2)])], [t('&Locked', 23), t('=', 10), t('1', 3)], [update, delete, insert], [])).
rule_i(1, rule([a(3, [t(custname, 2)])], [t(custvip, 2), t('=', 10), t('1', 3)], [update, delete, insert], [])).
rule_i(1, rule([a(3, [t(custcity, 2)])], [t(custvip, 2), t('=', 10), t('0', 3)], [update, delete, insert], [])).
rule_i(1, rule([a(3, [t(custcity, 2)])], [], [update, delete, insert], [])).
b_line_i(1, 0, 0, cmd, 0, [t('', 146), t('Enter', 3)]).
b_line_i(2, 0, 0, cmd, 0, [t(a, 107), t('&Locked', 23), t('=', 10), t('0', 3)]).
b_line_i(3, 0, 0, cmd, 0, [t('', 147)]).
b_line_i(5, 0, 0, cmd, 0, [t('', 146), t('Start', 3)]).
b_line_i(6, 0, 0, cmd, 0, [t(a, 107), t('&Locked', 23), t('=', 10), t('1', 3)]).
b_line_i(7, 0, 0, cmd, 0, [t(a, 107), t('&Locked', 23), t('=', 10), t('1', 3)]).
b_line_i(8, 0, 0, cmd, 0, [t('', 147)]).
