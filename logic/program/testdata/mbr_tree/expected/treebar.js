var  treebarXML =
' <pad> '+
   ' <id>File</id> '+
   ' <caption>File</caption> '+
   ' <pad> '+
      ' <id>Open</id> '+
      ' <caption>Open...</caption> '+
   ' </pad> '+
   ' <pad> '+
      ' <id>QnSep_4_2</id> '+
      ' <caption><HR>&nbsp</caption> '+
   ' </pad> '+
   ' <pad> '+
      ' <id>Recent</id> '+
      ' <caption>Recent</caption> '+
      ' <pad> '+
         ' <id>Recent1</id> '+
         ' <caption>Last file</caption> '+
      ' </pad> '+
   ' </pad> '+
' </pad> '+
' <pad> '+
   ' <id>View</id> '+
   ' <caption>View</caption> '+
   ' <pad> '+
      ' <id>Grid</id> '+
      ' <caption>Show "grid"</caption> '+
   ' </pad> '+
' </pad> '+
''
