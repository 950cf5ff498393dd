% The column types of a informix model (DTASRC 11).
ddl_option('DTASRC', '11').
% One table holding every attribute type at the edges of the column-type
% table and of the length cuts.
attri_i(1, ['Id', int, 4, 0]).
attri_i(2, ['Qty', int, 9, 0]).
attri_i(3, ['Big', int, 10, 0]).
attri_i(4, ['Price', pac, 8, 2]).
attri_i(5, ['Amount', pac, 9, 2]).
attri_i(6, ['Total', pac, 18, 2]).
attri_i(7, ['Rate', zon, 7, 4]).
attri_i(8, ['Code', char, 10, 0]).
attri_i(9, ['LongCode', char, 300, 0]).
attri_i(10, ['Notes', vchar, 500, 3]).
attri_i(11, ['Short', svchar, 40, 10]).
attri_i(12, ['LongShort', svchar, 4001, 0]).
attri_i(13, ['Born', date, 8, 0]).
attri_i(14, ['Stamp', dtime, 14, 0]).
kb_table(1, 'All types', [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14], [1]).
ddl_call(create_table(1, 'ALLTYPES', 'IALLTYPES1', pk, [1], p)).
