import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
public final class qnrgzc1 extends QNProcedure
{
   public qnrgzc1(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( qnrgzc1.class ), "" );
   }

   public qnrgzc1(int remoteHandle, ModelContext context)
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

         This program is called by qnrgzc.
      */
      /* Indices for table T050 */
      /* Referential constraints on table T050 */
      /* Indices for table T051 */
      /* Referential constraints on table T051 */
      /* Indices for table T052 */
      /* Referential constraints on table T052 */
      /* Indices for table T053 */
      /* Referential constraints on table T053 */
      /* Indices for table T054 */
      /* Referential constraints on table T054 */
      /* Indices for table T055 */
      /* Referential constraints on table T055 */
      /* Indices for table T056 */
      /* Referential constraints on table T056 */
      /* Indices for table T057 */
      /* Referential constraints on table T057 */
      /* Indices for table T058 */
      /* Referential constraints on table T058 */
      /* Indices for table T059 */
      /* Referential constraints on table T059 */
      /* Indices for table T060 */
      /* Referential constraints on table T060 */
      /* Indices for table T061 */
      /* Referential constraints on table T061 */
      /* Indices for table T062 */
      /* Referential constraints on table T062 */
      /* Indices for table T063 */
      /* Referential constraints on table T063 */
      /* Indices for table T064 */
      /* Referential constraints on table T064 */
      /* Indices for table T065 */
      /* Referential constraints on table T065 */
      /* Indices for table T066 */
      /* Referential constraints on table T066 */
      /* Indices for table T067 */
      /* Referential constraints on table T067 */
      /* Indices for table T068 */
      /* Referential constraints on table T068 */
      /* Indices for table T069 */
      /* Referential constraints on table T069 */
      /* Indices for table T070 */
      /* Referential constraints on table T070 */
      /* Indices for table T071 */
      /* Referential constraints on table T071 */
      /* Indices for table T072 */
      /* Referential constraints on table T072 */
      /* Indices for table T073 */
      /* Referential constraints on table T073 */
      /* Indices for table T074 */
      /* Referential constraints on table T074 */
      /* Indices for table T075 */
      /* Referential constraints on table T075 */
      /* Indices for table T076 */
      /* Referential constraints on table T076 */
      /* Indices for table T077 */
      /* Referential constraints on table T077 */
      /* Indices for table T078 */
      /* Referential constraints on table T078 */
      /* Indices for table T079 */
      /* Referential constraints on table T079 */
      /* Indices for table T080 */
      /* Referential constraints on table T080 */
      /* Indices for table T081 */
      /* Referential constraints on table T081 */
      /* Indices for table T082 */
      /* Referential constraints on table T082 */
      /* Indices for table T083 */
      /* Referential constraints on table T083 */
      /* Indices for table T084 */
      /* Referential constraints on table T084 */
      /* Indices for table T085 */
      /* Referential constraints on table T085 */
      /* Indices for table T086 */
      /* Referential constraints on table T086 */
      /* Indices for table T087 */
      /* Referential constraints on table T087 */
      /* Indices for table T088 */
      /* Referential constraints on table T088 */
      /* Indices for table T089 */
      /* Referential constraints on table T089 */
      /* Indices for table T090 */
      /* Referential constraints on table T090 */
      /* Indices for table T091 */
      /* Referential constraints on table T091 */
      /* Indices for table T092 */
      /* Referential constraints on table T092 */
      /* Indices for table T093 */
      /* Referential constraints on table T093 */
      /* Indices for table T094 */
      /* Referential constraints on table T094 */
      /* Indices for table T095 */
      /* Referential constraints on table T095 */
      /* Indices for table T096 */
      /* Referential constraints on table T096 */
      /* Indices for table T097 */
      /* Referential constraints on table T097 */
      /* Indices for table T098 */
      /* Referential constraints on table T098 */
      /* Indices for table T099 */
      /* Referential constraints on table T099 */
      /*
         Source code for the original file qnrgzc is too big.
         The code is splitted into smaller pieces.
      */
      new qnrgzc2(remoteHandle, context).execute( ) ;
   }

   protected void cleanup( )
   {
   }

   public void initialize( )
   {
      /* Quenora formulas. */
   }

}

