/*
               File: wask
        Description: Asking
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
public final class wask extends QNWorkpanel
{
   public wask(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( wask.class ));
   }

   public wask(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context);
   }

   protected String getFrmTitle() {
      return "Ask" ;
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
      return 200 ;
   }
   protected int getFrmHeight() {
      return 100 ;
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
      if (askCanceled) return;
      start();
      return  ;
   }

   protected void standAlone() {
   }
   protected void QNRefresh() {
      standAlone();
      VariablesToControls();
      /* Quenora Refresh */
   }
   protected void screen() {
      QNPanel1 = new QNPanel(this, 0 , 0 , 200 , 100 );
      this.setIBackground(UIFactory.getColor(255, 255, 255));
      this.setIForeground(UIFactory.getColor(0, 0, 0));
      QNPanel1.refreshFrame();
      edtQty = new GUIObjectShort ( new QNEdit(4, "ZZZ9", UIFactory.getFont( "MS Sans Serif", 0, 8),10, 10, 60, 20, QNPanel1, false, ILabel.BORDER_NONE, QNTypeConstants.NUMERIC, false) , QNPanel1 , 10 , 10 , 60 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "Qty" );
      ((QNEdit) edtQty.getQNComponent()).setAlignment(ILabel.LEFT);
      edtQty.addFocusListener(this);
      focusManager.setControlList(new IFocusableControl[] {
                edtQty
      });
   }
   protected void setFocusFirst() {
      setFocus(edtQty, true);
   }
   public void setNoAccept(Object eventSource) {
   }
   protected void VariablesToControls() {
      edtQty.setValue( Qty );
   }
   protected void ControlsToVariables() {
      Qty = edtQty.getValue() ;
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
   }
   protected void actionEventDispatch(Object eventSource) {
   }
   protected void setCurrentQNCursor(Object eventSource) {
      if (edtQty.isEventSource(eventSource)) {
         setQNCursor(edtQty.getQNCursor());
         return;
      }
   }
   protected void gotFocusEventDispatch(Object eventSource) {
   }
   protected void focusEventDispatch(Object eventSource) {
   }
   protected void updateAttributes(Object eventSource) {
      if (edtQty.isEventSource(eventSource)) {
         Qty = edtQty.getValue() ;
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
   private boolean doAsk()
   {
      GUIObjectShort askQty = new GUIObjectShort ( new QNEdit( 4 , "ZZZ9" , QNTypeConstants.NUMERIC ));
      GUIObjectDouble askPrice = new GUIObjectDouble ( new QNEdit( 9 , "999999.99" , QNTypeConstants.NUMERIC ));
      GUIObjectString askName = new GUIObjectString ( new QNEdit( 20 , "XXXXXXXXXXXXXXXXXXXX" , QNTypeConstants.CHAR ));
      GUIObjectDate askDay = new GUIObjectDate ( new QNEdit( 8 , "99/99/99" , QNTypeConstants.DATE ));
      askQty.setValue(Qty);
      askPrice.setValue(Price);
      askName.setValue(Name);
      askDay.setValue(Day);
      QNAsk ask = new QNAsk( "Ask" , true , new QNAskObject[] {
                  new QNAskObject ( askQty , "&Qty" , 4 ) ,
                  new QNAskObject ( askPrice , "&Price" , 9 ) ,
                  new QNAskObject ( askName , "Your name" , 20 ) ,
                  new QNAskObject ( askDay , "&Day" , 8 )
      });
      Qty = askQty.getValue();
      Price = askPrice.getValue();
      Name = askName.getValue();
      Day = askDay.getValue();
      Qn_out = ask.getOutput();
      return ask.getConfirmed();
   }

   protected void cleanup( )
   {
      stopThreads();
      super.cleanup();
      Application.cleanup(context, this, remoteHandle);
   }

   public void initialize( )
   {
      askCanceled = false ;
      Qty = 0 ;
      Price = 0 ;
      Name = "" ;
      Day = QNutil.nullDate() ;
      Qn_out = "" ;
      /* Quenora formulas. */
      askCanceled = !doAsk();
   }

   protected short Qty ;
   protected double Price ;
   protected String Name ;
   protected String Qn_out ;
   protected java.util.Date Day ;
   protected boolean askCanceled ;
   protected QNPanel QNPanel1 ;
   protected GUIObjectShort edtQty ;
}

