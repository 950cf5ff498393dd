/*
               File: wplain
        Description: Plain panel
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
public final class wplain extends QNWorkpanel
{
   public wplain(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( wplain.class ));
   }

   public wplain(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context);
   }

   protected String getFrmTitle() {
      return "Plain" ;
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
      return 300 ;
   }
   protected int getFrmHeight() {
      return 200 ;
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
   public void execute( QNInt aP0 )
   {
      execute_int(aP0);
   }

   private void execute_int( QNInt aP0 )
   {
      this.Acount = aP0.getValue();
      this.aP0 = aP0 ;
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
      QNPanel1 = new QNPanel(this, 0 , 0 , 300 , 200 );
      this.setIBackground(UIFactory.getColor(255, 255, 255));
      this.setIForeground(UIFactory.getColor(0, 0, 0));
      QNPanel1.refreshFrame();
      edtcount = new GUIObjectInt ( new QNEdit(6, "ZZZZZ9", UIFactory.getFont( "MS Sans Serif", 0, 8),120, 10, 60, 20, QNPanel1, false, ILabel.BORDER_NONE, QNTypeConstants.NUMERIC, false) , QNPanel1 , 120 , 10 , 60 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "Acount" );
      ((QNEdit) edtcount.getQNComponent()).setAlignment(ILabel.LEFT);
      edtcount.addFocusListener(this);
      edtName = new GUIObjectString ( new QNEdit(20, "", UIFactory.getFont( "MS Sans Serif", 0, 8),120, 40, 160, 20, QNPanel1, false, ILabel.BORDER_NONE, QNTypeConstants.CHAR, false) , QNPanel1 , 120 , 40 , 160 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "Name" );
      ((QNEdit) edtName.getQNComponent()).setAlignment(ILabel.LEFT);
      edtName.addFocusListener(this);
      edtDay = new GUIObjectDate ( new QNEdit(8, "99/99/99", UIFactory.getFont( "MS Sans Serif", 0, 8),120, 70, 60, 20, QNPanel1, false, ILabel.BORDER_NONE, QNTypeConstants.DATE, false) , QNPanel1 , 120 , 70 , 60 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "Day" );
      ((QNEdit) edtDay.getQNComponent()).setAlignment(ILabel.LEFT);
      edtDay.addFocusListener(this);
      img7 = UIFactory.getQNImage(QNPanel1,"logo.gif",10,110,32,32);
      lbl2 = UIFactory.getLabel(QNPanel1, "Say \"hi\" \\ to\nall", ILabel.LEFT, Integer.MAX_VALUE, UIFactory.getColor(0, 0, 0), UIFactory.getFont( "MS Sans Serif", 0, 8), false, ILabel.BORDER_NONE , 10 , 10 , 100 , 30 );
      rct6 = UIFactory.getQNRectangle(QNPanel1 , 1 , 5 , 5 , 285 , 95 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , ILabel.BORDER_NONE );
      focusManager.setControlList(new IFocusableControl[] {
                edtcount,
                edtName,
                edtDay
      });
   }
   protected void setFocusFirst() {
      setFocus(edtcount, true);
   }
   public void setNoAccept(Object eventSource) {
   }
   protected void VariablesToControls() {
      edtcount.setValue( Acount );
      edtName.setValue( Name );
      edtDay.setValue( Day );
   }
   protected void ControlsToVariables() {
      Acount = edtcount.getValue() ;
      Name = edtName.getValue() ;
      Day = edtDay.getValue() ;
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
      if (edtcount.isEventSource(eventSource)) {
         setQNCursor(edtcount.getQNCursor());
         return;
      }
      if (edtName.isEventSource(eventSource)) {
         setQNCursor(edtName.getQNCursor());
         return;
      }
      if (edtDay.isEventSource(eventSource)) {
         setQNCursor(edtDay.getQNCursor());
         return;
      }
   }
   protected void gotFocusEventDispatch(Object eventSource) {
   }
   protected void focusEventDispatch(Object eventSource) {
   }
   protected void updateAttributes(Object eventSource) {
      if (edtcount.isEventSource(eventSource)) {
         Acount = edtcount.getValue() ;
         return;
      }
      if (edtName.isEventSource(eventSource)) {
         Name = edtName.getValue() ;
         return;
      }
      if (edtDay.isEventSource(eventSource)) {
         Day = edtDay.getValue() ;
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
      aP0.setValue( this.Acount);
      stopThreads();
      super.cleanup();
      Application.cleanup(context, this, remoteHandle);
   }

   public void initialize( )
   {
      Name = "" ;
      Day = QNutil.nullDate() ;
      /* Quenora formulas. */
   }

   protected int Acount ;
   protected String Name ;
   protected java.util.Date Day ;
   protected QNInt aP0 ;
   protected QNPanel QNPanel1 ;
   protected GUIObjectInt edtcount ;
   protected GUIObjectString edtName ;
   protected GUIObjectDate edtDay ;
   protected IQNImage img7 ;
   protected ILabel lbl2 ;
   protected IQNRectangle rct6 ;
}

