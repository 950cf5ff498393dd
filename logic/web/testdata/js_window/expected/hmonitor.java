/*
               File: hmonitor
        Description: Queue monitor
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
public final class hmonitor extends QNWebPanel
{
   /* Program does not have any parameters */
   public static void main(String args[])
   {
      Application.setCurrentLocation( "" );
      Application.init(QNcfg.class);
      hmonitor pgm = new hmonitor (-1);
      Application.realMainProgram = pgm;
      pgm.execute( args);
      QNWebPanel.copyFiles();
   }

   public void execute(String args[])
   {
      execute_int();
   }

   public hmonitor()
   {
      super();
   }

   public hmonitor(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( hmonitor.class ));
   }

   public hmonitor(int remoteHandle, ModelContext context)
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
      return "Queue monitor" ;
   }

   public void webExecute( )
   {
      pa0m1( ) ;
      /* Quenora formulas. */
      ws0m1( ) ;
      we0m1( ) ;
      cleanup();
      return  ;
   }

   protected void wb0m1( )
   {
      if ( ( wbLoad == false ) )
      {
         wbLoad = true ;
         qnhtml_text( "<html>" );
         qnhtml_text( "<head>" );
         qnhtml_text( "<meta name=\"GENERATOR\" content=\"Quenora\">" );
         qnhtml_text( "<meta name=\"DESCRIPTION\" content=\"Queue monitor\">" );
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
         qnhtml_text( " bgcolor="+getHTMLColor( (long)(Form_Backcolor))+" onLoad=\"window_load()\" onFocus=\"window_focus()\">" );
         qnhtml_text( "<form id=\"MAINFORM\" name=\"MAINFORM\" method=\"POST\">" );
         if ( ( lbl1_Visible != 0 ) )
         {
            if ( !( ((QNutil.strcmp(QNutil.rtrim( lbl1_Link), "")==0)) ) )
            {
               qnhtml_text( "<a href=\"" );
               qnhtml_send_web_value( QNutil.rtrim( lbl1_Link) );
               qnhtml_text( "\">" );
            }
            qnhtml_text( "<span id=\"LBL1\" name=\"LBL1\">" );
            qnhtml_send_web_value( lbl1_Caption );
            qnhtml_text( "</span>" );
            if ( !( ((QNutil.strcmp(QNutil.rtrim( lbl1_Link), "")==0)) ) )
            {
               qnhtml_text( "</a>" );
            }
         }
         if ( ( Waiting_Visible != 0 ) )
         {
            if ( ( Waiting_Enabled == 1 ) )
            {
               qnhtml_text( "<input type="+((Waiting_Ispassword==1) ? "password" : "text")+" id=\"_WAITING\" name=\"_WAITING\" size=\"5\" maxlength=\"5\" value=\"" );
               qnhtml_send_web_value( Waiting );
               qnhtml_text( "\" onChange=\"valid_integer( this)\">" );
            }
            else
            {
               qnhtml_text( "<span>" );
               qnhtml_send_web_value( Waiting );
               qnhtml_text( "</span>" );
            }
         }
      }
      /* End function WB0M1 */
   }

   protected void ws0m1( )
   {
      wbLoad = false ;
      wbEnd = 0 ;
      wbTemp = 0 ;
      wjLoc = "" ;
      nUserReturn = 0 ;
      QN_FocusControl = "_WAITING" ;
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
            Waiting = (int)(QNutil.val( cgiGet( "_WAITING"))) ;
            if ( ( java.lang.Math.abs( (double)(Waiting)) >= 100000 ) )
            {
               qncgi_pusherror( localUtil.getMessages().getMessage("badnum")) ;
               wbErr = true ;
            }
            /* Read hidden variables. */
            /* Read Web Panel buttons. */
         }
      }
      /* End function WS0M1 */
   }

   protected void we0m1( )
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
      /* End function WE0M1 */
   }

   protected void pa0m1( )
   {
      initpars( ) ;
      Form_Backcolor = UIFactory.getColor( 255, 255, 255) ;
      Form_Background = "" ;
      Form_Caption = "Queue monitor" ;
      Form_Jump = "" ;
      lbl1_Visible = (byte)(1) ;
      lbl1_Caption = "Waiting" ;
      Waiting_Visible = (byte)(1) ;
      Waiting_Enabled = (byte)(1) ;
      Waiting_Ispassword = 0 ;
      /* End function PA0M1 */
   }

   protected void refresh( )
   {
      wb0m1( ) ;
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
      qnhtml_text( "{ if (qn_Window_Timer == null) qn_Window_Timer = window.setTimeout(\"window.location.reload();\",30000); }" );
      qnhtml_text( "function window_blur()" );
      qnhtml_text( "{ if (qn_Window_Timer != null) { window.clearTimeout(qn_Window_Timer); qn_Window_Timer = null;} }" );
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
      Waiting_Visible = 0 ;
      Waiting_Enabled = 0 ;
      Waiting_Ispassword = 0 ;
      Waiting = 0 ;
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

   protected byte lbl1_Visible ;
   protected byte Waiting_Visible ;
   protected byte Waiting_Enabled ;
   protected byte Waiting_Ispassword ;
   protected byte wbTemp ;
   protected byte nUserReturn ;
   protected short wbEnd ;
   protected int Form_Backcolor ;
   protected int Waiting ;
   protected String Form_Caption ;
   protected String Form_Background ;
   protected String lbl1_Link ;
   protected String lbl1_Caption ;
   protected String wjLoc ;
   protected String sCallerURL ;
   protected String QNSUBMITID ;
   protected String QN_FocusControl ;
   protected String Form_Jump ;
   protected boolean wbLoad ;
   protected boolean Rfr0gs ;
   protected boolean wbErr ;
}

