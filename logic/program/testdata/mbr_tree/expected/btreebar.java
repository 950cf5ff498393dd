import com.quenora.*;
import com.quenora.db.driver.*;
import com.quenora.distributed.*;
import com.quenora.uifactory.*;
import java.sql.*;
public final class btreebar extends QNMenuBar
{
   public btreebar(QNWorkpanel listener)
   {
      super(listener);
   }

   public btreebar(Object wp)
   {
      super(wp);
   }

   protected void initMenuBar()
   {
      IMenu menu2 = UIFactory.getMenu( "&File" , "file" , "", 0,  true );
      add(menu2);
      addMenuItem( menu2 , "&Open..." , "open" , "", 0,  false , true , false );
      addMenuItem( menu2 , "" , "sep1" , "", 0,  false , true , true );
      IMenu menu5 = UIFactory.getMenu( "Re&cent" , "recent" , "", 0,  true );
      add(menu2, menu5);
      addMenuItem( menu5 , "Last &file" , "recent1" , "", 0,  false , true , false );
      IMenu menu7 = UIFactory.getMenu( "&View" , "view" , "", 0,  true );
      add(menu7);
      addMenuItem( menu7 , "Show \"grid\"" , "grid" , "", 0,  true , false , false );
      addToolBarButton( "images/new.gif" , "new" , "New file" , true , false );
      addToolBarButton( "" , "gap" , "" , true , true );
   }

   public boolean menuActionPerformed(String action)
   {
      return false;
   }

   public void initialize()
   {
   }

}

