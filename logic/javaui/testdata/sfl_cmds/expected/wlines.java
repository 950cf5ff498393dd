/*
               File: wlines
        Description: Line commands
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
public final class wlines extends QNWorkpanel
{
   public wlines(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( wlines.class ));
   }

   public wlines(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context);
   }

   protected String getFrmTitle() {
      return "Lines" ;
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
   public final class wlines_load01 extends QNLoadProducer
   {
      public void loadToBuffer()
      {
         loadToBuffer01();
      }

      public synchronized void runLoad() throws QNLoadInterruptException
      {
         /* Execute user event: E11V0U */
         E11V0U();
      }

      public void closeCursors()
      {
         closeCursors01();
      }

   }

   public final class wlines_flow01 implements QNSubfileFlow
   {
      public boolean isLoadAtStartup() {
         return true;
      }
      public void autoRefresh(QNSubfile subfile, boolean loadedFirstTime) {
         if ((false) || (!loadedFirstTime && !isLoadAtStartup())) {
            QNRefresh();
            subfile.load();
            resetSubfileConditions();
         }
      }
      public void resetSubfileConditions() {
      }
      public void refreshScreen() {
         VariablesToControls();
      }
      public QNSubfileElement getNewSubfileElement() {
         return new subW0100030 ();
      }
      public boolean getSearch(QNSubfileElement subfileElement) {
         return true;
      }
      public void setConditionalColor(GUIObject comp, QNSubfileElement element) {

      }
      public boolean getNoaccept(int col, QNSubfileElement element, boolean enabled) {
         return !enabled;
      }
   }
   public final class wlines_load02 extends QNLoadProducer
   {
      public void loadToBuffer()
      {
         loadToBuffer02();
      }

      public synchronized void runLoad() throws QNLoadInterruptException
      {
         /* Execute user event: E11V0U */
         E11V0U();
      }

      public void closeCursors()
      {
         closeCursors02();
      }

   }

   public void loadToBuffer02() {
      variablesToSubfile02();
      subPicked.addElement(subw0200030);
      subw0200030 = new subW0200030 ();
   }
   protected void closeCursors02()
   {
   }

   public final class wlines_flow02 implements QNSubfileFlow
   {
      public boolean isLoadAtStartup() {
         return true;
      }
      public void autoRefresh(QNSubfile subfile, boolean loadedFirstTime) {
         if ((false) || (!loadedFirstTime && !isLoadAtStartup())) {
            QNRefresh();
            subfile.load();
            resetSubfileConditions();
         }
      }
      public void resetSubfileConditions() {
      }
      public void refreshScreen() {
         VariablesToControls();
      }
      public QNSubfileElement getNewSubfileElement() {
         return new subW0200030 ();
      }
      public boolean getSearch(QNSubfileElement subfileElement) {
         return true;
      }
      public void setConditionalColor(GUIObject comp, QNSubfileElement element) {

      }
      public boolean getNoaccept(int col, QNSubfileElement element, boolean enabled) {
         return !enabled;
      }
   }
   protected void QNRefresh() {
      ControlsToVariables();
      standAlone();
      VariablesToControls();
      /* Quenora Refresh */
   }
   protected void E12V0U()
   {
      /* SumRoutine */
      eventLevelContext();
      Total = 0 ;
      for (java.util.Enumeration en = subItems.elements(); en.hasMoreElements();)
      {
         subw0100030 = ( subW0100030 ) en.nextElement();
         subfileToVariables01();
         subfileToVariables02();
         for (java.util.Enumeration en01 = subItems.selectedElements(); en01.hasMoreElements();)
         {
            subw0100030 = ( subW0100030 ) en01.nextElement();
            subfileToVariables01();
            subfileToVariables02();
            Total = Total+Aitemqty ;
            eventLevelResetContext( );
         }
         eventLevelContext( );
         eventLevelResetContext( );
      }
      eventLevelContext( );
   }

   protected void E13V0U()
   {
      /* AgainRoutine */
      eventLevelContext();
      QNRefresh();
      subItems.refreshKeep();
      subPicked.refreshKeep();
      loadToBuffer01();
   }

   protected void QNStart()
   {
      /* Execute user event: E14V0U */
      E14V0U();
   }

   protected void E14V0U()
   {
      /* StartRoutine */
      eventNoLevelContext();
      loadToBuffer01();
   }

   public void loadToBuffer01()
   {
      variablesToSubfile01();
      subItems.addElement(subw0100030);
      subw0100030 = new subW0100030 ();
   }

   private void E11V0U() throws QNLoadInterruptException
   {
      subw0100030.setItemId( Aitemid );
      subw0100030.setItemQty( Aitemqty );
      /* LoadRoutine */
      eventLevelContext();
      subItems.loadCommand();
   }

   protected void closeCursors01()
   {
   }

   protected void screen() {
      QNPanel1 = new QNPanel(this, 0 , 0 , 400 , 300 );
      this.setIBackground(UIFactory.getColor(255, 255, 255));
      this.setIForeground(UIFactory.getColor(0, 0, 0));
      QNPanel1.refreshFrame();
      edtTotal = new GUIObjectInt ( new QNEdit(8, "ZZZZZZZ9", UIFactory.getFont( "MS Sans Serif", 0, 8),10, 250, 100, 20, QNPanel1, false, ILabel.BORDER_NONE, QNTypeConstants.NUMERIC, false) , QNPanel1 , 10 , 250 , 100 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "Total" );
      ((QNEdit) edtTotal.getQNComponent()).setAlignment(ILabel.LEFT);
      edtTotal.addFocusListener(this);
      btt9 = UIFactory.getQNButton(QNPanel1 , "Again" , 300 , 250 , 80 , 25 , UIFactory.getFont( "MS Sans Serif", 0, 8) );
      btt9.setTooltip("Again");
      btt9.addActionListener(this);
      btt8 = UIFactory.getQNButton(QNPanel1 , "Sum" , 200 , 250 , 80 , 25 , UIFactory.getFont( "MS Sans Serif", 0, 8) );
      btt8.setTooltip("Sum");
      btt8.addActionListener(this);
      addSubfile ( subPicked = new QNSubfile ( new wlines_load02(), new wlines_flow02(), false , new QNColumnDefinition[] {
         new QNColumnDefinition( new GUIObjectInt ( new QNEdit(6, "ZZZZZ9", UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8),0, 0, 60, 18, null, false, ILabel.BORDER_NONE, QNTypeConstants.NUMERIC, false) , null, 0 , 0 , 60 , 18 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8) , true , "Aitemid" ), "ItemId" , UIFactory.getColor(0, 0, 0) , UIFactory.getColor(0, 0, 0) , 60 , UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8) , true )
      }, 11 , 20 , QNPanel1 , 200 , 10 , 190 , 230 , 18 ));
      subPicked.addActionListener(this);
      subPicked.addFocusListener(this);
      addSubfile ( subItems = new QNSubfile ( new wlines_load01(), new wlines_flow01(), false , new QNColumnDefinition[] {
         new QNColumnDefinition( new GUIObjectInt ( new QNEdit(6, "ZZZZZ9", UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8),0, 0, 60, 18, null, false, ILabel.BORDER_NONE, QNTypeConstants.NUMERIC, false) , null, 0 , 0 , 60 , 18 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8) , true , "Aitemid" ), "ItemId" , UIFactory.getColor(0, 0, 0) , UIFactory.getColor(0, 0, 0) , 60 , UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8) , true ),
         new QNColumnDefinition( new GUIObjectInt ( new QNEdit(6, "ZZZZZ9", UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8),0, 0, 60, 18, null, false, ILabel.BORDER_NONE, QNTypeConstants.NUMERIC, false) , null, 0 , 0 , 60 , 18 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8) , true , "Aitemqty" ), "ItemQty" , UIFactory.getColor(0, 0, 0) , UIFactory.getColor(0, 0, 0) , 60 , UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8) , true )
      }, 11 , 20 , QNPanel1 , 10 , 10 , 180 , 230 , 18 ));
      subItems.addActionListener(this);
      subItems.addFocusListener(this);
      focusManager.setControlList(new IFocusableControl[] {
                subItems,
                subPicked,
                edtTotal,
                btt8,
                btt9
      });
   }
   protected void setFocusFirst() {
      setFocus(subItems);
   }
   public void setNoAccept(Object eventSource) {
   }
   protected void variablesToSubfile01() {
      subw0100030.setItemId(Aitemid);
      subw0100030.setItemQty(Aitemqty);
   }
   protected void subfileToVariables01() {
      Aitemid = subw0100030.getItemId();
      Aitemqty = subw0100030.getItemQty();
   }
   protected void variablesToSubfile02() {
      subw0200030.setItemId(Aitemid);
      subw0200030.setItemQty(Aitemqty);
   }
   protected void subfileToVariables02() {
      Aitemid = subw0200030.getItemId();
      Aitemqty = subw0200030.getItemQty();
   }
   protected void VariablesToControls() {
      edtTotal.setValue( Total );
   }
   protected void ControlsToVariables() {
      Total = edtTotal.getValue() ;
   }
   protected void eventNoLevelContext() {
      ControlsToVariables();
   }
   protected void eventLevelContext() {
      ControlsToVariables();
      if ( subItems.inValidElement() )
      {
         subw0100030 = ( subW0100030 ) subItems.getCurrentElement() ;
         subfileToVariables01();
      }
      if ( subPicked.inValidElement() )
      {
         subw0200030 = ( subW0200030 ) subPicked.getCurrentElement() ;
         subfileToVariables02();
      }
   }
   protected void eventLevelResetContext() {
      variablesToSubfile01();
      subItems.refreshLineValue(subw0100030);
      variablesToSubfile02();
      subPicked.refreshLineValue(subw0200030);
   }
   public void setConditionalColor(boolean all, Object control) {
   }
   protected void actionEventDispatch(Object eventSource) {
      if (btt8.isEventSource(eventSource)) {
         /* Execute user event: E12V0U */
         E12V0U();
         return;
      }
      if (btt9.isEventSource(eventSource)) {
         /* Execute user event: E13V0U */
         E13V0U();
         return;
      }
      if (subItems.isEventSource(eventSource)) {
         return;
      }
      if (subPicked.isEventSource(eventSource)) {
         return;
      }
   }
   protected void setCurrentQNCursor(Object eventSource) {
      if (edtTotal.isEventSource(eventSource)) {
         setQNCursor(edtTotal.getQNCursor());
         return;
      }
   }
   protected void gotFocusEventDispatch(Object eventSource) {
   }
   protected void focusEventDispatch(Object eventSource) {
   }
   protected void updateAttributes(Object eventSource) {
      if (edtTotal.isEventSource(eventSource)) {
         Total = edtTotal.getValue() ;
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
      Total = 0 ;
      Aitemqty = 0 ;
      Aitemid = 0 ;
      subw0100030 = new subW0100030();
      subw0200030 = new subW0200030();
      /* Quenora formulas. */
   }

   protected int Total ;
   protected int Aitemqty ;
   protected int Aitemid ;
   protected QNPanel QNPanel1 ;
   protected GUIObjectInt edtTotal ;
   protected IQNButton btt9 ;
   protected IQNButton btt8 ;
   protected QNSubfile subPicked ;
   protected QNSubfile subItems ;
   protected subW0100030 subw0100030 ;
   protected subW0200030 subw0200030 ;
}

