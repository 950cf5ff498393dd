/* A work panel whose controls have events: Click on a combo (an item
   event) and on an edit (a mouse event), Dblclick and Rightbutton,
   Gotfocus and Isvalid; the Refresh and Cancel buttons and a button of
   its own; the function keys F5 (Help) and F6 (Rfr); the Enter event;
   and an event of a control the form does not have; the menu bar's item
   Save. Each event sets its
   own marker &Hit... */
spec_i([scr, 22, 'Events', 'Events', 0, 0]).
level_i(1, [0]).
attri_i('&Size', ['&Size', int, 1, 0, '9']).
attri_i('&Name', ['&Name', char, 20, 0, '']).
attri_i('&Note', ['&Note', char, 20, 0, '']).
attri_i('&HitSizeClick', ['&HitSizeClick', int, 1, 0, '9']).
attri_i('&HitNameClick', ['&HitNameClick', int, 1, 0, '9']).
attri_i('&HitNameDbl', ['&HitNameDbl', int, 1, 0, '9']).
attri_i('&HitSizeRight', ['&HitSizeRight', int, 1, 0, '9']).
attri_i('&HitNoteGot', ['&HitNoteGot', int, 1, 0, '9']).
attri_i('&HitNoteValid', ['&HitNoteValid', int, 1, 0, '9']).
attri_i('&HitGo', ['&HitGo', int, 1, 0, '9']).
attri_i('&HitHelp', ['&HitHelp', int, 1, 0, '9']).
attri_i('&HitEnter', ['&HitEnter', int, 1, 0, '9']).
attri_i('&HitGone', ['&HitGone', int, 1, 0, '9']).
attri_i('&HitSave', ['&HitSave', int, 1, 0, '9']).
lit_i(1, 1, window, [rect(0,0,299,199)]).
lit_i(2, 1, t('&Size', 23), [rect(10,10,109,29), ctrltype(combo, 0)]).
lit_i(3, 1, t('&Name', 23), [rect(10,40,109,59)]).
lit_i(4, 1, t('&Note', 23), [rect(10,70,109,89)]).
lit_i(5, 1, button('Refresh'), [rect(10,100,79,119)]).
lit_i(6, 1, button('Cancel'), [rect(90,100,159,119)]).
lit_i(7, 1, button('Go'), [rect(170,100,239,119), ctlname(go)]).
ctrl_info_i(2, combo, [[1, 'Small'], [2, 'Large']]).
b_line_i(1, 0, 0, cmd, 0, [t('', 146), t([t('&Size', 23), t('Click', 0)], 0)]).
b_line_i(2, 0, 0, cmd, 0, [t(a, 107), t('&HitSizeClick', 23), t('=', 10), t('1', 3)]).
b_line_i(3, 0, 0, cmd, 0, [t('', 147)]).
b_line_i(4, 0, 0, cmd, 0, [t('', 146), t([t('&Name', 23), t('Click', 0)], 0)]).
b_line_i(5, 0, 0, cmd, 0, [t(a, 107), t('&HitNameClick', 23), t('=', 10), t('1', 3)]).
b_line_i(6, 0, 0, cmd, 0, [t('', 147)]).
b_line_i(7, 0, 0, cmd, 0, [t('', 146), t([t('&Name', 23), t('Dblclick', 0)], 0)]).
b_line_i(8, 0, 0, cmd, 0, [t(a, 107), t('&HitNameDbl', 23), t('=', 10), t('1', 3)]).
b_line_i(9, 0, 0, cmd, 0, [t('', 147)]).
b_line_i(10, 0, 0, cmd, 0, [t('', 146), t([t('&Size', 23), t('Rightbutton', 0)], 0)]).
b_line_i(11, 0, 0, cmd, 0, [t(a, 107), t('&HitSizeRight', 23), t('=', 10), t('1', 3)]).
b_line_i(12, 0, 0, cmd, 0, [t('', 147)]).
b_line_i(13, 0, 0, cmd, 0, [t('', 146), t([t('&Note', 23), t('Gotfocus', 0)], 0)]).
b_line_i(14, 0, 0, cmd, 0, [t(a, 107), t('&HitNoteGot', 23), t('=', 10), t('1', 3)]).
b_line_i(15, 0, 0, cmd, 0, [t('', 147)]).
b_line_i(16, 0, 0, cmd, 0, [t('', 146), t([t('&Note', 23), t('Isvalid', 0)], 0)]).
b_line_i(17, 0, 0, cmd, 0, [t(a, 107), t('&HitNoteValid', 23), t('=', 10), t('1', 3)]).
b_line_i(18, 0, 0, cmd, 0, [t('', 147)]).
b_line_i(19, 0, 0, cmd, 0, [t('', 146), t('Go', 2)]).
b_line_i(20, 0, 0, cmd, 0, [t(a, 107), t('&HitGo', 23), t('=', 10), t('1', 3)]).
b_line_i(21, 0, 0, cmd, 0, [t('', 147)]).
b_line_i(22, 0, 0, cmd, 0, [t('', 146), t('Help', 2)]).
b_line_i(23, 0, 0, cmd, 0, [t(a, 107), t('&HitHelp', 23), t('=', 10), t('1', 3)]).
b_line_i(24, 0, 0, cmd, 0, [t('', 147)]).
b_line_i(25, 0, 0, cmd, 0, [t('', 146), t('Enter', 2)]).
b_line_i(26, 0, 0, cmd, 0, [t(a, 107), t('&HitEnter', 23), t('=', 10), t('1', 3)]).
b_line_i(27, 0, 0, cmd, 0, [t('', 147)]).
b_line_i(28, 0, 0, cmd, 0, [t('', 146), t([t('&Gone', 23), t('Click', 0)], 0)]).
b_line_i(29, 0, 0, cmd, 0, [t(a, 107), t('&HitGone', 23), t('=', 10), t('1', 3)]).
b_line_i(30, 0, 0, cmd, 0, [t('', 147)]).
b_line_i(31, 0, 0, cmd, 0, [t(event, 146), t([t('Menubar', 3), t('Save', 2)], 29)]).
b_line_i(32, 0, 0, cmd, 0, [t(a, 107), t('&HitSave', 23), t('=', 10), t('1', 3)]).
b_line_i(33, 0, 0, cmd, 0, [t('', 147)]).
rule_i(1, rule([a(22, ['Help', '', '5'])], [], [], [])).
rule_i(2, rule([a(22, ['Rfr', '', '6'])], [], [], [])).
