/*
               File: wordlist
        Description: Orders by customer
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
public final class wordlist extends QNWorkpanel
{
   public wordlist(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( wordlist.class ));
   }

   public wordlist(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context);
   }

   protected String getFrmTitle() {
      return "Orders" ;
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
      return 500 ;
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
      return false ;
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

   protected void standAlone() {
   }
   public final class wordlist_load01 extends QNLoadProducer
   {
      public void loadToBuffer()
      {
         loadToBuffer01();
      }

      public synchronized void runLoad() throws QNLoadInterruptException
      {
      }

      public void closeCursors()
      {
         closeCursors01();
      }

   }

   public void loadToBuffer01() {
      variablesToSubfile01();
      subOrders.addElement(subw0100021);
      subw0100021 = new subW0100021 ();
   }
   protected void closeCursors01()
   {
   }

   public final class wordlist_flow01 implements QNSubfileFlow
   {
      public boolean isLoadAtStartup() {
         return false;
      }
      public void autoRefresh(QNSubfile subfile, boolean loadedFirstTime) {
         if ((( CustId != QNr_CustId ) || ( From != QNr_From )) || (!loadedFirstTime && !isLoadAtStartup())) {
            QNRefresh();
            subfile.load();
            resetSubfileConditions();
         }
      }
      public void resetSubfileConditions() {
         QNr_CustId = CustId ;
         QNr_From = From ;
      }
      public void refreshScreen() {
         VariablesToControls();
      }
      public QNSubfileElement getNewSubfileElement() {
         return new subW0100021 ();
      }
      public boolean getSearch(QNSubfileElement subfileElement) {
         subW0100021 subw0100021 = (subW0100021) subfileElement;
         return (( QNutil.strcmp(subw0100021.getOrdNote(), Find) == 0 ));
      }
      public void setConditionalColor(GUIObject comp, QNSubfileElement element) {
         subW0100021 subw0100021 = (subW0100021) element;
         if (comp.getQNCursor().equals("Aordtotal")) {
            comp.setIForeground(comp.getLastForeground());
            comp.setIBackground(comp.getLastBackground());
            if (( subw0100021.getOrdTotal() > 1000 )) {
               comp.setICondForeground(UIFactory.getColor(255,0,0));
            } else {
               if (( subw0100021.getOrdTotal() < 0 )) {
                  comp.setICondBackground(UIFactory.getColor(0,0,255));
               }
            }
         }
      }
      public boolean getNoaccept(int col, QNSubfileElement element, boolean enabled) {
         subW0100021 subw0100021 = (subW0100021) element;
         if ( col == 1)
         {
            return (( subw0100021.getOrdTotal() == 0 ));
         }
         return !enabled;
      }
   }
   protected void QNRefresh() {
      ControlsToVariables();
      standAlone();
      VariablesToControls();
      setConditionalColor( true, "");
      /* Quenora Refresh */
   }
   protected void screen() {
      QNPanel1 = new QNPanel(this, 0 , 0 , 500 , 300 );
      this.setIBackground(UIFactory.getColor(255, 255, 255));
      this.setIForeground(UIFactory.getColor(0, 0, 0));
      QNPanel1.refreshFrame();
      edtCustId = new GUIObjectInt ( new QNEdit(6, "ZZZZZ9", UIFactory.getFont( "MS Sans Serif", 0, 8),10, 10, 70, 20, QNPanel1, false, ILabel.BORDER_NONE, QNTypeConstants.NUMERIC, false) , QNPanel1 , 10 , 10 , 70 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "CustId" );
      ((QNEdit) edtCustId.getQNComponent()).setAlignment(ILabel.LEFT);
      edtCustId.addFocusListener(this);
      edtFrom = new GUIObjectInt ( new QNEdit(6, "ZZZZZ9", UIFactory.getFont( "MS Sans Serif", 0, 8),90, 10, 70, 20, QNPanel1, false, ILabel.BORDER_NONE, QNTypeConstants.NUMERIC, false) , QNPanel1 , 90 , 10 , 70 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "From" );
      ((QNEdit) edtFrom.getQNComponent()).setAlignment(ILabel.LEFT);
      edtFrom.addFocusListener(this);
      edtFind = new GUIObjectString ( new QNEdit(20, "", UIFactory.getFont( "MS Sans Serif", 0, 8),170, 10, 160, 20, QNPanel1, false, ILabel.BORDER_NONE, QNTypeConstants.CHAR, false) , QNPanel1 , 170 , 10 , 160 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "Find" );
      ((QNEdit) edtFind.getQNComponent()).setAlignment(ILabel.LEFT);
      edtFind.addFocusListener(this);
      addSubfile ( subOrders = new QNSubfile ( new wordlist_load01(), new wordlist_flow01(), false , new QNColumnDefinition[] {
         new QNColumnDefinition( new GUIObjectInt ( new QNEdit(6, "ZZZZZ9", UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8),0, 0, 60, 18, null, false, ILabel.BORDER_NONE, QNTypeConstants.NUMERIC, false) , null, 0 , 0 , 60 , 18 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8) , true , "Aordid" ), "OrdId" , UIFactory.getColor(0, 0, 0) , UIFactory.getColor(0, 0, 0) , 60 , UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8) , true ),
         new QNColumnDefinition( new GUIObjectDate ( new QNEdit(8, "", UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8),0, 0, 80, 18, null, false, ILabel.BORDER_NONE, QNTypeConstants.DATE, false) , null, 0 , 0 , 80 , 18 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8) , true , "Aorddate" ), "OrdDate" , UIFactory.getColor(0, 0, 0) , UIFactory.getColor(0, 0, 0) , 80 , UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8) , true ),
         new QNColumnDefinition( new GUIObjectDouble ( new QNEdit(10, "ZZZZZZ9.99", UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8),0, 0, 100, 18, null, false, ILabel.BORDER_NONE, QNTypeConstants.NUMERIC, false) , null, 0 , 0 , 100 , 18 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8) , true , "Aordtotal" ), "OrdTotal" , UIFactory.getColor(0, 0, 0) , UIFactory.getColor(0, 0, 0) , 100 , UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8) , true )
      }, 10 , 20 , QNPanel1 , 10 , 40 , 480 , 200 , 18 ));
      subOrders.addActionListener(this);
      subOrders.addFocusListener(this);
      focusManager.setControlList(new IFocusableControl[] {
                edtCustId,
                edtFrom,
                edtFind,
                subOrders
      });
   }
   protected void setFocusFirst() {
      setFocus(edtCustId, true);
   }
   public void setNoAccept(Object eventSource) {
   }
   protected void variablesToSubfile01() {
      subw0100021.setOrdId(Aordid);
      subw0100021.setOrdDate(Aorddate);
      subw0100021.setOrdTotal(Aordtotal);
      subw0100021.setOrdNote(Aordnote);
   }
   protected void subfileToVariables01() {
      Aordid = subw0100021.getOrdId();
      Aorddate = subw0100021.getOrdDate();
      Aordtotal = subw0100021.getOrdTotal();
      Aordnote = subw0100021.getOrdNote();
   }
   protected void VariablesToControls() {
      edtCustId.setValue( CustId );
      edtFrom.setValue( From );
      edtFind.setValue( Find );
   }
   protected void ControlsToVariables() {
      CustId = edtCustId.getValue() ;
      From = edtFrom.getValue() ;
      Find = edtFind.getValue() ;
   }
   protected void eventNoLevelContext() {
      ControlsToVariables();
   }
   protected void eventLevelContext() {
      ControlsToVariables();
      if ( subOrders.inValidElement() )
      {
         subw0100021 = ( subW0100021 ) subOrders.getCurrentElement() ;
         subfileToVariables01();
      }
   }
   protected void eventLevelResetContext() {
      variablesToSubfile01();
      subOrders.refreshLineValue(subw0100021);
   }
   public void setConditionalColor(boolean all, Object control) {
   }
   protected void actionEventDispatch(Object eventSource) {
      if (subOrders.isEventSource(eventSource)) {
         return;
      }
   }
   protected void setCurrentQNCursor(Object eventSource) {
      if (edtCustId.isEventSource(eventSource)) {
         setQNCursor(edtCustId.getQNCursor());
         return;
      }
      if (edtFrom.isEventSource(eventSource)) {
         setQNCursor(edtFrom.getQNCursor());
         return;
      }
      if (edtFind.isEventSource(eventSource)) {
         setQNCursor(edtFind.getQNCursor());
         return;
      }
   }
   protected void gotFocusEventDispatch(Object eventSource) {
   }
   protected void focusEventDispatch(Object eventSource) {
   }
   protected void updateAttributes(Object eventSource) {
      if (edtCustId.isEventSource(eventSource)) {
         CustId = edtCustId.getValue() ;
         return;
      }
      if (edtFrom.isEventSource(eventSource)) {
         From = edtFrom.getValue() ;
         return;
      }
      if (edtFind.isEventSource(eventSource)) {
         Find = edtFind.getValue() ;
         return;
      }
   }
   protected void itemEventDispatch(Object eventSource) {
   }
   public void mouseEventDispatch(Object eventSource, int modifier) {
   }
   public void keyEventDispatch(Object eventSource, int keyCode) {
      if (triggerEventEnter(eventSource, keyCode)) {
         return;
      }
   }
   public boolean menuActionPerformed(String action)
   {
      return false;
   }

   public void refreshArray(String array) {
   }
   protected void cleanup( )
   {
      stopThreads();
      super.cleanup();
      Application.cleanup(context, this, remoteHandle);
   }

   public void initialize( )
   {
      CustId = 0 ;
      QNr_CustId = 0 ;
      From = 0 ;
      QNr_From = 0 ;
      Find = "" ;
      subw0100021 = new subW0100021();
      Aordid = 0 ;
      Aorddate = QNutil.nullDate() ;
      Aordtotal = 0 ;
      Aordnote = "" ;
      QNr_From = 1 ;
      /* Quenora formulas. */
   }

   protected int CustId ;
   protected int QNr_CustId ;
   protected int From ;
   protected int QNr_From ;
   protected int Aordid ;
   protected double Aordtotal ;
   protected String Find ;
   protected String Aordnote ;
   protected java.util.Date Aorddate ;
   protected QNPanel QNPanel1 ;
   protected GUIObjectInt edtCustId ;
   protected GUIObjectInt edtFrom ;
   protected GUIObjectString edtFind ;
   protected QNSubfile subOrders ;
   protected subW0100021 subw0100021 ;
}

