/*
               File: hinvpick
        Description: Pick an invoice
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
public final class hinvpick extends QNWebPanel
{
   public static void main(String args[])
   {
      Application.setCurrentLocation( "" );
      Application.init(QNcfg.class);
      hinvpick pgm = new hinvpick (-1);
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

   public hinvpick()
   {
      super();
   }

   public hinvpick(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( hinvpick.class ));
   }

   public hinvpick(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context);
   }

   public void execute( QNInt aP0 )
   {
      execute_int(aP0);
   }

   private void execute_int( QNInt aP0 )
   {
      this.InvId = aP0.getValue();
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
   }

   public String getServletInfo()
   {
      return "Pick an invoice" ;
   }

   public void webExecute( )
   {
      pa0n1( ) ;
      /* Quenora formulas. */
      ws0n1( ) ;
      we0n1( ) ;
      cleanup();
      return  ;
   }

   protected void wb0n1( )
   {
      if ( ( wbLoad == false ) )
      {
         wbLoad = true ;
         qnhtml_text( "<html>" );
         qnhtml_text( "<head>" );
         qnhtml_text( "<meta name=\"GENERATOR\" content=\"Quenora\">" );
         qnhtml_text( "<meta name=\"DESCRIPTION\" content=\"Pick an invoice\">" );
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
         qnhtml_text( "<p>Product " );
         if ( ( ProdId_Visible != 0 ) )
         {
            if ( ( ProdId_Enabled == 1 ) )
            {
               qnhtml_text( "<input type="+((ProdId_Ispassword==1) ? "password" : "text")+" id=\"_PRODID\" name=\"_PRODID\" size=\"6\" maxlength=\"6\" value=\"" );
               qnhtml_send_web_value( ProdId );
               qnhtml_text( "\" onChange=\"valid_integer( this)\">" );
            }
            else
            {
               qnhtml_text( "<span>" );
               qnhtml_send_web_value( ProdId );
               qnhtml_text( "</span>" );
            }
         }
         if ( ( imgProd_Visible != 0 ) )
         {
            if ( !( ((QNutil.strcmp(QNutil.rtrim( imgProd_Link), "")==0)) ) )
            {
               qnhtml_text( "<a href=\"" );
               qnhtml_send_web_value( QNutil.rtrim( imgProd_Link) );
               qnhtml_text( "\">" );
            }
            qnhtml_text( "<img id=\"IMGPROD\" src=\"" );
            qnhtml_send_web_value( com.quenora.webpanels.QNWebPanel.convertURL( imgProd_Bitmap) );
            qnhtml_text( "\""+((imgProd_Borderwidth==0) ? " border=0" : " border=\""+QNutil.ltrim( QNutil.str( (double)(imgProd_Borderwidth), 10, 0))+"\"") );
            qnhtml_text( " alt=\"" );
            qnhtml_send_web_value( imgProd_Alternatetext );
            qnhtml_text( "\" title=\"" );
            qnhtml_send_web_value( imgProd_Tooltiptext );
            qnhtml_text( "\">" );
            if ( !( ((QNutil.strcmp(QNutil.rtrim( imgProd_Link), "")==0)) ) )
            {
               qnhtml_text( "</a>" );
            }
         }
         qnhtml_text( "</p>" );
         /* Subfile start */
         qnhtml_text( "<table BORDER>" );
         /* Subfile titles */
         qnhtml_text( "<tr>" );
         qnhtml_text( "<th align=\"left\">Invoice</th>" );
         qnhtml_text( "<th align=\"left\">Customer</th>" );
         qnhtml_text( "</tr>" );
         rf0n2( ) ;
         qnhtml_text( "</table>" );
         /* Subfile end */
      }
      /* End function WB0N1 */
   }

   protected void ws0n1( )
   {
      wbLoad = false ;
      wbEnd = 0 ;
      wbTemp = 0 ;
      wjLoc = "" ;
      nUserReturn = 0 ;
      QN_FocusControl = "_PRODID" ;
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
            ProdId = (int)(QNutil.val( cgiGet( "_PRODID"))) ;
            if ( ( java.lang.Math.abs( (double)(ProdId)) >= 1000000 ) )
            {
               qncgi_pusherror( localUtil.getMessages().getMessage("badnum")) ;
               wbErr = true ;
            }
            /* Read hidden variables. */
            /* Read Web Panel buttons. */
         }
      }
      /* End function WS0N1 */
   }

   protected void we0n1( )
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
      /* End function WE0N1 */
   }

   protected void pa0n1( )
   {
      initpars( ) ;
      InvId = (int)(QNutil.val( GetNextPar( ))) ;
      Form_Backcolor = UIFactory.getColor( 255, 255, 255) ;
      Form_Background = "" ;
      Form_Caption = "Pick an invoice" ;
      Form_Jump = "" ;
      ProdId_Visible = (byte)(1) ;
      ProdId_Enabled = (byte)(1) ;
      ProdId_Ispassword = 0 ;
      imgProd_Visible = (byte)(1) ;
      imgProd_Bitmap = "prompt.gif" ;
      imgProd_Link = "javascript:prompt_6_1()" ;
      imgProd_Borderwidth = 0 ;
      sub3_Visible = (byte)(1) ;
      invid_Visible = (byte)(1) ;
      invid_Enabled = (byte)(1) ;
      invid_Ispassword = 0 ;
      custid_Visible = (byte)(1) ;
      custid_Enabled = (byte)(1) ;
      custid_Ispassword = 0 ;
      /* End function PA0N1 */
   }

   protected void refresh( )
   {
      wb0n1( ) ;
      /* End function Refresh */
   }

   protected void rf0n2( )
   {
      /* Load Method */
      nQNsfl_1_idx = 0 ;
      H00232.fetchFirst(dboinvoice);
      while (!H00232.eof())
      {
         Ainvid = dboinvoice.getInvid();
         Acustid = dboinvoice.getCustid();
         nQNsfl_1_idx = (short)(nQNsfl_1_idx+1) ;
         sQNsfl_1_idx = QNutil.padl( QNutil.ltrim( QNutil.str( (double)(nQNsfl_1_idx), 4, 0)), (short)(4), "0") ;
         qnhtml_text( "<tr>" );
         qnhtml_text( "<td valign=top align=\"left\">" );
         qnhtml_text( "<a href=\"javascript:QN_js_return("+QNutil.ltrim( QNutil.str( (double)(Ainvid), 10, 0))+")\">" );
         qnhtml_send_web_value( Ainvid );
         qnhtml_text( "</a>" );
         qnhtml_text( "</td>" );
         qnhtml_text( "<td valign=top align=\"left\">" );
         qnhtml_text( "<a href=\"javascript:prompt_1_2('"+sQNsfl_1_idx+"')\">" );
         qnhtml_send_web_value( Acustid );
         qnhtml_text( "</a>" );
         qnhtml_text( "</td>" );
         qnhtml_text( "</tr>" );
         /* Check if program is canceled. */
         H00232.readNext();
      }
      H00232.close() ;
      wbEnd = (short)(1) ;
      wb0n1( ) ;
      /* End function RF0N2 */
   }

   public void QNEnter()
   {
      /* Execute user event: E110N */
      E110N();
   }

   protected void E110N()
   {
      /* EnterRoutine */
      InvId = Ainvid ;
      nUserReturn = 1;
      if (true) return;
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
      qnhtml_text( "function valid_integer( Elem)" );
      qnhtml_text( "{" );
      qnhtml_text( "   var qn_IntRegExp = /^[ ]*([+-]?[0-9]+)?[ ]*$/;" );
      qnhtml_text( "   if (! qn_IntRegExp.test( Elem.value))" );
      qnhtml_text( "      { alert('Invalid number'); Elem.focus();}" );
      qnhtml_text( "}" );
      if ( ( nUserReturn == 0 ) )
      {
         qnhtml_text( "var QNPARAMETERS = new Array();" );
         qnhtml_text( "var wProducts=null;" );
         qnhtml_text( "function prompt_6_1()" );
         qnhtml_text( "{" );
         qnhtml_text( "QNPARAMETERS[0] = document.forms[0].elements['_PRODID'];" );
         qnhtml_text( "if (wProducts== null || wProducts.closed)" );
         qnhtml_text( "wProducts= open('http:hproducts', '', 'toolbar=no,location=no,directories=no,status=yes,menubar=no,scrollbars=yes,resizable=yes,copyhistory=no');" );
         qnhtml_text( "wProducts.focus();" );
         qnhtml_text( "}" );
         qnhtml_text( "var wCustPick=null;" );
         qnhtml_text( "function prompt_1_2(ind)" );
         qnhtml_text( "{" );
         qnhtml_text( "QNPARAMETERS[0] = document.forms[0].elements['_CUSTID' + '_' + ind];" );
         qnhtml_text( "if (wCustPick== null || wCustPick.closed)" );
         qnhtml_text( "wCustPick= open('http:hcustpick', '', 'toolbar=no,location=no,directories=no,status=yes,menubar=no,scrollbars=yes,resizable=yes,copyhistory=no');" );
         qnhtml_text( "wCustPick.focus();" );
         qnhtml_text( "}" );
         /* Prompt prompt_9_1 of an unknown object: t(9,99) - no function written */
         qnhtml_text( "function QN_js_return( InvId)" );
         qnhtml_text( "{" );
         qnhtml_text( "if (opener != null)" );
         qnhtml_text( "{" );
         qnhtml_text( "if (opener.QNPARAMETERS != null)" );
         qnhtml_text( "{" );
         qnhtml_text( "opener.QNPARAMETERS[0].value = InvId;" );
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
      ProdId_Visible = 0 ;
      ProdId_Enabled = 0 ;
      ProdId_Ispassword = 0 ;
      ProdId = 0 ;
      imgProd_Visible = 0 ;
      imgProd_Borderwidth = 0 ;
      imgProd_Link = "" ;
      imgProd_Bitmap = "" ;
      imgProd_Alternatetext = "" ;
      imgProd_Tooltiptext = "" ;
      wbTemp = 0 ;
      wjLoc = "" ;
      nUserReturn = 0 ;
      sCallerURL = "" ;
      QNSUBMITID = "" ;
      Rfr0gs = false ;
      QN_FocusControl = "" ;
      wbErr = false ;
      Form_Jump = "" ;
      sub3_Visible = 0 ;
      invid_Visible = 0 ;
      invid_Enabled = 0 ;
      invid_Ispassword = 0 ;
      custid_Visible = 0 ;
      custid_Enabled = 0 ;
      custid_Ispassword = 0 ;
      nQNsfl_1_idx = 0 ;
      sQNsfl_1_idx = "" ;
      dboinvoice = new dbcINVOICE(context, remoteHandle, true) ;
      H00232 = new fH00232(context, remoteHandle) ;
      Ainvid = 0 ;
      Acustid = 0 ;
      /* Quenora formulas. */
   }

   protected byte ProdId_Visible ;
   protected byte ProdId_Enabled ;
   protected byte ProdId_Ispassword ;
   protected byte imgProd_Visible ;
   protected byte wbTemp ;
   protected byte nUserReturn ;
   protected byte sub3_Visible ;
   protected byte invid_Visible ;
   protected byte invid_Enabled ;
   protected byte invid_Ispassword ;
   protected byte custid_Visible ;
   protected byte custid_Enabled ;
   protected byte custid_Ispassword ;
   protected short wbEnd ;
   protected short imgProd_Borderwidth ;
   protected short nQNsfl_1_idx ;
   protected int InvId ;
   protected int Form_Backcolor ;
   protected int ProdId ;
   protected int Ainvid ;
   protected int Acustid ;
   protected String Form_Caption ;
   protected String Form_Background ;
   protected String imgProd_Link ;
   protected String imgProd_Alternatetext ;
   protected String imgProd_Tooltiptext ;
   protected String wjLoc ;
   protected String sCallerURL ;
   protected String QNSUBMITID ;
   protected String QN_FocusControl ;
   protected String Form_Jump ;
   protected String sQNsfl_1_idx ;
   protected boolean wbLoad ;
   protected boolean Rfr0gs ;
   protected boolean wbErr ;
   protected String imgProd_Bitmap ;
   protected QNInt aP0 ;
   protected dbcINVOICE dboinvoice ;
   protected fH00232 H00232 ;
}

final class fH00232 extends QNDBForwardSupplier
{
   private dbcINVOICE dboinvoice ;

   public fH00232(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = true ;
      cursorId = "H00232" ;
      supplierName = "fH00232" ;
      SQL = "SELECT InvId, CustId  FROM INVOICE (LOCKING=NONE)  ORDER BY InvId  " ;
      readBuffer = 16384;
   }

   public DatabaseClass getDBO()
   {
      return dboinvoice ;
   }

   public void newDBO()
   {
      dboinvoice = new dbcINVOICE ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      dboinvoice.setInvid(rslt.getInt(1));
      dboinvoice.setCustid(rslt.getInt(2));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcINVOICE dboinvoice)
   {
      this.dboinvoice = dboinvoice ;
      dboinvoice.unloadAll();
      try {
         prepare();
         setParameters();
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fH00232" + ".fetchFirst", e); }
   }

}

