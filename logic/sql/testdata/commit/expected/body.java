protected int X ;

if ( ( X > 1 ) )
{
   Application.commit(context, remoteHandle, "DEFAULT");
   Application.commit(context, remoteHandle, "ORDERS");
}
else
{
   Application.rollback(context, remoteHandle, "DEFAULT");
   Application.rollback(context, remoteHandle, "ORDERS");
}
/* Check if program is canceled. */
