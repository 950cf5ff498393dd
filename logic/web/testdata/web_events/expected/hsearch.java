/*
               File: hsearch
        Description: Order search
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
public final class hsearch extends QNWebPanel
{
   /* Program does not have any parameters */
   public static void main(String args[])
   {
      Application.setCurrentLocation( "" );
      Application.init(QNcfg.class);
      hsearch pgm = new hsearch (-1);
      Application.realMainProgram = pgm;
      pgm.execute( args);
      QNWebPanel.copyFiles();
   }

   public void execute(String args[])
   {
      execute_int();
   }

   public hsearch()
   {
      super();
   }

   public hsearch(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( hsearch.class ));
   }

   public hsearch(int remoteHandle, ModelContext context)
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
      return "Order search" ;
   }

   public void webExecute( )
   {
      pa0c1( ) ;
      /* Quenora formulas. */
      ws0c1( ) ;
      we0c1( ) ;
      cleanup();
      return  ;
   }

   protected void wb0c1( )
   {
      if ( ( wbLoad == false ) )
      {
         wbLoad = true ;
         qnhtml_text( "<html>" );
         qnhtml_text( "<head>" );
         qnhtml_text( "<meta name=\"GENERATOR\" content=\"Quenora\">" );
         qnhtml_text( "<meta name=\"DESCRIPTION\" content=\"Order search\">" );
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
         qnhtml_text( "<p>" );
         if ( ( FromId_Visible != 0 ) )
         {
            if ( ( FromId_Enabled == 1 ) )
            {
               qnhtml_text( "<input type="+((FromId_Ispassword==1) ? "password" : "text")+" id=\"_FROMID\" name=\"_FROMID\" size=\"4\" maxlength=\"4\" value=\"" );
               qnhtml_send_web_value( FromId );
               qnhtml_text( "\" onChange=\"valid_integer( this)\">" );
            }
            else
            {
               qnhtml_text( "<span>" );
               qnhtml_send_web_value( FromId );
               qnhtml_text( "</span>" );
            }
         }
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
         if ( ( btt4_Visible != 0 ) )
         {
            qnhtml_text( "<input type="+((1==1) ? "SUBMIT" : "RESET")+" id=\"BTT4\" name=\"BTT4\" value=\"" );
            qnhtml_send_web_value( btt4_Caption );
            qnhtml_text( "\">" );
         }
         if ( ( GoBtn_Visible != 0 ) )
         {
            qnhtml_text( "<input type="+((1==1) ? "SUBMIT" : "RESET")+" id=\"GOBTN\" name=\"GOBTN\" value=\"" );
            qnhtml_send_web_value( GoBtn_Caption );
            qnhtml_text( "\">" );
         }
         qnhtml_text( "</p>" );
      }
      /* End function WB0C1 */
   }

   protected void ws0c1( )
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
            FromId = (short)(QNutil.val( cgiGet( "_FROMID"))) ;
            if ( ( java.lang.Math.abs( (double)(FromId)) >= 10000 ) )
            {
               qncgi_pusherror( localUtil.getMessages().getMessage("badnum")) ;
               wbErr = true ;
            }
            Note = cgiGet( "_NOTE") ;
            /* Read hidden variables. */
            /* Read Web Panel buttons. */
            if ( !( ((QNutil.strcmp(QNutil.rtrim( cgiGet( "BTT4")), "")==0)) ) )
            {
               if ( ( wbErr == false ) )
               {
                  Rfr0gs = false ;
                  /* Set Refresh If FromId Changed */
                  if ( ( QNutil.val( cgiGet( "_FROMID")) != QNutil.val( cgiGet( "QNH__FROMID")) ) )
                  {
                     Rfr0gs = true ;
                  }
                  if ( ( Rfr0gs == false ) )
                  {
                     /* Execute user event: E110C */
                     E110C();
                  }
               }
            }
            else if ( !( ((QNutil.strcmp(QNutil.rtrim( cgiGet( "GOBTN")), "")==0)) ) )
            {
               /* Execute user event: E120C */
               E120C();
            }
         }
      }
      /* End function WS0C1 */
   }

   protected void we0c1( )
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
            qnhtml_text( "<input type=hidden name=\"QNH__FROMID\" value=\"" );
            qnhtml_send_web_value( FromId );
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
      /* End function WE0C1 */
   }

   protected void pa0c1( )
   {
      initpars( ) ;
      Form_Backcolor = UIFactory.getColor( 255, 255, 255) ;
      Form_Background = "" ;
      Form_Caption = "Order search" ;
      Form_Jump = "" ;
      FromId_Visible = (byte)(1) ;
      FromId_Enabled = (byte)(1) ;
      FromId_Ispassword = 0 ;
      Note_Visible = (byte)(1) ;
      Note_Enabled = (byte)(1) ;
      Note_Ispassword = 0 ;
      btt4_Visible = (byte)(1) ;
      btt4_Caption = "Search" ;
      GoBtn_Visible = (byte)(1) ;
      GoBtn_Caption = "Orders" ;
      /* End function PA0C1 */
   }

   protected void refresh( )
   {
      wb0c1( ) ;
      /* End function Refresh */
   }

   public void QNEnter()
   {
      /* Execute user event: E110C */
      E110C();
   }

   protected void E110C()
   {
      /* EnterRoutine */
      Note = "found" ;
   }

   protected void E120C()
   {
      /* GoRoutine */
      QNt_char1 = com.quenora.webpanels.QNWebPanel.getStaticDir( )+"horders"+"_"+QNutil.ltrim( QNutil.str( (double)(FromId), 4, 0))+".html" ;
      QNt_char2 = com.quenora.webpanels.QNWebPanel.getStaticDir( )+"horders"+"_"+QNutil.ltrim( QNutil.str( (double)(FromId), 4, 0))+".html" ;
      if ( ( com.quenora.webpanels.QNWebPanel.isStaticGeneration( ) == 1 ) && ( com.quenora.webpanels.QNWebPanel.isExpandLinks( ) == 1 ) && ( ( ( com.quenora.webpanels.QNWebPanel.isStaticOverwrite( ) == 1 ) && ( com.quenora.webpanels.QNWebPanel.isStaticCreated( QNt_char1) == 0 ) ) || ( QNutil.fileExists( QNt_char2) == 0 ) ) )
      {
         QNt_QNShort3 = new QNShort(FromId);
         new horders(remoteHandle, context).execute( QNt_QNShort3) ;
         FromId = QNt_QNShort3.getValue();
      }
      QNt_char4 = "horders"+"_"+QNutil.ltrim( QNutil.str( (double)(FromId), 4, 0))+".html" ;
      Url = com.quenora.webpanels.QNWebPanel.prefixURL( PrivateUtilities.encodeURL( QNt_char4)) ;
      /* Generation error. Fail to call program Legacy location /old/bin generated by 3 */
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
      FromId_Visible = 0 ;
      FromId_Enabled = 0 ;
      FromId_Ispassword = 0 ;
      FromId = 0 ;
      Note_Visible = 0 ;
      Note_Enabled = 0 ;
      Note_Ispassword = 0 ;
      Note = "" ;
      btt4_Visible = 0 ;
      btt4_Caption = "" ;
      GoBtn_Visible = 0 ;
      GoBtn_Caption = "" ;
      wbTemp = 0 ;
      wjLoc = "" ;
      nUserReturn = 0 ;
      sCallerURL = "" ;
      QNSUBMITID = "" ;
      Rfr0gs = false ;
      wbErr = false ;
      QN_FocusControl = "" ;
      Form_Jump = "" ;
      Url = "" ;
      QNt_char1 = "" ;
      QNt_char2 = "" ;
      QNt_QNShort3 = new QNShort();
      QNt_char4 = "" ;
      /* Quenora formulas. */
   }

   protected byte FromId_Visible ;
   protected byte FromId_Enabled ;
   protected byte FromId_Ispassword ;
   protected byte Note_Visible ;
   protected byte Note_Enabled ;
   protected byte Note_Ispassword ;
   protected byte btt4_Visible ;
   protected byte GoBtn_Visible ;
   protected byte wbTemp ;
   protected byte nUserReturn ;
   protected short wbEnd ;
   protected short FromId ;
   protected int Form_Backcolor ;
   protected String Form_Caption ;
   protected String Form_Background ;
   protected String Note ;
   protected String btt4_Caption ;
   protected String GoBtn_Caption ;
   protected String wjLoc ;
   protected String sCallerURL ;
   protected String QNSUBMITID ;
   protected String QN_FocusControl ;
   protected String Form_Jump ;
   protected String Url ;
   protected String QNt_char1 ;
   protected String QNt_char2 ;
   protected String QNt_char4 ;
   protected boolean wbLoad ;
   protected boolean Rfr0gs ;
   protected boolean wbErr ;
   protected QNShort QNt_QNShort3 ;
}

