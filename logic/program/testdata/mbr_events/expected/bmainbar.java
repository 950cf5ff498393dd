import com.quenora.*;
import com.quenora.db.driver.*;
import com.quenora.distributed.*;
import com.quenora.uifactory.*;
import java.sql.*;
public final class bmainbar extends QNMenuBar
{
   public bmainbar(QNWorkpanel listener)
   {
      super(listener);
   }

   public bmainbar(Object wp)
   {
      super(wp);
   }

   protected void initMenuBar()
   {
      IMenu menu2 = UIFactory.getMenu( "&Go" , "go" , "", 0,  true );
      add(menu2);
      addMenuItem( menu2 , "&Customers" , "customers" , "", 0,  false , true , false );
      addMenuItem( menu2 , "C&lear invoice" , "clear" , "", 0,  false , true , false );
      addMenuItem( menu2 , "&About" , "about" , "", 0,  false , true , false );
   }

   public boolean menuActionPerformed(String action)
   {
      if (action.equals("customers")) {
         E1109();
         return true;
      }
      if (action.equals("clear")) {
         E1209();
         return true;
      }
      return false;
   }

   protected void E1209()
   {
      /* Menubar.ClearRoutine */
      QNt_QNInt1 = new QNInt(InvId);
      new pclearinv(remoteHandle, context).execute( QNt_QNInt1) ;
   }

   protected void E1109()
   {
      /* Menubar.CustomersRoutine */
      wjLoc = "hcustomers.htm" ;
   }

   protected void QNStart()
   {
      /* Execute user event: E1309 */
      E1309();
   }

   protected void E1309()
   {
      /* StartRoutine */
   }

   public void initialize()
   {
      InvId = 0 ;
      QNt_QNInt1 = new QNInt();
   }

   protected int InvId ;
   protected QNInt QNt_QNInt1 ;
}

