/*
               File: hsettings
        Description: Settings <and> "options"
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
public final class hsettings extends QNWebPanel
{
   /* Program does not have any parameters */
   public static void main(String args[])
   {
      Application.setCurrentLocation( "" );
      Application.init(QNcfg.class);
      hsettings pgm = new hsettings (-1);
      Application.realMainProgram = pgm;
      pgm.execute( args);
      QNWebPanel.copyFiles();
   }

   public void execute(String args[])
   {
      execute_int();
   }

   public hsettings()
   {
      super();
   }

   public hsettings(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( hsettings.class ));
   }

   public hsettings(int remoteHandle, ModelContext context)
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
      lblHead = UIFactory.getLabel(this);
      chkActive = UIFactory.getCheckbox(this);
      cmbRegion = UIFactory.getChoice(this);
      radSize = UIFactory.getChoice(this);
   }

   public String getServletInfo()
   {
      return "Settings <and> \"options\"" ;
   }

   public void webExecute( )
   {
      pa091( ) ;
      /* Quenora formulas. */
      ws091( ) ;
      we091( ) ;
      cleanup();
      return  ;
   }

   protected void wb091( )
   {
      if ( ( wbLoad == false ) )
      {
         wbLoad = true ;
         qnhtml_text( "<html>" );
         qnhtml_text( "<head>" );
         qnhtml_text( "<meta name=\"GENERATOR\" content=\"Quenora\">" );
         qnhtml_text( "<meta name=\"DESCRIPTION\" content=\"Settings &lt;and&gt; &quot;options&quot;\">" );
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
         qnhtml_text( " bgcolor="+getHTMLColor( (long)(Form_Backcolor))+" MarginHeight=\"4\">" );
         qnhtml_text( "<form id=\"MAINFORM\" name=\"MAINFORM\" method=\"POST\">" );
         qnhtml_text( "<p>" );
         if ( ( lblHead_Visible != 0 ) )
         {
            if ( !( ((QNutil.strcmp(QNutil.rtrim( lblHead_Link), "")==0)) ) )
            {
               qnhtml_text( "<a href=\"" );
               qnhtml_send_web_value( QNutil.rtrim( lblHead_Link) );
               qnhtml_text( "\">" );
            }
            qnhtml_text( "<span id=\"LBLHEAD\" name=\"LBLHEAD\">" );
            qnhtml_send_web_value( lblHead_Caption );
            qnhtml_text( "</span>" );
            if ( !( ((QNutil.strcmp(QNutil.rtrim( lblHead_Link), "")==0)) ) )
            {
               qnhtml_text( "</a>" );
            }
         }
         if ( ( Active_Visible != 0 ) )
         {
            qnhtml_text( "<input type=\"checkbox\" "+((QNutil.strcmp(Active, "Y")==0) ? "checked" : "")+" id=\"_ACTIVE\" name=\"_ACTIVE\" value=1>Active &amp; shown" );
         }
         if ( ( Limit_Visible != 0 ) )
         {
            qnhtml_text( "<b>" );
            if ( ( Limit_Enabled == 1 ) )
            {
               qnhtml_text( "<input type="+((Limit_Ispassword==1) ? "password" : "text")+" id=\"_LIMIT\" name=\"_LIMIT\" size=\"8\" maxlength=\"8\" value=\"" );
               qnhtml_send_web_value( Limit );
               qnhtml_text( "\" Title=\"A &quot;limit&quot;\" onChange=\"valid_decimal( this)\">" );
            }
            else
            {
               qnhtml_text( "<span>" );
               qnhtml_send_web_value( Limit );
               qnhtml_text( "</span>" );
            }
            qnhtml_text( "</b>" );
         }
         /* *** Error in get_control_data. Id in error: 99 */
         if ( ( btt5_Visible != 0 ) )
         {
            qnhtml_text( "<input type="+((1==1) ? "SUBMIT" : "RESET")+" id=\"BTT5\" name=\"BTT5\" value=\"" );
            qnhtml_send_web_value( btt5_Caption );
            qnhtml_text( "\" onClick=\"ClearForm( this.form);return false;\">" );
         }
         if ( ( btt6_Visible != 0 ) )
         {
            qnhtml_text( "<input type="+((1==1) ? "SUBMIT" : "RESET")+" id=\"BTT6\" name=\"BTT6\" value=\"" );
            qnhtml_send_web_value( btt6_Caption );
            qnhtml_text( "\" onClick=\"QN_js_close();return false;\">" );
         }
         if ( ( SaveBtn_Visible != 0 ) )
         {
            qnhtml_text( "<input type="+((1==1) ? "SUBMIT" : "RESET")+" id=\"SAVEBTN\" name=\"SAVEBTN\" value=\"" );
            qnhtml_send_web_value( SaveBtn_Caption );
            qnhtml_text( "\">" );
         }
         qnhtml_text( "</p>" );
         if ( ( Region_Visible != 0 ) )
         {
            if ( ( Region_Enabled == 1 ) )
            {
               qnhtml_text( "<select size="+QNutil.ltrim( QNutil.str( (double)(Region_Height), 3, 0))+" id=\"_REGION\" name=\"_REGION\" class=\"wide\">" );
               idxLst = 1 ;
               while ( ( idxLst <= cmbRegion.getItemCount() ) )
               {
                  if ( ( QNutil.strcmp(QNutil.ltrim( cmbRegion.getItemValue(idxLst)), QNutil.ltrim( Region)) == 0 ) )
                  {
                     qnhtml_text( "<option value=\"" );
                     qnhtml_send_web_value( QNutil.rtrim( cmbRegion.getItemValue(idxLst)) );
                     qnhtml_text( "\" selected >" );
                  }
                  else
                  {
                     qnhtml_text( "<option value=\"" );
                     qnhtml_send_web_value( QNutil.rtrim( cmbRegion.getItemValue(idxLst)) );
                     qnhtml_text( "\">" );
                  }
                  qnhtml_send_web_value( cmbRegion.getItemText(idxLst) );
                  idxLst = idxLst+1 ;
               }
               qnhtml_text( "</select>" );
            }
         }
         if ( ( Size_Visible != 0 ) )
         {
            qnhtml_text( "<table id=\"_SIZE\">" );
            idxLst = 1 ;
            idxCol = 0 ;
            while ( ( idxLst <= radSize.getItemCount() ) )
            {
               idxCol = (int)(((idxCol+1) % (2))) ;
               if ( ( idxCol == 1 ) )
               {
                  qnhtml_text( "<tr><td>" );
               }
               else
               {
                  qnhtml_text( "<td>" );
               }
               qnhtml_text( "<input type=radio name=\"_SIZE\" value=\"" );
               qnhtml_send_web_value( QNutil.rtrim( radSize.getItemValue(idxLst)) );
               qnhtml_text( "\""+((QNutil.strcmp(QNutil.rtrim( QNutil.str( (double)(Size), 1, 0)), QNutil.rtrim( radSize.getItemValue(idxLst)))==0) ? " checked" : "")+">" );
               qnhtml_send_web_value( radSize.getItemText(idxLst) );
               if ( ( idxCol == 0 ) )
               {
                  qnhtml_text( "</td></tr>" );
               }
               else
               {
                  qnhtml_text( "</td>" );
               }
               idxLst = idxLst+1 ;
            }
            qnhtml_text( ((idxCol==0) ? "" : "</tr>") );
            qnhtml_text( "</table>" );
         }
         if ( ( Notes_Visible != 0 ) )
         {
            if ( ( Notes_Enabled == 1 ) )
            {
               qnhtml_text( "<textarea cols=30 rows=4 id=\"_NOTES\" name=\"_NOTES\" style=\"overflow:hidden;\">" );
               qnhtml_send_web_value( Notes );
               qnhtml_text( "</textarea>" );
            }
            else
            {
               qnhtml_text( "<span>" );
               qnhtml_send_web_value( Notes );
               qnhtml_text( "</span>" );
            }
         }
         if ( ( Due_Visible != 0 ) )
         {
            if ( ( Due_Enabled == 1 ) )
            {
               qnhtml_text( "<input type="+((Due_Ispassword==1) ? "password" : "text")+" id=\"_DUE\" name=\"_DUE\" size=\"10\" maxlength=\"10\" value=\"" );
               qnhtml_send_web_value( Due );
               qnhtml_text( "\" onChange=\"qnvdate( this, 10,1,'MDY',0,'/')\">" );
            }
            else
            {
               qnhtml_text( "<span>" );
               qnhtml_send_web_value( Due );
               qnhtml_text( "</span>" );
            }
         }
         if ( ( Pic_Visible != 0 ) )
         {
            if ( ( Pic_Enabled == 1 ) )
            {
               qnhtml_text( "<input type=\"image\" id=\"_PIC\" name=\"_PIC\" src=\"" );
               qnhtml_send_web_value( com.quenora.webpanels.QNWebPanel.convertURL( Pic) );
               qnhtml_text( "\" alt=\"" );
               qnhtml_send_web_value( Pic_Alternatetext );
               qnhtml_text( "\" title=\"" );
               qnhtml_send_web_value( Pic_Tooltiptext );
               qnhtml_text( "\">" );
            }
         }
         if ( ( img13_Visible != 0 ) )
         {
            if ( !( ((QNutil.strcmp(QNutil.rtrim( img13_Link), "")==0)) ) )
            {
               qnhtml_text( "<a href=\"" );
               qnhtml_send_web_value( QNutil.rtrim( img13_Link) );
               qnhtml_text( "\">" );
            }
            qnhtml_text( "<img id=\"IMG13\" src=\"" );
            qnhtml_send_web_value( com.quenora.webpanels.QNWebPanel.convertURL( img13_Bitmap) );
            qnhtml_text( "\""+((img13_Borderwidth==0) ? " border=0" : " border=\""+QNutil.ltrim( QNutil.str( (double)(img13_Borderwidth), 10, 0))+"\"") );
            qnhtml_text( " alt=\"" );
            qnhtml_send_web_value( img13_Alternatetext );
            qnhtml_text( "\" title=\"" );
            qnhtml_send_web_value( img13_Tooltiptext );
            qnhtml_text( "\">" );
            if ( !( ((QNutil.strcmp(QNutil.rtrim( img13_Link), "")==0)) ) )
            {
               qnhtml_text( "</a>" );
            }
         }
      }
      /* End function WB091 */
   }

   protected void ws091( )
   {
      wbLoad = false ;
      wbEnd = 0 ;
      wbTemp = 0 ;
      wjLoc = "" ;
      nUserReturn = 0 ;
      QN_FocusControl = "_ACTIVE" ;
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
            Active = ((QNutil.val( cgiGet( "_ACTIVE"))==1) ? "Y" : "N") ;
            Limit = QNutil.val( cgiGet( "_LIMIT")) ;
            if ( ( java.lang.Math.abs( Limit) >= 100000 ) )
            {
               qncgi_pusherror( localUtil.getMessages().getMessage("badnum")) ;
               wbErr = true ;
            }
            Region = cgiGet( "_REGION") ;
            Size = (byte)(QNutil.val( cgiGet( "_SIZE"))) ;
            if ( ( Size != 1 ) && ( Size != 2 ) && ( Size != 3 ) )
            {
               Size = (byte)(1) ;
            }
            Notes = cgiGet( "_NOTES") ;
            Due = localUtil.ctod( cgiGet( "_DUE")) ;
            if ( !( ((QNutil.strcmp(QNutil.rtrim( cgiGet( "_DUE")), "")==0)) ) && ( localUtil.vcdate( cgiGet( "_DUE"), (byte)(1)) == 0 ) )
            {
               qncgi_pusherror( localUtil.getMessages().getMessage("faildate")) ;
               wbErr = true ;
            }
            /* Read hidden variables. */
            /* Read Web Panel buttons. */
            /* No code required for Cancel button. It is implemented as the Reset button. */
            if ( !( ((QNutil.strcmp(QNutil.rtrim( cgiGet( "_PIC.x")), "")==0)) ) )
            {
               /* Execute user event: E1109 */
               E1109();
            }
            else if ( !( ((QNutil.strcmp(QNutil.rtrim( cgiGet( "BTT5")), "")==0)) ) )
            {
            }
            else if ( !( ((QNutil.strcmp(QNutil.rtrim( cgiGet( "SAVEBTN")), "")==0)) ) )
            {
               /* Execute user event: E1209 */
               E1209();
            }
         }
      }
      /* End function WS091 */
   }

   protected void we091( )
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
      /* End function WE091 */
   }

   protected void pa091( )
   {
      initpars( ) ;
      Form_Backcolor = UIFactory.getColor( 255, 255, 255) ;
      Form_Background = "back.gif" ;
      Form_Caption = "Settings <and> \"options\"" ;
      Form_Jump = "" ;
      lblHead_Visible = (byte)(1) ;
      lblHead_Caption = "Limits" ;
      Active_Visible = (byte)(1) ;
      Active_Enabled = (byte)(1) ;
      Active_Ispassword = 0 ;
      Limit_Visible = (byte)(1) ;
      Limit_Enabled = (byte)(1) ;
      Limit_Ispassword = 0 ;
      btt5_Visible = (byte)(1) ;
      btt5_Caption = "Clear" ;
      btt6_Visible = (byte)(1) ;
      btt6_Caption = "Cancel" ;
      SaveBtn_Visible = (byte)(1) ;
      SaveBtn_Caption = "Save it" ;
      Region_Visible = (byte)(1) ;
      Region_Enabled = (byte)(1) ;
      Region_Ispassword = 0 ;
      Size_Visible = (byte)(1) ;
      Size_Enabled = (byte)(1) ;
      Size_Ispassword = 0 ;
      radSize.addItem(1, "Small") ;
      radSize.addItem(2, "Large") ;
      radSize.addItem(3, "Huge") ;
      Notes_Visible = (byte)(1) ;
      Notes_Enabled = (byte)(1) ;
      Notes_Ispassword = 0 ;
      Due_Visible = (byte)(1) ;
      Due_Enabled = (byte)(1) ;
      Due_Ispassword = 0 ;
      Pic_Visible = (byte)(1) ;
      Pic_Enabled = (byte)(1) ;
      Pic_Ispassword = 0 ;
      img13_Visible = (byte)(1) ;
      img13_Bitmap = "logo.gif" ;
      img13_Link = "http://example.org/?a=1&b=2" ;
      img13_Borderwidth = (short)(2) ;
      /* End function PA091 */
   }

   protected void refresh( )
   {
      wb091( ) ;
      /* End function Refresh */
   }

   protected void E1209()
   {
      /* SaveRoutine */
      Limit = 0 ;
   }

   protected void E1109()
   {
      /* &Pic.ClickRoutine */
      Limit = 1 ;
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
      qnhtml_text( "function ClearForm( obj)" );
      qnhtml_text( "{" );
      qnhtml_text( "obj._LIMIT.value = \"\";" );
      qnhtml_text( "obj._NOTES.value = \"\";" );
      qnhtml_text( "obj._DUE.value = \"\";" );
      qnhtml_text( "}" );
      qnhtml_text( "</script>" );
      /* End function include_jscripts */
   }

   public ILabel lblHead;
   public ICheckbox chkActive;
   public IChoice cmbRegion;
   public IChoice radSize;
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
      lblHead_Visible = 0 ;
      lblHead_Link = "" ;
      lblHead_Caption = "" ;
      Active_Visible = 0 ;
      Active_Enabled = 0 ;
      Active = "" ;
      Limit_Visible = 0 ;
      Limit_Enabled = 0 ;
      Limit_Ispassword = 0 ;
      Limit = 0 ;
      btt5_Visible = 0 ;
      btt5_Caption = "" ;
      btt6_Visible = 0 ;
      btt6_Caption = "" ;
      SaveBtn_Visible = 0 ;
      SaveBtn_Caption = "" ;
      Region_Visible = 0 ;
      Region_Enabled = 0 ;
      Region_Height = 0 ;
      idxLst = 0 ;
      Region = "" ;
      Size_Visible = 0 ;
      Size_Enabled = 0 ;
      idxCol = 0 ;
      Size = 0 ;
      Notes_Visible = 0 ;
      Notes_Enabled = 0 ;
      Notes = "" ;
      Due_Visible = 0 ;
      Due_Enabled = 0 ;
      Due_Ispassword = 0 ;
      Due = QNutil.nullDate() ;
      Pic_Visible = 0 ;
      Pic_Enabled = 0 ;
      Pic = "" ;
      Pic_Alternatetext = "" ;
      Pic_Tooltiptext = "" ;
      img13_Visible = 0 ;
      img13_Borderwidth = 0 ;
      img13_Link = "" ;
      img13_Bitmap = "" ;
      img13_Alternatetext = "" ;
      img13_Tooltiptext = "" ;
      wbTemp = 0 ;
      wjLoc = "" ;
      nUserReturn = 0 ;
      sCallerURL = "" ;
      QNSUBMITID = "" ;
      Rfr0gs = false ;
      QN_FocusControl = "" ;
      wbErr = false ;
      Form_Jump = "" ;
      Active_Ispassword = 0 ;
      Region_Ispassword = 0 ;
      Size_Ispassword = 0 ;
      Notes_Ispassword = 0 ;
      Pic_Ispassword = 0 ;
      /* Quenora formulas. */
   }

   protected byte lblHead_Visible ;
   protected byte Active_Visible ;
   protected byte Active_Enabled ;
   protected byte Limit_Visible ;
   protected byte Limit_Enabled ;
   protected byte Limit_Ispassword ;
   protected byte btt5_Visible ;
   protected byte btt6_Visible ;
   protected byte SaveBtn_Visible ;
   protected byte Region_Visible ;
   protected byte Region_Enabled ;
   protected byte Size_Visible ;
   protected byte Size_Enabled ;
   protected byte Size ;
   protected byte Notes_Visible ;
   protected byte Notes_Enabled ;
   protected byte Due_Visible ;
   protected byte Due_Enabled ;
   protected byte Due_Ispassword ;
   protected byte Pic_Visible ;
   protected byte Pic_Enabled ;
   protected byte img13_Visible ;
   protected byte wbTemp ;
   protected byte nUserReturn ;
   protected byte Active_Ispassword ;
   protected byte Region_Ispassword ;
   protected byte Size_Ispassword ;
   protected byte Notes_Ispassword ;
   protected byte Pic_Ispassword ;
   protected short wbEnd ;
   protected short img13_Borderwidth ;
   protected int Form_Backcolor ;
   protected int Region_Height ;
   protected int idxLst ;
   protected int idxCol ;
   protected double Limit ;
   protected String Form_Caption ;
   protected String Form_Background ;
   protected String lblHead_Link ;
   protected String lblHead_Caption ;
   protected String Active ;
   protected String btt5_Caption ;
   protected String btt6_Caption ;
   protected String SaveBtn_Caption ;
   protected String Region ;
   protected String Pic_Alternatetext ;
   protected String Pic_Tooltiptext ;
   protected String img13_Link ;
   protected String img13_Alternatetext ;
   protected String img13_Tooltiptext ;
   protected String wjLoc ;
   protected String sCallerURL ;
   protected String QNSUBMITID ;
   protected String QN_FocusControl ;
   protected String Form_Jump ;
   protected java.util.Date Due ;
   protected boolean wbLoad ;
   protected boolean Rfr0gs ;
   protected boolean wbErr ;
   protected String Notes ;
   protected String Pic ;
   protected String img13_Bitmap ;
}

