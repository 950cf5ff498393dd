/* A procedure over ORDERS (table 1) reaches attributes through the members
   of its data object: the order's date (no join), the customer's name (one
   join) and the region's name (two joins). golden_accessor(Level, Table,
   Attribute, Base) asks the runner to assign the attribute's variable
   from its accessor. */
spec_i([proc, 2, 'Members', 'PMem', 0, 0]).
model_num_i(1).
pgm_id([2, proc, 'PMem']).
golden_accessor(1, 1, 6, 1).
golden_accessor(1, 2, 3, 1).
golden_accessor(1, 3, 5, 1).
