/*
               File: hcustpick
        Description: Pick a customer
             Author: Quenora Java Generator version 619
       Generated on: <when>
       Program type: Main program
         Connection: Explicit (dbms)
        Target DBMS: qedbase
   Operating System: Neither specified nor inferred.
 Main access method: qndata
    Use ODBC Access: Yes
*/
import com.quenora.*;
import com.quenora.db.driver.*;
import com.quenora.distributed.*;
import com.quenora.webpanels.*;
import java.sql.*;
public final class hcustpick extends QNWebPanel
{
   public static void main(String args[])
   {
      Application.setCurrentLocation( "" );
      Application.init(QNcfg.class);
      hcustpick pgm = new hcustpick (-1);
      Application.realMainProgram = pgm;
      pgm.execute( args);
      QNWebPanel.copyFiles();
   }

   public void execute(String args[])
   {
      QNInt aP0 = new QNInt ();

      try
      {
         aP0.setValue( args[0]);
      }
      catch (ArrayIndexOutOfBoundsException e)
      {
      }

      execute_int(aP0);
   }

   public hcustpick()
   {
      super();
   }

   public hcustpick(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( hcustpick.class ));
   }

   public hcustpick(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context);
   }

   public void execute( QNInt aP0 )
   {
      execute_int(aP0);
   }

   private void execute_int( QNInt aP0 )
   {
      this.CustId = aP0.getValue();
      this.aP0 = aP0 ;
      isStatic = false;
      webExecute();
   }

   public static boolean  isStatic()
   {
      return false;
   }

   protected void initContext()
   {
      Application.init(QNcfg.class, false);
      context = new ModelContext(getClass());
   }

   protected void createObjects()
   {
      lbl1 = UIFactory.getLabel(this);
   }

   public String getServletInfo()
   {
      return "Pick a customer" ;
   }

   public void webExecute( )
   {
      pa0f1( ) ;
      /* Quenora formulas. */
      ws0f1( ) ;
      we0f1( ) ;
      cleanup();
      return  ;
   }

   protected void wb0f1( )
   {
      if ( ( wbLoad == false ) )
      {
         wbLoad = true ;
         qnhtml_text( "<html>" );
         qnhtml_text( "<head>" );
         qnhtml_text( "<meta name=\"GENERATOR\" content=\"Quenora\">" );
         qnhtml_text( "<meta name=\"DESCRIPTION\" content=\"Pick a customer\">" );
         qnhtml_text( "<title>" );
         qnhtml_send_web_value( Form_Caption );
         qnhtml_text( "</title>" );
         define_styles( ) ;
         include_jscripts( ) ;
         qnhtml_text( "</head>" );
         qnhtml_text( "<body" );
         if ( !( ((QNutil.strcmp(QNutil.rtrim( Form_Background), "")==0)) ) )
         {
            qnhtml_text( " background=\"" );
            qnhtml_send_web_value( com.quenora.webpanels.QNWebPanel.convertURL( Form_Background) );
            qnhtml_text( "\"" );
         }
         qnhtml_text( " bgcolor="+getHTMLColor( (long)(Form_Backcolor))+">" );
         qnhtml_text( "<form id=\"MAINFORM\" name=\"MAINFORM\" method=\"POST\">" );
         qnhtml_text( "<h2>" );
         if ( ( lbl1_Visible != 0 ) )
         {
            if ( !( ((QNutil.strcmp(QNutil.rtrim( lbl1_Link), "")==0)) ) )
            {
               qnhtml_text( "<a href=\"" );
               qnhtml_send_web_value( QNutil.rtrim( lbl1_Link) );
               qnhtml_text( "\">" );
            }
            qnhtml_text( "<span id=\"LBL1\" name=\"LBL1\" class=\"LBL1\">" );
            qnhtml_send_web_value( lbl1_Caption );
            qnhtml_text( "</span>" );
            if ( !( ((QNutil.strcmp(QNutil.rtrim( lbl1_Link), "")==0)) ) )
            {
               qnhtml_text( "</a>" );
            }
         }
         qnhtml_text( "</h2>" );
         /* Subfile start */
         qnhtml_text( "<table BORDER>" );
         /* Subfile titles */
         qnhtml_text( "<tr>" );
         qnhtml_text( "<th align=\"left\">Number</th>" );
         qnhtml_text( "<th align=\"left\">Name</th>" );
         qnhtml_text( "</tr>" );
         rf0f2( ) ;
         qnhtml_text( "</table>" );
         /* Subfile end */
      }
      /* End function WB0F1 */
   }

   protected void ws0f1( )
   {
      wbLoad = false ;
      wbEnd = 0 ;
      wbTemp = 0 ;
      wjLoc = "" ;
      nUserReturn = 0 ;
      if ( ( QNutil.strcmp(CGI_RequestMethod, "POST") == 0 ) )
      {
         sCallerURL = cgiGet( "sCallerURL") ;
      }
      else
      {
         sCallerURL = CGI_Referer ;
      }
      /* Stand alone formulas. */
      wbErr = false ;
      if ( ( QNutil.strcmp(CGI_RequestMethod, "POST") == 0 ) )
      {
         if ( ((QNutil.strcmp(QNutil.rtrim( wjLoc), "")==0)) && ( nUserReturn != 1 ) )
         {
            /* Read saved values. */
            /* Read variables values. */
            /* Read hidden variables. */
            /* Read Web Panel buttons. */
         }
      }
      /* End function WS0F1 */
   }

   protected void we0f1( )
   {
      if ( ( nUserReturn == 1 ) )
      {
         redirect( sCallerURL );
      }
      else if ( ((QNutil.strcmp(QNutil.rtrim( wjLoc), "")==0)) )
      {
         Rfr0gs = true ;
         refresh( ) ;
         if ( ( nUserReturn == 1 ) )
         {
            redirect( sCallerURL );
         }
         else if ( ((QNutil.strcmp(QNutil.rtrim( wjLoc), "")==0)) )
         {
            /* Send hidden variables. */
            qnhtml_text( "<input type=hidden name=\"sCallerURL\" value=\"" );
            qnhtml_send_web_value( sCallerURL );
            qnhtml_text( "\">" );
            /* Send saved values. */
            /* Set focus on 'active' control (if any). */
            if ( !( ((QNutil.strcmp(QNutil.rtrim( QN_FocusControl), "")==0)) ) )
            {
               qnhtml_text( "<script language=\"JavaScript\" type=\"text/javascript\">" );
               qnhtml_text( "if (document.MAINFORM."+QN_FocusControl+" != null && document.MAINFORM."+QN_FocusControl+".type != \"hidden\") document.MAINFORM."+QN_FocusControl+".focus();" );
               qnhtml_text( "</script>" );
            }
            qnhtml_text( "</form>" );
            qnhtml_text( "</body>" );
            qnhtml_text( "</html>" );
         }
         else
         {
            redirect( wjLoc );
         }
      }
      else
      {
         redirect( wjLoc );
      }
      /* End function WE0F1 */
   }

   protected void pa0f1( )
   {
      initpars( ) ;
      CustId = (int)(QNutil.val( GetNextPar( ))) ;
      Form_Backcolor = UIFactory.getColor( 255, 255, 255) ;
      Form_Background = "" ;
      Form_Caption = "Pick a customer" ;
      Form_Jump = "" ;
      lbl1_Visible = (byte)(1) ;
      lbl1_Caption = "Pick a customer" ;
      sub2_Visible = (byte)(1) ;
      custid_Visible = (byte)(1) ;
      custid_Enabled = (byte)(1) ;
      custid_Ispassword = 0 ;
      custname_Visible = (byte)(1) ;
      custname_Enabled = (byte)(1) ;
      custname_Ispassword = 0 ;
      /* End function PA0F1 */
   }

   protected void refresh( )
   {
      wb0f1( ) ;
      /* End function Refresh */
   }

   protected void rf0f2( )
   {
      /* Load Method */
      nQNsfl_1_idx = 0 ;
      H00152.fetchFirst(dbocustomer);
      while (!H00152.eof())
      {
         Acustid = dbocustomer.getCustid();
         Acustname = dbocustomer.getCustname();
         nQNsfl_1_idx = (short)(nQNsfl_1_idx+1) ;
         sQNsfl_1_idx = QNutil.padl( QNutil.ltrim( QNutil.str( (double)(nQNsfl_1_idx), 4, 0)), (short)(4), "0") ;
         qnhtml_text( "<tr>" );
         qnhtml_text( "<td valign=top align=\"left\">" );
         qnhtml_text( "<a href=\"javascript:QN_js_return("+QNutil.ltrim( QNutil.str( (double)(Acustid), 10, 0))+")\">" );
         qnhtml_send_web_value( Acustid );
         qnhtml_text( "</a>" );
         qnhtml_text( "</td>" );
         qnhtml_text( "<td valign=top align=\"left\">" );
         qnhtml_send_web_value( Acustname );
         qnhtml_text( "</td>" );
         qnhtml_text( "</tr>" );
         /* Check if program is canceled. */
         H00152.readNext();
      }
      H00152.close() ;
      wbEnd = (short)(1) ;
      wb0f1( ) ;
      /* End function RF0F2 */
   }

   public void QNEnter()
   {
      /* Execute user event: E110F */
      E110F();
   }

   protected void E110F()
   {
      /* EnterRoutine */
      CustId = Acustid ;
      nUserReturn = 1;
      if (true) return;
   }

   protected void define_styles( )
   {
      qnhtml_text( "<style type=\"text/css\">" );
      qnhtml_text( ".LBL1 {font-family:'Arial';font-size:14pt;font-weight:bold;}" );
      qnhtml_text( "</style>" );
      /* End function define_styles */
   }

   protected void include_jscripts( )
   {
      qnhtml_text( "<script language=\"JavaScript\" type=\"text/javascript\">" );
      if ( ( nUserReturn == 0 ) )
      {
         qnhtml_text( "var QNPARAMETERS = new Array();" );
         qnhtml_text( "function QN_js_return( CustId)" );
         qnhtml_text( "{" );
         qnhtml_text( "if (opener != null)" );
         qnhtml_text( "{" );
         qnhtml_text( "if (opener.QNPARAMETERS != null)" );
         qnhtml_text( "{" );
         qnhtml_text( "opener.QNPARAMETERS[0].value = CustId;" );
         qnhtml_text( "opener.QNPARAMETERS[0].focus();" );
         qnhtml_text( "}" );
         qnhtml_text( "self.close();" );
         qnhtml_text( "}" );
         qnhtml_text( "}" );
         qnhtml_text( "function QN_js_close()" );
         qnhtml_text( "{" );
         qnhtml_text( "if (document.forms[0].sCallerURL.value != \"\")" );
         qnhtml_text( "{" );
         qnhtml_text( "location.assign(document.forms[0].sCallerURL.value);" );
         qnhtml_text( "}" );
         qnhtml_text( "else" );
         qnhtml_text( "{" );
         qnhtml_text( "self.close();" );
         qnhtml_text( "}" );
         qnhtml_text( "}" );
      }
      qnhtml_text( "</script>" );
      /* End function include_jscripts */
   }

   public ILabel lbl1;
   protected void cleanup( )
   {
      flushBuffer();
   }

   public void initialize( )
   {
      wbLoad = false ;
      wbEnd = 0 ;
      Form_Caption = "" ;
      Form_Background = "" ;
      Form_Backcolor = 0 ;
      lbl1_Visible = 0 ;
      lbl1_Link = "" ;
      lbl1_Caption = "" ;
      wbTemp = 0 ;
      wjLoc = "" ;
      nUserReturn = 0 ;
      sCallerURL = "" ;
      QNSUBMITID = "" ;
      Rfr0gs = false ;
      wbErr = false ;
      QN_FocusControl = "" ;
      Form_Jump = "" ;
      sub2_Visible = 0 ;
      custid_Visible = 0 ;
      custid_Enabled = 0 ;
      custid_Ispassword = 0 ;
      custname_Visible = 0 ;
      custname_Enabled = 0 ;
      custname_Ispassword = 0 ;
      nQNsfl_1_idx = 0 ;
      sQNsfl_1_idx = "" ;
      dbocustomer = new dbcCUSTOMER(context, remoteHandle, true) ;
      H00152 = new fH00152(context, remoteHandle) ;
      Acustid = 0 ;
      Acustname = "" ;
      /* Quenora formulas. */
   }

   protected byte lbl1_Visible ;
   protected byte wbTemp ;
   protected byte nUserReturn ;
   protected byte sub2_Visible ;
   protected byte custid_Visible ;
   protected byte custid_Enabled ;
   protected byte custid_Ispassword ;
   protected byte custname_Visible ;
   protected byte custname_Enabled ;
   protected byte custname_Ispassword ;
   protected short wbEnd ;
   protected short nQNsfl_1_idx ;
   protected int CustId ;
   protected int Form_Backcolor ;
   protected int Acustid ;
   protected String Form_Caption ;
   protected String Form_Background ;
   protected String lbl1_Link ;
   protected String lbl1_Caption ;
   protected String wjLoc ;
   protected String sCallerURL ;
   protected String QNSUBMITID ;
   protected String QN_FocusControl ;
   protected String Form_Jump ;
   protected String sQNsfl_1_idx ;
   protected String Acustname ;
   protected boolean wbLoad ;
   protected boolean Rfr0gs ;
   protected boolean wbErr ;
   protected QNInt aP0 ;
   protected dbcCUSTOMER dbocustomer ;
   protected fH00152 H00152 ;
}

final class fH00152 extends QNDBForwardSupplier
{
   private dbcCUSTOMER dbocustomer ;

   public fH00152(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = true ;
      cursorId = "H00152" ;
      supplierName = "fH00152" ;
      SQL = "SELECT CustId, CustName  FROM CUSTOMER (LOCKING=NONE)  ORDER BY CustId  " ;
      readBuffer = 16384;
   }

   public DatabaseClass getDBO()
   {
      return dbocustomer ;
   }

   public void newDBO()
   {
      dbocustomer = new dbcCUSTOMER ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      dbocustomer.setCustid(rslt.getInt(1));
      dbocustomer.setCustname(rslt.getString(2, 30));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcCUSTOMER dbocustomer)
   {
      this.dbocustomer = dbocustomer ;
      dbocustomer.unloadAll();
      try {
         prepare();
         setParameters();
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fH00152" + ".fetchFirst", e); }
   }

}

