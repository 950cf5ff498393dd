/*
               File: taccount
        Description: Accounts
             Author: Quenora Java Generator version 619
       Generated on: <when>
       Program type: Callable routine
         Connection: Explicit (dbms)
        Target DBMS: oracle7
   Operating System: Neither specified nor inferred.
 Main access method: qndata
    Use ODBC Access: Yes
*/
import com.quenora.*;
import com.quenora.db.driver.*;
import com.quenora.distributed.*;
import com.quenora.uifactory.*;
import java.sql.*;
/* Client and Server side code */
public final class taccount extends QNTransaction
{
   public taccount(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( taccount.class ), "" );
   }

   public taccount(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context, "" );
   }

   protected void init_no_key0l1( )
   {
      Aaccname = "" ;
      Aaccopen = QNutil.nullDate() ;
      Aacclimit = 0 ;
      Aaccowner = "" ;
      Aacccity = "" ;
      Aregid = 0 ;
   }

   protected void init_all0l1( )
   {
      Aaccid = 0 ;
      init_no_key0l1( ) ;
   }

   protected void after_trn0l1( )
   {
      if ( ( trnEnded == 1 ) )
      {
         trnEnded = 0 ;
         if (!cleanedUp) {
            sanomod( ) ;
            if ( ( QNutil.strcmp(Mode, "INS") == 0 ) )
            {
               /* Clear variables for new insertion. */
               init_all0l1( ) ;
            }
         }
      }
   }

   protected void sa_startup0l1( )
   {
      sa_startup_srv0l1( ) ;
      set_caption( ) ;
      PreviousCaption = btt9.getCaption() ;
      PreviousTooltip = btt9.getTooltip() ;
   }

   protected void sa_startup_srv0l1( )
   {
      if ( ( AnyError == 0 ) )
      {
         sanomod( ) ;
      }
      sCallerURL = CGI_Referer ;
      geteq_nomod( ) ;
      samod_0l1( ) ;
   }

   protected void clear( )
   {
      init_no_key0l1( ) ;
   }

   protected void reset_caption_0l1( )
   {
      btt9.setCaption(PreviousCaption);
      btt9.setTooltip(PreviousTooltip);
      IsConfirmed = 0 ;
   }

   protected void set_caption( )
   {
      if ( ( IsConfirmed == 1 ) )
      {
         msgStatus( localUtil.getMessages().getMessage("mustconfirm") );
         btt9.setCaption( localUtil.getMessages().getMessage("captionconfirm") );
         btt9.setTooltip( localUtil.getMessages().getMessage("captionconfirm") );
      }
      else if ( ( QNutil.strcmp(Mode, "INS") == 0 ) )
      {
         btt9.setCaption( localUtil.getMessages().getMessage("captionadd") );
         btt9.setTooltip( localUtil.getMessages().getMessage("captionadd") );
      }
      else if ( ( QNutil.strcmp(Mode, "UPD") == 0 ) )
      {
         btt9.setCaption( localUtil.getMessages().getMessage("captionupdate") );
         btt9.setTooltip( localUtil.getMessages().getMessage("captionupdate") );
      }
      else if ( ( QNutil.strcmp(Mode, "DLT") == 0 ) )
      {
         btt9.setCaption( localUtil.getMessages().getMessage("captiondelete") );
         btt9.setTooltip( localUtil.getMessages().getMessage("captiondelete") );
      }
   }

   protected void zm0l1( int QN_JID )
   {
      if ( ( QN_JID == 1 ) || ( QN_JID == 0 ) )
      {
         if ( ( QNutil.strcmp(Mode, "INS") != 0 ) )
         {
            Zaccid = dboaccount.getAccid() ;
            Zaccname = dboaccount.getAccname() ;
            Zaccopen = dboaccount.getAccopen() ;
            Zacclimit = dboaccount.getAcclimit() ;
            Zaccowner = dboaccount.getAccowner() ;
            Zacccity = dboaccount.getAcccity() ;
            Zregid = dboaccount.getRegid() ;
         }
         else
         {
            Zaccid = Aaccid ;
            Zaccname = Aaccname ;
            Zaccopen = Aaccopen ;
            Zacclimit = Aacclimit ;
            Zaccowner = Aaccowner ;
            Zacccity = Aacccity ;
            Zregid = Aregid ;
         }
      }
      if ( ( QN_JID == 2 ) || ( QN_JID == 0 ) )
      {
         Zregname = dboregion.getRegname() ;
      }
   }

   protected void sanomod( )
   {
   }

   protected void samod_0l1( )
   {
   }

   protected void ld0l1( )
   {
      T00212.fetchFirst(dboregion, Aregid);
      Aregname = dboregion.getRegname();
      T00212.close() ;
   }

   protected void checket_0l1( )
   {
      samod_0l1( ) ;
      T00213.fetchFirst(dboregion, Aregid);
      zm0l1( 2) ;
      if (T00213.eof())
      {
         arguments = new Object[ 1 ];
         arguments[ 0 ] = "REGION" ;
         QNutil.msg( me(),  localUtil.getMessages().getMessage("inex", arguments) );
         AnyError = (short)(1) ;
      }
      T00213.close() ;
      T00214.fetchFirst(dboregion, Aregid);
      Aregname = dboregion.getRegname();
      T00214.close() ;
   }

   protected void getkey_0l1( )
   {
      T00215.fetchFirst(dboaccount, Aaccid);
      if (!T00215.eof())
      {
         RcdFound = (short)(1) ;
      }
      else
      {
         RcdFound = 0 ;
      }
      T00215.close() ;
   }

   protected void geteq( )
   {
      T00216.fetchFirst(dboaccount, Aaccid);
      zm0l1( 1) ;
      if (!T00216.eof())
      {
         Aaccid = dboaccount.getAccid();
         Aaccname = dboaccount.getAccname();
         Aaccopen = dboaccount.getAccopen();
         Aacclimit = dboaccount.getAcclimit();
         Aaccowner = dboaccount.getAccowner();
         Aacccity = dboaccount.getAcccity();
         Aregid = dboaccount.getRegid();
         RcdFound = (short)(1) ;
         Zaccid = Aaccid ;
         sMode1 = Mode ;
         Mode = "DSP" ;
         samod_0l1( ) ;
         ld0l1( ) ;
         Mode = sMode1 ;
      }
      else
      {
         init_no_key0l1( ) ;
         RcdFound = 0 ;
      }
      T00216.close() ;
   }

   protected void geteq_nomod( )
   {
      getkey_0l1( ) ;
      if ( ( RcdFound == 0 ) )
      {
         Mode = "INS" ;
      }
      else
      {
         Mode = "UPD" ;
      }
      geteq( ) ;
   }

   protected void chkps_0l1( )
   {
      T00217.fetchFirst(dboregion, Aregid);
      if (T00217.eof())
      {
         QNutil.msg( me(),  localUtil.getMessages().getMessage("inex", new Object[] {"REGION"}) );
         AnyError = (short)(1) ;
      }
      T00217.close() ;
   }

   protected void insert_0l1( )
   {
      checket_0l1( ) ;
      if ( ( AnyError == 0 ) )
      {
         chkps_0l1( ) ;
         if ( ( AnyError == 0 ) )
         {
            after_confirm_0l1( ) ;
            if ( ( AnyError == 0 ) )
            {
               T00218.executeUpd(Aaccid, Aaccname, Aaccopen, Aacclimit, Aaccowner, Aacccity, Aregid) ;
               if ( ( AnyError == 0 ) )
               {
                  /* Start of After( Insert) rules */
                  /* End of After( Insert) rules */
                  if ( ( AnyError == 0 ) )
                  {
                     geteq( ) ;
                     msgStatus( localUtil.getMessages().getMessage("sucadded") );
                     reset_caption_0l1( ) ;
                  }
               }
               else
               {
                  QNutil.msg( me(),  localUtil.getMessages().getMessage("unexp") );
                  AnyError = (short)(1) ;
               }
            }
         }
         else
         {
            ld0l1( ) ;
         }
         endlvl_0l1( ) ;
      }
   }

   protected void update_0l1( )
   {
      checket_0l1( ) ;
      if ( ( AnyError == 0 ) )
      {
         chkps_0l1( ) ;
         if ( ( AnyError == 0 ) )
         {
            after_confirm_0l1( ) ;
            if ( ( AnyError == 0 ) )
            {
               if ( ( QNutil.strcmp(Mode, "INS") != 0 ) )
               {
                  T00219.fetchFirst(dboaccount, Aaccid);
                  Qn_longc = false ;
                  if (T00219.eof() || dboaccount.getAccid() != Zaccid || QNutil.strcmp(dboaccount.getAccname(), Zaccname) != 0 || QNutil.datecmp(dboaccount.getAccopen(), Zaccopen) != 0 || dboaccount.getAcclimit() != Zacclimit || QNutil.strcmp(dboaccount.getAccowner(), Zaccowner) != 0)
                  {
                     Qn_longc = true ;
                  }
                  if (Qn_longc || QNutil.strcmp(dboaccount.getAcccity(), Zacccity) != 0 || dboaccount.getRegid() != Zregid)
                  {
                     arguments = new Object[ 1 ];
                     arguments[ 0 ] = "ACCOUNT" ;
                     QNutil.msg( me(),  localUtil.getMessages().getMessage("waschg", arguments) );
                     AnyError = (short)(1) ;
                  }
                  T00219.close() ;
               }
               T002110.fetchFirst(dboregion, Aregid);
               Qn_longc = false ;
               if (T002110.eof() || QNutil.strcmp(dboregion.getRegname(), Zregname) != 0)
               {
                  arguments = new Object[ 1 ];
                  arguments[ 0 ] = "REGION" ;
                  QNutil.msg( me(),  localUtil.getMessages().getMessage("waschg", arguments) );
                  AnyError = (short)(1) ;
               }
               T002110.close() ;
               if ( ( AnyError == 0 ) )
               {
                  T002111.executeUpd(Aaccname, Aaccopen, Aacclimit, Aaccowner, Aacccity, Aregid, Aaccid) ;
                  if ( ( AnyError == 0 ) )
                  {
                     /* Start of After( update) rules */
                     /* End of After( update) rules */
                     if ( ( AnyError == 0 ) )
                     {
                        geteq( ) ;
                        msgStatus( localUtil.getMessages().getMessage("sucupdated") );
                        reset_caption_0l1( ) ;
                     }
                  }
                  else
                  {
                     QNutil.msg( me(),  localUtil.getMessages().getMessage("unexp") );
                     AnyError = (short)(1) ;
                  }
               }
            }
         }
         endlvl_0l1( ) ;
      }
   }

   protected void delete( )
   {
      Mode = "DLT" ;
      /* Delete mode formulas */
      if ( ( AnyError == 0 ) )
      {
         chkps_0l1( ) ;
         after_confirm_0l1( ) ;
         if ( ( AnyError == 0 ) )
         {
            T002112.executeUpd(Aaccid) ;
            if ( ( AnyError == 0 ) )
            {
               /* Start of After( delete) rules */
               /* End of After( delete) rules */
               init_all0l1( ) ;
               move_next( ) ;
               if ( ( RcdFound == 0 ) )
               {
                  Mode = "INS" ;
                  geteq( ) ;
               }
               else
               {
                  Mode = "UPD" ;
                  geteq( ) ;
               }
               msgStatus( localUtil.getMessages().getMessage("sucdeleted") );
            }
            else
            {
               QNutil.msg( me(),  localUtil.getMessages().getMessage("unexp") );
               AnyError = (short)(1) ;
            }
         }
         endlvl_0l1( ) ;
      }
   }

   protected void updtn1_0l1( )
   {
   }

   protected void endlvl_0l1( )
   {
      if ( ( AnyError == 0 ) )
      {
         /* After transaction rules */
         /* Execute 'After Trn' event if defined. */
         trnEnded = 1 ;
      }
      else
      {
      }
   }

   protected void scanstart_0l1( )
   {
      T002113.fetchFirst(dboaccount);
      RcdFound = 0 ;
      if (!T002113.eof())
      {
         RcdFound = (short)(1) ;
         Aaccid = dboaccount.getAccid();
         Aaccname = dboaccount.getAccname();
         Aaccopen = dboaccount.getAccopen();
         Aacclimit = dboaccount.getAcclimit();
         Aaccowner = dboaccount.getAccowner();
         Aacccity = dboaccount.getAcccity();
         Aregid = dboaccount.getRegid();
      }
   }

   protected void scannext_0l1( )
   {
      T002113.readNext();
      RcdFound = 0 ;
      if (!T002113.eof())
      {
         RcdFound = (short)(1) ;
         Aaccid = dboaccount.getAccid();
         Aaccname = dboaccount.getAccname();
         Aaccopen = dboaccount.getAccopen();
         Aacclimit = dboaccount.getAcclimit();
         Aaccowner = dboaccount.getAccowner();
         Aacccity = dboaccount.getAcccity();
         Aregid = dboaccount.getRegid();
      }
   }

   protected void scanend_0l1( )
   {
      T002113.close() ;
   }

   protected void after_confirm_0l1( )
   {
      /* After confirm rules */
   }

   /* Client side code */
   protected String getFrmTitle() {
      return "Accounts" ;
   }
   protected QNMenuBar getMenuBar() {
      return Application.getDefaultMenuBar(this) ;
   }
   protected int getFrmTop() {
      return 0 ;
   }
   protected int getFrmLeft() {
      return 0 ;
   }
   protected int getFrmWidth() {
      return 400 ;
   }
   protected int getFrmHeight() {
      return 300 ;
   }
   protected int getFrmBackground() {
      return UIFactory.getColor(255, 255, 255) ;
   }
   protected int getFrmForeground() {
      return UIFactory.getColor(0, 0, 0) ;
   }
   protected boolean isMainProgram() {
      return false ;
   }
   protected boolean isModal() {
      return false ;
   }
   protected boolean hasDBAccess() {
      return true ;
   }
   protected int getRefreshTimeout() {
      return 0 ;
   }
   public boolean getRefreshTimeoutAlways() {
      return true ;
   }
   protected boolean getPaintAfterStart() {
      return true ;
   }
   protected int getBorderStyle() {
      return 2 ;
   }
   protected boolean getMaxButton() {
      return true ;
   }
   protected boolean getMinButton() {
      return true ;
   }
   protected boolean getCtrlBox() {
      return true ;
   }
   protected boolean getShowInTaskbar() {
      return true ;
   }
   protected String getFormIcon() {
      return "" ;
   }
   public void execute( )
   {
      execute_int();
   }

   private void execute_int( )
   {
      start();
      return  ;
   }

   protected void screen() {
      QNPanel1 = new QNPanel(this, 0 , 0 , 400 , 300 );
      this.setIBackground(UIFactory.getColor(255, 255, 255));
      this.setIForeground(UIFactory.getColor(0, 0, 0));
      QNPanel1.refreshFrame();
      edtaccid = new GUIObjectInt ( new QNEdit(6, "ZZZZZ9", UIFactory.getFont( "MS Sans Serif", 0, 8),120, 10, 60, 20, QNPanel1, false, ILabel.BORDER_NONE, QNTypeConstants.NUMERIC, false) , QNPanel1 , 120 , 10 , 60 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "Aaccid" );
      ((QNEdit) edtaccid.getQNComponent()).setAlignment(ILabel.LEFT);
      edtaccid.addFocusListener(this);
      edtaccname = new GUIObjectString ( new QNEdit(30, "", UIFactory.getFont( "MS Sans Serif", 0, 8),120, 40, 240, 20, QNPanel1, false, ILabel.BORDER_NONE, QNTypeConstants.CHAR, false) , QNPanel1 , 120 , 40 , 240 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "Aaccname" );
      ((QNEdit) edtaccname.getQNComponent()).setAlignment(ILabel.LEFT);
      edtaccname.addFocusListener(this);
      edtaccopen = new GUIObjectDate ( new QNEdit(8, "99/99/99", UIFactory.getFont( "MS Sans Serif", 0, 8),120, 70, 60, 20, QNPanel1, false, ILabel.BORDER_NONE, QNTypeConstants.DATE, false) , QNPanel1 , 120 , 70 , 60 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "Aaccopen" );
      ((QNEdit) edtaccopen.getQNComponent()).setAlignment(ILabel.LEFT);
      edtaccopen.addFocusListener(this);
      edtacclimit = new GUIObjectInt ( new QNEdit(9, "ZZZZZZZZ9", UIFactory.getFont( "MS Sans Serif", 0, 8),120, 100, 100, 20, QNPanel1, false, ILabel.BORDER_NONE, QNTypeConstants.NUMERIC, false) , QNPanel1 , 120 , 100 , 100 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "Aacclimit" );
      ((QNEdit) edtacclimit.getQNComponent()).setAlignment(ILabel.LEFT);
      edtacclimit.addFocusListener(this);
      edtaccowner = new GUIObjectString ( new QNEdit(20, "", UIFactory.getFont( "MS Sans Serif", 0, 8),120, 130, 160, 20, QNPanel1, false, ILabel.BORDER_NONE, QNTypeConstants.CHAR, false) , QNPanel1 , 120 , 130 , 160 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "Aaccowner" );
      ((QNEdit) edtaccowner.getQNComponent()).setAlignment(ILabel.LEFT);
      edtaccowner.addFocusListener(this);
      edtacccity = new GUIObjectString ( new QNEdit(20, "", UIFactory.getFont( "MS Sans Serif", 0, 8),120, 160, 160, 20, QNPanel1, false, ILabel.BORDER_NONE, QNTypeConstants.CHAR, false) , QNPanel1 , 120 , 160 , 160 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "Aacccity" );
      ((QNEdit) edtacccity.getQNComponent()).setAlignment(ILabel.LEFT);
      edtacccity.addFocusListener(this);
      edtregid = new GUIObjectInt ( new QNEdit(6, "ZZZZZ9", UIFactory.getFont( "MS Sans Serif", 0, 8),120, 190, 60, 20, QNPanel1, false, ILabel.BORDER_NONE, QNTypeConstants.NUMERIC, false) , QNPanel1 , 120 , 190 , 60 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "Aregid" );
      ((QNEdit) edtregid.getQNComponent()).setAlignment(ILabel.LEFT);
      edtregid.addFocusListener(this);
      edtregname = new GUIObjectString ( new QNEdit(20, "", UIFactory.getFont( "MS Sans Serif", 0, 8),170, 190, 160, 20, QNPanel1, false, ILabel.BORDER_NONE, QNTypeConstants.CHAR, false) , QNPanel1 , 170 , 190 , 160 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "Aregname" );
      ((QNEdit) edtregname.getQNComponent()).setAlignment(ILabel.LEFT);
      edtregname.addFocusListener(this);
      btt_QNGet_ = UIFactory.getQNButton(QNPanel1 , "get.bmp" , 183 , 10 , 16 , 20 );
      btt_QNGet_.setTooltip("_QNGet_");
      btt_QNGet_.addActionListener(this);
      btt10 = UIFactory.getQNButton(QNPanel1 , "Cancel" , 330 , 250 , 60 , 25 , UIFactory.getFont( "MS Sans Serif", 0, 8) );
      btt10.setTooltip("Cancel");
      btt10.addActionListener(this);
      btt9 = UIFactory.getQNButton(QNPanel1 , "Enter" , 10 , 250 , 70 , 25 , UIFactory.getFont( "MS Sans Serif", 0, 8) );
      btt9.setTooltip("Enter");
      btt9.addActionListener(this);
      focusManager.setControlList(new IFocusableControl[] {
                edtaccid,
                edtaccname,
                edtaccopen,
                edtacclimit,
                edtaccowner,
                edtacccity,
                edtregid,
                edtregname,
                btt_QNGet_,
                btt9,
                btt10
      });
   }
   protected void setFocusFirst() {
      setFocus(edtaccid, true);
   }
   public void setConditionalColor(boolean all, Object control) {
   }
   protected boolean hasStatusBar() {
      return true;
   }
   public void refreshArray(String array) {
   }
   protected void QNStart() {
      sa_startup0l1( ) ;
   }
   protected void actionEventDispatch(Object eventSource) {
      AnyError = 0;
      if (btt10.isEventSource(eventSource)) {
         cleanup();
         return;
      }
      if (btt9.isEventSource(eventSource)) {
         btn_enter( ) ;
         if (!cleanedUp) {
            VariablesToControls();
            set_caption( );
         }
         return;
      }
      if (btt_QNGet_.isEventSource(eventSource)) {
         btn_get( ) ;
         if (!cleanedUp) {
            VariablesToControls();
            set_caption( );
         }
         return;
      }
   }
   protected void setCurrentQNCursor(Object eventSource) {
      if (edtaccid.isEventSource(eventSource)) {
         setQNCursor(edtaccid.getQNCursor());
         return;
      }
      if (edtaccname.isEventSource(eventSource)) {
         setQNCursor(edtaccname.getQNCursor());
         return;
      }
      if (edtaccopen.isEventSource(eventSource)) {
         setQNCursor(edtaccopen.getQNCursor());
         return;
      }
      if (edtacclimit.isEventSource(eventSource)) {
         setQNCursor(edtacclimit.getQNCursor());
         return;
      }
      if (edtaccowner.isEventSource(eventSource)) {
         setQNCursor(edtaccowner.getQNCursor());
         return;
      }
      if (edtacccity.isEventSource(eventSource)) {
         setQNCursor(edtacccity.getQNCursor());
         return;
      }
      if (edtregid.isEventSource(eventSource)) {
         setQNCursor(edtregid.getQNCursor());
         return;
      }
      if (edtregname.isEventSource(eventSource)) {
         setQNCursor(edtregname.getQNCursor());
         return;
      }
   }
   protected void gotFocusEventDispatch(Object eventSource) {
   }
   protected void focusEventDispatch(Object eventSource) {
   }
   protected void updateAttributes(Object eventSource) {
      if (edtaccid.isEventSource(eventSource)) {
         Aaccid = edtaccid.getValue() ;
         return;
      }
      if (edtaccname.isEventSource(eventSource)) {
         Aaccname = edtaccname.getValue() ;
         return;
      }
      if (edtaccopen.isEventSource(eventSource)) {
         Aaccopen = edtaccopen.getValue() ;
         return;
      }
      if (edtacclimit.isEventSource(eventSource)) {
         Aacclimit = edtacclimit.getValue() ;
         return;
      }
      if (edtaccowner.isEventSource(eventSource)) {
         Aaccowner = edtaccowner.getValue() ;
         return;
      }
      if (edtacccity.isEventSource(eventSource)) {
         Aacccity = edtacccity.getValue() ;
         return;
      }
      if (edtregid.isEventSource(eventSource)) {
         Aregid = edtregid.getValue() ;
         return;
      }
      if (edtregname.isEventSource(eventSource)) {
         Aregname = edtregname.getValue() ;
         return;
      }
   }
   protected void itemEventDispatch(Object eventSource) {
   }
   public void mouseEventDispatch(Object eventSource, int modifier) {
   }
   public void keyEventDispatch(Object eventSource, int keyCode) {
      if (triggerEventEnter(eventSource, keyCode)) {
         btn_enter( ) ;
         if (!cleanedUp) {
            VariablesToControls();
            set_caption( );
         }
         return;
      }
   }
   public boolean isKeyControl(Object eventSource) {
      if ((edtaccid.isEventSource(eventSource)) && !((Aaccid==edtaccid.getValue()))) {
         return true;
      }
      return false;
   }
   public boolean isBodyControl(Object eventSource) {
      if ((edtaccname.isEventSource(eventSource)) && !((QNutil.strcmp(Aaccname, edtaccname.getValue())==0))) {
         return true;
      }
      if ((edtaccopen.isEventSource(eventSource)) && !(Aaccopen.equals(edtaccopen.getValue()))) {
         return true;
      }
      if ((edtacclimit.isEventSource(eventSource)) && !((Aacclimit==edtacclimit.getValue()))) {
         return true;
      }
      if ((edtaccowner.isEventSource(eventSource)) && !((QNutil.strcmp(Aaccowner, edtaccowner.getValue())==0))) {
         return true;
      }
      if ((edtacccity.isEventSource(eventSource)) && !((QNutil.strcmp(Aacccity, edtacccity.getValue())==0))) {
         return true;
      }
      if ((edtregid.isEventSource(eventSource)) && !((Aregid==edtregid.getValue()))) {
         return true;
      }
      if ((edtregname.isEventSource(eventSource)) && !((QNutil.strcmp(Aregname, edtregname.getValue())==0))) {
         return true;
      }
      return false;
   }
   protected void resetCaption() {
      reset_caption_0l1( ) ;
   }
   protected void setAddCaption() {
      btt9.setCaption( localUtil.getMessages().getMessage("captionadd") );
      btt9.setTooltip( localUtil.getMessages().getMessage("captionadd") );
   }
   public IQNButton getCancelButton() {
      return btt10 ;
   }
   public IQNButton getConfirmButton() {
      return btt9 ;
   }
   protected void keyPromptHandler(Object eventSource) {
   }
   public void setNoAccept(Object eventSource) {
      if ( edtaccid.isEventSource(eventSource) )
      {
         edtaccid.setEnabled(!(( QNutil.strcmp(Mode, "DLT") == 0 ) || ( QNutil.strcmp(Mode, "UPD") == 0 )));
      }
   }
   protected void VariablesToControls() {
      edtaccid.setValue( Aaccid );
      edtaccname.setValue( Aaccname );
      edtaccopen.setValue( Aaccopen );
      edtacclimit.setValue( Aacclimit );
      edtaccowner.setValue( Aaccowner );
      edtacccity.setValue( Aacccity );
      edtregid.setValue( Aregid );
      edtregname.setValue( Aregname );
   }
   protected void ControlsToVariables() {
      Aaccid = edtaccid.getValue() ;
      Aaccname = edtaccname.getValue() ;
      Aaccopen = edtaccopen.getValue() ;
      Aacclimit = edtacclimit.getValue() ;
      Aaccowner = edtaccowner.getValue() ;
      Aacccity = edtacccity.getValue() ;
      Aregid = edtregid.getValue() ;
      Aregname = edtregname.getValue() ;
   }
   protected void eventNoLevelContext() {
      ControlsToVariables();
   }
   protected void eventLevelContext() {
      ControlsToVariables();
   }
   protected void eventLevelResetContext() {
   }
   /* Server side code */
   /* Aggregate/select formulas */
   /* Vertical formulas */
   protected void btn_enter( )
   {
      nKeyPressed = (byte)(1) ;
      getkey_0l1( ) ;
      if ( ( RcdFound == 1 ) )
      {
         if ( ( QNutil.strcmp(Mode, "INS") == 0 ) )
         {
            QNutil.msg( me(),  localUtil.getMessages().getMessage("noupdate") );
            AnyError = (short)(1) ;
         }
         else if ( ( Aaccid != Zaccid ) )
         {
            Aaccid = Zaccid ;
            QNutil.msg( me(),  localUtil.getMessages().getMessage("getbeforeupd") );
            AnyError = (short)(1) ;
         }
         else
         {
            Mode = "UPD" ;
            if ( ( IsConfirmed == 1 ) )
            {
               /* Update record */
               update_0l1( ) ;
               setNextFocus(edtaccid);
            }
            else
            {
               /* Confirm record */
               confirm_0l1( ) ;
               setNextFocus(btt9);
            }
         }
      }
      else
      {
         if ( ( Aaccid != Zaccid ) )
         {
            Mode = "INS" ;
            if ( ( IsConfirmed == 1 ) )
            {
               /* Insert record */
               insert_0l1( ) ;
               setNextFocus(edtaccid);
            }
            else
            {
               /* Confirm record */
               confirm_0l1( ) ;
               setNextFocus(btt9);
            }
         }
         else
         {
            if ( ( QNutil.strcmp(Mode, "UPD") == 0 ) )
            {
               QNutil.msg( me(),  localUtil.getMessages().getMessage("recdeleted") );
               AnyError = (short)(1) ;
            }
            else
            {
               Mode = "INS" ;
               if ( ( IsConfirmed == 1 ) )
               {
                  /* Insert record */
                  insert_0l1( ) ;
                  setNextFocus(edtaccid);
               }
               else
               {
                  /* Confirm record */
                  confirm_0l1( ) ;
                  setNextFocus(btt9);
               }
            }
         }
      }
      after_trn0l1( ) ;
      setFocusNext();
   }

   protected void btn_get( )
   {
      nKeyPressed = (byte)(2) ;
      geteq_nomod( ) ;
      if ( ( RcdFound == 0 ) )
      {
         QNutil.msg( me(),  localUtil.getMessages().getMessage("keynfound") );
         AnyError = (short)(1) ;
      }
      else
      {
         setNextFocus(edtaccid);
      }
      after_trn0l1( ) ;
   }

   protected void confirm_0l1( )
   {
      checket_0l1( ) ;
      if ( ( AnyError == 0 ) )
      {
         sMode1 = Mode ;
         Mode = sMode1 ;
         PreviousCaption = btt9.getCaption() ;
         PreviousTooltip = btt9.getTooltip() ;
         IsConfirmed = (short)(1) ;
      }
   }

   protected void move_next( )
   {
      T002114.fetchFirst(dboaccount, Aaccid);
      while (!T002114.eof() && dboaccount.getAccid() == Aaccid)
      {
         T002114.readNext();
      }
      RcdFound = 0 ;
      if (!T002114.eof())
      {
         Aaccid = dboaccount.getAccid();
         Aaccname = dboaccount.getAccname();
         Aaccopen = dboaccount.getAccopen();
         Aacclimit = dboaccount.getAcclimit();
         Aaccowner = dboaccount.getAccowner();
         Aacccity = dboaccount.getAcccity();
         Aregid = dboaccount.getRegid();
         RcdFound = (short)(1) ;
      }
      T002114.close() ;
   }

   protected void move_previous( )
   {
      T002115.fetchFirst(dboaccount, Aaccid);
      while (!T002115.eof() && dboaccount.getAccid() == Aaccid)
      {
         T002115.readNext();
      }
      RcdFound = 0 ;
      if (!T002115.eof())
      {
         Aaccid = dboaccount.getAccid();
         Aaccname = dboaccount.getAccname();
         Aaccopen = dboaccount.getAccopen();
         Aacclimit = dboaccount.getAcclimit();
         Aaccowner = dboaccount.getAccowner();
         Aacccity = dboaccount.getAcccity();
         Aregid = dboaccount.getRegid();
         RcdFound = (short)(1) ;
      }
      T002115.close() ;
   }

   protected void cleanup( )
   {
      super.cleanup();
      Application.cleanup(context, this, remoteHandle);
   }

   public void initialize( )
   {
      IsConfirmed = 0 ;
      RcdFound = 0 ;
      trnEnded = 0 ;
      nKeyPressed = 0 ;
      nUserReturn = 0 ;
      Mode = "" ;
      sCallerURL = "" ;
      PreviousTooltip = "" ;
      PreviousCaption = "" ;
      sMode1 = "" ;
      Zaccid = 0 ;
      Zaccname = "" ;
      Zaccopen = QNutil.nullDate() ;
      Zacclimit = 0 ;
      Zaccowner = "" ;
      Zacccity = "" ;
      Zregid = 0 ;
      Zregname = "" ;
      Aaccname = "" ;
      Aaccopen = QNutil.nullDate() ;
      Aacclimit = 0 ;
      Aaccowner = "" ;
      Aacccity = "" ;
      Aregid = 0 ;
      Aaccid = 0 ;
      CGI_Referer = "" ;
      Qn_longc = false ;
      QN_JID = 0 ;
      dboregion = new dbcREGION(context, remoteHandle, false) ;
      T00212 = new fT00212(context, remoteHandle) ;
      Aregname = "" ;
      T00213 = new fT00213(context, remoteHandle) ;
      T00214 = new fT00214(context, remoteHandle) ;
      dboaccount = new dbcACCOUNT(context, remoteHandle, false) ;
      T00215 = new fT00215(context, remoteHandle) ;
      T00216 = new fT00216(context, remoteHandle) ;
      T00217 = new fT00217(context, remoteHandle) ;
      T00218 = new dT00218(context, remoteHandle) ;
      T00219 = new fT00219(context, remoteHandle) ;
      T002110 = new fT002110(context, remoteHandle) ;
      T002111 = new dT002111(context, remoteHandle) ;
      T002112 = new dT002112(context, remoteHandle) ;
      T002113 = new fT002113(context, remoteHandle) ;
      T002114 = new fT002114(context, remoteHandle) ;
      T002115 = new fT002115(context, remoteHandle) ;
   }

   protected byte nKeyPressed ;
   protected byte nUserReturn ;
   protected short IsConfirmed ;
   protected short RcdFound ;
   protected int trnEnded ;
   protected int Zaccid ;
   protected int Zacclimit ;
   protected int Zregid ;
   protected int Aacclimit ;
   protected int Aregid ;
   protected int Aaccid ;
   protected int QN_JID ;
   protected String Mode ;
   protected String sCallerURL ;
   protected String PreviousTooltip ;
   protected String PreviousCaption ;
   protected String sMode1 ;
   protected String Zaccname ;
   protected String Zaccowner ;
   protected String Zacccity ;
   protected String Zregname ;
   protected String Aaccname ;
   protected String Aaccowner ;
   protected String Aacccity ;
   protected String CGI_Referer ;
   protected String Aregname ;
   protected java.util.Date Zaccopen ;
   protected java.util.Date Aaccopen ;
   protected boolean Qn_longc ;
   protected dbcREGION dboregion ;
   protected fT00212 T00212 ;
   protected fT00213 T00213 ;
   protected Object[] arguments ;
   protected fT00214 T00214 ;
   protected dbcACCOUNT dboaccount ;
   protected fT00215 T00215 ;
   protected fT00216 T00216 ;
   protected fT00217 T00217 ;
   protected dT00218 T00218 ;
   protected fT00219 T00219 ;
   protected fT002110 T002110 ;
   protected dT002111 T002111 ;
   protected dT002112 T002112 ;
   protected fT002113 T002113 ;
   protected QNPanel QNPanel1 ;
   public GUIObjectInt edtaccid ;
   public GUIObjectString edtaccname ;
   public GUIObjectDate edtaccopen ;
   public GUIObjectInt edtacclimit ;
   public GUIObjectString edtaccowner ;
   public GUIObjectString edtacccity ;
   public GUIObjectInt edtregid ;
   public GUIObjectString edtregname ;
   public IQNButton btt_QNGet_ ;
   public IQNButton btt10 ;
   public IQNButton btt9 ;
   protected fT002114 T002114 ;
   protected fT002115 T002115 ;
}

final class fT00212 extends QNDBForwardSupplier
{
   private dbcREGION dboregion ;

   public fT00212(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T00212" ;
      supplierName = "fT00212" ;
      SQL = "SELECT RegName  FROM REGION WHERE RegId = ?   FOR UPDATE OF RegId NOWAIT" ;
   }

   public DatabaseClass getDBO()
   {
      return dboregion ;
   }

   public void newDBO()
   {
      dboregion = new dbcREGION ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      dboregion.setRegname(rslt.getString(1, 20));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcREGION dboregion, int P1)
   {
      this.dboregion = dboregion ;
      dboregion.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT00212" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fT00213 extends QNDBForwardSupplier
{
   private dbcREGION dboregion ;

   public fT00213(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T00213" ;
      supplierName = "fT00213" ;
      SQL = "SELECT RegName  FROM REGION WHERE RegId = ?   FOR UPDATE OF RegId NOWAIT" ;
   }

   public DatabaseClass getDBO()
   {
      return dboregion ;
   }

   public void newDBO()
   {
      dboregion = new dbcREGION ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      dboregion.setRegname(rslt.getString(1, 20));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcREGION dboregion, int P1)
   {
      this.dboregion = dboregion ;
      dboregion.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT00213" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fT00214 extends QNDBForwardSupplier
{
   private dbcREGION dboregion ;

   public fT00214(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T00214" ;
      supplierName = "fT00214" ;
      SQL = "SELECT RegName  FROM REGION WHERE RegId = ?   FOR UPDATE OF RegId NOWAIT" ;
   }

   public DatabaseClass getDBO()
   {
      return dboregion ;
   }

   public void newDBO()
   {
      dboregion = new dbcREGION ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      dboregion.setRegname(rslt.getString(1, 20));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcREGION dboregion, int P1)
   {
      this.dboregion = dboregion ;
      dboregion.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT00214" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fT00215 extends QNDBForwardSupplier
{
   private dbcACCOUNT dboaccount ;

   public fT00215(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T00215" ;
      supplierName = "fT00215" ;
      SQL = "SELECT /*+ FIRST_ROWS */ AccId  FROM ACCOUNT WHERE AccId = ?   FOR UPDATE OF AccId NOWAIT" ;
   }

   public DatabaseClass getDBO()
   {
      return dboaccount ;
   }

   public void newDBO()
   {
      dboaccount = new dbcACCOUNT ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      // Warning 002: cannot get attribute 1
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcACCOUNT dboaccount, int P1)
   {
      this.dboaccount = dboaccount ;
      dboaccount.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT00215" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fT00216 extends QNDBForwardSupplier
{
   private dbcACCOUNT dboaccount ;

   public fT00216(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T00216" ;
      supplierName = "fT00216" ;
      SQL = "SELECT AccId, AccName, AccOpen, AccLimit, AccOwner, AccCity, RegId  FROM ACCOUNT WHERE AccId = ?   FOR UPDATE OF AccId NOWAIT" ;
   }

   public DatabaseClass getDBO()
   {
      return dboaccount ;
   }

   public void newDBO()
   {
      dboaccount = new dbcACCOUNT ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      dboaccount.setAccid(rslt.getInt(1));
      dboaccount.setAccname(rslt.getString(2, 30));
      dboaccount.setAccopen(rslt.getQNDate(3));
      dboaccount.setAcclimit(rslt.getInt(4));
      dboaccount.setAccowner(rslt.getString(5, 20));
      dboaccount.setAcccity(rslt.getString(6, 20));
      dboaccount.setRegid(rslt.getInt(7));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcACCOUNT dboaccount, int P1)
   {
      this.dboaccount = dboaccount ;
      dboaccount.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT00216" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fT00217 extends QNDBForwardSupplier
{
   private dbcREGION dboregion ;

   public fT00217(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T00217" ;
      supplierName = "fT00217" ;
      SQL = "SELECT RegId  FROM REGION WHERE RegId = ?   FOR UPDATE OF RegId NOWAIT" ;
   }

   public DatabaseClass getDBO()
   {
      return dboregion ;
   }

   public void newDBO()
   {
      dboregion = new dbcREGION ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      dboregion.setRegid(rslt.getInt(1));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcREGION dboregion, int P1)
   {
      this.dboregion = dboregion ;
      dboregion.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT00217" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class dT00218 extends QNDBUpdateSupplier
{
   public dT00218(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      dataSourceName = dbcACCOUNT.getDataSourceName();
      supplierName = "dT00218" ;
      cursorId = "T00218" ;
      SQL = "INSERT INTO ACCOUNT (AccId, AccName, AccOpen, AccLimit, AccOwner, AccCity, RegId) VALUES (?, ?, ?, ?, ?, ?, ?)" ;
   }

   public void executeUpd(int P1, String P2, java.util.Date P3, int P4, String P5, String P6, int P7)
   {
      try {
         prepare();
         setParameters( P1, P2, P3, P4, P5, P6, P7 );
         execute();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "dT00218" + ".executeUpd", e); }
   }

   public void setParameters(int P1, String P2, java.util.Date P3, int P4, String P5, String P6, int P7)
   {
      try {
         stmt.setInt(1, P1);
         stmt.setString(2, P2, 30);
         stmt.setDate(3, P3);
         stmt.setInt(4, P4);
         stmt.setString(5, P5, 20);
         stmt.setString(6, P6, 20);
         stmt.setInt(7, P7);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

   public void setParameters(byte[] parms)
   {
      qnu.reset(parms);
      try {
         stmt.setInt(1, qnu.readInt());
         stmt.setString(2, qnu.readString(), 30);
         stmt.setDate(3, qnu.readDate());
         stmt.setInt(4, qnu.readInt());
         stmt.setString(5, qnu.readString(), 20);
         stmt.setString(6, qnu.readString(), 20);
         stmt.setInt(7, qnu.readInt());
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fT00219 extends QNDBForwardSupplier
{
   private dbcACCOUNT dboaccount ;

   public fT00219(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T00219" ;
      supplierName = "fT00219" ;
      SQL = "SELECT AccId, AccName, AccOpen, AccLimit, AccOwner, AccCity, RegId  FROM ACCOUNT WHERE AccId = ?   FOR UPDATE OF AccId NOWAIT" ;
   }

   public DatabaseClass getDBO()
   {
      return dboaccount ;
   }

   public void newDBO()
   {
      dboaccount = new dbcACCOUNT ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      dboaccount.setAccid(rslt.getInt(1));
      dboaccount.setAccname(rslt.getString(2, 30));
      dboaccount.setAccopen(rslt.getQNDate(3));
      dboaccount.setAcclimit(rslt.getInt(4));
      dboaccount.setAccowner(rslt.getString(5, 20));
      dboaccount.setAcccity(rslt.getString(6, 20));
      dboaccount.setRegid(rslt.getInt(7));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcACCOUNT dboaccount, int P1)
   {
      this.dboaccount = dboaccount ;
      dboaccount.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT00219" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fT002110 extends QNDBForwardSupplier
{
   private dbcREGION dboregion ;

   public fT002110(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T002110" ;
      supplierName = "fT002110" ;
      SQL = "SELECT RegName  FROM REGION WHERE RegId = ?   FOR UPDATE OF RegId NOWAIT" ;
   }

   public DatabaseClass getDBO()
   {
      return dboregion ;
   }

   public void newDBO()
   {
      dboregion = new dbcREGION ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      dboregion.setRegname(rslt.getString(1, 20));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcREGION dboregion, int P1)
   {
      this.dboregion = dboregion ;
      dboregion.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT002110" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class dT002111 extends QNDBUpdateSupplier
{
   public dT002111(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      dataSourceName = dbcACCOUNT.getDataSourceName();
      supplierName = "dT002111" ;
      cursorId = "T002111" ;
      SQL = "UPDATE ACCOUNT SET AccName = ?, AccOpen = ?, AccLimit = ?, AccOwner = ?, AccCity = ?, RegId = ? WHERE AccId = ?" ;
   }

   public void executeUpd(String P1, java.util.Date P2, int P3, String P4, String P5, int P6, int P7)
   {
      try {
         prepare();
         setParameters( P1, P2, P3, P4, P5, P6, P7 );
         execute();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "dT002111" + ".executeUpd", e); }
   }

   public void setParameters(String P1, java.util.Date P2, int P3, String P4, String P5, int P6, int P7)
   {
      try {
         stmt.setString(1, P1, 30);
         stmt.setDate(2, P2);
         stmt.setInt(3, P3);
         stmt.setString(4, P4, 20);
         stmt.setString(5, P5, 20);
         stmt.setInt(6, P6);
         stmt.setInt(7, P7);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

   public void setParameters(byte[] parms)
   {
      qnu.reset(parms);
      try {
         stmt.setString(1, qnu.readString(), 30);
         stmt.setDate(2, qnu.readDate());
         stmt.setInt(3, qnu.readInt());
         stmt.setString(4, qnu.readString(), 20);
         stmt.setString(5, qnu.readString(), 20);
         stmt.setInt(6, qnu.readInt());
         stmt.setInt(7, qnu.readInt());
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class dT002112 extends QNDBUpdateSupplier
{
   public dT002112(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      dataSourceName = dbcACCOUNT.getDataSourceName();
      supplierName = "dT002112" ;
      cursorId = "T002112" ;
      SQL = "DELETE FROM ACCOUNT WHERE AccId = ?" ;
   }

   public void executeUpd(int P1)
   {
      try {
         prepare();
         setParameters( P1 );
         execute();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "dT002112" + ".executeUpd", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

   public void setParameters(byte[] parms)
   {
      qnu.reset(parms);
      try {
         stmt.setInt(1, qnu.readInt());
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fT002113 extends QNDBForwardSupplier
{
   private dbcACCOUNT dboaccount ;

   public fT002113(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T002113" ;
      supplierName = "fT002113" ;
      SQL = "SELECT /*+ FIRST_ROWS */ AccId, AccName, AccOpen, AccLimit, AccOwner, AccCity, RegId  FROM ACCOUNT  ORDER BY AccId  " ;
   }

   public DatabaseClass getDBO()
   {
      return dboaccount ;
   }

   public void newDBO()
   {
      dboaccount = new dbcACCOUNT ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      // Warning 002: cannot get attribute 1
      dboaccount.setAccname(rslt.getString(2, 30));
      dboaccount.setAccopen(rslt.getQNDate(3));
      dboaccount.setAcclimit(rslt.getInt(4));
      dboaccount.setAccowner(rslt.getString(5, 20));
      dboaccount.setAcccity(rslt.getString(6, 20));
      dboaccount.setRegid(rslt.getInt(7));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcACCOUNT dboaccount)
   {
      this.dboaccount = dboaccount ;
      dboaccount.unloadAll();
      try {
         prepare();
         setParameters();
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT002113" + ".fetchFirst", e); }
   }

}

final class fT002114 extends QNDBForwardSupplier
{
   private dbcACCOUNT dboaccount ;

   public fT002114(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T002114" ;
      supplierName = "fT002114" ;
      SQL = "SELECT /*+ FIRST_ROWS */ AccId, AccName, AccOpen, AccLimit, AccOwner, AccCity, RegId  FROM ACCOUNT WHERE (AccId >= ?) ORDER BY AccId  " ;
   }

   public DatabaseClass getDBO()
   {
      return dboaccount ;
   }

   public void newDBO()
   {
      dboaccount = new dbcACCOUNT ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      // Warning 002: cannot get attribute 1
      dboaccount.setAccname(rslt.getString(2, 30));
      dboaccount.setAccopen(rslt.getQNDate(3));
      dboaccount.setAcclimit(rslt.getInt(4));
      dboaccount.setAccowner(rslt.getString(5, 20));
      dboaccount.setAcccity(rslt.getString(6, 20));
      dboaccount.setRegid(rslt.getInt(7));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcACCOUNT dboaccount, int P1)
   {
      this.dboaccount = dboaccount ;
      dboaccount.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT002114" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fT002115 extends QNDBForwardSupplier
{
   private dbcACCOUNT dboaccount ;

   public fT002115(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T002115" ;
      supplierName = "fT002115" ;
      SQL = "SELECT /*+ FIRST_ROWS */ AccId, AccName, AccOpen, AccLimit, AccOwner, AccCity, RegId  FROM ACCOUNT WHERE (AccId <= ?) ORDER BY AccId DESC  " ;
   }

   public DatabaseClass getDBO()
   {
      return dboaccount ;
   }

   public void newDBO()
   {
      dboaccount = new dbcACCOUNT ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      // Warning 002: cannot get attribute 1
      dboaccount.setAccname(rslt.getString(2, 30));
      dboaccount.setAccopen(rslt.getQNDate(3));
      dboaccount.setAcclimit(rslt.getInt(4));
      dboaccount.setAccowner(rslt.getString(5, 20));
      dboaccount.setAcccity(rslt.getString(6, 20));
      dboaccount.setRegid(rslt.getInt(7));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcACCOUNT dboaccount, int P1)
   {
      this.dboaccount = dboaccount ;
      dboaccount.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT002115" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

