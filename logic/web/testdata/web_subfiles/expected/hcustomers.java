/*
               File: hcustomers
        Description: Customer grid
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
public final class hcustomers extends QNWebPanel
{
   /* Program does not have any parameters */
   public static void main(String args[])
   {
      Application.setCurrentLocation( "" );
      Application.init(QNcfg.class);
      hcustomers pgm = new hcustomers (-1);
      Application.realMainProgram = pgm;
      pgm.execute( args);
      QNWebPanel.copyFiles();
   }

   public void execute(String args[])
   {
      execute_int();
   }

   public hcustomers()
   {
      super();
   }

   public hcustomers(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( hcustomers.class ));
   }

   public hcustomers(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context);
   }

   public void execute( )
   {
      execute_int();
   }

   private void execute_int( )
   {
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
   }

   public String getServletInfo()
   {
      return "Customer grid" ;
   }

   public void webExecute( )
   {
      pa011( ) ;
      /* Quenora formulas. */
      ws011( ) ;
      we011( ) ;
      cleanup();
      return  ;
   }

   protected void wb011( )
   {
      if ( ( wbLoad == false ) )
      {
         wbLoad = true ;
         qnhtml_text( "<html>" );
         qnhtml_text( "<head>" );
         qnhtml_text( "<meta name=\"GENERATOR\" content=\"Quenora\">" );
         qnhtml_text( "<meta name=\"DESCRIPTION\" content=\"Customer grid\">" );
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
         if ( ( Note_Visible != 0 ) )
         {
            if ( ( Note_Enabled == 1 ) )
            {
               qnhtml_text( "<input type="+((Note_Ispassword==1) ? "password" : "text")+" id=\"_NOTE\" name=\"_NOTE\" size=\"20\" maxlength=\"20\" value=\"" );
               qnhtml_send_web_value( Note );
               qnhtml_text( "\">" );
            }
            else
            {
               qnhtml_text( "<span>" );
               qnhtml_send_web_value( Note );
               qnhtml_text( "</span>" );
            }
         }
         /* Subfile start */
         qnhtml_text( "<table BORDER=1>" );
         /* Subfile titles */
         qnhtml_text( "<tr>" );
         qnhtml_text( "<th align=\"left\">Number</th>" );
         qnhtml_text( "<th align=\"left\">Name</th>" );
         qnhtml_text( "<th align=\"left\">Pick</th>" );
         qnhtml_text( "</tr>" );
         rf012( ) ;
         qnhtml_text( "</table>" );
         /* Subfile end */
         /* Freestyle subfile start */
         qnhtml_text( "<table>" );
         rf013( ) ;
         qnhtml_text( "</table>" );
         /* Freestyle subfile end */
      }
      /* End function WB011 */
   }

   protected void ws011( )
   {
      wbLoad = false ;
      wbEnd = 0 ;
      wbTemp = 0 ;
      wjLoc = "" ;
      nUserReturn = 0 ;
      sub1_Backcolor = (int)((int)(0xFFFFFF)) ;
      QN_FocusControl = "_NOTE" ;
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
            Note = cgiGet( "_NOTE") ;
            /* Read hidden variables. */
            nRC_1 = (short)(QNutil.val( cgiGet( "QNH_NRC_1"))) ;
            /* Read Web Panel buttons. */
            nQNsfl_1_idx = 0 ;
            while ( ( nQNsfl_1_idx < nRC_1 ) )
            {
               nQNsfl_1_idx = (short)(nQNsfl_1_idx+1) ;
               sQNsfl_1_idx = QNutil.padl( QNutil.ltrim( QNutil.str( (double)(nQNsfl_1_idx), 4, 0)), (short)(4), "0") ;
               QNt_char1 = "B_"+sQNsfl_1_idx ;
               QNt_char2 = "B_"+sQNsfl_1_idx ;
               if ( !( ((QNutil.strcmp(QNutil.rtrim( cgiGet( QNt_char2)), "")==0)) ) )
               {
                  /* Execute user event: E1101 */
                  E1101();
                  if (true) break;
               }
            }
         }
      }
      /* End function WS011 */
   }

   protected void we011( )
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
            qnhtml_text( "<input type=hidden name=\"QNH_NRC_1\" value=\"" );
            qnhtml_send_web_value( nQNsfl_1_idx );
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
      /* End function WE011 */
   }

   protected void pa011( )
   {
      initpars( ) ;
      Form_Backcolor = UIFactory.getColor( 255, 255, 255) ;
      Form_Background = "" ;
      Form_Caption = "Customer grid" ;
      Form_Jump = "" ;
      sub1_Visible = (byte)(1) ;
      custid_Visible = (byte)(1) ;
      custid_Enabled = (byte)(1) ;
      custid_Ispassword = 0 ;
      custname_Visible = (byte)(1) ;
      custname_Enabled = (byte)(1) ;
      custname_Ispassword = 0 ;
      B_Visible = (byte)(1) ;
      sub5_Visible = (byte)(1) ;
      custname_Visible = (byte)(1) ;
      custname_Enabled = (byte)(1) ;
      custname_Ispassword = 0 ;
      Note_Visible = (byte)(1) ;
      Note_Enabled = (byte)(1) ;
      Note_Ispassword = 0 ;
      /* End function PA011 */
   }

   protected void refresh( )
   {
      wb011( ) ;
      /* End function Refresh */
   }

   protected void rf012( )
   {
      /* Load Method */
      nQNsfl_1_idx = 0 ;
      H00012.fetchFirst(dbocustomer);
      while (!H00012.eof())
      {
         Acustid = dbocustomer.getCustid();
         Acustname = dbocustomer.getCustname();
         nQNsfl_1_idx = (short)(nQNsfl_1_idx+1) ;
         sQNsfl_1_idx = QNutil.padl( QNutil.ltrim( QNutil.str( (double)(nQNsfl_1_idx), 4, 0)), (short)(4), "0") ;
         if ( ( ((nQNsfl_1_idx-1) % (2)) == 0 ) )
         {
            qnhtml_text( "<tr bgcolor="+getHTMLColor( (long)(sub1_Backcolor))+">" );
         }
         qnhtml_text( "<td valign=top align=\"left\">" );
         qnhtml_send_web_value( Acustid );
         qnhtml_text( "</td>" );
         qnhtml_text( "<td valign=top align=\"left\">" );
         qnhtml_send_web_value( Acustname );
         qnhtml_text( "</td>" );
         qnhtml_text( "<td valign=top align=\"left\">" );
         qnhtml_text( "<input type=SUBMIT name=\""+"B_"+sQNsfl_1_idx+"\" value=\"Pick\">" );
         qnhtml_text( "</td>" );
         if ( ( ((nQNsfl_1_idx) % (2)) == 0 ) )
         {
            if ( ( sub1_Backcolor == (int)(0xFFFFFF) ) )
            {
               sub1_Backcolor = (int)((int)(0xEEEEEE)) ;
            }
            else
            {
               sub1_Backcolor = (int)((int)(0xFFFFFF)) ;
            }
            qnhtml_text( "</tr>" );
         }
         /* Check if program is canceled. */
         H00012.readNext();
      }
      H00012.close() ;
      wbEnd = (short)(1) ;
      wb011( ) ;
      /* End function RF012 */
   }

   protected void rf013( )
   {
      /* Load Method */
      nQNsfl_2_idx = 0 ;
      H00013.fetchFirst(dbocustomer);
      while (!H00013.eof())
      {
         Acustid = dbocustomer.getCustid();
         Acustname = dbocustomer.getCustname();
         nQNsfl_2_idx = (short)(nQNsfl_2_idx+1) ;
         sQNsfl_2_idx = QNutil.padl( QNutil.ltrim( QNutil.str( (double)(nQNsfl_2_idx), 4, 0)), (short)(4), "0") ;
         qnhtml_text( "<tr>" );
         qnhtml_text( "<td>" );
         qnhtml_text( "<b>" );
         qnhtml_send_web_value( Acustname );
         qnhtml_text( "</b>" );
         qnhtml_text( "</td></tr>" );
         /* Check if program is canceled. */
         H00013.readNext();
      }
      H00013.close() ;
      wbEnd = (short)(2) ;
      wb011( ) ;
      /* End function RF013 */
   }

   protected void E1101()
   {
      /* PickRoutine */
      Note = "picked" ;
   }

   protected void define_styles( )
   {
      qnhtml_text( "<style type=\"text/css\">" );
      qnhtml_text( "</style>" );
      /* End function define_styles */
   }

   protected void include_jscripts( )
   {
      qnhtml_text( "<script language=\"JavaScript\" type=\"text/javascript\">" );
      if ( ( nUserReturn == 0 ) )
      {
         qnhtml_text( "var QNPARAMETERS = new Array();" );
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
      Note_Visible = 0 ;
      Note_Enabled = 0 ;
      Note_Ispassword = 0 ;
      Note = "" ;
      wbTemp = 0 ;
      wjLoc = "" ;
      nUserReturn = 0 ;
      sCallerURL = "" ;
      QNSUBMITID = "" ;
      Rfr0gs = false ;
      sub1_Backcolor = 0 ;
      QN_FocusControl = "" ;
      wbErr = false ;
      nRC_1 = 0 ;
      nQNsfl_1_idx = 0 ;
      sQNsfl_1_idx = "" ;
      QNt_char1 = "" ;
      QNt_char2 = "" ;
      Form_Jump = "" ;
      sub1_Visible = 0 ;
      custid_Visible = 0 ;
      custid_Enabled = 0 ;
      custid_Ispassword = 0 ;
      custname_Visible = 0 ;
      custname_Enabled = 0 ;
      custname_Ispassword = 0 ;
      B_Visible = 0 ;
      sub5_Visible = 0 ;
      dbocustomer = new dbcCUSTOMER(context, remoteHandle, true) ;
      H00012 = new fH00012(context, remoteHandle) ;
      Acustid = 0 ;
      Acustname = "" ;
      nQNsfl_2_idx = 0 ;
      sQNsfl_2_idx = "" ;
      H00013 = new fH00013(context, remoteHandle) ;
      /* Quenora formulas. */
   }

   protected byte Note_Visible ;
   protected byte Note_Enabled ;
   protected byte Note_Ispassword ;
   protected byte wbTemp ;
   protected byte nUserReturn ;
   protected byte sub1_Visible ;
   protected byte custid_Visible ;
   protected byte custid_Enabled ;
   protected byte custid_Ispassword ;
   protected byte custname_Visible ;
   protected byte custname_Enabled ;
   protected byte custname_Ispassword ;
   protected byte B_Visible ;
   protected byte sub5_Visible ;
   protected short wbEnd ;
   protected short nRC_1 ;
   protected short nQNsfl_1_idx ;
   protected short nQNsfl_2_idx ;
   protected int Form_Backcolor ;
   protected int sub1_Backcolor ;
   protected int Acustid ;
   protected String Form_Caption ;
   protected String Form_Background ;
   protected String Note ;
   protected String wjLoc ;
   protected String sCallerURL ;
   protected String QNSUBMITID ;
   protected String QN_FocusControl ;
   protected String sQNsfl_1_idx ;
   protected String QNt_char1 ;
   protected String QNt_char2 ;
   protected String Form_Jump ;
   protected String Acustname ;
   protected String sQNsfl_2_idx ;
   protected boolean wbLoad ;
   protected boolean Rfr0gs ;
   protected boolean wbErr ;
   protected dbcCUSTOMER dbocustomer ;
   protected fH00012 H00012 ;
   protected fH00013 H00013 ;
}

final class fH00012 extends QNDBForwardSupplier
{
   private dbcCUSTOMER dbocustomer ;

   public fH00012(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = true ;
      cursorId = "H00012" ;
      supplierName = "fH00012" ;
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
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fH00012" + ".fetchFirst", e); }
   }

}

final class fH00013 extends QNDBForwardSupplier
{
   private dbcCUSTOMER dbocustomer ;

   public fH00013(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = true ;
      cursorId = "H00013" ;
      supplierName = "fH00013" ;
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
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fH00013" + ".fetchFirst", e); }
   }

}

