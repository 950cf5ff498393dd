var  mainbarXML =
' <pad> '+
   ' <id>Customers</id> '+
   ' <caption>Customers</caption> '+
   ' <pad> '+
      ' <id>List</id> '+
      ' <caption>List</caption> '+
   ' </pad> '+
   ' <pad> '+
      ' <id>QnSep_4_2</id> '+
      ' <caption><HR>&nbsp</caption> '+
   ' </pad> '+
   ' <pad> '+
      ' <id>Invoices</id> '+
      ' <caption>Invoices</caption> '+
      ' <pad> '+
         ' <id>Today</id> '+
         ' <caption>Today\'s invoices</caption> '+
      ' </pad> '+
      ' <pad> '+
         ' <id>Clear</id> '+
         ' <caption>Clear an invoice</caption> '+
      ' </pad> '+
   ' </pad> '+
   ' <pad> '+
      ' <id>Archive</id> '+
      ' <caption>Archive</caption> '+
   ' </pad> '+
' </pad> '+
''
