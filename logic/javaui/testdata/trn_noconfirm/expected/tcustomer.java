/*
               File: tcustomer
        Description: Customers
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
public final class tcustomer extends QNTransaction
{
   public tcustomer(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( tcustomer.class ), "" );
   }

   public tcustomer(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context, "" );
   }

   protected void init_no_key061( )
   {
      Acustname = "" ;
   }

   protected void init_all061( )
   {
      Acustid = 0 ;
      init_no_key061( ) ;
   }

   protected void after_trn061( )
   {
      if ( ( trnEnded == 1 ) )
      {
         trnEnded = 0 ;
         if (!cleanedUp) {
            sanomod( ) ;
            if ( ( QNutil.strcmp(AMode, "INS") == 0 ) )
            {
               /* Clear variables for new insertion. */
               init_all061( ) ;
            }
         }
      }
   }

   protected void sa_startup061( )
   {
      sa_startup_srv061( ) ;
      set_caption( ) ;
      PreviousCaption = btt3.getCaption() ;
      PreviousTooltip = btt3.getTooltip() ;
   }

   protected void sa_startup_srv061( )
   {
      if ( ( AnyError == 0 ) )
      {
         sanomod( ) ;
      }
      sCallerURL = CGI_Referer ;
      samod_061( ) ;
      if ( ( QNutil.strcmp(AMode, "UPD") == 0 ) || ( QNutil.strcmp(AMode, "DLT") == 0 ) )
      {
         geteq( ) ;
      }
   }

   protected void clear( )
   {
      init_no_key061( ) ;
   }

   protected void set_caption( )
   {
      if ( ( QNutil.strcmp(AMode, "INS") == 0 ) )
      {
         btt3.setCaption( localUtil.getMessages().getMessage("captionadd") );
         btt3.setTooltip( localUtil.getMessages().getMessage("captionadd") );
      }
      else if ( ( QNutil.strcmp(AMode, "UPD") == 0 ) )
      {
         btt3.setCaption( localUtil.getMessages().getMessage("captionupdate") );
         btt3.setTooltip( localUtil.getMessages().getMessage("captionupdate") );
      }
      else if ( ( QNutil.strcmp(AMode, "DLT") == 0 ) )
      {
         btt3.setCaption( localUtil.getMessages().getMessage("captiondelete") );
         btt3.setTooltip( localUtil.getMessages().getMessage("captiondelete") );
      }
   }

   protected void sanomod( )
   {
   }

   protected void samod_061( )
   {
   }

   protected void ld061( )
   {
   }

   protected void checket_061( )
   {
      samod_061( ) ;
   }

   protected void getkey_061( )
   {
      T00062.fetchFirst(dbocustomer, Acustid);
      if (!T00062.eof())
      {
         RcdFound = (short)(1) ;
      }
      else
      {
         RcdFound = 0 ;
      }
      T00062.close() ;
   }

   protected void geteq( )
   {
      T00063.fetchFirst(dbocustomer, Acustid);
      if (!T00063.eof())
      {
         Acustid = dbocustomer.getCustid();
         Acustname = dbocustomer.getCustname();
         RcdFound = (short)(1) ;
         Zcustid = Acustid ;
         sMode1 = AMode ;
         AMode = "DSP" ;
         samod_061( ) ;
         ld061( ) ;
         AMode = sMode1 ;
      }
      else
      {
         init_no_key061( ) ;
         RcdFound = 0 ;
      }
      T00063.close() ;
   }

   protected void geteq_nomod( )
   {
      getkey_061( ) ;
      if ( ( RcdFound == 0 ) )
      {
         AMode = "INS" ;
      }
      else
      {
         AMode = "UPD" ;
      }
      geteq( ) ;
   }

   protected void chkps_061( )
   {
   }

   protected void insert_061( )
   {
      checket_061( ) ;
      if ( ( AnyError == 0 ) )
      {
         chkps_061( ) ;
         if ( ( AnyError == 0 ) )
         {
            after_confirm_061( ) ;
            if ( ( AnyError == 0 ) )
            {
               T00064.executeUpd(Acustid, Acustname) ;
               if ( ( AnyError == 0 ) )
               {
                  /* Start of After( Insert) rules */
                  /* End of After( Insert) rules */
                  if ( ( AnyError == 0 ) )
                  {
                     geteq( ) ;
                     msgStatus( localUtil.getMessages().getMessage("sucadded") );
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
            ld061( ) ;
         }
         endlvl_061( ) ;
      }
   }

   protected void update_061( )
   {
      checket_061( ) ;
      if ( ( AnyError == 0 ) )
      {
         chkps_061( ) ;
         if ( ( AnyError == 0 ) )
         {
            after_confirm_061( ) ;
            if ( ( AnyError == 0 ) )
            {
               if ( ( AnyError == 0 ) )
               {
                  T00065.executeUpd(Acustname, Acustid) ;
                  if ( ( AnyError == 0 ) )
                  {
                     /* Start of After( update) rules */
                     /* End of After( update) rules */
                     if ( ( AnyError == 0 ) )
                     {
                        geteq( ) ;
                        msgStatus( localUtil.getMessages().getMessage("sucupdated") );
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
         endlvl_061( ) ;
      }
   }

   protected void delete( )
   {
      AMode = "DLT" ;
      /* Delete mode formulas */
      if ( ( AnyError == 0 ) )
      {
         chkps_061( ) ;
         after_confirm_061( ) ;
         if ( ( AnyError == 0 ) )
         {
            T00066.executeUpd(Acustid) ;
            if ( ( AnyError == 0 ) )
            {
               /* Start of After( delete) rules */
               /* End of After( delete) rules */
               init_all061( ) ;
               move_next( ) ;
               if ( ( RcdFound == 0 ) )
               {
                  AMode = "INS" ;
                  geteq( ) ;
               }
               else
               {
                  AMode = "UPD" ;
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
         endlvl_061( ) ;
      }
   }

   protected void updtn1_061( )
   {
   }

   protected void endlvl_061( )
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

   protected void scanstart_061( )
   {
      T00067.fetchFirst(dbocustomer);
      RcdFound = 0 ;
      if (!T00067.eof())
      {
         RcdFound = (short)(1) ;
         Acustid = dbocustomer.getCustid();
         Acustname = dbocustomer.getCustname();
      }
   }

   protected void scannext_061( )
   {
      T00067.readNext();
      RcdFound = 0 ;
      if (!T00067.eof())
      {
         RcdFound = (short)(1) ;
         Acustid = dbocustomer.getCustid();
         Acustname = dbocustomer.getCustname();
      }
   }

   protected void scanend_061( )
   {
      T00067.close() ;
   }

   protected void after_confirm_061( )
   {
      /* After confirm rules */
   }

   /* Client side code */
   protected String getFrmTitle() {
      return "Customers" ;
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
      return 160 ;
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
      return true ;
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
   public void execute( QNString aP0 )
   {
      execute_int(aP0);
   }

   private void execute_int( QNString aP0 )
   {
      this.AMode = aP0.getValue();
      this.aP0 = aP0 ;
      start();
      return  ;
   }

   protected void screen() {
      QNPanel1 = new QNPanel(this, 0 , 0 , 400 , 160 );
      this.setIBackground(UIFactory.getColor(255, 255, 255));
      this.setIForeground(UIFactory.getColor(0, 0, 0));
      QNPanel1.refreshFrame();
      edtcustid = new GUIObjectInt ( new QNEdit(6, "ZZZZZ9", UIFactory.getFont( "MS Sans Serif", 0, 8),120, 10, 60, 20, QNPanel1, false, ILabel.BORDER_NONE, QNTypeConstants.NUMERIC, false) , QNPanel1 , 120 , 10 , 60 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "Acustid" );
      ((QNEdit) edtcustid.getQNComponent()).setAlignment(ILabel.LEFT);
      edtcustid.addFocusListener(this);
      edtcustname = new GUIObjectString ( new QNEdit(30, "", UIFactory.getFont( "MS Sans Serif", 0, 8),120, 40, 240, 20, QNPanel1, false, ILabel.BORDER_NONE, QNTypeConstants.CHAR, false) , QNPanel1 , 120 , 40 , 240 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "Acustname" );
      ((QNEdit) edtcustname.getQNComponent()).setAlignment(ILabel.LEFT);
      edtcustname.addFocusListener(this);
      btt_QNGet_ = UIFactory.getQNButton(QNPanel1 , "get.bmp" , 183 , 10 , 16 , 20 );
      btt_QNGet_.setTooltip("_QNGet_");
      btt_QNGet_.addActionListener(this);
      btt5 = UIFactory.getQNButton(QNPanel1 , "Cancel" , 330 , 100 , 60 , 25 , UIFactory.getFont( "MS Sans Serif", 0, 8) );
      btt5.setTooltip("Cancel");
      btt5.addActionListener(this);
      btt4 = UIFactory.getQNButton(QNPanel1 , "Delete" , 90 , 100 , 70 , 25 , UIFactory.getFont( "MS Sans Serif", 0, 8) );
      btt4.setTooltip("Delete");
      btt4.addActionListener(this);
      btt3 = UIFactory.getQNButton(QNPanel1 , "Enter" , 10 , 100 , 70 , 25 , UIFactory.getFont( "MS Sans Serif", 0, 8) );
      btt3.setTooltip("Enter");
      btt3.addActionListener(this);
      focusManager.setControlList(new IFocusableControl[] {
                edtcustid,
                edtcustname,
                btt_QNGet_,
                btt3,
                btt4,
                btt5
      });
   }
   protected void setFocusFirst() {
      setFocus(edtcustid, true);
   }
   public void setConditionalColor(boolean all, Object control) {
   }
   protected boolean hasStatusBar() {
      return true;
   }
   public void refreshArray(String array) {
   }
   protected void QNStart() {
      sa_startup061( ) ;
   }
   protected void actionEventDispatch(Object eventSource) {
      AnyError = 0;
      if (btt5.isEventSource(eventSource)) {
         cleanup();
         return;
      }
      if (btt3.isEventSource(eventSource)) {
         btn_enter( ) ;
         if (!cleanedUp) {
            VariablesToControls();
            set_caption( );
         }
         return;
      }
      if (btt4.isEventSource(eventSource)) {
         btn_delete( ) ;
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
      if (edtcustid.isEventSource(eventSource)) {
         setQNCursor(edtcustid.getQNCursor());
         return;
      }
      if (edtcustname.isEventSource(eventSource)) {
         setQNCursor(edtcustname.getQNCursor());
         return;
      }
   }
   protected void gotFocusEventDispatch(Object eventSource) {
   }
   protected void focusEventDispatch(Object eventSource) {
   }
   protected void updateAttributes(Object eventSource) {
      if (edtcustid.isEventSource(eventSource)) {
         Acustid = edtcustid.getValue() ;
         return;
      }
      if (edtcustname.isEventSource(eventSource)) {
         Acustname = edtcustname.getValue() ;
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
      if ((edtcustid.isEventSource(eventSource)) && !((Acustid==edtcustid.getValue()))) {
         return true;
      }
      return false;
   }
   public boolean isBodyControl(Object eventSource) {
      if ((edtcustname.isEventSource(eventSource)) && !((QNutil.strcmp(Acustname, edtcustname.getValue())==0))) {
         return true;
      }
      return false;
   }
   protected void resetCaption() {
   }
   protected void setAddCaption() {
   }
   public IQNButton getCancelButton() {
      return btt5 ;
   }
   public IQNButton getConfirmButton() {
      return btt3 ;
   }
   protected void keyPromptHandler(Object eventSource) {
   }
   public void setNoAccept(Object eventSource) {
      if ( edtcustid.isEventSource(eventSource) )
      {
         edtcustid.setEnabled(!(( QNutil.strcmp(AMode, "DLT") == 0 ) || ( QNutil.strcmp(AMode, "UPD") == 0 )));
      }
   }
   protected void VariablesToControls() {
      edtcustid.setValue( Acustid );
      edtcustname.setValue( Acustname );
   }
   protected void ControlsToVariables() {
      Acustid = edtcustid.getValue() ;
      Acustname = edtcustname.getValue() ;
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
   protected void btn_delete( )
   {
      if ( ( Acustid != Zcustid ) )
      {
         Acustid = Zcustid ;
         QNutil.msg( me(),  localUtil.getMessages().getMessage("getbeforedlt") );
         AnyError = (short)(1) ;
      }
      else
      {
         delete( ) ;
         after_trn061( ) ;
         setNextFocus(edtcustid);
      }
      setFocusNext();
   }

   protected void btn_enter( )
   {
      if ( ( QNutil.strcmp(AMode, "DLT") == 0 ) )
      {
         btn_delete( ) ;
         return  ;
      }
      nKeyPressed = (byte)(1) ;
      getkey_061( ) ;
      if ( ( RcdFound == 1 ) )
      {
         if ( ( QNutil.strcmp(AMode, "INS") == 0 ) )
         {
            QNutil.msg( me(),  localUtil.getMessages().getMessage("noupdate") );
            AnyError = (short)(1) ;
         }
         else if ( ( Acustid != Zcustid ) )
         {
            Acustid = Zcustid ;
            QNutil.msg( me(),  localUtil.getMessages().getMessage("getbeforeupd") );
            AnyError = (short)(1) ;
         }
         else
         {
            AMode = "UPD" ;
            /* Update record */
            update_061( ) ;
            setNextFocus(edtcustid);
         }
      }
      else
      {
         if ( ( Acustid != Zcustid ) )
         {
            AMode = "INS" ;
            /* Insert record */
            insert_061( ) ;
            setNextFocus(edtcustid);
         }
         else
         {
            if ( ( QNutil.strcmp(AMode, "UPD") == 0 ) )
            {
               QNutil.msg( me(),  localUtil.getMessages().getMessage("recdeleted") );
               AnyError = (short)(1) ;
            }
            else
            {
               AMode = "INS" ;
               /* Insert record */
               insert_061( ) ;
               setNextFocus(edtcustid);
            }
         }
      }
      after_trn061( ) ;
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
         setNextFocus(edtcustid);
      }
      after_trn061( ) ;
   }

   protected void move_next( )
   {
      T00068.fetchFirst(dbocustomer, Acustid);
      while (!T00068.eof() && dbocustomer.getCustid() == Acustid)
      {
         T00068.readNext();
      }
      RcdFound = 0 ;
      if (!T00068.eof())
      {
         Acustid = dbocustomer.getCustid();
         Acustname = dbocustomer.getCustname();
         RcdFound = (short)(1) ;
      }
      T00068.close() ;
   }

   protected void move_previous( )
   {
      T00069.fetchFirst(dbocustomer, Acustid);
      while (!T00069.eof() && dbocustomer.getCustid() == Acustid)
      {
         T00069.readNext();
      }
      RcdFound = 0 ;
      if (!T00069.eof())
      {
         Acustid = dbocustomer.getCustid();
         Acustname = dbocustomer.getCustname();
         RcdFound = (short)(1) ;
      }
      T00069.close() ;
   }

   protected void after_level( )
   {
      /* Start of After( level) rules */
      Acustname = "Saved" ;
      /* End of After( level) rules */
   }

   protected void cleanup( )
   {
      if ( ( AnyError == 0 ) )
      {
         after_level( ) ;
      }
      aP0.setValue( this.AMode);
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
      sCallerURL = "" ;
      PreviousTooltip = "" ;
      PreviousCaption = "" ;
      sMode1 = "" ;
      Acustname = "" ;
      Acustid = 0 ;
      CGI_Referer = "" ;
      dbocustomer = new dbcCUSTOMER(context, remoteHandle, false) ;
      T00062 = new fT00062(context, remoteHandle) ;
      T00063 = new fT00063(context, remoteHandle) ;
      T00064 = new dT00064(context, remoteHandle) ;
      T00065 = new dT00065(context, remoteHandle) ;
      T00066 = new dT00066(context, remoteHandle) ;
      T00067 = new fT00067(context, remoteHandle) ;
      Zcustid = 0 ;
      T00068 = new fT00068(context, remoteHandle) ;
      T00069 = new fT00069(context, remoteHandle) ;
   }

   protected byte nKeyPressed ;
   protected byte nUserReturn ;
   protected short IsConfirmed ;
   protected short RcdFound ;
   protected int trnEnded ;
   protected int Acustid ;
   protected int Zcustid ;
   protected String Mode ;
   protected String sCallerURL ;
   protected String PreviousTooltip ;
   protected String PreviousCaption ;
   protected String sMode1 ;
   protected String Acustname ;
   protected String AMode ;
   protected String CGI_Referer ;
   protected dbcCUSTOMER dbocustomer ;
   protected fT00062 T00062 ;
   protected fT00063 T00063 ;
   protected dT00064 T00064 ;
   protected dT00065 T00065 ;
   protected dT00066 T00066 ;
   protected fT00067 T00067 ;
   protected QNString aP0 ;
   protected QNPanel QNPanel1 ;
   public GUIObjectInt edtcustid ;
   public GUIObjectString edtcustname ;
   public IQNButton btt_QNGet_ ;
   public IQNButton btt5 ;
   public IQNButton btt4 ;
   public IQNButton btt3 ;
   protected fT00068 T00068 ;
   protected fT00069 T00069 ;
}

final class fT00062 extends QNDBForwardSupplier
{
   private dbcCUSTOMER dbocustomer ;

   public fT00062(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T00062" ;
      supplierName = "fT00062" ;
      SQL = "SELECT CustId  FROM CUSTOMER (LOCKING=NONE) WHERE CustId = ?   FOR UPDATE OF CustId" ;
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
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT00062" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fT00063 extends QNDBForwardSupplier
{
   private dbcCUSTOMER dbocustomer ;

   public fT00063(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T00063" ;
      supplierName = "fT00063" ;
      SQL = "SELECT CustId, CustName  FROM CUSTOMER (LOCKING=RECORD) WHERE CustId = ?   FOR UPDATE OF CustId" ;
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
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT00063" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class dT00064 extends QNDBUpdateSupplier
{
   public dT00064(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      dataSourceName = dbcCUSTOMER.getDataSourceName();
      supplierName = "dT00064" ;
      cursorId = "T00064" ;
      SQL = "INSERT INTO CUSTOMER (CustId, CustName) VALUES (?, ?)" ;
   }

   public void executeUpd(int P1, String P2)
   {
      try {
         prepare();
         setParameters( P1, P2 );
         execute();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "dT00064" + ".executeUpd", e); }
   }

   public void setParameters(int P1, String P2)
   {
      try {
         stmt.setInt(1, P1);
         stmt.setString(2, P2, 30);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

   public void setParameters(byte[] parms)
   {
      qnu.reset(parms);
      try {
         stmt.setInt(1, qnu.readInt());
         stmt.setString(2, qnu.readString(), 30);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class dT00065 extends QNDBUpdateSupplier
{
   public dT00065(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      dataSourceName = dbcCUSTOMER.getDataSourceName();
      supplierName = "dT00065" ;
      cursorId = "T00065" ;
      SQL = "UPDATE CUSTOMER SET CustName = ? WHERE CustId = ?" ;
   }

   public void executeUpd(String P1, int P2)
   {
      try {
         prepare();
         setParameters( P1, P2 );
         execute();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "dT00065" + ".executeUpd", e); }
   }

   public void setParameters(String P1, int P2)
   {
      try {
         stmt.setString(1, P1, 30);
         stmt.setInt(2, P2);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

   public void setParameters(byte[] parms)
   {
      qnu.reset(parms);
      try {
         stmt.setString(1, qnu.readString(), 30);
         stmt.setInt(2, qnu.readInt());
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class dT00066 extends QNDBUpdateSupplier
{
   public dT00066(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      dataSourceName = dbcCUSTOMER.getDataSourceName();
      supplierName = "dT00066" ;
      cursorId = "T00066" ;
      SQL = "DELETE FROM CUSTOMER WHERE CustId = ?" ;
   }

   public void executeUpd(int P1)
   {
      try {
         prepare();
         setParameters( P1 );
         execute();
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "dT00066" + ".executeUpd", e); }
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

final class fT00067 extends QNDBForwardSupplier
{
   private dbcCUSTOMER dbocustomer ;

   public fT00067(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T00067" ;
      supplierName = "fT00067" ;
      SQL = "SELECT CustId, CustName  FROM CUSTOMER (LOCKING=NONE)  ORDER BY CustId  " ;
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
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT00067" + ".fetchFirst", e); }
   }

}

final class fT00068 extends QNDBForwardSupplier
{
   private dbcCUSTOMER dbocustomer ;

   public fT00068(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T00068" ;
      supplierName = "fT00068" ;
      SQL = "SELECT CustId, CustName  FROM CUSTOMER (LOCKING=NONE) WHERE (CustId >= ?) ORDER BY CustId  " ;
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
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT00068" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

final class fT00069 extends QNDBForwardSupplier
{
   private dbcCUSTOMER dbocustomer ;

   public fT00069(ModelContext context, int remoteHandle)
   {
      super( context, remoteHandle );
      readOnly = false ;
      cursorId = "T00069" ;
      supplierName = "fT00069" ;
      SQL = "SELECT CustId, CustName  FROM CUSTOMER (LOCKING=NONE) WHERE (CustId <= ?) ORDER BY CustId DESC  " ;
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
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, "fT00069" + ".fetchFirst", e); }
   }

   public void setParameters(int P1)
   {
      try {
         stmt.setInt(1, P1);
      } catch (SQLException e) { Application.QNLocalException(context, remoteHandle, supplierName + ".setParameters", e); }
   }

}

