/* A report whose name is no file name: its source cannot be written. */
spec_i([rpt, 12, 'Quarterly sales', 'Sales/Q1', 0, 0]).
level_i(1, [sales]).
