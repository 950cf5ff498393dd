import com.quenora.*;
public final class reorg
{
   public static void main(String args[])
   {
      PrivateUtilities.msg("Object not currently supported ce - Reorg ");
   }

   public reorg(int remoteHandle, ModelContext context)
   {
   }

   public reorg(int remoteHandle)
   {
   }

   public void execute( )
   {
      execute_int( );
   }

   private void execute_int( )
   {
      QNutil.msg(this, "Object not currently supported ce - Reorg ");
   }

}
