/*
               File: wcontrols
        Description: Choice controls
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
public final class wcontrols extends QNWorkpanel
{
   public wcontrols(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( wcontrols.class ));
   }

   public wcontrols(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context);
   }

   protected String getFrmTitle() {
      return "Choice controls" ;
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
      return UIFactory.getColor(192, 192, 192) ;
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
   protected void QNRefresh() {
      standAlone();
      VariablesToControls();
      setConditionalColor( true, "");
      /* Quenora Refresh */
   }
   protected void screen() {
      QNPanel1 = new QNPanel(this, 0 , 0 , 400 , 300 );
      this.setIBackground(UIFactory.getColor(192, 192, 192));
      this.setIForeground(UIFactory.getColor(0, 0, 0));
      QNPanel1.refreshFrame();
      cmbSize = new GUIObjectByte ( new QNComboBox() , QNPanel1 , 10 , 10 , 100 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "Arial", IFont.BOLD + IFont.ITALIC, 10) , true , "Size" );
      ((QNComboBox) cmbSize.getQNComponent()).addItem( new Byte((byte)(1)),"Small");
      ((QNComboBox) cmbSize.getQNComponent()).addItem( new Byte((byte)(2)),"Large");
      cmbSize.addFocusListener(this);
      chkReady = new GUIObjectString ( new QNCheckBox("Ready" , "Y", "N") , QNPanel1 , 120 , 10 , 100 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "Ready" );
      chkReady.addFocusListener(this);
      lstColor = new GUIObjectString ( new QNListBox() , QNPanel1 , 10 , 40 , 100 , 60 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "Color" );
      ((QNListBox) lstColor.getQNComponent()).addItem( "R","Red");
      ((QNListBox) lstColor.getQNComponent()).addItem( "G","Green");
      lstColor.addFocusListener(this);
      rct5 = UIFactory.getQNRectangle(QNPanel1 , 1 , 120 , 40 , 100 , 60 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , ILabel.BORDER_NONE );
      radKind = new GUIObjectByte ( UIFactory.getQNRadioButton("Kind" , 2, rct5, QNPanel1, 120, 40, 100, 60) , QNPanel1 , 120 , 40 , 100 , 60 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "Kind" );
      ((IQNRadioButton) radKind.getQNComponent()).addButton( new Byte((byte)(1)),"One");
      ((IQNRadioButton) radKind.getQNComponent()).addButton( new Byte((byte)(2)),"Two");
      radKind.addFocusListener(this);
      dynProd = new GUIObjectInt ( new QNComboBox(new dbcPRODUCT(context, remoteHandle, true), 6, 7, true) , QNPanel1 , 310 , 40 , 80 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "Prod" );
      dynProd.addFocusListener(this);
      // -> Generation error : control gadget(1) / 1  not supported
      lbl11 = UIFactory.getLabel(QNPanel1, "Filled", ILabel.CENTER, UIFactory.getColor(255, 255, 0), UIFactory.getColor(0, 0, 0), UIFactory.getFont( "MS Sans Serif", 0, 8), false, ILabel.BORDER_NONE , 230 , 10 , 70 , 20 );
      tctrl6 = new QNTabControl (this, QNPanel1 , 10 , 110 , 380 , 180 , UIFactory.getColor(255, 255, 255) , UIFactory.getColor(0, 0, 0) , 0, 0, 0, false );
      tpage7 = new QNTabPage ( tctrl6 , "General" , 0 , 20 , 380 , 160 , UIFactory.getColor(255, 255, 255) , UIFactory.getColor(0, 0, 0) , 0, 0);
      edtFirst = new GUIObjectString ( new QNEdit(10, "", UIFactory.getFont( "MS Sans Serif", 0, 8),10, 10, 100, 20, tpage7.getQNPanel(), false, ILabel.BORDER_NONE, QNTypeConstants.CHAR, false) , tpage7.getQNPanel() , 10 , 10 , 100 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "First" );
      ((QNEdit) edtFirst.getQNComponent()).setAlignment(ILabel.LEFT);
      edtFirst.addFocusListener(this);
      tpage8 = new QNTabPage ( tctrl6 , "Other" , 0 , 20 , 380 , 160 , UIFactory.getColor(255, 255, 255) , UIFactory.getColor(0, 0, 0) , 0, 0);
      edtSecond = new GUIObjectString ( new QNEdit(10, "", UIFactory.getFont( "MS Sans Serif", 0, 8),10, 10, 100, 20, tpage8.getQNPanel(), false, ILabel.BORDER_NONE, QNTypeConstants.CHAR, false) , tpage8.getQNPanel() , 10 , 10 , 100 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "Second" );
      ((QNEdit) edtSecond.getQNComponent()).setAlignment(ILabel.LEFT);
      edtSecond.addFocusListener(this);
      focusManager.setControlList(new IFocusableControl[] {
                cmbSize,
                chkReady,
                lstColor,
                radKind,
                dynProd,
                edtFirst,
                edtSecond
      });
   }
   protected void setFocusFirst() {
      setFocus(cmbSize, true);
   }
   public void setNoAccept(Object eventSource) {
      if ( lstColor.isEventSource(eventSource) )
      {
         lstColor.setEnabled(!(( Size == 2 )));
      }
   }
   protected void VariablesToControls() {
      cmbSize.setValue( Size );
      lstColor.setValue( Color );
      chkReady.setValue( Ready );
      radKind.setValue( Kind );
      edtFirst.setValue( First );
      edtSecond.setValue( Second );
      dynProd.setValue( Prod );
   }
   protected void ControlsToVariables() {
      Size = cmbSize.getValue() ;
      Color = lstColor.getValue() ;
      Ready = chkReady.getValue() ;
      Kind = radKind.getValue() ;
      First = edtFirst.getValue() ;
      Second = edtSecond.getValue() ;
      Prod = dynProd.getValue() ;
   }
   protected void eventNoLevelContext() {
      ControlsToVariables();
   }
   protected void eventLevelContext() {
      ControlsToVariables();
   }
   protected void eventLevelResetContext() {
   }
   public void setConditionalColor(boolean all, Object control) {
      if (all || chkReady.isEventSource(control) )
      {
         chkReady.setICondForeground(( Size == 1 ), UIFactory.getColor(0,0,255));
      }
      if (all || chkReady.isEventSource(control) )
      {
         chkReady.setICondBackground(( Size > 1 ), UIFactory.getColor(255,255,0));
      }
   }
   protected void actionEventDispatch(Object eventSource) {
   }
   protected void setCurrentQNCursor(Object eventSource) {
      if (cmbSize.isEventSource(eventSource)) {
         setQNCursor(cmbSize.getQNCursor());
         return;
      }
      if (lstColor.isEventSource(eventSource)) {
         setQNCursor(lstColor.getQNCursor());
         return;
      }
      if (chkReady.isEventSource(eventSource)) {
         setQNCursor(chkReady.getQNCursor());
         return;
      }
      if (radKind.isEventSource(eventSource)) {
         setQNCursor(radKind.getQNCursor());
         return;
      }
      if (edtFirst.isEventSource(eventSource)) {
         setQNCursor(edtFirst.getQNCursor());
         return;
      }
      if (edtSecond.isEventSource(eventSource)) {
         setQNCursor(edtSecond.getQNCursor());
         return;
      }
      if (dynProd.isEventSource(eventSource)) {
         setQNCursor(dynProd.getQNCursor());
         return;
      }
   }
   protected void gotFocusEventDispatch(Object eventSource) {
   }
   protected void focusEventDispatch(Object eventSource) {
   }
   protected void updateAttributes(Object eventSource) {
      if (cmbSize.isEventSource(eventSource)) {
         Size = cmbSize.getValue() ;
         return;
      }
      if (lstColor.isEventSource(eventSource)) {
         Color = lstColor.getValue() ;
         return;
      }
      if (chkReady.isEventSource(eventSource)) {
         Ready = chkReady.getValue() ;
         return;
      }
      if (radKind.isEventSource(eventSource)) {
         Kind = radKind.getValue() ;
         return;
      }
      if (edtFirst.isEventSource(eventSource)) {
         First = edtFirst.getValue() ;
         return;
      }
      if (edtSecond.isEventSource(eventSource)) {
         Second = edtSecond.getValue() ;
         return;
      }
      if (dynProd.isEventSource(eventSource)) {
         Prod = dynProd.getValue() ;
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
      Size = 0 ;
      Color = "" ;
      Ready = "" ;
      Kind = 0 ;
      First = "" ;
      Second = "" ;
      Prod = 0 ;
      /* Quenora formulas. */
   }

   protected byte Size ;
   protected byte Kind ;
   protected int Prod ;
   protected String Color ;
   protected String Ready ;
   protected String First ;
   protected String Second ;
   protected QNPanel QNPanel1 ;
   protected GUIObjectByte cmbSize ;
   protected GUIObjectString chkReady ;
   protected GUIObjectString lstColor ;
   protected GUIObjectByte radKind ;
   protected IQNRectangle rct5 ;
   protected GUIObjectInt dynProd ;
   protected ILabel lbl11 ;
   protected QNTabControl tctrl6 ;
   protected QNTabPage tpage7 ;
   protected GUIObjectString edtFirst ;
   protected QNTabPage tpage8 ;
   protected GUIObjectString edtSecond ;
}

