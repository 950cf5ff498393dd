/*
               File: hcustomers
        Description: Customer list on the web
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
      lbl1 = UIFactory.getLabel(this);
   }

   public String getServletInfo()
   {
      return "Customer list on the web" ;
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
         qnhtml_text( "<meta name=\"DESCRIPTION\" content=\"Customer list on the web\">" );
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
         qnhtml_text( " bgcolor="+getHTMLColor( (long)(Form_Backcolor))+" onLoad=\"window_load()\" onFocus=\"window_focus()\" onBlur=\"window_blur()\">" );
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
         qnhtml_text( "</h1><p>From number " );
         if ( ( MinId_Visible != 0 ) )
         {
            if ( ( MinId_Enabled == 1 ) )
            {
               qnhtml_text( "<input type="+((MinId_Ispassword==1) ? "password" : "text")+" id=\"_MINID\" name=\"_MINID\" size=\"6\" maxlength=\"6\" value=\"" );
               qnhtml_send_web_value( MinId );
               qnhtml_text( "\" onChange=\"valid_integer( this)\">" );
            }
            else
            {
               qnhtml_text( "<span>" );
               qnhtml_send_web_value( MinId );
               qnhtml_text( "</span>" );
            }
         }
         if ( ( imgPick_Visible != 0 ) )
         {
            if ( !( ((QNutil.strcmp(QNutil.rtrim( imgPick_Link), "")==0)) ) )
            {
               qnhtml_text( "<a href=\"" );
               qnhtml_send_web_value( QNutil.rtrim( imgPick_Link) );
               qnhtml_text( "\">" );
            }
            qnhtml_text( "<img id=\"IMGPICK\" src=\"" );
            qnhtml_send_web_value( com.quenora.webpanels.QNWebPanel.convertURL( imgPick_Bitmap) );
            qnhtml_text( "\""+((imgPick_Borderwidth==0) ? " border=0" : " border=\""+QNutil.ltrim( QNutil.str( (double)(imgPick_Borderwidth), 10, 0))+"\"") );
            qnhtml_text( " alt=\"" );
            qnhtml_send_web_value( imgPick_Alternatetext );
            qnhtml_text( "\" title=\"" );
            qnhtml_send_web_value( imgPick_Tooltiptext );
            qnhtml_text( "\">" );
            if ( !( ((QNutil.strcmp(QNutil.rtrim( imgPick_Link), "")==0)) ) )
            {
               qnhtml_text( "</a>" );
            }
         }
         qnhtml_text( " customer since " );
         if ( ( Since_Visible != 0 ) )
         {
            if ( ( Since_Enabled == 1 ) )
            {
               qnhtml_text( "<input type="+((Since_Ispassword==1) ? "password" : "text")+" id=\"_SINCE\" name=\"_SINCE\" size=\"8\" maxlength=\"8\" value=\"" );
               qnhtml_send_web_value( Since );
               qnhtml_text( "\" onChange=\"qnvdate( this, 8,0,'MDY',0,'/')\">" );
            }
            else
            {
               qnhtml_text( "<span>" );
               qnhtml_send_web_value( Since );
               qnhtml_text( "</span>" );
            }
         }
         if ( ( btt6_Visible != 0 ) )
         {
            qnhtml_text( "<input type="+((1==1) ? "SUBMIT" : "RESET")+" id=\"BTT6\" name=\"BTT6\" value=\"" );
            qnhtml_send_web_value( btt6_Caption );
            qnhtml_text( "\">" );
         }
         qnhtml_text( "</p>" );
         /* Subfile start */
         qnhtml_text( "<table BORDER>" );
         /* Subfile titles */
         qnhtml_text( "<tr>" );
         qnhtml_text( "<th align=\"left\">Number</th>" );
         qnhtml_text( "<th align=\"left\">Name</th>" );
         qnhtml_text( "</tr>" );
         rf012( ) ;
         qnhtml_text( "</table>" );
         /* Subfile end */
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
      QN_FocusControl = "_MINID" ;
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
            MinId = (int)(QNutil.val( cgiGet( "_MINID"))) ;
            if ( ( java.lang.Math.abs( (double)(MinId)) >= 1000000 ) )
            {
               qncgi_pusherror( localUtil.getMessages().getMessage("badnum")) ;
               wbErr = true ;
            }
            Since = localUtil.ctod( cgiGet( "_SINCE")) ;
            if ( !( ((QNutil.strcmp(QNutil.rtrim( cgiGet( "_SINCE")), "")==0)) ) && ( localUtil.vcdate( cgiGet( "_SINCE"), (byte)(1)) == 0 ) )
            {
               qncgi_pusherror( localUtil.getMessages().getMessage("faildate")) ;
               wbErr = true ;
            }
            /* Read hidden variables. */
            /* Read Web Panel buttons. */
            if ( !( ((QNutil.strcmp(QNutil.rtrim( cgiGet( "BTT6")), "")==0)) ) )
            {
               if ( ( wbErr == false ) )
               {
                  Rfr0gs = false ;
                  /* Set Refresh If MinId Changed */
                  if ( ( QNutil.val( cgiGet( "_MINID")) != QNutil.val( cgiGet( "QNH__MINID")) ) )
                  {
                     Rfr0gs = true ;
                  }
                  if ( ( Rfr0gs == false ) )
                  {
                  }
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
            /* Send saved values. */
            qnhtml_text( "<input type=hidden name=\"QNH__MINID\" value=\"" );
            qnhtml_send_web_value( MinId );
            qnhtml_text( "\">" );
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
      Form_Caption = "Customer list on the web" ;
      Form_Jump = "" ;
      lbl1_Visible = (byte)(1) ;
      lbl1_Caption = "Customers" ;
      sub2_Visible = (byte)(1) ;
      custid_Visible = (byte)(1) ;
      custid_Enabled = (byte)(1) ;
      custid_Ispassword = 0 ;
      custname_Visible = (byte)(1) ;
      custname_Enabled = (byte)(1) ;
      custname_Ispassword = 0 ;
      MinId_Visible = (byte)(1) ;
      MinId_Enabled = (byte)(1) ;
      MinId_Ispassword = 0 ;
      btt6_Visible = (byte)(1) ;
      btt6_Caption = "Show" ;
      imgPick_Visible = (byte)(1) ;
      imgPick_Bitmap = "prompt.gif" ;
      imgPick_Link = "javascript:prompt_1_1()" ;
      imgPick_Borderwidth = 0 ;
      Since_Visible = (byte)(1) ;
      Since_Enabled = (byte)(1) ;
      Since_Ispassword = 0 ;
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
      H00012.fetchFirst(dbocustomer, MinId);
      while (!H00012.eof())
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
         H00012.readNext();
      }
      H00012.close() ;
      wbEnd = (short)(1) ;
      wb011( ) ;
      /* End function RF012 */
   }

   protected void define_styles( )
   {
      qnhtml_text( "<style type=\"text/css\">" );
      qnhtml_text( ".LBL1 {font-family:'Arial';font-size:18pt;font-weight:bold;color:#004080;}" );
      qnhtml_text( "</style>" );
      /* End function define_styles */
   }

   protected void include_jscripts( )
   {
      qnhtml_text( "<script language=\"JavaScript\" src=\""+com.quenora.webpanels.QNWebPanel.convertURL( "qnvdate.js")+"\"></script>" );
      qnhtml_text( "<script language=\"JavaScript\" type=\"text/javascript\">" );
      qnhtml_text( "function valid_integer( Elem)" );
      qnhtml_text( "{" );
      qnhtml_text( "   var qn_IntRegExp = /^[ ]*([+-]?[0-9]+)?[ ]*$/;" );
      qnhtml_text( "   if (! qn_IntRegExp.test( Elem.value))" );
      qnhtml_text( "      { alert('Invalid number'); Elem.focus();}" );
      qnhtml_text( "}" );
      qnhtml_text( "var qn_Window_Timer = null;" );
      qnhtml_text( "function window_load()" );
      qnhtml_text( "{ window_focus(); }" );
      qnhtml_text( "function window_focus()" );
      qnhtml_text( "{ if (qn_Window_Timer == null) qn_Window_Timer = window.setTimeout(\"window.location.reload();\",60000); }" );
      qnhtml_text( "function window_blur()" );
      qnhtml_text( "{ if (qn_Window_Timer != null) { window.clearTimeout(qn_Window_Timer); qn_Window_Timer = null;} }" );
      if ( ( nUserReturn == 0 ) )
      {
         qnhtml_text( "var QNPARAMETERS = new Array();" );
         qnhtml_text( "var wCustPick=null;" );
         qnhtml_text( "function prompt_1_1()" );
         qnhtml_text( "{" );
         qnhtml_text( "QNPARAMETERS[0] = document.forms[0].elements['_MINID'];" );
         qnhtml_text( "if (wCustPick== null || wCustPick.closed)" );
         qnhtml_text( "wCustPick= open('http:hcustpick', '', 'toolbar=no,location=no,directories=no,status=yes,menubar=no,scrollbars=yes,resizable=yes,copyhistory=no');" );
         qnhtml_text( "wCustPick.focus();" );
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
      MinId_Visible = 0 ;
      MinId_Enabled = 0 ;
      MinId_Ispassword = 0 ;
      MinId = 0 ;
      imgPick_Visible = 0 ;
      imgPick_Borderwidth = 0 ;
      imgPick_Link = "" ;
      imgPick_Bitmap = "" ;
      imgPick_Alternatetext = "" ;
      imgPick_Tooltiptext = "" ;
      Since_Visible = 0 ;
      Since_Enabled = 0 ;
      Since_Ispassword = 0 ;
      Since = QNutil.nullDate() ;
      btt6_Visible = 0 ;
      btt6_Caption = "" ;
      wbTemp = 0 ;
      wjLoc = "" ;
      nUserReturn = 0 ;
      sCallerURL = "" ;
      QNSUBMITID = "" ;
      Rfr0gs = false ;
      QN_FocusControl = "" ;
      wbErr = false ;
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
      H00012 = new fH00012(context, remoteHandle) ;
      Acustid = 0 ;
      Acustname = "" ;
      /* Quenora formulas. */
   }

   protected byte lbl1_Visible ;
   protected byte MinId_Visible ;
   protected byte MinId_Enabled ;
   protected byte MinId_Ispassword ;
   protected byte imgPick_Visible ;
   protected byte Since_Visible ;
   protected byte Since_Enabled ;
   protected byte Since_Ispassword ;
   protected byte btt6_Visible ;
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
   protected short imgPick_Borderwidth ;
   protected short nQNsfl_1_idx ;
   protected int Form_Backcolor ;
   protected int MinId ;
   protected int Acustid ;
   protected String Form_Caption ;
   protected String Form_Background ;
   protected String lbl1_Link ;
   protected String lbl1_Caption ;
   protected String imgPick_Link ;
   protected String imgPick_Alternatetext ;
   protected String imgPick_Tooltiptext ;
   protected String btt6_Caption ;
   protected String wjLoc ;
   protected String sCallerURL ;
   protected String QNSUBMITID ;
   protected String QN_FocusControl ;
   protected String Form_Jump ;
   protected String sQNsfl_1_idx ;
   protected String Acustname ;
   protected java.util.Date Since ;
   protected boolean wbLoad ;
   protected boolean Rfr0gs ;
   protected boolean wbErr ;
   protected String imgPick_Bitmap ;
   protected dbcCUSTOMER dbocustomer ;
   protected fH00012 H00012 ;
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
      SQL = "SELECT CustId, CustName  FROM CUSTOMER (LOCKING=NONE) WHERE CustId >= ? ORDER BY CustId  " ;
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

   public void fetchFirst(dbcCUSTOMER dbocustomer, int P1)
   {
      this.dbocustomer = dbocustomer ;
      dbocustomer.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fH00012" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

