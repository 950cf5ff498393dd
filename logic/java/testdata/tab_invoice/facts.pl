/* Creation of the sample's customers and invoices, in a package. */
spec_i([ce, 10, 'Database creation', 'CreateDB', 0, crt]).
config_i('PACKAGE', 'com.demo.sample').
new_tables(1, pk, ['P001', 'CUSTOMER']).
new_tables(2, pk, ['P002', 'INVOICE']).
/* The model generated, the current one, paired with itself as a run pairs it. */
model_num_i(1). model_i(1, 1).
