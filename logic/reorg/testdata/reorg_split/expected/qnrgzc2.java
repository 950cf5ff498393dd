import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
public final class qnrgzc2 extends QNProcedure
{
   public qnrgzc2(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( qnrgzc2.class ), "" );
   }

   public qnrgzc2(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context, "" );
   }

   public void execute( )
   {
      execute_int();
   }

   private void execute_int( )
   {
      /*
         This program is part of program qnrgzc that is too big
         and was splitted into smaller pieces.

         This program is called by qnrgzc1.
      */
      /* Indices for table T100 */
      /* Referential constraints on table T100 */
      /* Indices for table T101 */
      /* Referential constraints on table T101 */
      /* Indices for table T102 */
      /* Referential constraints on table T102 */
      /* Indices for table T103 */
      /* Referential constraints on table T103 */
      /* Indices for table T104 */
      /* Referential constraints on table T104 */
      /* Indices for table T105 */
      /* Referential constraints on table T105 */
      /* Indices for table T106 */
      /* Referential constraints on table T106 */
      /* Indices for table T107 */
      /* Referential constraints on table T107 */
      /* Indices for table T108 */
      /* Referential constraints on table T108 */
      /* Indices for table T109 */
      /* Referential constraints on table T109 */
      /* Indices for table T110 */
      /* Referential constraints on table T110 */
      /* Indices for table T111 */
      /* Referential constraints on table T111 */
      /* Indices for table T112 */
      /* Referential constraints on table T112 */
      /* Indices for table T113 */
      /* Referential constraints on table T113 */
      /* Indices for table T114 */
      /* Referential constraints on table T114 */
      /* Indices for table T115 */
      /* Referential constraints on table T115 */
      /* Indices for table T116 */
      /* Referential constraints on table T116 */
      /* Indices for table T117 */
      /* Referential constraints on table T117 */
      /* Indices for table T118 */
      /* Referential constraints on table T118 */
      /* Indices for table T119 */
      /* Referential constraints on table T119 */
      /* Indices for table T120 */
      /* Referential constraints on table T120 */
      /* Dropping attributes from tables' structure. */
      cleanup();
   }

   protected void cleanup( )
   {
   }

   public void initialize( )
   {
      /* Quenora formulas. */
   }

}

