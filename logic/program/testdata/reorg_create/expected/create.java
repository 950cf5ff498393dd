import com.quenora.*;
public final class create
{
   public static void main(String args[])
   {
      PrivateUtilities.msg("Object not currently supported ce - Create ");
   }

   public create(int remoteHandle, ModelContext context)
   {
   }

   public create(int remoteHandle)
   {
   }

   public void execute( )
   {
      execute_int( );
   }

   private void execute_int( )
   {
      QNutil.msg(this, "Object not currently supported ce - Create ");
   }

}
