/* An account transaction on Oracle 7 (DTASRC 7) with PSEUDO_CHECK ALL: its
   level reads and updates ACCOUNT, whose seven columns are all checked, and
   reads REGION, which it never updates (checked because of ALL). Enter and
   Cancel buttons. */
spec_i([trn, 21, 'Accounts', 'Account', 0, 0]).
rule_i(0, prop('DTASRC', "7")).
rule_i(0, prop('PSEUDO_CHECK', "all")).
level_i(1, [5, [5, 6], [accid], [], 0, 0, [], 0, 0, []]).
struct_i(1, 0, [accid, accname, accopen, acclimit, accowner, acccity, regid, regname], []).
ta_i(1, [[accid, accname, accopen, acclimit, accowner, acccity, regid, regname]]).
table_i(5, 'ACCOUNT').
table_i(6, 'REGION').
index_i(5, [iaccount, u, [accid]]).
index_i(6, [iregion, u, [regid]]).
attri_i(accid, ['AccId', int, 6, 0, 'ZZZZZ9']).
attri_i(accname, ['AccName', char, 30, 0, '']).
attri_i(accopen, ['AccOpen', date, 8, 0, '99/99/99']).
attri_i(acclimit, ['AccLimit', int, 9, 0, 'ZZZZZZZZ9']).
attri_i(accowner, ['AccOwner', char, 20, 0, '']).
attri_i(acccity, ['AccCity', char, 20, 0, '']).
attri_i(regid, ['RegId', int, 6, 0, 'ZZZZZ9']).
attri_i(regname, ['RegName', char, 20, 0, '']).
a_i(1, 1, t, 5, [], []).
v_i(t, o, 1, [accid, accname, accopen, acclimit, accowner, acccity, regid]).
a_i(2, 1, r, 6, [], [[[6, regid, regid]]]).
v_i(r, i, 2, [regid]).
v_i(r, o, 2, [regname]).
upd_i(1, 5, i, [[accid, accname, accopen, acclimit, accowner, acccity, regid], [], [], [], []]).
upd_i(1, 5, u, [[accname, accopen, acclimit, accowner, acccity, regid], [], [], [accid], []]).
lit_i(1, window, [rect(0, 0, 399, 299), title(['Accounts'])]).
lit_i(1, t(accid, 2), [rect(120, 10, 179, 29)]).
lit_i(1, t(accname, 2), [rect(120, 40, 359, 59)]).
lit_i(1, t(accopen, 2), [rect(120, 70, 179, 89)]).
lit_i(1, t(acclimit, 2), [rect(120, 100, 219, 119)]).
lit_i(1, t(accowner, 2), [rect(120, 130, 279, 149)]).
lit_i(1, t(acccity, 2), [rect(120, 160, 279, 179)]).
lit_i(1, t(regid, 2), [rect(120, 190, 179, 209)]).
lit_i(1, t(regname, 2), [rect(170, 190, 329, 209)]).
lit_i(1, button('Enter'), [rect(10, 250, 79, 274)]).
lit_i(1, button('Cancel'), [rect(330, 250, 389, 274)]).
