import com.quenora.*;
import com.quenora.db.driver.*;
import com.quenora.distributed.*;
import com.quenora.uifactory.*;
import java.sql.*;
public final class Reorganization extends QNReorganization
{
   ModelContext context;
   public static void main(String args[])
   {
      new Reorganization().executeReorg(args);
   }

   public Reorganization()
   {
      super(QNcfg.class);
   }

   public String getPackageDir()
   {
      return "" ;
   }

   public void init()
   {
      Application.mainApplet = this;
      Application.setCurrentLocation( "" );
   }

   public void execute()
   {
      context = new ModelContext(getClass());
      new qncrtdb( getHandle()).execute();
   }
}
