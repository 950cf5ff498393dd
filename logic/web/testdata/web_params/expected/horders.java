/*
               File: horders
        Description: Orders of a customer
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
public final class horders extends QNWebPanel
{
   public static void main(String args[])
   {
      Application.setCurrentLocation( "" );
      Application.init(QNcfg.class);
      horders pgm = new horders (-1);
      Application.realMainProgram = pgm;
      pgm.execute( args);
      QNWebPanel.copyFiles();
   }

   public void execute(String args[])
   {
      QNInt aP0 = new QNInt ();
      QNDate aP1 = new QNDate ();
      QNString aP2 = new QNString ();

      try
      {
         aP0.setValue( args[0]);
         aP1.setValue( args[1]);
         aP2.setValue( args[2]);
      }
      catch (ArrayIndexOutOfBoundsException e)
      {
      }

      execute_int(aP0, aP1, aP2);
   }

   public horders()
   {
      super();
   }

   public horders(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( horders.class ));
   }

   public horders(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context);
   }

   public void execute( QNInt aP0 ,
                        QNDate aP1 ,
                        QNString aP2 )
   {
      execute_int(aP0, aP1, aP2);
   }

   private void execute_int( QNInt aP0 ,
                             QNDate aP1 ,
                             QNString aP2 )
   {
      this.CustId = aP0.getValue();
      this.aP0 = aP0 ;
      this.Since = aP1.getValue();
      this.aP1 = aP1 ;
      this.Region = aP2.getValue();
      this.aP2 = aP2 ;
      createFile( com.quenora.webpanels.QNWebPanel.getStaticDir( )+"horders"+"_"+QNutil.ltrim( QNutil.str( (double)(CustId), 6, 0))+","+formatDateParm( Since)+","+PrivateUtilities.encodeStaticParm( QNutil.rtrim( Region))+".html" );
      isStatic = true;
      webExecute();
      addFileToCopy( com.quenora.webpanels.QNWebPanel.getStaticDir( )+"horders"+"_"+QNutil.ltrim( QNutil.str( (double)(CustId), 6, 0))+","+formatDateParm( Since)+","+PrivateUtilities.encodeStaticParm( QNutil.rtrim( Region))+".html" );
   }

   public static boolean  isStatic()
   {
      return true;
   }

   protected void initContext()
   {
      Application.init(QNcfg.class, false);
      context = new ModelContext(getClass());
   }

   protected void createObjects()
   {
      lbl2 = UIFactory.getLabel(this);
   }

   public String getServletInfo()
   {
      return "Orders of a customer" ;
   }

   public void webExecute( )
   {
      pa071( ) ;
      /* Quenora formulas. */
      ws071( ) ;
      we071( ) ;
      cleanup();
      return  ;
   }

   protected void wb071( )
   {
      if ( ( wbLoad == false ) )
      {
         wbLoad = true ;
         qnhtml_text( "<html>" );
         qnhtml_text( "<head>" );
         qnhtml_text( "<meta name=\"GENERATOR\" content=\"Quenora\">" );
         qnhtml_text( "<meta name=\"DESCRIPTION\" content=\"Orders of a customer\">" );
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
         if ( ( com.quenora.webpanels.QNWebPanel.isStaticGeneration( ) == 1 ) )
         {
            qnhtml_text( "<form id=\"MAINFORM\" name=\"MAINFORM\" method=\"POST\" ACTION=\"" + com.quenora.webpanels.QNWebPanel.getDynURL( ) + "?" + java.net.URLEncoder.encode("" +CustId) + "," + java.net.URLEncoder.encode(formatDateParm(Since)) + "," + java.net.URLEncoder.encode(QNutil.rtrim(Region)) + "\">" );
         }
         else
         {
            qnhtml_text( "<form id=\"MAINFORM\" name=\"MAINFORM\" method=\"POST\">" );
         }
         qnhtml_text( "<h1>Orders</h1>" );
         if ( ( lbl2_Visible != 0 ) )
         {
            if ( !( ((QNutil.strcmp(QNutil.rtrim( lbl2_Link), "")==0)) ) )
            {
               qnhtml_text( "<a href=\"" );
               qnhtml_send_web_value( QNutil.rtrim( lbl2_Link) );
               qnhtml_text( "\">" );
            }
            qnhtml_text( "<span id=\"LBL2\" name=\"LBL2\">" );
            qnhtml_send_web_value( lbl2_Caption );
            qnhtml_text( "</span>" );
            if ( !( ((QNutil.strcmp(QNutil.rtrim( lbl2_Link), "")==0)) ) )
            {
               qnhtml_text( "</a>" );
            }
         }
         if ( ( Region_Visible != 0 ) )
         {
            if ( ( Region_Enabled == 1 ) )
            {
               qnhtml_text( "<input type="+((Region_Ispassword==1) ? "password" : "text")+" id=\"_REGION\" name=\"_REGION\" size=\"10\" maxlength=\"10\" value=\"" );
               qnhtml_send_web_value( Region );
               qnhtml_text( "\" onBlur=\"this.value=this.value.toUpperCase()\">" );
            }
            else
            {
               qnhtml_text( "<span>" );
               qnhtml_send_web_value( Region );
               qnhtml_text( "</span>" );
            }
         }
         if ( ( btt4_Visible != 0 ) )
         {
            qnhtml_text( "<input type="+((1==1) ? "SUBMIT" : "RESET")+" id=\"BTT4\" name=\"BTT4\" value=\"" );
            qnhtml_send_web_value( btt4_Caption );
            qnhtml_text( "\">" );
         }
      }
      /* End function WB071 */
   }

   protected void ws071( )
   {
      wbLoad = false ;
      wbEnd = 0 ;
      wbTemp = 0 ;
      wjLoc = "" ;
      nUserReturn = 0 ;
      QN_FocusControl = "_REGION" ;
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
            Region = QNutil.upper( cgiGet( "_REGION")) ;
            /* Read hidden variables. */
            /* Read Web Panel buttons. */
            if ( !( ((QNutil.strcmp(QNutil.rtrim( cgiGet( "BTT4")), "")==0)) ) )
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
      /* End function WS071 */
   }

   protected void we071( )
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
      /* End function WE071 */
   }

   protected void pa071( )
   {
      initpars( ) ;
      if ( ( com.quenora.webpanels.QNWebPanel.isStaticGeneration( ) == 0 ) )
      {
         CustId = (int)(QNutil.val( GetNextPar( ))) ;
         Since = parseDateParm( GetNextPar( )) ;
         Region = GetNextPar( ) ;
      }
      Form_Backcolor = UIFactory.getColor( 255, 255, 255) ;
      Form_Background = "" ;
      Form_Caption = "Orders of a customer" ;
      Form_Jump = "" ;
      lbl2_Visible = (byte)(1) ;
      lbl2_Caption = "Orders since" ;
      Region_Visible = (byte)(1) ;
      Region_Enabled = (byte)(1) ;
      Region_Ispassword = 0 ;
      btt4_Visible = (byte)(1) ;
      btt4_Caption = "Search" ;
      /* End function PA071 */
   }

   protected void refresh( )
   {
      wb071( ) ;
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
      lbl2_Visible = 0 ;
      lbl2_Link = "" ;
      lbl2_Caption = "" ;
      Region_Visible = 0 ;
      Region_Enabled = 0 ;
      Region_Ispassword = 0 ;
      btt4_Visible = 0 ;
      btt4_Caption = "" ;
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

   protected byte lbl2_Visible ;
   protected byte Region_Visible ;
   protected byte Region_Enabled ;
   protected byte Region_Ispassword ;
   protected byte btt4_Visible ;
   protected byte wbTemp ;
   protected byte nUserReturn ;
   protected short wbEnd ;
   protected int CustId ;
   protected int Form_Backcolor ;
   protected String Region ;
   protected String Form_Caption ;
   protected String Form_Background ;
   protected String lbl2_Link ;
   protected String lbl2_Caption ;
   protected String btt4_Caption ;
   protected String wjLoc ;
   protected String sCallerURL ;
   protected String QNSUBMITID ;
   protected String QN_FocusControl ;
   protected String Form_Jump ;
   protected java.util.Date Since ;
   protected boolean wbLoad ;
   protected boolean Rfr0gs ;
   protected boolean wbErr ;
   protected QNInt aP0 ;
   protected QNDate aP1 ;
   protected QNString aP2 ;
}

