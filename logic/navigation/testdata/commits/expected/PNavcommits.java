import java.sql.*;
import com.quenora.db.driver.*;
import com.quenora.*;
import com.quenora.reports.*;
import com.quenora.distributed.*;

public class PNavcommits extends QNProcedure
{
   protected byte QNT022 ;
   protected int Acustid ;
   protected int X ;
   protected int Ainvid ;
   protected double Atotal ;
   protected fP00022 P00022 ;
   protected fP00023 P00023 ;
   protected dP00024 P00024 ;
   static class fP00022 extends QNDBForwardSupplier {
      fP00022(ModelContext c, int h) { super(c, h); }
      public void readNext() {}
      public void fetchFirst(Object... values) {}
   }
   static class fP00023 extends QNDBForwardSupplier {
      fP00023(ModelContext c, int h) { super(c, h); }
      public void readNext() {}
      public void fetchFirst(Object... values) {}
   }
   static class dP00024 extends QNDBUpdateSupplier {
      dP00024(ModelContext c, int h) { super(c, h); }
      public void executeUpd(Object... values) {}
   }
   QNDBSupplier ccustomer;
   QNDBSupplier cinvoice;
   QNDBSupplier NoTblObjErr;
   int Err;
   String Errmsg;

   void levels()
   {
      P00022.fetchFirst();
      while (!P00022.eof())
      {
         Application.commit(context, remoteHandle, "DEFAULT");
         QNT022 = 0 ;
         P00023.fetchFirst(Acustid);
         while (!P00023.eof())
         {
            if ( ( X > 1 ) )
            {
               QNT022 = (byte)(2) ;
            }
            else
            {
               QNT022 = (byte)(1) ;
            }
            if (P00023.getStatus() == 0) {
               P00024.executeUpd(Atotal, Ainvid) ;
            }
            if ( ( QNT022 == 1 ) )
            {
               Application.commit(context, remoteHandle, "DEFAULT");
            }
            if ( ( QNT022 == 2 ) )
            {
               Application.rollback(context, remoteHandle, "DEFAULT");
            }
            /* Check if program is canceled. */
            P00023.readNext();
         }
         P00023.close() ;
         /* Check if program is canceled. */
         P00022.readNext();
      }
      P00022.close() ;
   }
}
