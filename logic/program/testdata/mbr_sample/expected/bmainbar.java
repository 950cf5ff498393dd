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
      IMenu menu2 = UIFactory.getMenu( "&Customers" , "customers" , "", 0,  true );
      add(menu2);
      addMenuItem( menu2 , "&List" , "list" , "", 0,  false , true , false );
      addMenuItem( menu2 , "" , "sep1" , "", 0,  false , true , true );
      IMenu menu5 = UIFactory.getMenu( "&Invoices" , "invoices" , "", 0,  true );
      add(menu2, menu5);
      addMenuItem( menu5 , "Today's invoices" , "today" , "", 0,  false , true , false );
      addMenuItem( menu5 , "C&lear an invoice" , "clear" , "", 0,  false , true , false );
      addMenuItem( menu2 , "&Archive" , "archive" , "", 0,  false , false , false );
      addToolBarButton( "" , "home" , "Home page" , true , false );
   }

   public boolean menuActionPerformed(String action)
   {
      if (action.equals("list")) {
         E1109();
         return true;
      }
      if (action.equals("today")) {
         E1209();
         return true;
      }
      if (action.equals("clear")) {
         E1309();
         return true;
      }
      return false;
   }

   protected void E1109()
   {
      /* Menubar.ListRoutine */
      wjLoc = "hcustomers.htm" ;
   }

   protected void E1209()
   {
      /* Menubar.TodayRoutine */
      wjLoc = "hinvoices.htm?today" ;
   }

   protected void E1309()
   {
      /* Menubar.ClearRoutine */
      QNt_QNInt1 = new QNInt(InvId);
      QNt_QNInt2 = new QNInt(CustId);
      QNt_QNInt3 = new QNInt(Total);
      new pclearinv(remoteHandle, context).execute( QNt_QNInt1, QNt_QNInt2, QNt_QNInt3) ;
      InvId = QNt_QNInt1.getValue();
      CustId = QNt_QNInt2.getValue();
      Total = QNt_QNInt3.getValue();
   }

   public void initialize()
   {
      InvId = 0 ;
      QNt_QNInt1 = new QNInt();
      CustId = 0 ;
      QNt_QNInt2 = new QNInt();
      Total = 0 ;
      QNt_QNInt3 = new QNInt();
   }

   protected int InvId ;
   protected int CustId ;
   protected int Total ;
   protected QNInt QNt_QNInt1 ;
   protected QNInt QNt_QNInt2 ;
   protected QNInt QNt_QNInt3 ;
}

