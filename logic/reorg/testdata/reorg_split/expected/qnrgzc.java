import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
public final class qnrgzc extends QNProcedure
{
   public qnrgzc(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( qnrgzc.class ), "" );
   }

   public qnrgzc(int remoteHandle, ModelContext context)
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

         This program controls table creation either for the creation or
         reorganization processes.


         Rename auxiliary tables to the appropriate name.
      */
      QNReorganization.addMsg("Step 6: renaming tables");
      /* Adding attributes to tables' structure. */
      QNReorganization.addMsg("Step 7: building indexes");
      /* Indices for table T001 */
      /* Referential constraints on table T001 */
      /* Indices for table T002 */
      /* Referential constraints on table T002 */
      /* Indices for table T003 */
      /* Referential constraints on table T003 */
      /* Indices for table T004 */
      /* Referential constraints on table T004 */
      /* Indices for table T005 */
      /* Referential constraints on table T005 */
      /* Indices for table T006 */
      /* Referential constraints on table T006 */
      /* Indices for table T007 */
      /* Referential constraints on table T007 */
      /* Indices for table T008 */
      /* Referential constraints on table T008 */
      /* Indices for table T009 */
      /* Referential constraints on table T009 */
      /* Indices for table T010 */
      /* Referential constraints on table T010 */
      /* Indices for table T011 */
      /* Referential constraints on table T011 */
      /* Indices for table T012 */
      /* Referential constraints on table T012 */
      /* Indices for table T013 */
      /* Referential constraints on table T013 */
      /* Indices for table T014 */
      /* Referential constraints on table T014 */
      /* Indices for table T015 */
      /* Referential constraints on table T015 */
      /* Indices for table T016 */
      /* Referential constraints on table T016 */
      /* Indices for table T017 */
      /* Referential constraints on table T017 */
      /* Indices for table T018 */
      /* Referential constraints on table T018 */
      /* Indices for table T019 */
      /* Referential constraints on table T019 */
      /* Indices for table T020 */
      /* Referential constraints on table T020 */
      /* Indices for table T021 */
      /* Referential constraints on table T021 */
      /* Indices for table T022 */
      /* Referential constraints on table T022 */
      /* Indices for table T023 */
      /* Referential constraints on table T023 */
      /* Indices for table T024 */
      /* Referential constraints on table T024 */
      /* Indices for table T025 */
      /* Referential constraints on table T025 */
      /* Indices for table T026 */
      /* Referential constraints on table T026 */
      /* Indices for table T027 */
      /* Referential constraints on table T027 */
      /* Indices for table T028 */
      /* Referential constraints on table T028 */
      /* Indices for table T029 */
      /* Referential constraints on table T029 */
      /* Indices for table T030 */
      /* Referential constraints on table T030 */
      /* Indices for table T031 */
      /* Referential constraints on table T031 */
      /* Indices for table T032 */
      /* Referential constraints on table T032 */
      /* Indices for table T033 */
      /* Referential constraints on table T033 */
      /* Indices for table T034 */
      /* Referential constraints on table T034 */
      /* Indices for table T035 */
      /* Referential constraints on table T035 */
      /* Indices for table T036 */
      /* Referential constraints on table T036 */
      /* Indices for table T037 */
      /* Referential constraints on table T037 */
      /* Indices for table T038 */
      /* Referential constraints on table T038 */
      /* Indices for table T039 */
      /* Referential constraints on table T039 */
      /* Indices for table T040 */
      /* Referential constraints on table T040 */
      /* Indices for table T041 */
      /* Referential constraints on table T041 */
      /* Indices for table T042 */
      /* Referential constraints on table T042 */
      /* Indices for table T043 */
      /* Referential constraints on table T043 */
      /* Indices for table T044 */
      /* Referential constraints on table T044 */
      /* Indices for table T045 */
      /* Referential constraints on table T045 */
      /* Indices for table T046 */
      /* Referential constraints on table T046 */
      /* Indices for table T047 */
      /* Referential constraints on table T047 */
      /* Indices for table T048 */
      /* Referential constraints on table T048 */
      /* Indices for table T049 */
      /* Referential constraints on table T049 */
      /*
         Source code for the original file qnrgzc is too big.
         The code is splitted into smaller pieces.
      */
      new qnrgzc1(remoteHandle, context).execute( ) ;
   }

   protected void cleanup( )
   {
   }

   public void initialize( )
   {
      /* Quenora formulas. */
   }

}

