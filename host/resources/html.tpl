<html>
<head>
<title>#5</title>
<script language="JavaScript">
function isNetscape(version)
{
   return navigator.appName == "Netscape" && parseInt(navigator.appVersion) >= version;
}
</script>
</head>
<body>
<script language="JavaScript">
if (isNetscape(4))
{
   document.writeln("<applet code=\"#1\" width=\"100%\" height=\"100%\" archive=\"qnclient.jar#6\">");
}
else
{
   document.writeln("<applet code=\"#1\" width=\"100%\" height=\"100%\" #4>");
   document.writeln("<param name=\"cabbase\" value=\"qnclient.cab#3\">");
}
document.writeln("<param name=\"generator\" value=\"#2\">");
