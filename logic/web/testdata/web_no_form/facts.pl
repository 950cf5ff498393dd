/* A web panel without a form: no window, no control and no designed HTML; its Start event
   sends the browser elsewhere. */
spec_i([web, 15, 'Moved', 'Moved', 0, 0]).
level_i(1, [0]).
struct_i(1, 0, [], []).
b_group_i(1, 0, lit, 0, 0, 0).
b_line_i(1, 1, 0, cmd, 0, [t(event, 146), t('Start', 3)]).
b_line_i(2, 1, 0, cmd, 0, [t(link, 171), t('''http://example.org/new''', 3)]).
b_line_i(3, 1, 0, cmd, 0, [t(endevent, 147)]).
