/*
               File: wlines
        Description: Order lines
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
         /* Execute user event: E11V0N */
         E11V0N();
      }

      public void closeCursors()
      {
         closeCursors01();
      }

   }

   public void loadToBuffer01() {
      variablesToSubfile01();
      subLines.addElement(subw0100023);
      subw0100023 = new subW0100023 ();
   }
   protected void closeCursors01()
   {
   }

   public final class wlines_flow01 implements QNSubfileFlow
   {
      public boolean isLoadAtStartup() {
         return false;
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
         return new subW0100023 ();
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
   protected void nextLoad()
   {
   }

   protected void E11V0N()
   {
      /* LoadRoutine */
      eventLevelContext();
      HitLoad = (byte)(1) ;
   }

   protected void E12V0N()
   {
      /* KeepRoutine */
      eventLevelContext();
      QNRefresh();
      subLines.refreshKeep();
      HitKeep = (byte)(1) ;
   }

   protected void E13V0N()
   {
      /* &Qty.ClickRoutine */
      eventLevelContext();
      HitQty = (byte)(1) ;
      eventLevelResetContext();
   }

   protected void E14V0N()
   {
      /* SortRoutine */
      eventLevelContext();
      subLines.getColumn(1).sort() ;
      HitSort = (byte)(1) ;
   }

   protected void screen() {
      QNPanel1 = new QNPanel(this, 0 , 0 , 400 , 300 );
      this.setIBackground(UIFactory.getColor(255, 255, 255));
      this.setIForeground(UIFactory.getColor(0, 0, 0));
      QNPanel1.refreshFrame();
      edtNote = new GUIObjectString ( new QNEdit(10, "", UIFactory.getFont( "MS Sans Serif", 0, 8),10, 10, 100, 20, QNPanel1, false, ILabel.BORDER_NONE, QNTypeConstants.CHAR, false) , QNPanel1 , 10 , 10 , 100 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "Note" );
      ((QNEdit) edtNote.getQNComponent()).setAlignment(ILabel.LEFT);
      edtNote.addFocusListener(this);
      bttsort = UIFactory.getQNButton(QNPanel1 , "Sort" , 100 , 250 , 80 , 25 , UIFactory.getFont( "MS Sans Serif", 0, 8) );
      bttsort.setTooltip("Sort");
      bttsort.addActionListener(this);
      bttkeep = UIFactory.getQNButton(QNPanel1 , "Keep" , 10 , 250 , 80 , 25 , UIFactory.getFont( "MS Sans Serif", 0, 8) );
      bttkeep.setTooltip("Keep");
      bttkeep.addActionListener(this);
      addSubfile ( subLines = new QNSubfile ( new wlines_load01(), new wlines_flow01(), false , new QNColumnDefinition[] {
         new QNColumnDefinition( new GUIObjectInt ( new QNEdit(6, "ZZZZZ9", UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8),0, 0, 80, 20, null, false, ILabel.BORDER_NONE, QNTypeConstants.NUMERIC, false) , null, 0 , 0 , 80 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8) , true , "Aprodid" ), "ProdId" , UIFactory.getColor(0, 0, 0) , UIFactory.getColor(0, 0, 0) , 80 , UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8) , true ),
         new QNColumnDefinition( new GUIObjectShort ( new QNEdit(4, "ZZZ9", UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8),0, 0, 60, 20, null, false, ILabel.BORDER_NONE, QNTypeConstants.NUMERIC, false) , null, 0 , 0 , 60 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8) , true , "Qty" ), "Qty" , UIFactory.getColor(0, 0, 0) , UIFactory.getColor(0, 0, 0) , 60 , UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8) , true ),
         new QNColumnDefinition( new GUIObjectString ( new QNComboBox() , null, 0 , 0 , 60 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8) , true , "State" ), "State" , UIFactory.getColor(0, 0, 0) , UIFactory.getColor(0, 0, 0) , 60 , UIFactory.getFont( "MS Sans Serif", IFont.BOLD, 8) , true )
      }, 8 , 20 , QNPanel1 , 10 , 40 , 380 , 190 , 20 ));
      ((QNComboBox) subLines.getColumn(2).getQNComponent()).setTransactionMode();
      subLines.addActionListener(this);
      subLines.addFocusListener(this);
      subLines.getColumn(1).addActionListener( this);
      subLines.getColumn(1).addItemListener( this);
      focusManager.setControlList(new IFocusableControl[] {
                edtNote,
                subLines,
                bttkeep,
                bttsort
      });
   }
   protected void setFocusFirst() {
      setFocus(edtNote, true);
   }
   public void setNoAccept(Object eventSource) {
   }
   protected void variablesToSubfile01() {
      subw0100023.setProdId(Aprodid);
      subw0100023.setVQty(Qty);
      subw0100023.setVState(State);
   }
   protected void subfileToVariables01() {
      Aprodid = subw0100023.getProdId();
      Qty = subw0100023.getVQty();
      State = subw0100023.getVState();
   }
   protected void VariablesToControls() {
      edtNote.setValue( Note );
   }
   protected void ControlsToVariables() {
      Note = edtNote.getValue() ;
   }
   protected void eventNoLevelContext() {
      ControlsToVariables();
   }
   protected void eventLevelContext() {
      ControlsToVariables();
      if ( subLines.inValidElement() )
      {
         subw0100023 = ( subW0100023 ) subLines.getCurrentElement() ;
         subfileToVariables01();
      }
   }
   protected void eventLevelResetContext() {
      variablesToSubfile01();
      subLines.refreshLineValue(subw0100023);
   }
   public void setConditionalColor(boolean all, Object control) {
   }
   protected void actionEventDispatch(Object eventSource) {
      if (bttkeep.isEventSource(eventSource)) {
         /* Execute user event: E12V0N */
         E12V0N();
         return;
      }
      if (bttsort.isEventSource(eventSource)) {
         /* Execute user event: E14V0N */
         E14V0N();
         return;
      }
      if (subLines.isEventSource(eventSource)) {
         return;
      }
      if (subLines.getColumn(1).isEventSource(eventSource)) {
         /* Execute user event: E13V0N */
         E13V0N();
         return;
      }
   }
   protected void setCurrentQNCursor(Object eventSource) {
      if (edtNote.isEventSource(eventSource)) {
         setQNCursor(edtNote.getQNCursor());
         return;
      }
   }
   protected void gotFocusEventDispatch(Object eventSource) {
   }
   protected void focusEventDispatch(Object eventSource) {
   }
   protected void updateAttributes(Object eventSource) {
      if (edtNote.isEventSource(eventSource)) {
         Note = edtNote.getValue() ;
         return;
      }
   }
   protected void itemEventDispatch(Object eventSource) {
   }
   public void mouseEventDispatch(Object eventSource, int modifier) {
      if (subLines.getColumn(1).isEventSource(eventSource) && modifier == MOUSE_LEFTCLICK) {
         /* Execute user event: E13V0N */
         E13V0N();
         return;
      }
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
      HitLoad = 0 ;
      HitKeep = 0 ;
      HitQty = 0 ;
      HitSort = 0 ;
      subw0100023 = new subW0100023();
      Aprodid = 0 ;
      Qty = 0 ;
      State = "" ;
      Note = "" ;
      /* Quenora formulas. */
   }

   protected byte HitLoad ;
   protected byte HitKeep ;
   protected byte HitQty ;
   protected byte HitSort ;
   protected short Qty ;
   protected int Aprodid ;
   protected String State ;
   protected String Note ;
   protected QNPanel QNPanel1 ;
   protected GUIObjectString edtNote ;
   protected IQNButton bttsort ;
   protected IQNButton bttkeep ;
   protected QNSubfile subLines ;
   protected subW0100023 subw0100023 ;
}

