import com.quenora.*;
import com.quenora.db.driver.*;
import com.quenora.distributed.*;
import com.quenora.uifactory.*;
import java.sql.*;
public final class bwebmenu extends QNMenuBar
{
   public bwebmenu(QNWorkpanel listener)
   {
      super(listener);
   }

   public bwebmenu(Object wp)
   {
      super(wp);
   }

   protected void initMenuBar()
   {
      IMenu menu2 = UIFactory.getMenu( "&File" , "file" , "", 0,  true );
      add(menu2);
      addMenuItem( menu2 , "" , "sep" , "", 0,  false , true , true );
      addMenuItem( menu2 , "Customer's &list" , "customer's" , "", 0,  false , true , false );
      addMenuItem( menu2 , "C:\\Temp" , "path" , "", 0,  false , false , false );
      IMenu menu6 = UIFactory.getMenu( "Café" , "cafe" , "", 0,  true );
      add(menu6);
      addMenuItem( menu6 , "< Back" , "back" , "", 0,  false , true , false );
      addMenuItem( menu6 , "R&&D >" , "r&d" , "", 0,  false , true , false );
      addToolBarButton( "" , "home" , "Home page" , true , false );
   }

   public boolean menuActionPerformed(String action)
   {
      return false;
   }

   public void initialize()
   {
   }

}

