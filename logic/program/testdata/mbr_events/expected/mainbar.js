var  mainbarXML =
' <pad> '+
   ' <id>Go</id> '+
   ' <caption>Go</caption> '+
   ' <pad> '+
      ' <id>Customers</id> '+
      ' <caption>Customers</caption> '+
   ' </pad> '+
   ' <pad> '+
      ' <id>Clear</id> '+
      ' <caption>Clear invoice</caption> '+
   ' </pad> '+
   ' <pad> '+
      ' <id>About</id> '+
      ' <caption>About</caption> '+
   ' </pad> '+
' </pad> '+
''
