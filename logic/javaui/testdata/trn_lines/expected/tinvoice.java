/*
               File: tinvoice
        Description: Invoices
             Author: Quenora Java Generator version 619
       Generated on: <when>
       Program type: Callable routine
         Connection: Explicit (dbms)
        Target DBMS: qedbase
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
public final class tinvoice extends QNTransaction
{
   public tinvoice(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( tinvoice.class ), "" );
   }

   public tinvoice(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context, "" );
   }

   protected void init_no_key071( )
   {
      Ainvdate = QNutil.nullDate() ;
      Acustid = 0 ;
   }

   protected void init_all071( )
   {
      Ainvid = 0 ;
      init_no_key071( ) ;
   }

   protected void after_trn071( )
   {
      if ( ( trnEnded == 1 ) )
      {
         trnEnded = 0 ;
         if (!cleanedUp) {
            sanomod( ) ;
            if ( ( QNutil.strcmp(Mode, "INS") == 0 ) )
            {
               /* Clear variables for new insertion. */
               init_all071( ) ;
            }
         }
      }
   }

   protected void sa_startup071( )
   {
      sa_startup_srv071( ) ;
      set_caption( ) ;
      PreviousCaption = btt8.getCaption() ;
      PreviousTooltip = btt8.getTooltip() ;
   }

   protected void sa_startup_srv071( )
   {
      if ( ( AnyError == 0 ) )
      {
         sanomod( ) ;
      }
      sCallerURL = CGI_Referer ;
      geteq_nomod( ) ;
      samod_071( ) ;
   }

   protected void clear( )
   {
      init_no_key071( ) ;
      subLines.startLoad();
      subt0100007 = new subT0100007 ();
      scanstart_072( ) ;
      while ( ( RcdFound != 0 ) )
      {
         geteq_072( ) ;
         add_row_072( ) ;
         scannext_072( ) ;
      }
      scanend_072( ) ;
      subLines.endLoad();
   }

   protected void init_no_key072( )
   {
      Aprodid = 0 ;
      Aqty = 0 ;
   }

   protected void init_all072( )
   {
      Ainvid = 0 ;
      Alineno = 0 ;
      init_no_key072( ) ;
   }

   protected void reset_caption_071( )
   {
      btt8.setCaption(PreviousCaption);
      btt8.setTooltip(PreviousTooltip);
      IsConfirmed = 0 ;
   }

   protected void set_caption( )
   {
      if ( ( IsConfirmed == 1 ) )
      {
         msgStatus( localUtil.getMessages().getMessage("mustconfirm") );
         btt8.setCaption( localUtil.getMessages().getMessage("captionconfirm") );
         btt8.setTooltip( localUtil.getMessages().getMessage("captionconfirm") );
      }
      else if ( ( QNutil.strcmp(Mode, "INS") == 0 ) )
      {
         btt8.setCaption( localUtil.getMessages().getMessage("captionadd") );
         btt8.setTooltip( localUtil.getMessages().getMessage("captionadd") );
      }
      else if ( ( QNutil.strcmp(Mode, "UPD") == 0 ) )
      {
         btt8.setCaption( localUtil.getMessages().getMessage("captionupdate") );
         btt8.setTooltip( localUtil.getMessages().getMessage("captionupdate") );
      }
      else if ( ( QNutil.strcmp(Mode, "DLT") == 0 ) )
      {
         btt8.setCaption( localUtil.getMessages().getMessage("captiondelete") );
         btt8.setTooltip( localUtil.getMessages().getMessage("captiondelete") );
      }
   }

   protected void zm071( int QN_JID )
   {
      if ( ( QN_JID == 1 ) || ( QN_JID == 0 ) )
      {
         if ( ( QNutil.strcmp(Mode, "INS") != 0 ) )
         {
            Zinvid = dboinvoice.getInvid() ;
            Zinvdate = dboinvoice.getInvdate() ;
            Zcustid = dboinvoice.getCustid() ;
         }
         else
         {
            Zinvid = Ainvid ;
            Zinvdate = Ainvdate ;
            Zcustid = Acustid ;
         }
      }
   }

   protected void zm072( int QN_JID )
   {
      if ( ( QN_JID == 2 ) || ( QN_JID == 0 ) )
      {
         if ( ( QNutil.strcmp(Mode, "INS") != 0 ) )
         {
            Zinvid = dboinvline.getInvid() ;
            Zlineno = dboinvline.getLineno() ;
            Zprodid = dboinvline.getProdid() ;
            Zqty = dboinvline.getQty() ;
         }
         else
         {
            Zinvid = Ainvid ;
            Zlineno = Alineno ;
            Zprodid = Aprodid ;
            Zqty = Aqty ;
         }
      }
   }

   protected void sanomod( )
   {
   }

   protected void samod_071( )
   {
   }

   protected void ld071( )
   {
   }

   protected void checket_071( )
   {
      samod_071( ) ;
   }

   protected void getkey_071( )
   {
      T00072.fetchFirst(dboinvoice, Ainvid);
      if (!T00072.eof())
      {
         RcdFound = (short)(1) ;
      }
      else
      {
         RcdFound = 0 ;
      }
      T00072.close() ;
   }

   protected void geteq( )
   {
      T00073.fetchFirst(dboinvoice, Ainvid);
      zm071( 1) ;
      if (!T00073.eof())
      {
         Ainvid = dboinvoice.getInvid();
         Ainvdate = dboinvoice.getInvdate();
         Acustid = dboinvoice.getCustid();
         RcdFound = (short)(1) ;
         Zinvid = Ainvid ;
         sMode1 = Mode ;
         Mode = "DSP" ;
         samod_071( ) ;
         ld071( ) ;
         Mode = sMode1 ;
      }
      else
      {
         init_no_key071( ) ;
         RcdFound = 0 ;
      }
      T00073.close() ;
      subLines.startLoad();
      subt0100007 = new subT0100007 ();
      scanstart_072( ) ;
      while ( ( RcdFound != 0 ) )
      {
         geteq_072( ) ;
         add_row_072( ) ;
         scannext_072( ) ;
      }
      scanend_072( ) ;
      subLines.endLoad();
   }

   protected void geteq_nomod( )
   {
      getkey_071( ) ;
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

   protected void chkps_071( )
   {
   }

   protected void insert_071( )
   {
      checket_071( ) ;
      if ( ( AnyError == 0 ) )
      {
         chkps_071( ) ;
         if ( ( AnyError == 0 ) )
         {
            after_confirm_071( ) ;
            if ( ( AnyError == 0 ) )
            {
               T00074.executeUpd(Ainvid, Ainvdate, Acustid) ;
               if ( ( AnyError == 0 ) )
               {
                  /* Start of After( Insert) rules */
                  /* End of After( Insert) rules */
                  if ( ( AnyError == 0 ) )
                  {
                     nlevel_071( ) ;
                     geteq( ) ;
                     msgStatus( localUtil.getMessages().getMessage("sucadded") );
                     reset_caption_071( ) ;
                     subLines.startLoad();
                     subt0100007 = new subT0100007 ();
                     scanstart_072( ) ;
                     while ( ( RcdFound != 0 ) )
                     {
                        geteq_072( ) ;
                        add_row_072( ) ;
                        scannext_072( ) ;
                     }
                     scanend_072( ) ;
                     subLines.endLoad();
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
            ld071( ) ;
         }
         endlvl_071( ) ;
      }
   }

   protected void update_071( )
   {
      checket_071( ) ;
      if ( ( AnyError == 0 ) )
      {
         chkps_071( ) ;
         if ( ( AnyError == 0 ) )
         {
            after_confirm_071( ) ;
            if ( ( AnyError == 0 ) )
            {
               if ( ( QNutil.strcmp(Mode, "INS") != 0 ) )
               {
                  T00075.fetchFirst(dboinvoice, Ainvid);
                  Qn_longc = false ;
                  if (T00075.eof() || dboinvoice.getInvid() != Zinvid || QNutil.datecmp(dboinvoice.getInvdate(), Zinvdate) != 0 || dboinvoice.getCustid() != Zcustid)
                  {
                     arguments = new Object[ 1 ];
                     arguments[ 0 ] = "INVOICE" ;
                     QNutil.msg( me(),  localUtil.getMessages().getMessage("waschg", arguments) );
                     AnyError = (short)(1) ;
                  }
                  T00075.close() ;
               }
               if ( ( AnyError == 0 ) )
               {
                  T00076.executeUpd(Ainvdate, Acustid, Ainvid) ;
                  if ( ( AnyError == 0 ) )
                  {
                     /* Start of After( update) rules */
                     /* End of After( update) rules */
                     if ( ( AnyError == 0 ) )
                     {
                        nlevel_071( ) ;
                        geteq( ) ;
                        msgStatus( localUtil.getMessages().getMessage("sucupdated") );
                        reset_caption_071( ) ;
                        subLines.startLoad();
                        subt0100007 = new subT0100007 ();
                        scanstart_072( ) ;
                        while ( ( RcdFound != 0 ) )
                        {
                           geteq_072( ) ;
                           add_row_072( ) ;
                           scannext_072( ) ;
                        }
                        scanend_072( ) ;
                        subLines.endLoad();
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
         endlvl_071( ) ;
      }
   }

   protected void delete( )
   {
      Mode = "DLT" ;
      /* Delete mode formulas */
      if ( ( AnyError == 0 ) )
      {
         chkps_071( ) ;
         after_confirm_071( ) ;
         scanstart_072( ) ;
         while ( ( RcdFound != 0 ) )
         {
            delete_072( ) ;
            scannext_072( ) ;
         }
         scanend_072( ) ;
         if ( ( AnyError == 0 ) )
         {
            T00077.executeUpd(Ainvid) ;
            if ( ( AnyError == 0 ) )
            {
               /* Start of After( delete) rules */
               /* End of After( delete) rules */
               init_all071( ) ;
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
         endlvl_071( ) ;
      }
   }

   protected void nlevel_071( )
   {
      /* Save parent mode. */
      sMode1 = Mode ;
      nQNsfl_1_idx = 0;
      while (nQNsfl_1_idx < subLines.Count) {
         read_row_072( ) ;
         if (subt0100007.isChanged() == 1 || subt0100007.isDeleted() == 1) {
            sanomod_072( ) ;
            getkey_072( ) ;
            if (subt0100007.isLoaded() == 0 && subt0100007.isDeleted() == 0) {
               if ( ( RcdFound == 0 ) )
               {
                  Mode = "INS" ;
                  insert_072( ) ;
               }
               else
               {
                  QNutil.msg( me(),  localUtil.getMessages().getMessage("noupdate") );
                  AnyError = (short)(1) ;
               }
            }
            else {
               if ( ( RcdFound != 0 ) )
               {
                  if (subt0100007.isDeleted() == 1) {
                     Mode = "DLT" ;
                     delete_072( ) ;
                  }
                  else {
                     Mode = "UPD" ;
                     update_072( ) ;
                  }
               }
               else
               {
                  if (subt0100007.isDeleted() == 0) {
                     QNutil.msg( me(),  localUtil.getMessages().getMessage("recdeleted") );
                     AnyError = (short)(1) ;
                  }
               }
            }
         }
      }
      /* Start of After( level) rules */
      /* End of After( level) rules */
      /* Restore parent mode. */
      Mode = sMode1 ;
   }

   protected void updtn1_071( )
   {
   }

   protected void endlvl_071( )
   {
      if ( ( AnyError == 0 ) )
      {
         /* After transaction rules */
         /* Execute 'After Trn' event if defined. */
         trnEnded = 1 ;
         Application.commit(context, remoteHandle, "DEFAULT");
      }
      else
      {
         Application.rollback(context, remoteHandle, "DEFAULT");
      }
   }

   protected void scanstart_071( )
   {
      T00078.fetchFirst(dboinvoice);
      RcdFound = 0 ;
      if (!T00078.eof())
      {
         RcdFound = (short)(1) ;
         Ainvid = dboinvoice.getInvid();
         Ainvdate = dboinvoice.getInvdate();
         Acustid = dboinvoice.getCustid();
      }
   }

   protected void scannext_071( )
   {
      T00078.readNext();
      RcdFound = 0 ;
      if (!T00078.eof())
      {
         RcdFound = (short)(1) ;
         Ainvid = dboinvoice.getInvid();
         Ainvdate = dboinvoice.getInvdate();
         Acustid = dboinvoice.getCustid();
      }
   }

   protected void scanend_071( )
   {
      T00078.close() ;
   }

   protected void after_confirm_071( )
   {
      /* After confirm rules */
   }

   protected void sanomod_072( )
   {
   }

   protected void samod_072( )
   {
   }

   protected void ld072( )
   {
   }

   protected void checket_072( )
   {
      samod_072( ) ;
   }

   protected void getkey_072( )
   {
      T00079.fetchFirst(dboinvline, Ainvid, Alineno);
      if (!T00079.eof())
      {
         RcdFound = (short)(1) ;
      }
      else
      {
         RcdFound = 0 ;
      }
      T00079.close() ;
   }

   protected void geteq_072( )
   {
      T000710.fetchFirst(dboinvline, Ainvid, Alineno);
      zm072( 2) ;
      if (!T000710.eof())
      {
         init_no_key072( ) ;
         Ainvid = dboinvline.getInvid();
         Alineno = dboinvline.getLineno();
         Aprodid = dboinvline.getProdid();
         Aqty = dboinvline.getQty();
         RcdFound = (short)(1) ;
         Zinvid = Ainvid ;
         Zlineno = Alineno ;
         sMode2 = Mode ;
         Mode = "DSP" ;
         samod_072( ) ;
         ld072( ) ;
         Mode = sMode2 ;
      }
      else
      {
         init_no_key072( ) ;
         RcdFound = 0 ;
      }
      T000710.close() ;
   }

   protected void chkps_072( )
   {
   }

   protected void insert_072( )
   {
      checket_072( ) ;
      if ( ( AnyError == 0 ) )
      {
         chkps_072( ) ;
         if ( ( AnyError == 0 ) )
         {
            after_confirm_072( ) ;
            if ( ( AnyError == 0 ) )
            {
               T000711.executeUpd(Ainvid, Alineno, Aprodid, Aqty) ;
               if ( ( AnyError == 0 ) )
               {
                  /* Start of After( Insert) rules */
                  /* End of After( Insert) rules */
                  if ( ( AnyError == 0 ) )
                  {
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
            ld072( ) ;
         }
         endlvl_072( ) ;
      }
   }

   protected void update_072( )
   {
      checket_072( ) ;
      if ( ( AnyError == 0 ) )
      {
         chkps_072( ) ;
         if ( ( AnyError == 0 ) )
         {
            after_confirm_072( ) ;
            if ( ( AnyError == 0 ) )
            {
               if ( ( QNutil.strcmp(Mode, "INS") != 0 ) )
               {
                  T000712.fetchFirst(dboinvline, Ainvid, Alineno);
                  Qn_longc = false ;
                  if (T000712.eof() || dboinvline.getInvid() != Zinvid || dboinvline.getLineno() != Zlineno || dboinvline.getProdid() != Zprodid || dboinvline.getQty() != Zqty)
                  {
                     arguments = new Object[ 1 ];
                     arguments[ 0 ] = "INVLINE" ;
                     QNutil.msg( me(),  localUtil.getMessages().getMessage("waschg", arguments) );
                     AnyError = (short)(1) ;
                  }
                  T000712.close() ;
               }
               if ( ( AnyError == 0 ) )
               {
                  T000713.executeUpd(Aprodid, Aqty, Ainvid, Alineno) ;
                  if ( ( AnyError == 0 ) )
                  {
                     /* Start of After( update) rules */
                     /* End of After( update) rules */
                     if ( ( AnyError == 0 ) )
                     {
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
         endlvl_072( ) ;
      }
   }

   protected void delete_072( )
   {
      Mode = "DLT" ;
      /* Delete mode formulas */
      if ( ( AnyError == 0 ) )
      {
         chkps_072( ) ;
         after_confirm_072( ) ;
         if ( ( AnyError == 0 ) )
         {
            T000714.executeUpd(Ainvid, Alineno) ;
            if ( ( AnyError == 0 ) )
            {
               /* Start of After( delete) rules */
               /* End of After( delete) rules */
            }
            else
            {
               QNutil.msg( me(),  localUtil.getMessages().getMessage("unexp") );
               AnyError = (short)(1) ;
            }
         }
         endlvl_072( ) ;
      }
   }

   protected void updtn1_072( )
   {
   }

   protected void endlvl_072( )
   {
   }

   protected void scanstart_072( )
   {
      T000715.fetchFirst(dboinvline, Ainvid);
      RcdFound = 0 ;
      if (!T000715.eof())
      {
         RcdFound = (short)(1) ;
         Ainvid = dboinvline.getInvid();
         Alineno = dboinvline.getLineno();
         Aprodid = dboinvline.getProdid();
         Aqty = dboinvline.getQty();
      }
   }

   protected void scannext_072( )
   {
      T000715.readNext();
      RcdFound = 0 ;
      if (!T000715.eof())
      {
         RcdFound = (short)(1) ;
         Ainvid = dboinvline.getInvid();
         Alineno = dboinvline.getLineno();
         Aprodid = dboinvline.getProdid();
         Aqty = dboinvline.getQty();
      }
   }

   protected void scanend_072( )
   {
      T000715.close() ;
   }

   protected void after_confirm_072( )
   {
      /* After confirm rules */
   }

   protected void read_row_072( )
   {
      subt0100007 = ( subT0100007 ) subLines.getElementAt(nQNsfl_1_idx) ;
      subfileToVariables01();
      nQNsfl_1_idx = nQNsfl_1_idx + 1 ;
   }

   protected void add_row_072( )
   {
      loadToBuffer01();
   }

   /* Client side code */
   protected String getFrmTitle() {
      return "Invoices" ;
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
      return 480 ;
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
      QNPanel1 = new QNPanel(this, 0 , 0 , 480 , 300 );
      this.setIBackground(UIFactory.getColor(255, 255, 255));
      this.setIForeground(UIFactory.getColor(0, 0, 0));
      QNPanel1.refreshFrame();
      edtinvid = new GUIObjectInt ( new QNEdit(8, "ZZZZZZZ9", UIFactory.getFont( "MS Sans Serif", 0, 8),120, 10, 80, 20, QNPanel1, false, ILabel.BORDER_NONE, QNTypeConstants.NUMERIC, false) , QNPanel1 , 120 , 10 , 80 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "Ainvid" );
      ((QNEdit) edtinvid.getQNComponent()).setAlignment(ILabel.LEFT);
      edtinvid.addFocusListener(this);
      edtinvdate = new GUIObjectDate ( new QNEdit(8, "99/99/99", UIFactory.getFont( "MS Sans Serif", 0, 8),120, 40, 80, 20, QNPanel1, false, ILabel.BORDER_NONE, QNTypeConstants.DATE, false) , QNPanel1 , 120 , 40 , 80 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "Ainvdate" );
      ((QNEdit) edtinvdate.getQNComponent()).setAlignment(ILabel.LEFT);
      edtinvdate.addFocusListener(this);
      edtcustid = new GUIObjectInt ( new QNEdit(6, "ZZZZZ9", UIFactory.getFont( "MS Sans Serif", 0, 8),120, 70, 60, 20, QNPanel1, false, ILabel.BORDER_NONE, QNTypeConstants.NUMERIC, false) , QNPanel1 , 120 , 70 , 60 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "Acustid" );
      ((QNEdit) edtcustid.getQNComponent()).setAlignment(ILabel.LEFT);
      edtcustid.addFocusListener(this);
      btt_QNGet_ = UIFactory.getQNButton(QNPanel1 , "get.bmp" , 203 , 10 , 16 , 20 );
      btt_QNGet_.setTooltip("_QNGet_");
      btt_QNGet_.addActionListener(this);
      btt9 = UIFactory.getQNButton(QNPanel1 , "Cancel" , 90 , 260 , 70 , 25 , UIFactory.getFont( "MS Sans Serif", 0, 8) );
      btt9.setTooltip("Cancel");
      btt9.addActionListener(this);
      btt8 = UIFactory.getQNButton(QNPanel1 , "Enter" , 10 , 260 , 70 , 25 , UIFactory.getFont( "MS Sans Serif", 0, 8) );
      btt8.setTooltip("Enter");
      btt8.addActionListener(this);
      addSubfile ( subLines = new QNSubfileTRN ( new tinvoice_flow01() , new QNColumnDefinition[] {
         new QNColumnDefinition( new GUIObjectShort ( new QNEdit(3, "ZZ9", UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8),0, 0, 50, 121, null, false, ILabel.BORDER_NONE, QNTypeConstants.NUMERIC, false) , null, 0 , 0 , 50 , 121 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8) , true , "Alineno" ), "LineNo" , UIFactory.getColor(0, 0, 0) , UIFactory.getColor(0, 0, 0) , 50 , UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8) , true ),
         new QNColumnDefinition( new GUIObjectInt ( new QNEdit(6, "ZZZZZ9", UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8),0, 0, 80, 121, null, false, ILabel.BORDER_NONE, QNTypeConstants.NUMERIC, false) , null, 0 , 0 , 80 , 121 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8) , true , "Aprodid" ), "ProdId" , UIFactory.getColor(0, 0, 0) , UIFactory.getColor(0, 0, 0) , 80 , UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8) , true ),
         new QNColumnDefinition( new GUIObjectInt ( new QNEdit(5, "ZZZZ9", UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8),0, 0, 60, 121, null, false, ILabel.BORDER_NONE, QNTypeConstants.NUMERIC, false) , null, 0 , 0 , 60 , 121 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8) , true , "Aqty" ), "Qty" , UIFactory.getColor(0, 0, 0) , UIFactory.getColor(0, 0, 0) , 60 , UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8) , true )
      }, 1 , 20 , QNPanel1 , 10 , 100 , 460 , 140 , 121 ));
      subLines.addActionListener(this);
      subLines.addFocusListener(this);
      focusManager.setControlList(new IFocusableControl[] {
                edtinvid,
                edtinvdate,
                edtcustid,
                subLines,
                btt_QNGet_,
                btt8,
                btt9
      });
   }
   protected void setFocusFirst() {
      setFocus(subLines);
   }
   public void setConditionalColor(boolean all, Object control) {
   }
   public void loadToBuffer01( )
   {
      variablesToSubfile01();
      subLines.addElement(subt0100007);
      subt0100007 = new subT0100007 ();
   }

   public final class tinvoice_flow01 implements QNSubfileFlow
   {
      public boolean isLoadAtStartup() {
         return true;
      }
      public void autoRefresh(QNSubfile subfile, boolean loadedFirstTime) {}
      public void resetSubfileConditions() {
      }
      public void refreshScreen() {
         VariablesToControls();
      }
      public QNSubfileElement getNewSubfileElement() {
         return new subT0100007 ();
      }
      public boolean getSearch(QNSubfileElement subfileElement) {
         return true;
      }
      public void setConditionalColor(GUIObject comp, QNSubfileElement element) {

      }
      public boolean getNoaccept(int col, QNSubfileElement element, boolean enabled) {
         String Qn_mode = element.getMode();
         return !enabled;
      }
   }
   protected boolean hasStatusBar() {
      return true;
   }
   public void refreshArray(String array) {
   }
   protected void QNStart() {
      sa_startup071( ) ;
   }
   protected void actionEventDispatch(Object eventSource) {
      AnyError = 0;
      if (btt9.isEventSource(eventSource)) {
         cleanup();
         return;
      }
      if (btt8.isEventSource(eventSource)) {
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
      if (subLines.isEventSource(eventSource)) {
         btn_enter( ) ;
         if (!cleanedUp) {
            VariablesToControls();
            set_caption( );
         }
         return;
      }
   }
   protected void setCurrentQNCursor(Object eventSource) {
      if (edtinvid.isEventSource(eventSource)) {
         setQNCursor(edtinvid.getQNCursor());
         return;
      }
      if (edtinvdate.isEventSource(eventSource)) {
         setQNCursor(edtinvdate.getQNCursor());
         return;
      }
      if (edtcustid.isEventSource(eventSource)) {
         setQNCursor(edtcustid.getQNCursor());
         return;
      }
   }
   protected void gotFocusEventDispatch(Object eventSource) {
   }
   protected void focusEventDispatch(Object eventSource) {
   }
   protected void updateAttributes(Object eventSource) {
      if (edtinvid.isEventSource(eventSource)) {
         Ainvid = edtinvid.getValue() ;
         return;
      }
      if (edtinvdate.isEventSource(eventSource)) {
         Ainvdate = edtinvdate.getValue() ;
         return;
      }
      if (edtcustid.isEventSource(eventSource)) {
         Acustid = edtcustid.getValue() ;
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
      if ((edtinvid.isEventSource(eventSource)) && !((Ainvid==edtinvid.getValue()))) {
         return true;
      }
      return false;
   }
   public boolean isBodyControl(Object eventSource) {
      if ((edtinvdate.isEventSource(eventSource)) && !(Ainvdate.equals(edtinvdate.getValue()))) {
         return true;
      }
      if ((edtcustid.isEventSource(eventSource)) && !((Acustid==edtcustid.getValue()))) {
         return true;
      }
      return false;
   }
   protected void resetCaption() {
      reset_caption_071( ) ;
   }
   protected void setAddCaption() {
      btt8.setCaption( localUtil.getMessages().getMessage("captionadd") );
      btt8.setTooltip( localUtil.getMessages().getMessage("captionadd") );
   }
   public IQNButton getCancelButton() {
      return btt9 ;
   }
   public IQNButton getConfirmButton() {
      return btt8 ;
   }
   protected void keyPromptHandler(Object eventSource) {
   }
   public void setNoAccept(Object eventSource) {
      if ( edtinvid.isEventSource(eventSource) )
      {
         edtinvid.setEnabled(!(( QNutil.strcmp(Mode, "DLT") == 0 ) || ( QNutil.strcmp(Mode, "UPD") == 0 )));
      }
   }
   protected void variablesToSubfile01() {
      subt0100007.setLineNo(Alineno);
      subt0100007.setProdId(Aprodid);
      subt0100007.setQty(Aqty);
      subt0100007.setZLineNo(Zlineno);
      subt0100007.setZProdId(Zprodid);
      subt0100007.setZQty(Zqty);
   }
   protected void subfileToVariables01() {
      Alineno = subt0100007.getLineNo();
      Aprodid = subt0100007.getProdId();
      Aqty = subt0100007.getQty();
      Zlineno = subt0100007.getZLineNo();
      Zprodid = subt0100007.getZProdId();
      Zqty = subt0100007.getZQty();
   }
   protected void VariablesToControls() {
      edtinvid.setValue( Ainvid );
      edtinvdate.setValue( Ainvdate );
      edtcustid.setValue( Acustid );
   }
   protected void ControlsToVariables() {
      Ainvid = edtinvid.getValue() ;
      Ainvdate = edtinvdate.getValue() ;
      Acustid = edtcustid.getValue() ;
   }
   protected void eventNoLevelContext() {
      ControlsToVariables();
   }
   protected void eventLevelContext() {
      ControlsToVariables();
      if ( subLines.inValidElement() )
      {
         subt0100007 = ( subT0100007 ) subLines.getCurrentElement() ;
         subfileToVariables01();
      }
   }
   protected void eventLevelResetContext() {
      variablesToSubfile01();
      subLines.refreshLineValue(subt0100007);
   }
   /* Server side code */
   /* Aggregate/select formulas */
   /* Vertical formulas */
   protected void btn_enter( )
   {
      nKeyPressed = (byte)(1) ;
      getkey_071( ) ;
      if ( ( RcdFound == 1 ) )
      {
         if ( ( QNutil.strcmp(Mode, "INS") == 0 ) )
         {
            QNutil.msg( me(),  localUtil.getMessages().getMessage("noupdate") );
            AnyError = (short)(1) ;
         }
         else if ( ( Ainvid != Zinvid ) )
         {
            Ainvid = Zinvid ;
            QNutil.msg( me(),  localUtil.getMessages().getMessage("getbeforeupd") );
            AnyError = (short)(1) ;
         }
         else
         {
            Mode = "UPD" ;
            if ( ( IsConfirmed == 1 ) )
            {
               /* Update record */
               update_071( ) ;
               setNextFocus(edtinvid);
            }
            else
            {
               /* Confirm record */
               confirm_071( ) ;
               setNextFocus(btt8);
            }
         }
      }
      else
      {
         if ( ( Ainvid != Zinvid ) )
         {
            Mode = "INS" ;
            if ( ( IsConfirmed == 1 ) )
            {
               /* Insert record */
               insert_071( ) ;
               setNextFocus(edtinvid);
            }
            else
            {
               /* Confirm record */
               confirm_071( ) ;
               setNextFocus(btt8);
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
                  insert_071( ) ;
                  setNextFocus(edtinvid);
               }
               else
               {
                  /* Confirm record */
                  confirm_071( ) ;
                  setNextFocus(btt8);
               }
            }
         }
      }
      after_trn071( ) ;
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
         setNextFocus(edtinvid);
      }
      after_trn071( ) ;
   }

   protected void confirm_071( )
   {
      checket_071( ) ;
      if ( ( AnyError == 0 ) )
      {
         sMode1 = Mode ;
         nQNsfl_1_idx = 0;
         while (nQNsfl_1_idx < subLines.Count) {
            read_row_072( ) ;
            if (subt0100007.isChanged() == 1 || subt0100007.isDeleted() == 1) {
               sanomod_072( ) ;
               getkey_072( ) ;
               if (subt0100007.isLoaded() == 0 && subt0100007.isDeleted() == 0) {
                  if ( ( RcdFound == 0 ) )
                  {
                     Mode = "INS" ;
                     checket_072( ) ;
                  }
                  else
                  {
                     QNutil.msg( me(),  localUtil.getMessages().getMessage("noupdate") );
                     AnyError = (short)(1) ;
                  }
               }
               else {
                  if ( ( RcdFound != 0 ) )
                  {
                     if (subt0100007.isDeleted() == 1) {
                        Mode = "DLT" ;
                        checket_072( ) ;
                     }
                     else {
                        Mode = "UPD" ;
                        checket_072( ) ;
                     }
                  }
                  else
                  {
                     if (subt0100007.isDeleted() == 0) {
                        QNutil.msg( me(),  localUtil.getMessages().getMessage("recdeleted") );
                        AnyError = (short)(1) ;
                     }
                  }
               }
            }
         }
         /* Start of After( level) rules */
         /* End of After( level) rules */
         Mode = sMode1 ;
         PreviousCaption = btt8.getCaption() ;
         PreviousTooltip = btt8.getTooltip() ;
         IsConfirmed = (short)(1) ;
      }
   }

   protected void move_next( )
   {
      T000716.fetchFirst(dboinvoice, Ainvid);
      while (!T000716.eof() && dboinvoice.getInvid() == Ainvid)
      {
         T000716.readNext();
      }
      RcdFound = 0 ;
      if (!T000716.eof())
      {
         Ainvid = dboinvoice.getInvid();
         Ainvdate = dboinvoice.getInvdate();
         Acustid = dboinvoice.getCustid();
         RcdFound = (short)(1) ;
      }
      T000716.close() ;
   }

   protected void move_previous( )
   {
      T000717.fetchFirst(dboinvoice, Ainvid);
      while (!T000717.eof() && dboinvoice.getInvid() == Ainvid)
      {
         T000717.readNext();
      }
      RcdFound = 0 ;
      if (!T000717.eof())
      {
         Ainvid = dboinvoice.getInvid();
         Ainvdate = dboinvoice.getInvdate();
         Acustid = dboinvoice.getCustid();
         RcdFound = (short)(1) ;
      }
      T000717.close() ;
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
      sMode2 = "" ;
      nDelCount2 = 0 ;
      nBlankRcdCount2 = 0 ;
      Zinvid = 0 ;
      Zinvdate = QNutil.nullDate() ;
      Zcustid = 0 ;
      Zlineno = 0 ;
      Zprodid = 0 ;
      Zqty = 0 ;
      Ainvdate = QNutil.nullDate() ;
      Acustid = 0 ;
      Ainvid = 0 ;
      CGI_Referer = "" ;
      Aprodid = 0 ;
      Aqty = 0 ;
      Alineno = 0 ;
      Alineno = 0 ;
      Qn_longc = false ;
      QN_JID = 0 ;
      dboinvoice = new dbcINVOICE(context, remoteHandle, false) ;
      T00072 = new fT00072(context, remoteHandle) ;
      T00073 = new fT00073(context, remoteHandle) ;
      T00074 = new dT00074(context, remoteHandle) ;
      T00075 = new fT00075(context, remoteHandle) ;
      T00076 = new dT00076(context, remoteHandle) ;
      T00077 = new dT00077(context, remoteHandle) ;
      nQNsfl_1_idx = 0 ;
      T00078 = new fT00078(context, remoteHandle) ;
      dboinvline = new dbcINVLINE(context, remoteHandle, false) ;
      T00079 = new fT00079(context, remoteHandle) ;
      T000710 = new fT000710(context, remoteHandle) ;
      T000711 = new dT000711(context, remoteHandle) ;
      T000712 = new fT000712(context, remoteHandle) ;
      T000713 = new dT000713(context, remoteHandle) ;
      T000714 = new dT000714(context, remoteHandle) ;
      T000715 = new fT000715(context, remoteHandle) ;
      subt0100007 = new subT0100007();
      T000716 = new fT000716(context, remoteHandle) ;
      T000717 = new fT000717(context, remoteHandle) ;
   }

   protected byte nKeyPressed ;
   protected byte nUserReturn ;
   protected byte nDelCount2 ;
   protected short IsConfirmed ;
   protected short RcdFound ;
   protected short nBlankRcdCount2 ;
   protected short Zlineno ;
   protected short Alineno ;
   protected short lineno ;
   protected int trnEnded ;
   protected int Zinvid ;
   protected int Zcustid ;
   protected int Zprodid ;
   protected int Zqty ;
   protected int Acustid ;
   protected int Ainvid ;
   protected int Aprodid ;
   protected int Aqty ;
   protected int QN_JID ;
   protected int nQNsfl_1_idx ;
   protected String Mode ;
   protected String sCallerURL ;
   protected String PreviousTooltip ;
   protected String PreviousCaption ;
   protected String sMode1 ;
   protected String sMode2 ;
   protected String CGI_Referer ;
   protected java.util.Date Zinvdate ;
   protected java.util.Date Ainvdate ;
   protected boolean Qn_longc ;
   protected dbcINVOICE dboinvoice ;
   protected fT00072 T00072 ;
   protected fT00073 T00073 ;
   protected dT00074 T00074 ;
   protected fT00075 T00075 ;
   protected Object[] arguments ;
   protected dT00076 T00076 ;
   protected dT00077 T00077 ;
   protected fT00078 T00078 ;
   protected dbcINVLINE dboinvline ;
   protected fT00079 T00079 ;
   protected fT000710 T000710 ;
   protected dT000711 T000711 ;
   protected fT000712 T000712 ;
   protected dT000713 T000713 ;
   protected dT000714 T000714 ;
   protected fT000715 T000715 ;
   protected QNPanel QNPanel1 ;
   public GUIObjectInt edtinvid ;
   public GUIObjectDate edtinvdate ;
   public GUIObjectInt edtcustid ;
   public IQNButton btt_QNGet_ ;
   public IQNButton btt9 ;
   public IQNButton btt8 ;
   public QNSubfileTRN subLines ;
   protected subT0100007 subt0100007 ;
   protected fT000716 T000716 ;
   protected fT000717 T000717 ;
}

final class fT00072 extends QNDBForwardSupplier
{
   private dbcINVOICE dboinvoice ;

   public fT00072(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T00072" ;
      supplierName = "fT00072" ;
      SQL = "SELECT InvId  FROM INVOICE (LOCKING=NONE) WHERE InvId = ?   FOR UPDATE OF InvId" ;
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
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcINVOICE dboinvoice, int P1)
   {
      this.dboinvoice = dboinvoice ;
      dboinvoice.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT00072" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fT00073 extends QNDBForwardSupplier
{
   private dbcINVOICE dboinvoice ;

   public fT00073(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T00073" ;
      supplierName = "fT00073" ;
      SQL = "SELECT InvId, InvDate, CustId  FROM INVOICE (LOCKING=NONE) WHERE InvId = ?   FOR UPDATE OF InvId" ;
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
      dboinvoice.setInvdate(rslt.getQNDate(2));
      dboinvoice.setCustid(rslt.getInt(3));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcINVOICE dboinvoice, int P1)
   {
      this.dboinvoice = dboinvoice ;
      dboinvoice.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT00073" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class dT00074 extends QNDBUpdateSupplier
{
   public dT00074(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      dataSourceName = dbcINVOICE.getDataSourceName();
      supplierName = "dT00074" ;
      cursorId = "T00074" ;
      SQL = "INSERT INTO INVOICE (InvId, InvDate, CustId) VALUES (?, ?, ?)" ;
   }

   public void executeUpd(int P1, java.util.Date P2, int P3)
   {
      try {
         prepare();
         setParameters( P1, P2, P3 );
         execute();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "dT00074" + ".executeUpd", e); }
   }

   public void setParameters(int P1, java.util.Date P2, int P3)
   {
      try {
         stmt.setInt(1, P1);
         stmt.setDate(2, P2);
         stmt.setInt(3, P3);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

   public void setParameters(byte[] parms)
   {
      qnu.reset(parms);
      try {
         stmt.setInt(1, qnu.readInt());
         stmt.setDate(2, qnu.readDate());
         stmt.setInt(3, qnu.readInt());
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fT00075 extends QNDBForwardSupplier
{
   private dbcINVOICE dboinvoice ;

   public fT00075(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T00075" ;
      supplierName = "fT00075" ;
      SQL = "SELECT InvId, InvDate, CustId  FROM INVOICE (LOCKING=RECORD) WHERE InvId = ?   FOR UPDATE OF InvId" ;
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
      dboinvoice.setInvdate(rslt.getQNDate(2));
      dboinvoice.setCustid(rslt.getInt(3));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcINVOICE dboinvoice, int P1)
   {
      this.dboinvoice = dboinvoice ;
      dboinvoice.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT00075" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class dT00076 extends QNDBUpdateSupplier
{
   public dT00076(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      dataSourceName = dbcINVOICE.getDataSourceName();
      supplierName = "dT00076" ;
      cursorId = "T00076" ;
      SQL = "UPDATE INVOICE SET InvDate = ?, CustId = ? WHERE InvId = ?" ;
   }

   public void executeUpd(java.util.Date P1, int P2, int P3)
   {
      try {
         prepare();
         setParameters( P1, P2, P3 );
         execute();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "dT00076" + ".executeUpd", e); }
   }

   public void setParameters(java.util.Date P1, int P2, int P3)
   {
      try {
         stmt.setDate(1, P1);
         stmt.setInt(2, P2);
         stmt.setInt(3, P3);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

   public void setParameters(byte[] parms)
   {
      qnu.reset(parms);
      try {
         stmt.setDate(1, qnu.readDate());
         stmt.setInt(2, qnu.readInt());
         stmt.setInt(3, qnu.readInt());
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class dT00077 extends QNDBUpdateSupplier
{
   public dT00077(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      dataSourceName = dbcINVOICE.getDataSourceName();
      supplierName = "dT00077" ;
      cursorId = "T00077" ;
      SQL = "DELETE FROM INVOICE WHERE InvId = ?" ;
   }

   public void executeUpd(int P1)
   {
      try {
         prepare();
         setParameters( P1 );
         execute();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "dT00077" + ".executeUpd", e); }
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

final class fT00078 extends QNDBForwardSupplier
{
   private dbcINVOICE dboinvoice ;

   public fT00078(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T00078" ;
      supplierName = "fT00078" ;
      SQL = "SELECT InvId, InvDate, CustId  FROM INVOICE (LOCKING=NONE)  ORDER BY InvId  " ;
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
      dboinvoice.setInvdate(rslt.getQNDate(2));
      dboinvoice.setCustid(rslt.getInt(3));
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
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT00078" + ".fetchFirst", e); }
   }

}

final class fT00079 extends QNDBForwardSupplier
{
   private dbcINVLINE dboinvline ;

   public fT00079(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T00079" ;
      supplierName = "fT00079" ;
      SQL = "SELECT InvId, LineNo  FROM INVLINE (LOCKING=NONE) WHERE InvId = ? AND LineNo = ?   FOR UPDATE OF InvId, LineNo" ;
   }

   public DatabaseClass getDBO()
   {
      return dboinvline ;
   }

   public void newDBO()
   {
      dboinvline = new dbcINVLINE ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      dboinvline.setInvid(rslt.getInt(1));
      dboinvline.setLineno(rslt.getShort(2));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcINVLINE dboinvline, int P1, short P2)
   {
      this.dboinvline = dboinvline ;
      dboinvline.unloadAll();
      try {
         prepare();
         setParameters( P1, P2 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT00079" + ".fetchFirst", e); }
   }

   public void setParameters(int P1, short P2)
   {
      try {
         stmt.setInt(1, P1);
         stmt.setShort(2, P2);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fT000710 extends QNDBForwardSupplier
{
   private dbcINVLINE dboinvline ;

   public fT000710(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T000710" ;
      supplierName = "fT000710" ;
      SQL = "SELECT InvId, LineNo, ProdId, Qty  FROM INVLINE (LOCKING=NONE) WHERE InvId = ? AND LineNo = ?   FOR UPDATE OF InvId, LineNo" ;
   }

   public DatabaseClass getDBO()
   {
      return dboinvline ;
   }

   public void newDBO()
   {
      dboinvline = new dbcINVLINE ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      dboinvline.setInvid(rslt.getInt(1));
      dboinvline.setLineno(rslt.getShort(2));
      dboinvline.setProdid(rslt.getInt(3));
      dboinvline.setQty(rslt.getInt(4));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcINVLINE dboinvline, int P1, short P2)
   {
      this.dboinvline = dboinvline ;
      dboinvline.unloadAll();
      try {
         prepare();
         setParameters( P1, P2 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT000710" + ".fetchFirst", e); }
   }

   public void setParameters(int P1, short P2)
   {
      try {
         stmt.setInt(1, P1);
         stmt.setShort(2, P2);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class dT000711 extends QNDBUpdateSupplier
{
   public dT000711(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      dataSourceName = dbcINVLINE.getDataSourceName();
      supplierName = "dT000711" ;
      cursorId = "T000711" ;
      SQL = "INSERT INTO INVLINE (InvId, LineNo, ProdId, Qty) VALUES (?, ?, ?, ?)" ;
   }

   public void executeUpd(int P1, short P2, int P3, int P4)
   {
      try {
         prepare();
         setParameters( P1, P2, P3, P4 );
         execute();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "dT000711" + ".executeUpd", e); }
   }

   public void setParameters(int P1, short P2, int P3, int P4)
   {
      try {
         stmt.setInt(1, P1);
         stmt.setShort(2, P2);
         stmt.setInt(3, P3);
         stmt.setInt(4, P4);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

   public void setParameters(byte[] parms)
   {
      qnu.reset(parms);
      try {
         stmt.setInt(1, qnu.readInt());
         stmt.setShort(2, qnu.readShort());
         stmt.setInt(3, qnu.readInt());
         stmt.setInt(4, qnu.readInt());
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fT000712 extends QNDBForwardSupplier
{
   private dbcINVLINE dboinvline ;

   public fT000712(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T000712" ;
      supplierName = "fT000712" ;
      SQL = "SELECT InvId, LineNo, ProdId, Qty  FROM INVLINE (LOCKING=RECORD) WHERE InvId = ? AND LineNo = ?   FOR UPDATE OF InvId, LineNo" ;
   }

   public DatabaseClass getDBO()
   {
      return dboinvline ;
   }

   public void newDBO()
   {
      dboinvline = new dbcINVLINE ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      dboinvline.setInvid(rslt.getInt(1));
      dboinvline.setLineno(rslt.getShort(2));
      dboinvline.setProdid(rslt.getInt(3));
      dboinvline.setQty(rslt.getInt(4));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcINVLINE dboinvline, int P1, short P2)
   {
      this.dboinvline = dboinvline ;
      dboinvline.unloadAll();
      try {
         prepare();
         setParameters( P1, P2 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT000712" + ".fetchFirst", e); }
   }

   public void setParameters(int P1, short P2)
   {
      try {
         stmt.setInt(1, P1);
         stmt.setShort(2, P2);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class dT000713 extends QNDBUpdateSupplier
{
   public dT000713(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      dataSourceName = dbcINVLINE.getDataSourceName();
      supplierName = "dT000713" ;
      cursorId = "T000713" ;
      SQL = "UPDATE INVLINE SET ProdId = ?, Qty = ? WHERE InvId = ? AND LineNo = ?" ;
   }

   public void executeUpd(int P1, int P2, int P3, short P4)
   {
      try {
         prepare();
         setParameters( P1, P2, P3, P4 );
         execute();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "dT000713" + ".executeUpd", e); }
   }

   public void setParameters(int P1, int P2, int P3, short P4)
   {
      try {
         stmt.setInt(1, P1);
         stmt.setInt(2, P2);
         stmt.setInt(3, P3);
         stmt.setShort(4, P4);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

   public void setParameters(byte[] parms)
   {
      qnu.reset(parms);
      try {
         stmt.setInt(1, qnu.readInt());
         stmt.setInt(2, qnu.readInt());
         stmt.setInt(3, qnu.readInt());
         stmt.setShort(4, qnu.readShort());
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class dT000714 extends QNDBUpdateSupplier
{
   public dT000714(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      dataSourceName = dbcINVLINE.getDataSourceName();
      supplierName = "dT000714" ;
      cursorId = "T000714" ;
      SQL = "DELETE FROM INVLINE WHERE InvId = ? AND LineNo = ?" ;
   }

   public void executeUpd(int P1, short P2)
   {
      try {
         prepare();
         setParameters( P1, P2 );
         execute();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "dT000714" + ".executeUpd", e); }
   }

   public void setParameters(int P1, short P2)
   {
      try {
         stmt.setInt(1, P1);
         stmt.setShort(2, P2);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

   public void setParameters(byte[] parms)
   {
      qnu.reset(parms);
      try {
         stmt.setInt(1, qnu.readInt());
         stmt.setShort(2, qnu.readShort());
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fT000715 extends QNDBForwardSupplier
{
   private dbcINVLINE dboinvline ;

   public fT000715(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T000715" ;
      supplierName = "fT000715" ;
      SQL = "SELECT InvId, LineNo, ProdId, Qty  FROM INVLINE (LOCKING=NONE) WHERE (InvId = ?) ORDER BY InvId, LineNo  " ;
   }

   public DatabaseClass getDBO()
   {
      return dboinvline ;
   }

   public void newDBO()
   {
      dboinvline = new dbcINVLINE ( context, remoteHandle , readOnly);
   }

   public void getFields(QNResultSet rslt) throws SQLException
   {
      dboinvline.setInvid(rslt.getInt(1));
      dboinvline.setLineno(rslt.getShort(2));
      dboinvline.setProdid(rslt.getInt(3));
      dboinvline.setQty(rslt.getInt(4));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcINVLINE dboinvline, int P1)
   {
      this.dboinvline = dboinvline ;
      dboinvline.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT000715" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fT000716 extends QNDBForwardSupplier
{
   private dbcINVOICE dboinvoice ;

   public fT000716(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T000716" ;
      supplierName = "fT000716" ;
      SQL = "SELECT InvId, InvDate, CustId  FROM INVOICE (LOCKING=NONE) WHERE (InvId >= ?) ORDER BY InvId  " ;
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
      dboinvoice.setInvdate(rslt.getQNDate(2));
      dboinvoice.setCustid(rslt.getInt(3));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcINVOICE dboinvoice, int P1)
   {
      this.dboinvoice = dboinvoice ;
      dboinvoice.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT000716" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fT000717 extends QNDBForwardSupplier
{
   private dbcINVOICE dboinvoice ;

   public fT000717(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T000717" ;
      supplierName = "fT000717" ;
      SQL = "SELECT InvId, InvDate, CustId  FROM INVOICE (LOCKING=NONE) WHERE (InvId <= ?) ORDER BY InvId DESC  " ;
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
      dboinvoice.setInvdate(rslt.getQNDate(2));
      dboinvoice.setCustid(rslt.getInt(3));
   }

   public void getFieldsStream(QNResultSet rslt) throws SQLException
   {
   }

   public void fetchFirst(dbcINVOICE dboinvoice, int P1)
   {
      this.dboinvoice = dboinvoice ;
      dboinvoice.unloadAll();
      try {
         prepare();
         setParameters( P1 );
         execute();
         readNext();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT000717" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

