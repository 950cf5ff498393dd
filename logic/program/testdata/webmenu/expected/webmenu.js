var  webmenuXML =
' <pad> '+
   ' <id>FILE</id> '+
   ' <caption>File</caption> '+
   ' <pad> '+
      ' <id>QnSep_3_2</id> '+
      ' <caption><HR>&nbsp</caption> '+
   ' </pad> '+
   ' <pad> '+
      ' <id>Customer\'s</id> '+
      ' <caption>Customer\'s list</caption> '+
   ' </pad> '+
   ' <pad> '+
      ' <id>Path</id> '+
      ' <caption>C:\\Temp</caption> '+
   ' </pad> '+
' </pad> '+
' <pad> '+
   ' <id>Cafe</id> '+
   ' <caption>Caf\u00e9</caption> '+
   ' <pad> '+
      ' <id>Back</id> '+
      ' <caption>&lt; Back</caption> '+
   ' </pad> '+
   ' <pad> '+
      ' <id>R&amp;D</id> '+
      ' <caption>RD &gt;</caption> '+
   ' </pad> '+
' </pad> '+
''
