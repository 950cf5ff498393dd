/*
               File: horderchk
        Description: Order checks
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
public final class horderchk extends QNWebPanel
{
   /* Program does not have any parameters */
   public static void main(String args[])
   {
      Application.setCurrentLocation( "" );
      Application.init(QNcfg.class);
      horderchk pgm = new horderchk (-1);
      Application.realMainProgram = pgm;
      pgm.execute( args);
      QNWebPanel.copyFiles();
   }

   public void execute(String args[])
   {
      execute_int();
   }

   public horderchk()
   {
      super();
   }

   public horderchk(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( horderchk.class ));
   }

   public horderchk(int remoteHandle, ModelContext context)
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
      return "Order checks" ;
   }

   public void webExecute( )
   {
      pa0l1( ) ;
      /* Quenora formulas. */
      ws0l1( ) ;
      we0l1( ) ;
      cleanup();
      return  ;
   }

   protected void wb0l1( )
   {
      if ( ( wbLoad == false ) )
      {
         wbLoad = true ;
         qnhtml_text( "<html>" );
         qnhtml_text( "<head>" );
         qnhtml_text( "<meta name=\"GENERATOR\" content=\"Quenora\">" );
         qnhtml_text( "<meta name=\"DESCRIPTION\" content=\"Order checks\">" );
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
         qnhtml_text( "<p>Quantity " );
         if ( ( Qty_Visible != 0 ) )
         {
            if ( ( Qty_Enabled == 1 ) )
            {
               qnhtml_text( "<input type="+((Qty_Ispassword==1) ? "password" : "text")+" id=\"_QTY\" name=\"_QTY\" size=\"4\" maxlength=\"4\" value=\"" );
               qnhtml_send_web_value( Qty );
               qnhtml_text( "\" onChange=\"valid_integer( this)\">" );
            }
            else
            {
               qnhtml_text( "<span>" );
               qnhtml_send_web_value( Qty );
               qnhtml_text( "</span>" );
            }
         }
         qnhtml_text( " lines " );
         if ( ( Lines_Visible != 0 ) )
         {
            if ( ( Lines_Enabled == 1 ) )
            {
               qnhtml_text( "<input type="+((Lines_Ispassword==1) ? "password" : "text")+" id=\"_LINES\" name=\"_LINES\" size=\"3\" maxlength=\"3\" value=\"" );
               qnhtml_send_web_value( Lines );
               qnhtml_text( "\" onChange=\"valid_integer( this)\">" );
            }
            else
            {
               qnhtml_text( "<span>" );
               qnhtml_send_web_value( Lines );
               qnhtml_text( "</span>" );
            }
         }
         qnhtml_text( " price " );
         if ( ( Price_Visible != 0 ) )
         {
            if ( ( Price_Enabled == 1 ) )
            {
               qnhtml_text( "<input type="+((Price_Ispassword==1) ? "password" : "text")+" id=\"_PRICE\" name=\"_PRICE\" size=\"10\" maxlength=\"10\" value=\"" );
               qnhtml_send_web_value( Price );
               qnhtml_text( "\" onChange=\"valid_decimal( this)\">" );
            }
            else
            {
               qnhtml_text( "<span>" );
               qnhtml_send_web_value( Price );
               qnhtml_text( "</span>" );
            }
         }
         qnhtml_text( " due " );
         if ( ( Due_Visible != 0 ) )
         {
            if ( ( Due_Enabled == 1 ) )
            {
               qnhtml_text( "<input type="+((Due_Ispassword==1) ? "password" : "text")+" id=\"_DUE\" name=\"_DUE\" size=\"8\" maxlength=\"8\" value=\"" );
               qnhtml_send_web_value( Due );
               qnhtml_text( "\" onChange=\"qnvdate( this, 8,0,'MDY',0,'/')\">" );
            }
            else
            {
               qnhtml_text( "<span>" );
               qnhtml_send_web_value( Due );
               qnhtml_text( "</span>" );
            }
         }
         if ( ( btt5_Visible != 0 ) )
         {
            qnhtml_text( "<input type="+((1==1) ? "SUBMIT" : "RESET")+" id=\"BTT5\" name=\"BTT5\" value=\"" );
            qnhtml_send_web_value( btt5_Caption );
            qnhtml_text( "\">" );
         }
         qnhtml_text( "</p>" );
      }
      /* End function WB0L1 */
   }

   protected void ws0l1( )
   {
      wbLoad = false ;
      wbEnd = 0 ;
      wbTemp = 0 ;
      wjLoc = "" ;
      nUserReturn = 0 ;
      QN_FocusControl = "_QTY" ;
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
            Qty = (short)(QNutil.val( cgiGet( "_QTY"))) ;
            if ( ( java.lang.Math.abs( (double)(Qty)) >= 10000 ) )
            {
               qncgi_pusherror( localUtil.getMessages().getMessage("badnum")) ;
               wbErr = true ;
            }
            Lines = (short)(QNutil.val( cgiGet( "_LINES"))) ;
            if ( ( java.lang.Math.abs( (double)(Lines)) >= 1000 ) )
            {
               qncgi_pusherror( localUtil.getMessages().getMessage("badnum")) ;
               wbErr = true ;
            }
            Price = QNutil.val( cgiGet( "_PRICE")) ;
            if ( ( java.lang.Math.abs( Price) >= 10000000 ) )
            {
               qncgi_pusherror( localUtil.getMessages().getMessage("badnum")) ;
               wbErr = true ;
            }
            Due = localUtil.ctod( cgiGet( "_DUE")) ;
            if ( !( ((QNutil.strcmp(QNutil.rtrim( cgiGet( "_DUE")), "")==0)) ) && ( localUtil.vcdate( cgiGet( "_DUE"), (byte)(1)) == 0 ) )
            {
               qncgi_pusherror( localUtil.getMessages().getMessage("faildate")) ;
               wbErr = true ;
            }
            /* Read hidden variables. */
            /* Read Web Panel buttons. */
            if ( !( ((QNutil.strcmp(QNutil.rtrim( cgiGet( "BTT5")), "")==0)) ) )
            {
               if ( ( wbErr == false ) )
               {
                  Rfr0gs = false ;
                  if ( ( Rfr0gs == false ) )
                  {
                  }
               }
            }
         }
      }
      /* End function WS0L1 */
   }

   protected void we0l1( )
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
      /* End function WE0L1 */
   }

   protected void pa0l1( )
   {
      initpars( ) ;
      Form_Backcolor = UIFactory.getColor( 255, 255, 255) ;
      Form_Background = "" ;
      Form_Caption = "Order checks" ;
      Form_Jump = "" ;
      Qty_Visible = (byte)(1) ;
      Qty_Enabled = (byte)(1) ;
      Qty_Ispassword = 0 ;
      Lines_Visible = (byte)(1) ;
      Lines_Enabled = (byte)(1) ;
      Lines_Ispassword = 0 ;
      Price_Visible = (byte)(1) ;
      Price_Enabled = (byte)(1) ;
      Price_Ispassword = 0 ;
      Due_Visible = (byte)(1) ;
      Due_Enabled = (byte)(1) ;
      Due_Ispassword = 0 ;
      btt5_Visible = (byte)(1) ;
      btt5_Caption = "Check" ;
      /* End function PA0L1 */
   }

   protected void refresh( )
   {
      wb0l1( ) ;
      /* End function Refresh */
   }

   protected void define_styles( )
   {
      qnhtml_text( "<style type=\"text/css\">" );
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
      qnhtml_text( "function valid_decimal( Elem)" );
      qnhtml_text( "{" );
      qnhtml_text( "   var qn_DecRegExp = /^[ ]*([+-]?[0-9]*\\.?[0-9]*)?[ ]*$/;" );
      qnhtml_text( "   if (! qn_DecRegExp.test( Elem.value))" );
      qnhtml_text( "      { alert('Invalid number'); Elem.focus();}" );
      qnhtml_text( "}" );
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
      Qty_Visible = 0 ;
      Qty_Enabled = 0 ;
      Qty_Ispassword = 0 ;
      Qty = 0 ;
      Lines_Visible = 0 ;
      Lines_Enabled = 0 ;
      Lines_Ispassword = 0 ;
      Lines = 0 ;
      Price_Visible = 0 ;
      Price_Enabled = 0 ;
      Price_Ispassword = 0 ;
      Price = 0 ;
      Due_Visible = 0 ;
      Due_Enabled = 0 ;
      Due_Ispassword = 0 ;
      Due = QNutil.nullDate() ;
      btt5_Visible = 0 ;
      btt5_Caption = "" ;
      wbTemp = 0 ;
      wjLoc = "" ;
      nUserReturn = 0 ;
      sCallerURL = "" ;
      QNSUBMITID = "" ;
      Rfr0gs = false ;
      QN_FocusControl = "" ;
      wbErr = false ;
      Form_Jump = "" ;
      /* Quenora formulas. */
   }

   protected byte Qty_Visible ;
   protected byte Qty_Enabled ;
   protected byte Qty_Ispassword ;
   protected byte Lines_Visible ;
   protected byte Lines_Enabled ;
   protected byte Lines_Ispassword ;
   protected byte Price_Visible ;
   protected byte Price_Enabled ;
   protected byte Price_Ispassword ;
   protected byte Due_Visible ;
   protected byte Due_Enabled ;
   protected byte Due_Ispassword ;
   protected byte btt5_Visible ;
   protected byte wbTemp ;
   protected byte nUserReturn ;
   protected short wbEnd ;
   protected short Qty ;
   protected short Lines ;
   protected int Form_Backcolor ;
   protected double Price ;
   protected String Form_Caption ;
   protected String Form_Background ;
   protected String btt5_Caption ;
   protected String wjLoc ;
   protected String sCallerURL ;
   protected String QNSUBMITID ;
   protected String QN_FocusControl ;
   protected String Form_Jump ;
   protected java.util.Date Due ;
   protected boolean wbLoad ;
   protected boolean Rfr0gs ;
   protected boolean wbErr ;
}

