/* The select formulas of a procedure over the lines of invoices: the sum
   of the positive amounts (every condition goes to SQL), the sum of the
   amounts of the lines whose quantity exceeds the length of the code the
   program holds (len(&Code): SQL cannot take it, so the lines are walked), the product of the largest amount (a
   max returning another attribute of its row), and the number of lines
   after the first. A level over INVOICE calls nothing of them here. */
spec_i([proc, 2, 'Select formulas', 'PSel', 0, 0]).
model_num_i(1).
pgm_id([2, proc, 'PSel']).
attri_i(invid, [invid, int, 9, 0, '', 1]).
attri_i(lineno, [lineno, int, 4, 0, '', 1]).
attri_i(prodid, [prodid, int, 6, 0, '', 1]).
attri_i(qty, [qty, int, 5, 0, '', 1]).
attri_i(amount, [amount, pac, 12, 2, '', 1]).
attri_i('Qncount', ['Qncount', int, 9, 0, '', 1]).
attri_i('&Code', ['Code', char, 10, 0, '', 0]).
/* INVLINE is table 20, named by its number (no knowledge base here). */
p(x, y, fv, k, [intname, 20]).
table_i(20, 'INVLINE').
level_i(1, [invoice, [invoice], [invid], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [invid], []).
function_i(1, 1, yes, select, 'sum(', [], 'Pos', amount,
           [[], 20, [[t(amount, 2), t('>', 10), t(0, 3)]]]).
function_i(1, 2, yes, select, 'sum(', [], 'Big', amount,
           [[], 20, [[t(qty, 2), t('>', 10), t('len(', 1), t('&Code', 23), t(')', 4)]]]).
function_i(1, 3, yes, select, 'max(', [], 'Top', amount, [[], 20, [], prodid]).
function_i(1, 4, yes, select, 'count(', [], 'Lines', lineno,
           [[], 20, [[t(lineno, 2), t('>', 10), t(1, 3)]]]).
