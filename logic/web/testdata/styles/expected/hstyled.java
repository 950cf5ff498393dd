/*
               File: hstyled
        Description: Styled customers
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
public final class hstyled extends QNWebPanel
{
   /* Program does not have any parameters */
   public static void main(String args[])
   {
      Application.setCurrentLocation( "" );
      Application.init(QNcfg.class);
      hstyled pgm = new hstyled (-1);
      Application.realMainProgram = pgm;
      pgm.execute( args);
      QNWebPanel.copyFiles();
   }

   public void execute(String args[])
   {
      execute_int();
   }

   public hstyled()
   {
      super();
   }

   public hstyled(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( hstyled.class ));
   }

   public hstyled(int remoteHandle, ModelContext context)
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
      lbl1 = UIFactory.getLabel(this);
      lbl2 = UIFactory.getLabel(this);
   }

   public String getServletInfo()
   {
      return "Styled customers" ;
   }

   public void webExecute( )
   {
      pa0o1( ) ;
      /* Quenora formulas. */
      ws0o1( ) ;
      we0o1( ) ;
      cleanup();
      return  ;
   }

   protected void wb0o1( )
   {
      if ( ( wbLoad == false ) )
      {
         wbLoad = true ;
         qnhtml_text( "<html>" );
         qnhtml_text( "<head>" );
         qnhtml_text( "<meta name=\"GENERATOR\" content=\"Quenora\">" );
         qnhtml_text( "<meta name=\"DESCRIPTION\" content=\"Styled customers\">" );
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
         qnhtml_text( "<h1>" );
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
         qnhtml_text( "</h1><p>" );
         if ( ( lbl2_Visible != 0 ) )
         {
            if ( !( ((QNutil.strcmp(QNutil.rtrim( lbl2_Link), "")==0)) ) )
            {
               qnhtml_text( "<a href=\"" );
               qnhtml_send_web_value( QNutil.rtrim( lbl2_Link) );
               qnhtml_text( "\">" );
            }
            qnhtml_text( "<span id=\"LBL2\" name=\"LBL2\" class=\"LBL2\">" );
            qnhtml_send_web_value( lbl2_Caption );
            qnhtml_text( "</span>" );
            if ( !( ((QNutil.strcmp(QNutil.rtrim( lbl2_Link), "")==0)) ) )
            {
               qnhtml_text( "</a>" );
            }
         }
         if ( ( Code_Visible != 0 ) )
         {
            if ( ( Code_Enabled == 1 ) )
            {
               qnhtml_text( "<input type="+((Code_Ispassword==1) ? "password" : "text")+" id=\"_CODE\" name=\"_CODE\" size=\"10\" maxlength=\"10\" value=\"" );
               qnhtml_send_web_value( Code );
               qnhtml_text( "\" class=\"_CODE\">" );
            }
            else
            {
               qnhtml_text( "<span class=\"_CODE\">" );
               qnhtml_send_web_value( Code );
               qnhtml_text( "</span>" );
            }
         }
         if ( ( Alert_Visible != 0 ) )
         {
            if ( ( Alert_Enabled == 1 ) )
            {
               qnhtml_text( "<input type="+((Alert_Ispassword==1) ? "password" : "text")+" id=\"_ALERT\" name=\"_ALERT\" size=\"20\" maxlength=\"20\" value=\"" );
               qnhtml_send_web_value( Alert );
               qnhtml_text( "\" style=\""+"font-family:'"+Alert_Fontname+"';"+"font-size:"+QNutil.ltrim( QNutil.str( (double)(Alert_Fontsize), 10, 0))+"pt;"+((Alert_Fontbold==1) ? "font-weight:bold;" : "")+((Alert_Fontitalic==1) ? "font-style:italic;" : "")+((Alert_Fontunderline==1)&&(Alert_Fontstrikethru==0) ? "text-decoration:underline;" : "")+((Alert_Fontstrikethru==1) ? "text-decoration:line-through;" : "")+"color:"+getHTMLColor( (long)(Alert_Forecolor))+";"+((Alert_Backstyle==1) ? "background:"+getHTMLColor( (long)(Alert_Backcolor))+";" : "")+"\">" );
            }
            else
            {
               qnhtml_text( "<span style=\""+"font-family:'"+Alert_Fontname+"';"+"font-size:"+QNutil.ltrim( QNutil.str( (double)(Alert_Fontsize), 10, 0))+"pt;"+((Alert_Fontbold==1) ? "font-weight:bold;" : "")+((Alert_Fontitalic==1) ? "font-style:italic;" : "")+((Alert_Fontunderline==1)&&(Alert_Fontstrikethru==0) ? "text-decoration:underline;" : "")+((Alert_Fontstrikethru==1) ? "text-decoration:line-through;" : "")+"color:"+getHTMLColor( (long)(Alert_Forecolor))+";"+((Alert_Backstyle==1) ? "background:"+getHTMLColor( (long)(Alert_Backcolor))+";" : "")+"\">" );
               qnhtml_send_web_value( Alert );
               qnhtml_text( "</span>" );
            }
         }
         qnhtml_text( "</p>" );
         /* Subfile start */
         qnhtml_text( "<table BORDER>" );
         /* Subfile titles */
         qnhtml_text( "<tr>" );
         qnhtml_text( "<th align=\"left\" class=\"_CUSTID_title\">Number</th>" );
         qnhtml_text( "<th align=\"left\">Name</th>" );
         qnhtml_text( "</tr>" );
         rf0o2( ) ;
         qnhtml_text( "</table>" );
         /* Subfile end */
      }
      /* End function WB0O1 */
   }

   protected void ws0o1( )
   {
      wbLoad = false ;
      wbEnd = 0 ;
      wbTemp = 0 ;
      wjLoc = "" ;
      nUserReturn = 0 ;
      QN_FocusControl = "_CODE" ;
      if ( ( QNutil.strcmp(CGI_RequestMethod, "POST") == 0 ) )
      {
         sCallerURL = cgiGet( "sCallerURL") ;
      }
      else
      {
         sCallerURL = CGI_Referer ;
      }
      /* Execute user event: E110O */
      E110O();
      /* Stand alone formulas. */
      wbErr = false ;
      if ( ( QNutil.strcmp(CGI_RequestMethod, "POST") == 0 ) )
      {
         if ( ((QNutil.strcmp(QNutil.rtrim( wjLoc), "")==0)) && ( nUserReturn != 1 ) )
         {
            /* Read saved values. */
            /* Read variables values. */
            Code = cgiGet( "_CODE") ;
            Alert = cgiGet( "_ALERT") ;
            /* Read hidden variables. */
            /* Read Web Panel buttons. */
         }
      }
      /* End function WS0O1 */
   }

   protected void we0o1( )
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
      /* End function WE0O1 */
   }

   protected void pa0o1( )
   {
      initpars( ) ;
      Form_Backcolor = UIFactory.getColor( 255, 255, 255) ;
      Form_Background = "" ;
      Form_Caption = "Styled customers" ;
      Form_Jump = "" ;
      lbl1_Visible = (byte)(1) ;
      lbl1_Caption = "Styled" ;
      lbl2_Visible = (byte)(1) ;
      lbl2_Caption = "Plain back" ;
      Code_Visible = (byte)(1) ;
      Code_Enabled = (byte)(1) ;
      Code_Ispassword = 0 ;
      Alert_Visible = (byte)(1) ;
      Alert_Enabled = (byte)(1) ;
      Alert_Ispassword = 0 ;
      Alert_Fontname = "Verdana" ;
      Alert_Fontsize = 10 ;
      Alert_Fontbold = (byte)(1) ;
      Alert_Fontitalic = 0 ;
      Alert_Fontunderline = 0 ;
      Alert_Fontstrikethru = 0 ;
      Alert_Forecolor = UIFactory.getColor( 0, 128, 0) ;
      Alert_Backstyle = 0 ;
      sub5_Visible = (byte)(1) ;
      custid_Visible = (byte)(1) ;
      custid_Enabled = (byte)(1) ;
      custid_Ispassword = 0 ;
      custname_Visible = (byte)(1) ;
      custname_Enabled = (byte)(1) ;
      custname_Ispassword = 0 ;
      /* End function PA0O1 */
   }

   protected void refresh( )
   {
      wb0o1( ) ;
      /* End function Refresh */
   }

   protected void rf0o2( )
   {
      /* Load Method */
      nQNsfl_1_idx = 0 ;
      H00242.fetchFirst(dbocustomer);
      while (!H00242.eof())
      {
         Acustid = dbocustomer.getCustid();
         Acustname = dbocustomer.getCustname();
         nQNsfl_1_idx = (short)(nQNsfl_1_idx+1) ;
         sQNsfl_1_idx = QNutil.padl( QNutil.ltrim( QNutil.str( (double)(nQNsfl_1_idx), 4, 0)), (short)(4), "0") ;
         qnhtml_text( "<tr>" );
         qnhtml_text( "<td valign=top align=\"left\">" );
         qnhtml_send_web_value( Acustid );
         qnhtml_text( "</td>" );
         qnhtml_text( "<td valign=top align=\"left\">" );
         qnhtml_send_web_value( Acustname );
         qnhtml_text( "</td>" );
         qnhtml_text( "</tr>" );
         /* Check if program is canceled. */
         H00242.readNext();
      }
      H00242.close() ;
      wbEnd = (short)(1) ;
      wb0o1( ) ;
      /* End function RF0O2 */
   }

   protected void QNStart()
   {
      /* Execute user event: E110O */
      E110O();
   }

   protected void E110O()
   {
      /* StartRoutine */
      Alert_Forecolor = UIFactory.getColor( 255, 0, 0) ;
   }

   protected void define_styles( )
   {
      qnhtml_text( "<style type=\"text/css\">" );
      qnhtml_text( ".LBL1 {font-family:'Arial';font-size:16pt;font-weight:bold;font-style:italic;color:#800000;background:#FFFFC0;}" );
      qnhtml_text( ".LBL2 {font-family:'Times New Roman';font-size:10pt;}" );
      qnhtml_text( "._CODE {font-family:'Courier New';font-size:9pt;text-decoration:line-through;}" );
      qnhtml_text( "._CUSTID_title {font-family:'Georgia';font-size:11pt;font-weight:bold;color:#FFFFFF;background:#000080;}" );
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

   public ILabel lbl1;
   public ILabel lbl2;
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
      lbl2_Visible = 0 ;
      lbl2_Link = "" ;
      lbl2_Caption = "" ;
      Code_Visible = 0 ;
      Code_Enabled = 0 ;
      Code_Ispassword = 0 ;
      Code = "" ;
      Alert_Visible = 0 ;
      Alert_Fontname = "" ;
      Alert_Fontsize = 0 ;
      Alert_Fontbold = 0 ;
      Alert_Fontitalic = 0 ;
      Alert_Fontunderline = 0 ;
      Alert_Fontstrikethru = 0 ;
      Alert_Forecolor = 0 ;
      Alert_Backstyle = 0 ;
      Alert_Backcolor = 0 ;
      Alert_Enabled = 0 ;
      Alert_Ispassword = 0 ;
      Alert = "" ;
      wbTemp = 0 ;
      wjLoc = "" ;
      nUserReturn = 0 ;
      sCallerURL = "" ;
      QNSUBMITID = "" ;
      Rfr0gs = false ;
      QN_FocusControl = "" ;
      wbErr = false ;
      Form_Jump = "" ;
      sub5_Visible = 0 ;
      custid_Visible = 0 ;
      custid_Enabled = 0 ;
      custid_Ispassword = 0 ;
      custname_Visible = 0 ;
      custname_Enabled = 0 ;
      custname_Ispassword = 0 ;
      nQNsfl_1_idx = 0 ;
      sQNsfl_1_idx = "" ;
      dbocustomer = new dbcCUSTOMER(context, remoteHandle, true) ;
      H00242 = new fH00242(context, remoteHandle) ;
      Acustid = 0 ;
      Acustname = "" ;
      /* Quenora formulas. */
   }

   protected byte lbl1_Visible ;
   protected byte lbl2_Visible ;
   protected byte Code_Visible ;
   protected byte Code_Enabled ;
   protected byte Code_Ispassword ;
   protected byte Alert_Visible ;
   protected byte Alert_Fontbold ;
   protected byte Alert_Fontitalic ;
   protected byte Alert_Fontunderline ;
   protected byte Alert_Fontstrikethru ;
   protected byte Alert_Backstyle ;
   protected byte Alert_Enabled ;
   protected byte Alert_Ispassword ;
   protected byte wbTemp ;
   protected byte nUserReturn ;
   protected byte sub5_Visible ;
   protected byte custid_Visible ;
   protected byte custid_Enabled ;
   protected byte custid_Ispassword ;
   protected byte custname_Visible ;
   protected byte custname_Enabled ;
   protected byte custname_Ispassword ;
   protected short wbEnd ;
   protected short nQNsfl_1_idx ;
   protected int Form_Backcolor ;
   protected int Alert_Fontsize ;
   protected int Alert_Forecolor ;
   protected int Alert_Backcolor ;
   protected int Acustid ;
   protected String Form_Caption ;
   protected String Form_Background ;
   protected String lbl1_Link ;
   protected String lbl1_Caption ;
   protected String lbl2_Link ;
   protected String lbl2_Caption ;
   protected String Code ;
   protected String Alert_Fontname ;
   protected String Alert ;
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
   protected dbcCUSTOMER dbocustomer ;
   protected fH00242 H00242 ;
}

final class fH00242 extends QNDBForwardSupplier
{
   private dbcCUSTOMER dbocustomer ;

   public fH00242(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = true ;
      cursorId = "H00242" ;
      supplierName = "fH00242" ;
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
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fH00242" + ".fetchFirst", e); }
   }

}

