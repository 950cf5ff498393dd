import com.quenora.*;
public final class createdb
{
   public static void main(String args[])
   {
      PrivateUtilities.msg("Object not currently supported ce - CreateDB ");
   }

   public createdb(int remoteHandle, ModelContext context)
   {
   }

   public createdb(int remoteHandle)
   {
   }

   public void execute( )
   {
      execute_int( );
   }

   private void execute_int( )
   {
      QNutil.msg(this, "Object not currently supported ce - CreateDB ");
   }

}
